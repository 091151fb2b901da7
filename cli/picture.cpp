#include "picture.h"

#include <malloc.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <array>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

#include "render.h"
#ifdef BARCODE_CLI_VERIFY
#include "verify.h"
#endif

namespace bars::cli {
namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr int kPngQuality = 60;  // Qt's PNG writer turns quality into the zlib level

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

// The colours of a picture and their indices, at most 256: an open-addressed table, since a
// picture with text holds a few dozen greys that change from pixel to pixel.
class TPalette {
 public:
  // The index of `colour`, a new one when it is new; -1 once 256 colours are taken.
  int IndexOf(QRgb colour) {
    for (std::size_t slot = (colour * 2654435761u) >> 22;; slot = (slot + 1) % kSlots) {
      Slot& s = slots_[slot];
      if (s.index >= 0 && s.colour == colour) return s.index;
      if (s.index >= 0) continue;
      if (colours_.size() == 256) return -1;
      s = {colour, static_cast<int>(colours_.size())};
      colours_.push_back(colour);
      return s.index;
    }
  }
  const QList<QRgb>& Colours() const { return colours_; }

 private:
  static constexpr std::size_t kSlots = 1024;  // a power of two, four times 256
  struct Slot {
    QRgb colour = 0;
    int index = -1;
  };
  std::array<Slot, kSlots> slots_{};
  QList<QRgb> colours_;
};

}  // namespace

TQtPictureMaker::TQtPictureMaker(const TPictureSettings& settings) : settings_(settings) {
  // Each PNG takes and gives back some 300 KB of compressor state. glibc would return it to
  // the system every time and fault it in again, a third of a picture's time; kept, it is
  // reused warm.
  mallopt(M_MMAP_THRESHOLD, 8 << 20);
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
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
  const int width = image.width(), height = image.height();
  const auto row = [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
  const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
  // Most rows of a barcode repeat the one above: each other row is converted once.
  std::vector<char> repeats(static_cast<std::size_t>(height), 0);
  for (int y = 1; y < height; ++y)
    repeats[static_cast<std::size_t>(y)] = std::memcmp(row(y), row(y - 1), rowBytes) == 0;

  QImage indexed(image.size(), QImage::Format_Indexed8);
  TPalette palette;
  for (int y = 0; y < height; ++y) {
    uchar* out = indexed.scanLine(y);
    if (repeats[static_cast<std::size_t>(y)]) {
      std::memcpy(out, indexed.constScanLine(y - 1), static_cast<std::size_t>(width));
      continue;
    }
    const QRgb* line = row(y);
    for (int x = 0; x < width; ++x) {
      if (x > 0 && line[x] == line[x - 1]) {
        out[x] = out[x - 1];
        continue;
      }
      const int index = palette.IndexOf(line[x]);
      if (index < 0) return image;  // more than 256 colours
      out[x] = static_cast<uchar>(index);
    }
  }
  QList<QRgb> colours = palette.Colours();
  if (colours.size() > 2) {
    indexed.setColorTable(colours);
    return indexed;
  }
  // Two colours (a barcode without text): one bit a pixel.
  if (colours.size() < 2) colours.push_back(colours.value(0, qRgb(255, 255, 255)));
  QImage mono(image.size(), QImage::Format_Mono);
  mono.setColorTable(colours);
  const std::size_t monoBytes = static_cast<std::size_t>(mono.bytesPerLine());
  for (int y = 0; y < height; ++y) {
    uchar* out = mono.scanLine(y);
    if (repeats[static_cast<std::size_t>(y)]) {
      std::memcpy(out, mono.constScanLine(y - 1), monoBytes);
      continue;
    }
    const uchar* in = indexed.constScanLine(y);
    std::memset(out, 0, monoBytes);
    for (int x = 0; x < width; ++x) out[x >> 3] |= static_cast<uchar>((in[x] & 1) << (7 - (x & 7)));
  }
  return mono;
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
  // One of zlib's fast levels: half the time of the default for a fifth more bytes on a
  // picture with text (and a few bytes on one without).
  writer.setQuality(kPngQuality);
  if (!writer.write(file))
    throw Exception("Cannot encode the picture: " + writer.errorString().toStdString());
  return bytes;
}

}  // namespace bars::cli
