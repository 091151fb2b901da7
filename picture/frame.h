#pragma once
// Whole pictures of a barcode, in one of two frames:
// - Box, the window's: exactly Width x Height pixels with the barcode's box (Left, Top) at the
//   top-left corner; whatever the barcode draws outside that box (text above the bars, corners
//   of a turned symbol, the row below Height that bars reach) is cut off.
// - Whole, for printing: the symbol turned by Angle with its quiet zones (turned with it) and
//   every text it writes, nothing cut off but that row below Height.
// A margin adds white pixels on every side of either. The geometry is plain numbers: a picture
// without text is measured and drawn without any toolkit (raster.h); Qt draws the rest
// (qt/render.h) in the same frame.

#include <cstdint>

#include "bars.h"

namespace bars {

// The largest picture drawn: each side at most this many pixels, and this many in all. The
// window's bitmap and every file share them.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr std::int64_t kMaxPicturePixels = 100'000'000;

// Whether a picture of width x height pixels is within those limits (and not empty).
constexpr bool PictureFits(std::int64_t width, std::int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

enum class TPictureFrame : std::uint8_t { Box, Whole };

struct TPictureLayout {
  TPictureFrame Frame = TPictureFrame::Box;
  int Margin = 0;  // white pixels on every side
  // Whole frame only: the quiet zones before and after the symbol along its length, and above
  // and below its bars (two-dimensional symbols), in modules of Modul pixels, turned with it.
  int QuietLeft = 0;
  int QuietRight = 0;
  int QuietTop = 0;
  int QuietBottom = 0;
};

// The Whole frame with the standard quiet zones of the barcode's type (its catalogue row's
// QuietLeft and QuietRight; kAddOnQuietRight after an attached add-on; none above and below a
// linear symbol, the same as beside it all round a two-dimensional one) and `margin`. A type beyond
// the catalogue gets none (its drawing raises anyway).
TPictureLayout PrintLayout(const TBarcode& barcode, int margin);

// A rectangle of whole pixels.
struct TPixelRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int Right() const { return Left + Width - 1; }   // the last column inside
  int Bottom() const { return Top + Height - 1; }  // the last row inside
  friend bool operator==(const TPixelRect&, const TPixelRect&) = default;
};

// Where a picture puts the drawing.
struct TPictureGeometry {
  int Width = 0, Height = 0;  // of the picture, in pixels
  TPoint Offset;              // a canvas position of the barcode lands this much further
  TPixelRect Shown;           // the part that shows the drawing; the rest (the margin) is white
};

// The geometry of the picture of `layout`. Builds the pattern, so it raises what Width raises;
// raises a bars::Exception when Width or Height is below 1, the margin is negative, the picture
// exceeds the limits above or its drawing cannot be placed in 32-bit coordinates. The Whole
// frame measures shown text with `fonts` (its TextWidth and TextHeight, nothing drawn): a
// barcode that shows text needs one, else this raises.
TPictureGeometry MeasurePicture(TBarcode& barcode, const TPictureLayout& layout,
                                TCanvas* fonts = nullptr);

// The Box geometry of a bitmap of `width` x `height` plus `margin` pixels on every side, for a
// caller that sized the bitmap itself (the window). Builds nothing; raises when the offset
// leaves `int`.
TPictureGeometry BoxGeometry(const TBarcode& barcode, int width, int height, int margin = 0);

}  // namespace bars
