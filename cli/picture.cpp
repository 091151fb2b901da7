#include "picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <new>
#include <optional>

#include "render.h"
#ifdef BARCODE_CLI_VERIFY
#include "verify.h"
#endif

namespace bars::cli {
namespace {

constexpr double kMetresPerInch = 0.0254;

// Qt's chatter (a missing XDG_RUNTIME_DIR, font fallbacks) must not mix with the one-line
// messages on standard error; only its real failures get through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

#ifdef BARCODE_CLI_VERIFY
// The SVG document drawn again by Qt's SVG renderer, one user unit a pixel.
QImage Rasterised(const QByteArray& svg) {
  QSvgRenderer renderer(svg);
  QImage image(renderer.viewBox().size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}
#endif

}  // namespace

TQtPictureMaker::TQtPictureMaker(const TPictureSettings& settings) : settings_(settings) {
  qInstallMessageHandler(QuietMessages);
  if (settings_.text) {
    static int argc = 1;
    static char name[] = "barcode-cli";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc, argv);
  }
  // PNG and BMP are built into Qt: without this the first file would load every image plugin
  // installed just to ask which formats it handles. The platform plugin is loaded by now.
  QCoreApplication::setLibraryPaths({});
}

void TQtPictureMaker::Make(TBarcode& barcode, TPicture& picture) {
  picture.bytes.clear();
  picture.failure.clear();
  picture.unchecked.clear();
  try {
    const TPictureLayout layout = settings_.quietZones
                                      ? PrintLayout(barcode, settings_.margin)
                                      : TPictureLayout{TPictureFrame::Box, settings_.margin};
    QByteArray bytes;
    QImage readBack;  // what --verify reads: the file itself where Qt can read it
    switch (settings_.format) {
      case PictureFormat::Svg:
        bytes = RenderSvg(barcode, layout, settings_.dpi);
#ifdef BARCODE_CLI_VERIFY
        if (settings_.verify) readBack = Rasterised(bytes);
#endif
        break;
      case PictureFormat::Pdf:
        bytes = RenderPdf(barcode, layout, settings_.dpi);
        // Qt reads no PDF: the reader gets the same painting on a bitmap.
        if (settings_.verify) readBack = RenderImage(barcode, layout);
        break;
      case PictureFormat::Bmp:
      case PictureFormat::Png:
        bytes = EncodeBitmap(RenderImage(barcode, layout), settings_.format, settings_.dpi);
        if (settings_.verify) readBack = QImage::fromData(bytes);
        break;
    }
#ifdef BARCODE_CLI_VERIFY
    if (settings_.verify) {
      const TVerification verification = VerifyPicture(readBack, barcode);
      if (verification.verdict == TVerdict::Mismatch) {
        picture.failure = verification.message;
        return;
      }
      if (verification.verdict == TVerdict::NoReader) picture.unchecked = verification.message;
    }
#endif
    picture.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  } catch (const Exception& e) {
    picture.failure = e.Message();
  } catch (const std::bad_alloc&) {
    picture.failure = "Out of memory";
  } catch (const std::exception& e) {
    picture.failure = e.what();
  }
}

QImage Indexed(const QImage& image) {
  if (image.depth() != 32) return image;
  // The colours, in the order met; a picture without text has two or three.
  QList<QRgb> colours;
  QRgb last = 0;
  bool any = false;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (any && line[x] == last) continue;
      any = true;
      last = line[x];
      if (colours.contains(last)) continue;
      if (colours.size() == 256) return image;
      colours.push_back(last);
    }
  }
  if (colours.size() <= 2) {
    QImage mono(image.size(), QImage::Format_Mono);
    if (colours.size() < 2) colours.push_back(colours.value(0, qRgb(255, 255, 255)));
    mono.setColorTable(colours);
    const QRgb one = colours[1];
    for (int y = 0; y < image.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      uchar* bits = mono.scanLine(y);
      std::fill(bits, bits + mono.bytesPerLine(), uchar{0});
      for (int x = 0; x < image.width(); ++x)
        if (line[x] == one) bits[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
    }
    return mono;
  }
  QImage indexed(image.size(), QImage::Format_Indexed8);
  indexed.setColorTable(colours);
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uchar* bytes = indexed.scanLine(y);
    uchar index = 0;
    for (int x = 0; x < image.width(); ++x) {
      if (colours[index] != line[x]) index = static_cast<uchar>(colours.indexOf(line[x]));
      bytes[x] = index;
    }
  }
  return indexed;
}

QByteArray EncodeBitmap(const QImage& image, PictureFormat format, int dpi) {
  QImage file = Indexed(image);
  const int dotsPerMetre = qRound(dpi / kMetresPerInch);
  file.setDotsPerMeterX(dotsPerMetre);
  file.setDotsPerMeterY(dotsPerMetre);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format == PictureFormat::Bmp ? "bmp" : "png");
  if (!writer.write(file))
    throw Exception("Cannot encode the picture: " + writer.errorString().toStdString());
  return bytes;
}

}  // namespace bars::cli
