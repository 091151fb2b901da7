#pragma once
// The off-screen picture's bitmap: making it, and writing it to a file through the one bitmap
// encoder and the one safe-write that barcode-cli uses too (picture/).

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

#include "bitmap.h"

namespace bars::app {

// A new bitmap of exactly `width` x `height` pixels, white as a new bitmap is. Raises
// std::runtime_error naming the size when none can be made (a side of 0 or less, beyond the
// picture limits of frame.h, or no memory for it).
QImage NewWhiteBitmap(std::int32_t width, std::int32_t height);

// Writes `image` to `path` as a Windows BMP file at 96 dpi, in the fewest bits a pixel that keep
// its colours, replacing any file there; see SaveData. Raises std::runtime_error with the path
// and the reason.
void SaveBmp(const QImage& image, const QString& path);

// The same in `format`.
void SaveImage(const QImage& image, const QString& path, TBitmapFormat format);

// Writes `data` to `path` as it is, replacing any file there (its permissions kept): the file
// appears whole or not at all, and is on the disk, with its directory entry, when this returns.
// An existing file stays untouched when writing fails. Raises as SaveBmp.
void SaveData(const QByteArray& data, const QString& path);

}  // namespace bars::app
