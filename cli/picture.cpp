// barcode-cli-qt's pictures.
#include "picture.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <new>
#include <string>

#include "raster.h"
#include "render.h"
#include "svg.h"
#ifdef BARCODE_CLI_VERIFY
#include "verify.h"
#endif

namespace bars::cli {
namespace {

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

// The bitmap file of the picture. The same pixels every way: at a right angle one byte a pixel,
// the text written by Qt into the rows it takes; a 32-bit page only for slanted symbols and
// text of many colours.
std::string EncodeBitmapOf(TBarcode& barcode, const TPictureLayout& layout, TBitmapFormat format,
                           int dpi, TQtRasterText& text) {
  if (DrawnWithoutPainter(bcoNone, barcode.Angle())) {
    try {
      return EncodeBitmap(RenderRasterWithText(barcode, layout, &text).Pixels(), format, dpi);
    } catch (const ETooManyColours&) {
    }
  }
  return EncodeImage(RenderImage(barcode, layout), format, dpi);
}

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
  text_ = std::make_unique<TQtRasterText>();
  // PNG and BMP are built into Qt, for --verify's reading back: without this the first would
  // load every image plugin installed just to ask which formats it handles. The platform
  // plugin is loaded by now.
  QCoreApplication::setLibraryPaths({});
}

void TQtPictureMaker::Make(TBarcode& barcode, TPicture& picture) {
  MakeOrSayWhy(picture, [&] {
    const TPictureLayout layout = LayoutFor(settings_, barcode);
    std::string bytes;
    QImage readBack;  // what --verify reads: the file itself where Qt can read it
    switch (settings_.format) {
      case PictureFormat::Svg: {
        // Without text at a right angle, the raster's pixels, as barcode-cli writes them.
        if (DrawnWithoutPainter(barcode.ShowText(), barcode.Angle()))
          bytes = EncodeSvg(RenderRaster(barcode, layout), settings_.dpi, barcode.GetTypName());
        else
          bytes = RenderSvg(barcode, layout, settings_.dpi).toStdString();
#ifdef BARCODE_CLI_VERIFY
        if (settings_.verify)
          readBack = Rasterised(QByteArray(bytes.data(), qsizetype(bytes.size())));
#endif
        break;
      }
      case PictureFormat::Pdf:
        bytes = RenderPdf(barcode, layout, settings_.dpi).toStdString();
        // Qt reads no PDF: the reader gets the same painting on a bitmap.
        if (settings_.verify) readBack = RenderImage(barcode, layout);
        break;
      case PictureFormat::Bmp:
      case PictureFormat::Png: {
        const TBitmapFormat format =
            settings_.format == PictureFormat::Png ? TBitmapFormat::Png : TBitmapFormat::Bmp;
        bytes = EncodeBitmapOf(barcode, layout, format, settings_.dpi, *text_);
        // Read back by Qt's own decoder: the check covers our encoder as well.
        if (settings_.verify)
          readBack = QImage::fromData(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        break;
      }
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
    picture.bytes = std::move(bytes);
  });
}

}  // namespace bars::cli
