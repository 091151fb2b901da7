#include "picture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <cstdio>

#include "render.h"

namespace bars::cli {
namespace {

// Qt's chatter (a missing XDG_RUNTIME_DIR, font fallbacks) must not mix with the one-line
// messages on standard error; only its real failures get through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

void OffscreenGui::Ensure() {
  if (app_) return;
  static int argc = 1;
  static char name[] = "barcode-cli";
  static char* argv[] = {name, nullptr};
  qInstallMessageHandler(QuietMessages);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  app_ = std::make_unique<QGuiApplication>(argc, argv);
}

QByteArray EncodePicture(TBarcode& barcode, PictureFormat format, int margin) {
  if (format == PictureFormat::Svg) return RenderSvg(barcode, margin);
  const QImage image = RenderImage(barcode, margin);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format == PictureFormat::Bmp ? "bmp" : "png");
  if (!writer.write(image))
    throw Exception("Cannot encode the picture: " + writer.errorString().toStdString());
  return bytes;
}

std::string WriteFile(const std::string& path, const QByteArray& bytes) {
  QSaveFile file(QFile::decodeName(path.c_str()));
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return "";
  return "Cannot write '" + path + "': " + file.errorString().toStdString();
}

}  // namespace bars::cli
