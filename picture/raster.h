#pragma once
// Pictures drawn without a toolkit: a barcode without text, turned by a right angle or not at
// all, is one-colour upright rectangles, and those are written straight into one byte a pixel.
// The pixels are exactly those the Qt canvas paints for the same picture (qt/render.h): each
// rectangle covers its corners' columns and rows, both included, cut at the shown area. Text,
// where asked, is written by a toolkit into the few rows it takes (TRasterText).
//
//   bars::TRaster picture = bars::RenderRaster(barcode, bars::PrintLayout(barcode, 0));
//   std::string png = bars::EncodeBitmap(picture.Pixels(), bars::TBitmapFormat::Png, 300);

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap.h"
#include "frame.h"

namespace bars {

// Whether pictures of a barcode showing `showText` turned by `angle` degrees are drawn here:
// no text, and a multiple of 90 degrees small enough for its sine and cosine to keep every
// rectangle upright. Anything else needs a painter (qt/).
bool DrawnWithoutPainter(TBarcodeOption showText, double angle);

// A picture of one byte a pixel, each an index into its palette (index 0 is white). Starts
// white.
class TRaster {
 public:
  // Raises a bars::Exception when the size is beyond the picture limits or there is not
  // enough memory for it.
  TRaster(int width, int height);

  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  std::uint8_t* Row(int y) noexcept {
    return pixels_.data() + std::size_t(y) * std::size_t(width_);
  }
  const std::uint8_t* Row(int y) const noexcept {
    return pixels_.data() + std::size_t(y) * std::size_t(width_);
  }
  // The palette index of `argb` (0xAARRGGBB, alpha ignored), added when new; raises
  // ETooManyColours past 256 colours.
  std::uint8_t IndexOf(std::uint32_t argb);
  // The same for a TColor ($00BBGGRR).
  std::uint8_t IndexOfColor(TColor color) {
    return IndexOf(0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF));
  }
  // The palette as 0xFFRRGGBB words.
  const std::vector<std::uint32_t>& Palette() const noexcept { return palette_; }
  // The rows for EncodeBitmap.
  TPixelRows Pixels() const;

 private:
  int width_, height_;
  std::vector<std::uint8_t> pixels_;
  std::vector<std::uint32_t> palette_;
  std::vector<std::int16_t> slots_;  // open addressing over the palette: its index, or -1
};

// A picture needs more colours than a raster holds (text blended over many colours).
class ETooManyColours : public Exception {
 public:
  ETooManyColours() : Exception("A picture of more than 256 colours") {}
};

// Writes text into a raster for TRasterCanvas: the toolkit that has the fonts (qt/render.h).
class TRasterText {
 public:
  virtual ~TRasterText() = default;
  // A canvas whose TextWidth and TextHeight measure text in its Font.
  virtual TCanvas& Fonts() = 0;
  // Does what TCanvas::TextOut does at canvas position (x, y), in `font` on a cell of `brush`,
  // to `raster` as a canvas moved by `offset` would; pixels outside `clip` stay as they are.
  virtual void TextOut(TRaster& raster, TPoint offset, const TPixelRect& clip, const TFont& font,
                       TColor brush, std::int32_t x, std::int32_t y, const std::string& text) = 0;
};

// A TCanvas that writes one-colour upright polygons (each drawn with a pen of width 1 in the
// brush's colour) into a TRaster, moved by `offset` and cut at `clip`, and text through `text`.
// Other polygons, and text without `text`, raise a bars::Exception: they need a painter.
class TRasterCanvas : public TCanvas {
 public:
  TRasterCanvas(TRaster& raster, TPoint offset, TPixelRect clip, TRasterText* text = nullptr);
  ~TRasterCanvas() override { Flush(); }

  void Polygon(std::span<const TPoint> points) override;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;
  std::int32_t TextWidth(const std::string& text) override;
  std::int32_t TextHeight(const std::string& text) override;
  // Copies the collected band (see Polygon) into its rows.
  void Flush() override;

 private:
  void Fill(int left, int top, int right, int bottom, std::uint8_t index);

  TRaster& raster_;
  TPoint offset_;
  TPixelRect clip_;
  TRasterText* text_;
  // A band: touching rectangles of the same rows, painted into its first row and copied into
  // the rest at Flush. An unturned linear symbol is one band.
  bool band_ = false;
  int bandLeft_ = 0, bandRight_ = 0, bandTop_ = 0, bandBottom_ = 0;
};

// The picture of `layout`, as the Qt canvas would draw it, text written by `text`. Raises what
// MeasurePicture and PaintTo raise, and when the picture needs a painter.
TRaster RenderRaster(TBarcode& barcode, const TPictureLayout& layout, TRasterText* text = nullptr);

}  // namespace bars
