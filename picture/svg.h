#pragma once
// SVG documents of pictures drawn without a toolkit. A raster's pixels become rectangles of
// whole pixels, one user unit a pixel: rows that repeat the row above are merged into one band,
// and each colour's runs of a band are one subpath of that colour's single path. So a linear
// symbol is one band of bars and a matrix symbol a band per module row, and the document shows
// exactly the bitmap's pixels at any scale (crisp edges, no anti-aliased seams).
//
//   std::string svg = bars::EncodeSvg(bars::RenderRaster(barcode, layout), 300, "QR Code");

#include <string>
#include <string_view>

#include "raster.h"

namespace bars {

// The document of `raster`, its page `dpi` dots per inch (width and height in millimetres),
// titled `title` (XML-escaped here). Raises a bars::Exception when `dpi` is not positive.
std::string EncodeSvg(const TRaster& raster, int dpi, std::string_view title);

}  // namespace bars
