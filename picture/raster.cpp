// The toolkit-free picture: rectangles into bytes, collected into bands of touching
// rectangles so that an upright symbol is painted into one row and copied into the others.
#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace bars {
namespace {

// Beyond this a multiple of 90 degrees, held as a double, no longer turns a picture's
// rectangles into upright ones: the rounding error of its radians reaches a pixel.
constexpr double kLargestRightAngle = 1e9;
// The palette's hash table: a power of two, four times 256.
constexpr std::size_t kSlots = 1024;

[[noreturn]] void NeedsPainter() {
  throw Exception("This picture needs a painter: text, or a turn other than a right angle");
}

// `value` moved by `by`, held at the ends of the 32-bit range, as the Qt canvas moves it.
std::int32_t Shifted(std::int32_t value, std::int32_t by) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(std::int64_t{value} + by, INT32_MIN, INT32_MAX));
}

}  // namespace

bool DrawnWithoutPainter(TBarcodeOption showText, double angle) {
  return showText == bcoNone && std::isfinite(angle) && std::fabs(angle) <= kLargestRightAngle &&
         std::fmod(angle, 90.0) == 0;
}

TRaster::TRaster(int width, int height) : width_(width), height_(height) {
  if (!PictureFits(width, height)) {
    throw Exception("Picture of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels is too large");
  }
  try {
    pixels_.resize(std::size_t(width) * std::size_t(height));  // all 0: white
  } catch (const std::bad_alloc&) {
    throw Exception("Not enough memory for a picture of " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels");
  }
  slots_.assign(kSlots, -1);
  IndexOf(0xFFFFFFFFu);
}

std::uint8_t TRaster::IndexOf(std::uint32_t argb) {
  argb |= 0xFF000000u;
  for (std::size_t slot = (argb * 2654435761u) >> 22;; slot = (slot + 1) % kSlots) {
    const std::int16_t index = slots_[slot];
    if (index < 0) {
      if (palette_.size() == 256) throw ETooManyColours();
      slots_[slot] = static_cast<std::int16_t>(palette_.size());
      palette_.push_back(argb);
      return static_cast<std::uint8_t>(palette_.size() - 1);
    }
    if (palette_[std::size_t(index)] == argb) return static_cast<std::uint8_t>(index);
  }
}

TPixelRows TRaster::Pixels() const {
  return {width_, height_, pixels_.data(), width_, palette_};
}

TRasterCanvas::TRasterCanvas(TRaster& raster, TPoint offset, TPixelRect clip, TRasterText* text)
    : raster_(raster), offset_(offset), text_(text) {
  // Nothing lands outside the raster, whatever the caller's clip.
  const int left = std::max(clip.Left, 0), top = std::max(clip.Top, 0);
  const int right = std::min(clip.Right(), raster.Width() - 1);
  const int bottom = std::min(clip.Bottom(), raster.Height() - 1);
  clip_ = {left, top, std::max(right - left + 1, 0), std::max(bottom - top + 1, 0)};
}

void TRasterCanvas::Polygon(std::span<const TPoint> p) {
  if (Pen().Width() > 1 || Pen().Color() != Brush().Color() || p.size() != 4) NeedsPainter();
  const bool uprightFirst =
      p[0].X == p[1].X && p[1].Y == p[2].Y && p[2].X == p[3].X && p[3].Y == p[0].Y;
  const bool levelFirst =
      p[0].Y == p[1].Y && p[1].X == p[2].X && p[2].Y == p[3].Y && p[3].X == p[0].X;
  if (!uprightFirst && !levelFirst) NeedsPainter();
  // The first and third corners are opposite each other; the rectangle covers both.
  const std::int32_t x0 = Shifted(p[0].X, offset_.X), x2 = Shifted(p[2].X, offset_.X);
  const std::int32_t y0 = Shifted(p[0].Y, offset_.Y), y2 = Shifted(p[2].Y, offset_.Y);
  const int left = std::max(std::min(x0, x2), clip_.Left);
  const int right = std::min(std::max(x0, x2), clip_.Right());
  const int top = std::max(std::min(y0, y2), clip_.Top);
  const int bottom = std::min(std::max(y0, y2), clip_.Bottom());
  if (left > right || top > bottom) return;
  Fill(left, top, right, bottom, raster_.IndexOfColor(Pen().Color()));
}

void TRasterCanvas::Fill(int left, int top, int right, int bottom, std::uint8_t index) {
  const bool continues = band_ && top == bandTop_ && bottom == bandBottom_ &&
                         (left == bandRight_ + 1 || right + 1 == bandLeft_);
  if (!continues) {
    Flush();
    band_ = true;
    bandTop_ = top;
    bandBottom_ = bottom;
    bandLeft_ = left;
    bandRight_ = right;
  } else {
    bandLeft_ = std::min(bandLeft_, left);
    bandRight_ = std::max(bandRight_, right);
  }
  std::memset(raster_.Row(top) + left, index, std::size_t(right - left + 1));
}

void TRasterCanvas::Flush() {
  if (!band_) return;
  band_ = false;
  const std::uint8_t* first = raster_.Row(bandTop_) + bandLeft_;
  const std::size_t bytes = std::size_t(bandRight_ - bandLeft_ + 1);
  for (int y = bandTop_ + 1; y <= bandBottom_; ++y)
    std::memcpy(raster_.Row(y) + bandLeft_, first, bytes);
}

void TRasterCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  if (text_ == nullptr) NeedsPainter();
  Flush();
  text_->TextOut(raster_, offset_, clip_, Font(), Brush().Color(), x, y, text);
}

std::int32_t TRasterCanvas::TextWidth(const std::string& text) {
  if (text_ == nullptr) NeedsPainter();
  text_->Fonts().Font() = Font();
  return text_->Fonts().TextWidth(text);
}

std::int32_t TRasterCanvas::TextHeight(const std::string& text) {
  if (text_ == nullptr) NeedsPainter();
  text_->Fonts().Font() = Font();
  return text_->Fonts().TextHeight(text);
}

TRaster RenderRaster(TBarcode& barcode, const TPictureLayout& layout, TRasterText* text) {
  // A slanted element meets the canvas, which refuses it; text without a writer is refused
  // before it is measured.
  if (barcode.ShowText() != bcoNone && text == nullptr) NeedsPainter();
  const TPictureGeometry geometry =
      MeasurePicture(barcode, layout, text ? &text->Fonts() : nullptr);
  TRaster raster(geometry.Width, geometry.Height);
  {
    TRasterCanvas canvas(raster, geometry.Offset, geometry.Shown, text);
    barcode.PaintTo(canvas);
  }
  return raster;
}

}  // namespace bars
