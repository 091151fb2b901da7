#pragma once
// The off-screen picture's bitmap: making it and writing it to a file.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace bars::app {

// Largest side and area we make a bitmap for: beyond them the toolkit cannot paint (its
// coordinates are 16-bit on some paths) or the memory would be unreasonable.
inline constexpr std::int32_t kMaxBitmapSide = 32767;
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 25;

// A new bitmap of exactly `width` x `height` pixels, white as a new bitmap is. Raises
// std::runtime_error naming the size when none can be made (a side of 0 or less, or too big).
QImage NewWhiteBitmap(std::int32_t width, std::int32_t height);

// Writes `image` to `path` as a Windows BMP file, replacing any file there; an existing file
// stays untouched when writing fails. Raises std::runtime_error with the path and the toolkit's
// reason.
void SaveBmp(const QImage& image, const QString& path);

// The same in the toolkit's image `format` ("BMP", "PNG").
void SaveImage(const QImage& image, const QString& path, const char* format);

// Writes `data` to `path` as it is, replacing any file there as SaveBmp does; raises as SaveBmp.
void SaveData(const QByteArray& data, const QString& path);

}  // namespace bars::app
