#pragma once
// Rounding as the engine defines it: to the nearest integer, a tie going to the even one
// (2.5 -> 2, 3.5 -> 4, -27.5 -> -28); Trunc and integer division cut toward zero.

#include <cmath>
#include <concepts>
#include <cstdint>
#include <optional>

namespace bars {

// Round half to even, independent of the floating-point environment's rounding mode; double
// for the module widths, long double for the drawing geometry.
template <std::floating_point F>
F RoundHalfEven(F x) {
  const F lower = std::floor(x);
  const F diff = x - lower;
  if (diff > F(0.5)) return lower + 1;
  if (diff < F(0.5)) return lower;
  return std::fmod(lower, F(2)) == 0 ? lower : lower + 1;
}

// `x` as a 32-bit integer when it is finite and integral within range, else nothing.
template <std::floating_point F>
std::optional<std::int32_t> ToInt32(F x) {
  if (!(x >= F(-2147483648.0) && x <= F(2147483647.0))) return std::nullopt;  // NaN fails too
  return static_cast<std::int32_t>(x);
}

inline std::optional<std::int32_t> ToInt32(std::int64_t x) {
  if (x < INT32_MIN || x > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(x);
}

}  // namespace bars
