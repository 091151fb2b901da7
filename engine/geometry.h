#pragma once
// Geometry of a turned symbol: the barcode frame (u along the pattern, v across the bars) is
// turned about (0, 0) and shifted so that the turned symbol's bounding box starts at a given
// point. Canvas Y grows downwards, so a positive angle turns counter-clockwise on screen.

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
TPoint TranslatePoint(TPoint a, TPoint b);

// The canvas point that the frame's (0, 0) goes to when a symbol of `size` (X = width,
// Y = height) turned by `angle` radians is to have its bounding box start at `origin`.
// Raises Exception "RotatedOrigin: coordinates out of range" when the result leaves 32 bits.
TPoint RotatedOrigin(TPoint origin, TPoint size, double angle);

// The same three functions, giving nothing instead of raising.
std::optional<TPoint> TryRotatePoint(TPoint point, double angle);
std::optional<TPoint> TryTranslatePoint(TPoint a, TPoint b);
std::optional<TPoint> TryRotatedOrigin(TPoint origin, TPoint size, double angle);

}  // namespace bars
