#include "picture.h"

#include <QFile>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "file_writer.h"
#include "frame.h"
#include "render.h"

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

void Save(std::string_view bytes, const QString& path) {
  TFileWriter files;
  const std::string name = QFile::encodeName(path).toStdString();
  int error = files.Write(name, bytes);
  // A user's save is on the disk when the program says it is saved.
  if (error == 0) error = files.Sync();
  if (error != 0) NotSaved(path, QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

QImage NewWhiteBitmap(std::int32_t width, std::int32_t height) {
  if (!PictureFits(width, height)) NoBitmap(width, height);
  QImage bitmap(width, height, QImage::Format_RGB32);
  if (bitmap.isNull()) NoBitmap(width, height);  // out of memory
  bitmap.fill(Qt::white);
  return bitmap;
}

void SaveBmp(const QImage& image, const QString& path) {
  SaveImage(image, path, TBitmapFormat::Bmp);
}

void SaveImage(const QImage& image, const QString& path, TBitmapFormat format) {
  std::string bytes;
  try {
    bytes = EncodeImage(image, format, TFont::kPixelsPerInch);
  } catch (const Exception& e) {
    NotSaved(path, QString::fromStdString(e.Message()));
  }
  Save(bytes, path);
}

void SaveData(const QByteArray& data, const QString& path) {
  Save(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), path);
}

}  // namespace bars::app
