// The frames' geometry: the symbol's box, its quiet zones turned as PaintTo turns the bars, and
// the text cells, measured without drawing anything.
#include "frame.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace bars {
namespace {

// Draws nothing: PaintTo on it raises what the barcode's drawing raises.
class TNullCanvas : public TCanvas {
 public:
  void Polygon(std::span<const TPoint>) override {}
  void TextOut(std::int32_t, std::int32_t, const std::string&) override {}
  std::int32_t TextWidth(const std::string&) override { return 0; }
  std::int32_t TextHeight(const std::string&) override { return 0; }
};

// Records where the text goes and draws nothing, measuring in the fonts of another canvas.
class TTextBounds : public TCanvas {
 public:
  explicit TTextBounds(TCanvas& fonts) : fonts_(fonts) {}

  void Polygon(std::span<const TPoint>) override {}
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
    const std::int64_t width = TextWidth(text), height = TextHeight(text);
    if (width <= 0 || height <= 0) return;
    Add(x, y);
    Add(std::int64_t{x} + width - 1, std::int64_t{y} + height - 1);
  }
  std::int32_t TextWidth(const std::string& text) override {
    fonts_.Font() = Font();
    return fonts_.TextWidth(text);
  }
  std::int32_t TextHeight(const std::string& text) override {
    fonts_.Font() = Font();
    return fonts_.TextHeight(text);
  }

  // Widens [left, right] x [top, bottom] by the cells recorded.
  void AddTo(std::int64_t& left, std::int64_t& top, std::int64_t& right,
             std::int64_t& bottom) const {
    if (!any_) return;
    left = std::min(left, left_);
    top = std::min(top, top_);
    right = std::max(right, right_);
    bottom = std::max(bottom, bottom_);
  }

 private:
  void Add(std::int64_t x, std::int64_t y) {
    left_ = any_ ? std::min(left_, x) : x;
    right_ = any_ ? std::max(right_, x) : x;
    top_ = any_ ? std::min(top_, y) : y;
    bottom_ = any_ ? std::max(bottom_, y) : y;
    any_ = true;
  }

  TCanvas& fonts_;
  bool any_ = false;
  std::int64_t left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

[[noreturn]] void OutOfRange(const TBarcode& barcode) {
  throw Exception(barcode.ClassName() + ": drawing coordinates out of range");
}

// For an angle or a position the barcode cannot be drawn at: PaintTo raises its own message.
[[noreturn]] void CannotDraw(TBarcode& barcode) {
  TNullCanvas none;
  barcode.PaintTo(none);
  OutOfRange(barcode);
}

struct TSymbolSize {
  std::int32_t Width, Height;
};

// Width and SymbolHeight (a matrix's rows, Height for bars), checked to be drawable.
TSymbolSize SymbolSize(TBarcode& barcode, int margin) {
  if (margin < 0) throw Exception("Picture margin " + std::to_string(margin) + " is negative");
  const std::int32_t width = barcode.Width();
  const std::int32_t height = barcode.SymbolHeight();
  if (width < 1 || height < 1) {
    throw Exception("Barcode of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels: width and height must be at least 1 pixel");
  }
  return {width, height};
}

// The geometry of `content` (inclusive pixel bounds in barcode coordinates) plus the margin.
TPictureGeometry Framed(const TBarcode& barcode, std::int64_t left, std::int64_t top,
                        std::int64_t right, std::int64_t bottom, int margin) {
  const std::int64_t width = right - left + 1, height = bottom - top + 1;
  const std::int64_t pictureWidth = width + 2 * std::int64_t{margin};
  const std::int64_t pictureHeight = height + 2 * std::int64_t{margin};
  if (!PictureFits(pictureWidth, pictureHeight)) {
    throw Exception("Picture of " + std::to_string(pictureWidth) + " x " +
                    std::to_string(pictureHeight) + " pixels is too large: at most " +
                    std::to_string(kMaxPictureSide) + " pixels a side and " +
                    std::to_string(kMaxPicturePixels) + " pixels in all");
  }
  const std::int64_t dx = margin - left, dy = margin - top;
  if (dx < INT32_MIN || dx > INT32_MAX || dy < INT32_MIN || dy > INT32_MAX) OutOfRange(barcode);
  return {static_cast<int>(pictureWidth),
          static_cast<int>(pictureHeight),
          {static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy)},
          {margin, margin, static_cast<int>(width), static_cast<int>(height)}};
}

