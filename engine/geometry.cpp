// RotatePoint, TranslatePoint and RotatedOrigin, with every result checked against 32 bits.
#include "geometry.h"

#include <cmath>
#include <cstdint>

#include "exceptions.h"
#include "rounding.h"

namespace bars {
namespace {

// Pi to extended precision; the angle is held as a double, its sine and cosine are not.
constexpr long double kPi = 3.14159265358979323846L;

struct SinCos {
  long double Sin;
  long double Cos;
};

SinCos SinCosOf(double angle) {
  const long double a = angle;
  return {std::sin(a), std::cos(a)};
}

// Round(x) as an integer, or nothing for NaN, an infinity or a value beyond 32 bits.
std::optional<std::int64_t> Rounded(long double x) {
  const auto r = ToInt32(RoundHalfEven(x));
  if (!r) return std::nullopt;
  return *r;
}

std::optional<TPoint> PointOf(std::optional<std::int64_t> x, std::optional<std::int64_t> y) {
  if (!x || !y) return std::nullopt;
  const auto x32 = ToInt32(*x);
  const auto y32 = ToInt32(*y);
  if (!x32 || !y32) return std::nullopt;
  return TPoint{*x32, *y32};
}

}  // namespace

double AngleToRadians(double degrees) {
  return static_cast<double>(static_cast<long double>(degrees) / 180.0L * kPi);
}

TRotation::TRotation(double angle) {
  const auto [s, c] = SinCosOf(angle);
  sin_ = s;
  cos_ = c;
  identity_ = s == 0.0L && c == 1.0L;
}

std::optional<TPoint> TRotation::TryTurn(TPoint point) const {
  const long double x = point.X;
  const long double y = point.Y;
  return PointOf(Rounded(x * cos_ + y * sin_), Rounded(-x * sin_ + y * cos_));
}

TPoint TRotation::Turn(TPoint point) const {
  if (const auto p = TryTurn(point)) return *p;
  throw Exception("RotatePoint: coordinates out of range");
}

std::optional<TPoint> TryRotatePoint(TPoint point, double angle) {
  return TRotation(angle).TryApply(point);
}

std::optional<TPoint> TryRotatedOrigin(TPoint origin, TPoint size, double angle) {
  const auto [s, c] = SinCosOf(angle);
  const long double w = size.X;
  const long double h = size.Y;
  // The offset is minus the smallest X and Y of the turned corners; which corners those are
  // depends on the quadrant. `>= 0` is false for NaN, which so counts as negative.
  std::optional<std::int64_t> dx, dy;
  if (s >= 0 && c >= 0) {
    dx = 0;
    dy = Rounded(w * s);
  } else if (s >= 0) {
    const auto wc = Rounded(w * c);
    if (wc) dx = -*wc;
    dy = Rounded(w * s - h * c);
  } else if (c >= 0) {
    const auto hs = Rounded(h * s);
    if (hs) dx = -*hs;
    dy = 0;
  } else {
    const auto wc = Rounded(w * c);
    const auto hs = Rounded(h * s);
    const auto hc = Rounded(h * c);
    if (wc && hs) dx = -*wc - *hs;
    if (hc) dy = -*hc;
  }
  if (!dx || !dy) return std::nullopt;
  return PointOf(std::int64_t{origin.X} + *dx, std::int64_t{origin.Y} + *dy);
}

TPoint RotatePoint(TPoint point, double angle) {
  return TRotation(angle).Apply(point);
}

void ThrowTranslateOutOfRange() {
  throw Exception("TranslatePoint: coordinates out of range");
}

TPoint RotatedOrigin(TPoint origin, TPoint size, double angle) {
  if (const auto p = TryRotatedOrigin(origin, size, angle)) return *p;
  throw Exception("RotatedOrigin: coordinates out of range");
}

}  // namespace bars
