#include "graphics.h"

#include <cstdint>

namespace bars {
namespace {

// a * b / c rounded half away from zero, in 64 bits (the platform's MulDiv).
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  std::int64_t p = std::int64_t{a} * b;
  std::int64_t q = (p >= 0 ? p + c / 2 : p - c / 2) / c;
  if (q > INT32_MAX) return INT32_MAX;
  if (q < -INT32_MAX) return -INT32_MAX;  // so the caller may negate it
  return static_cast<std::int32_t>(q);
}

}  // namespace

std::int32_t TFont::Size() const noexcept {
  return -MulDiv(height_, 72, kPixelsPerInch);
}

void TFont::SetSize(std::int32_t points) noexcept {
  height_ = -MulDiv(points, kPixelsPerInch, 72);
}

}  // namespace bars
