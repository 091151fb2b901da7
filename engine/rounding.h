#pragma once
// Rounding as the engine defines it: to the nearest integer, a tie going to the even one
// (2.5 -> 2, 3.5 -> 4, -27.5 -> -28); Trunc and integer division cut toward zero.

#include <cmath>
#include <cstdint>
#include <optional>

namespace bars {

// Round half to even, independent of the floating-point environment's rounding mode.
inline double RoundHalfEven(double x) {
  double lower = std::floor(x);
  double diff = x - lower;
  if (diff > 0.5) return lower + 1.0;
  if (diff < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// The same in extended precision, for the drawing geometry.
inline long double RoundHalfEven(long double x) {
  long double lower = std::floor(x);
  long double diff = x - lower;
  if (diff > 0.5L) return lower + 1.0L;
  if (diff < 0.5L) return lower;
  return std::fmod(lower, 2.0L) == 0.0L ? lower : lower + 1.0L;
}

// `x` as a 32-bit integer when it is finite and integral within range, else nothing.
inline std::optional<std::int32_t> ToInt32(double x) {
  if (!(x >= -2147483648.0 && x <= 2147483647.0)) return std::nullopt;  // NaN fails too
  return static_cast<std::int32_t>(x);
}

inline std::optional<std::int32_t> ToInt32(long double x) {
  if (!(x >= -2147483648.0L && x <= 2147483647.0L)) return std::nullopt;  // NaN fails too
  return static_cast<std::int32_t>(x);
}

inline std::optional<std::int32_t> ToInt32(std::int64_t x) {
  if (x < INT32_MIN || x > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(x);
}

}  // namespace bars