// The Whole frame: the symbol's box, quiet zones included, turned as PaintTo turns the bars,
// and the text cells.
TPictureGeometry MeasureWhole(TBarcode& barcode, const TPictureLayout& layout, TCanvas* fonts) {
  const TSymbolSize symbol = SymbolSize(barcode, layout.Margin);
  const TBCdata* row = CatalogueRow(barcode.Typ());
  const bool matrix = row && row->TwoDimensional;
  // Along the pattern the elements cover 0 .. Width - 1, unless a negative Ratio runs them
  // backwards; a matrix's modules always do.
  const TExtent extent = matrix ? TExtent{0, symbol.Width - 1}
                                : barcode.PatternExtent(barcode.BuildPattern(), symbol.Width);
  std::int64_t uMin = extent.First, uMax = extent.Last;
  const std::int64_t modul = barcode.Modul();
  uMin -= std::int64_t{layout.QuietLeft} * modul;
  uMax += std::int64_t{layout.QuietRight} * modul;
  // Bars reach row Height as well; the frame, like the window's, ends at row Height - 1.
  const std::int64_t vMin = -std::int64_t{layout.QuietTop} * modul;
  const std::int64_t vMax = symbol.Height - 1 + std::int64_t{layout.QuietBottom} * modul;

  if (!std::isfinite(barcode.Angle())) CannotDraw(barcode);
  const double theta = AngleToRadians(barcode.Angle());
  // Turned about the same corner PaintTo turns the symbol about: a matrix's last pixels, the
  // bars' Width and Height.
  const std::int32_t back = matrix ? 1 : 0;
  const auto origin = TryRotatedOrigin({barcode.Left(), barcode.Top()},
                                       {symbol.Width - back, symbol.Height - back}, theta);
  if (!origin || uMin < INT32_MIN || uMax > INT32_MAX || vMin < INT32_MIN || vMax > INT32_MAX)
    CannotDraw(barcode);
  const TRotation turn(theta);
  std::int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
  for (std::int64_t u : {uMin, uMax}) {
    for (std::int64_t v : {vMin, vMax}) {
      const auto turned =
          turn.TryApply({static_cast<std::int32_t>(u), static_cast<std::int32_t>(v)});
      if (!turned) CannotDraw(barcode);
      const std::int64_t x = std::int64_t{turned->X} + origin->X;
      const std::int64_t y = std::int64_t{turned->Y} + origin->Y;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (barcode.ShowText() != bcoNone) {
    if (fonts == nullptr) throw Exception("A picture with text needs fonts to be measured");
    TTextBounds text(*fonts);
    barcode.PaintTo(text);
    text.AddTo(left, top, right, bottom);
  }
  return Framed(barcode, left, top, right, bottom, layout.Margin);
}

}  // namespace

TPictureLayout PrintLayout(const TBarcode& barcode, int margin) {
  TPictureLayout layout{TPictureFrame::Whole, margin};
  if (const TBCdata* row = CatalogueRow(barcode.Typ())) {
    layout.QuietLeft = row->QuietLeft;
    layout.QuietRight = barcode.AddOn().empty() ? row->QuietRight : kAddOnQuietRight;
    // A matrix's quiet zone goes all round it.
    if (row->TwoDimensional) layout.QuietTop = layout.QuietBottom = row->QuietLeft;
  }
  return layout;
}

TPictureGeometry MeasurePicture(TBarcode& barcode, const TPictureLayout& layout, TCanvas* fonts) {
  if (layout.Frame == TPictureFrame::Whole) return MeasureWhole(barcode, layout, fonts);
  const TSymbolSize box = SymbolSize(barcode, layout.Margin);
  return Framed(barcode, barcode.Left(), barcode.Top(),
                std::int64_t{barcode.Left()} + box.Width - 1,
                std::int64_t{barcode.Top()} + box.Height - 1, layout.Margin);
}

TPictureGeometry BoxGeometry(const TBarcode& barcode, int width, int height, int margin) {
  const std::int64_t dx = std::int64_t{margin} - barcode.Left();
  const std::int64_t dy = std::int64_t{margin} - barcode.Top();
  if (dx < INT32_MIN || dx > INT32_MAX || dy < INT32_MIN || dy > INT32_MAX) OutOfRange(barcode);
  return {width + 2 * margin,
          height + 2 * margin,
          {static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy)},
          {margin, margin, width, height}};
}

}  // namespace bars
