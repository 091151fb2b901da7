#pragma once
// Compile-time checks for encoder tables, so that a typo in a table fails the build.

#include <cstddef>
#include <string_view>

namespace bars::checks {

// Modules of one pattern character when w0..w3 are read as 1..4 modules; 0 if not a pattern
// character.
constexpr int ModulesOf(char c) {
  if (c >= '0' && c <= '3') return c - '0' + 1;
  if (c >= '5' && c <= '8') return c - '5' + 1;
  if (c >= 'A' && c <= 'D') return c - 'A' + 1;
  return 0;
}

constexpr bool IsBar(char c) {
  return (c >= '5' && c <= '8') || (c >= 'A' && c <= 'D');
}

// Total modules of a pattern, or -1 if it holds a character outside the language.
constexpr int PatternModules(std::string_view pattern) {
  int total = 0;
  for (char c : pattern) {
    if (ModulesOf(c) == 0) return -1;
    total += ModulesOf(c);
  }
  return total;
}

// Total modules of width digits ('1'..'4'), or -1 for any other character.
constexpr int WidthDigitModules(std::string_view digits) {
  int total = 0;
  for (char c : digits) {
    if (c < '1' || c > '4') return -1;
    total += c - '0';
  }
  return total;
}

}  // namespace bars::checks
