#pragma once
// Whole pictures of a barcode, in one of two frames:
// - Box, the window's: exactly Width x Height pixels with the barcode's box (Left, Top) at the
//   top-left corner; whatever the barcode draws outside that box (text above the bars, corners
//   of a turned symbol, the row below Height that bars reach) is cut off.
// - Whole, for printing: the symbol turned by Angle with its quiet zones (turned with it) and
//   every text it writes, nothing cut off but that row below Height.
// A margin adds white pixels on every side of either. The window's bitmap, the command line's
// files and every format (bitmap, SVG, PDF) are drawn by the same PaintPicture steps.
//
//   bars::TBarcode bc;
//   bc.SetText("400638133393");
//   QImage window = bars::RenderImage(bc, 10);                   // (Width + 20) x (Height + 20)
//   QImage label = bars::RenderImage(bc, bars::PrintLayout(bc, 0));  // 11 + 95 + 7 modules wide

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

#include "bars.h"

namespace bars {

// The largest picture drawn: each side at most this many pixels, and this many in all.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr std::int64_t kMaxPicturePixels = 100'000'000;

enum class TPictureFrame : std::uint8_t { Box, Whole };

struct TPictureLayout {
  TPictureFrame Frame = TPictureFrame::Box;
  int Margin = 0;  // white pixels on every side
  // Whole frame only: the quiet zones before and after the symbol along its length, in modules
  // of Modul pixels.
  int QuietLeft = 0;
  int QuietRight = 0;
};

// The Whole frame with the standard quiet zones of the barcode's type (its catalogue row's
// QuietLeft and QuietRight; kAddOnQuietRight after an attached add-on) and `margin`. A type
// beyond the catalogue gets none (its drawing raises anyway).
TPictureLayout PrintLayout(const TBarcode& barcode, int margin);

// Where a picture puts the drawing.
struct TPictureGeometry {
  QSize Size;     // of the picture, in pixels
  QPoint Offset;  // a canvas position of the barcode lands on this much further in the picture
  QRect Shown;    // the part that shows the drawing; the rest (the margin) stays white
};

// The geometry of the picture of `layout`. Builds the pattern, so it raises what Width raises;
// raises a bars::Exception when Width or Height is below 1, the margin is negative, the picture
// exceeds the limits above or its drawing cannot be placed in 32-bit coordinates. The Whole frame
// measures shown text in Qt fonts: a QGuiApplication must exist then.
TPictureGeometry MeasurePicture(TBarcode& barcode, const TPictureLayout& layout);

// The Box geometry of a bitmap of `box` plus `margin` pixels on every side, for a caller that
// sized the bitmap itself (the window). Builds nothing; raises when the offset leaves `int`.
TPictureGeometry BoxGeometry(const TBarcode& barcode, QSize box, int margin = 0);

// Paints the picture onto `page` (of geometry.Size): white, the barcode moved by
// geometry.Offset, and white again outside geometry.Shown. On a 32-bit image upright bars go
// straight into its pixels. Raises what PaintTo raises, before anything but the white is drawn.
void PaintPicture(QImage& page, TBarcode& barcode, const TPictureGeometry& geometry);

// The picture's size in the Box frame, (Width + 2 x margin) x (Height + 2 x margin); raises as
// MeasurePicture.
QSize PictureSize(TBarcode& barcode, int margin);

// The picture as a bitmap (RGB32). Raises what MeasurePicture and PaintTo raise; a picture whose
// drawing failed is never returned.
QImage RenderImage(TBarcode& barcode, const TPictureLayout& layout);
QImage RenderImage(TBarcode& barcode, int margin = 0);  // the Box frame

// The same picture as an SVG document whose size is its pixels at `dpi` dots per inch: bars as
// vector polygons, text as glyph outlines (so that it sits in its white box as on the bitmap,
// whatever fonts the viewer has). Raises as RenderImage.
QByteArray RenderSvg(TBarcode& barcode, const TPictureLayout& layout, int dpi);
QByteArray RenderSvg(TBarcode& barcode, int margin = 0);  // the Box frame at 96 dpi

// The same picture as a one-page PDF drawn in vectors at `dpi` picture pixels per inch. PDF
// pages measure whole points (1/72 inch): the page is rounded up, the extra white on the right
// and at the bottom. Raises as RenderImage.
QByteArray RenderPdf(TBarcode& barcode, const TPictureLayout& layout, int dpi);

}  // namespace bars
