#include "picture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>
#include <stdexcept>

namespace bars::app {
namespace {

[[noreturn]] void NoBitmap(std::int32_t width, std::int32_t height) {
  throw std::runtime_error(QStringLiteral("Impossibile creare un'immagine di %1 x %2 pixel")
                               .arg(width)
                               .arg(height)
                               .toStdString());
}

[[noreturn]] void NotSaved(const QString& path, const QString& reason) {
  throw std::runtime_error(
      QStringLiteral("Impossibile salvare \"%1\": %2").arg(path, reason).toStdString());
}

}  // namespace

QImage NewWhiteBitmap(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
      std::int64_t{width} * height > kMaxBitmapPixels) {
    NoBitmap(width, height);
  }
  QImage bitmap(width, height, QImage::Format_RGB32);
  if (bitmap.isNull()) NoBitmap(width, height);  // out of memory
  bitmap.fill(Qt::white);
  return bitmap;
}

void SaveBmp(const QImage& image, const QString& path) {
  SaveImage(image, path, "BMP");
}

void SaveImage(const QImage& image, const QString& path, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) NotSaved(path, writer.errorString());
  SaveData(bytes, path);
}

void SaveData(const QByteArray& data, const QString& path) {
  QSaveFile file(path);
  // Where no temporary file can be made beside the target, write the target itself.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) NotSaved(path, file.errorString());
  if (file.write(data) != data.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    NotSaved(path, reason);
  }
  if (!file.commit()) NotSaved(path, file.errorString());
}

}  // namespace bars::app
