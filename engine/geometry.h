#pragma once
// Geometry of a turned symbol: the barcode frame (u along the pattern, v across the bars) is
// turned about (0, 0) and shifted so that the turned symbol's bounding box starts at a given
// point. Canvas Y grows downwards, so a positive angle turns counter-clockwise on screen.

#include <cstdint>
#include <optional>

#include "graphics.h"

namespace bars {

// An angle in degrees as radians, (degrees / 180) x pi with pi to extended precision, held as
// a double.
double AngleToRadians(double degrees);

// `point` turned about (0, 0) by `angle` radians: X' = Round(x cos + y sin),
// Y' = Round(-x sin + y cos), sin and cos in extended precision, ties to even.
// Raises Exception "RotatePoint: coordinates out of range" when a result leaves 32 bits (also
// for a NaN or infinite angle).
TPoint RotatePoint(TPoint point, double angle);

// (a.X + b.X, a.Y + b.Y). Raises Exception "TranslatePoint: coordinates out of range" when a
// sum leaves 32 bits.
inline TPoint TranslatePoint(TPoint a, TPoint b);

// The canvas point that the frame's (0, 0) goes to when a symbol of `size` (X = width,
// Y = height) turned by `angle` radians is to have its bounding box start at `origin`.
// Raises Exception "RotatedOrigin: coordinates out of range" when the result leaves 32 bits.
TPoint RotatedOrigin(TPoint origin, TPoint size, double angle);

// A turn by a fixed angle, its sine and cosine computed once: turning many points (every corner
// of a symbol) gives exactly what RotatePoint gives for each of them.
class TRotation {
 public:
  explicit TRotation(double angle);
  // RotatePoint(point, angle), or nothing where it would raise.
  std::optional<TPoint> TryApply(TPoint point) const {
    return identity_ ? std::optional<TPoint>(point) : TryTurn(point);
  }
  // RotatePoint(point, angle).
  TPoint Apply(TPoint point) const { return identity_ ? point : Turn(point); }
  // Whether this is no turn at all (every point stays where it is).
  bool IsIdentity() const noexcept { return identity_; }

 private:
  std::optional<TPoint> TryTurn(TPoint point) const;
  TPoint Turn(TPoint point) const;

  long double sin_;
  long double cos_;
  // No turn at all (Angle 0): the sums are exactly x and y.
  bool identity_;
};

// The same three functions, giving nothing instead of raising.
std::optional<TPoint> TryRotatePoint(TPoint point, double angle);
std::optional<TPoint> TryRotatedOrigin(TPoint origin, TPoint size, double angle);

[[noreturn]] void ThrowTranslateOutOfRange();

inline std::optional<TPoint> TryTranslatePoint(TPoint a, TPoint b) {
  const std::int64_t x = std::int64_t{a.X} + b.X;
  const std::int64_t y = std::int64_t{a.Y} + b.Y;
  if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX) return std::nullopt;
  return TPoint{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
}

inline TPoint TranslatePoint(TPoint a, TPoint b) {
  if (const auto p = TryTranslatePoint(a, b)) return *p;
  ThrowTranslateOutOfRange();
}

}  // namespace bars
