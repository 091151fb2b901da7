#pragma once
// Whole pictures drawn by Qt, in the frames of picture/frame.h: a bitmap (QImage), an SVG
// document or a PDF page. The window's bitmap, the command line's files and every format are
// drawn by the same PaintPicture steps; a picture without text at a right angle draws the same
// pixels without Qt (picture/raster.h).
//
//   bars::TBarcode bc;
//   bc.SetText("400638133393");
//   QImage window = bars::RenderImage(bc, 10);                   // (Width + 20) x (Height + 20)
//   QImage label = bars::RenderImage(bc, bars::PrintLayout(bc, 0));  // 11 + 95 + 7 modules wide

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <memory>
#include <string>

#include "bars.h"
#include "bitmap.h"
#include "frame.h"
#include "raster.h"

namespace bars {

// Paints the picture onto `page` (of geometry's size): white, the barcode moved by
// geometry.Offset, and white again outside geometry.Shown. On a 32-bit image upright bars go
// straight into its pixels. Raises what PaintTo raises, before anything but the white is drawn.
void PaintPicture(QImage& page, TBarcode& barcode, const TPictureGeometry& geometry);

// The picture as a bitmap (RGB32), its text measured in Qt's fonts. Raises what MeasurePicture
// and PaintTo raise; a picture whose drawing failed is never returned.
QImage RenderImage(TBarcode& barcode, const TPictureLayout& layout);
QImage RenderImage(TBarcode& barcode, int margin = 0);  // the Box frame

// Qt's fonts and text for rasters (raster.h): each text and font measured once however often a
// drawing asks, and text written into the rows it takes with the pixels the Qt canvas gives
// them. One serves many pictures.
class TQtRasterText : public TRasterText {
 public:
  TQtRasterText();
  ~TQtRasterText() override;
  TCanvas& Fonts() override;
  void TextOut(TRaster& raster, TPoint offset, const TPixelRect& clip, const TFont& font,
               TColor brush, std::int32_t x, std::int32_t y, const std::string& text) override;

 private:
  std::unique_ptr<TCanvas> fonts_;
};

// The same picture in one byte a pixel (raster.h), its text written by `text` (a fresh one when
// none is given): the pixels of RenderImage, without a 32-bit page, for a picture turned by a
// right angle or not at all. Raises as RenderImage, as RenderRaster for a slanted symbol, and
// ETooManyColours when text blends into more than 256 colours.
TRaster RenderRasterWithText(TBarcode& barcode, const TPictureLayout& layout,
                             TQtRasterText* text = nullptr);

// The same picture as an SVG document whose size is its pixels at `dpi` dots per inch: bars as
// vector polygons, text as glyph outlines (so that it sits in its white box as on the bitmap,
// whatever fonts the viewer has). Raises as RenderImage.
QByteArray RenderSvg(TBarcode& barcode, const TPictureLayout& layout, int dpi);
QByteArray RenderSvg(TBarcode& barcode, int margin = 0);  // the Box frame at 96 dpi

// The same picture as a one-page PDF drawn in vectors at `dpi` picture pixels per inch. PDF
// pages measure whole points (1/72 inch): the page is rounded up, the extra white on the right
// and at the bottom. Raises as RenderImage.
QByteArray RenderPdf(TBarcode& barcode, const TPictureLayout& layout, int dpi);

// `picture` of a barcode drawn at `angle` degrees, turned back upright onto white for a reader
// that scans rows and columns (a slanted symbol's stepped edges read poorly); `picture` itself
// when the angle is a right one.
QImage TurnedUpright(const QImage& picture, double angle);

// The bytes of a PNG or BMP file of `image` through the one bitmap encoder (bitmap.h), stating
// `dpi` dots per inch; raises as EncodeBitmap.
std::string EncodeImage(const QImage& image, TBitmapFormat format, int dpi);

}  // namespace bars
