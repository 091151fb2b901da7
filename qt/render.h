#pragma once
// Whole pictures of a barcode, drawn as the utility's window draws them: a new white picture of
// exactly Width x Height pixels with the barcode's box at its top-left corner and everything
// the barcode draws outside that box (text above the bars, corners of a turned symbol) cut
// off. A margin adds a white quiet zone of that many pixels on every side.
//
//   bars::TBarcode bc;
//   bc.SetText("400638133393");
//   QImage picture = bars::RenderImage(bc, 10);  // (Width + 20) x (Height + 20)

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <cstdint>

#include "bars.h"

namespace bars {

// The largest picture drawn: each side at most this many pixels, and this many in all.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr std::int64_t kMaxPicturePixels = 100'000'000;

// The picture's size, (Width + 2 x margin) x (Height + 2 x margin). Builds the pattern, so it
// raises what Width raises; raises a bars::Exception when a side is below 1 or the picture
// exceeds the limits above, or the margin is negative.
QSize PictureSize(TBarcode& barcode, int margin);

// The picture as a bitmap (RGB32). Raises what PictureSize and PaintTo raise; a picture whose
// drawing failed is never returned.
QImage RenderImage(TBarcode& barcode, int margin = 0);

// The same picture as an SVG document: bars as vector polygons, text as glyph outlines (so
// that it sits in its white box as on the bitmap, whatever fonts the viewer has). Raises as
// RenderImage.
QByteArray RenderSvg(TBarcode& barcode, int margin = 0);

}  // namespace bars
