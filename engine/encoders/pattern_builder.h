#pragma once
// Builds a module pattern of known length in one allocation. Encoders run on every keystroke,
// measurement and drawing, several times each, so they write straight into the result.

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "encoding.h"
#include "exceptions.h"

namespace bars {

class TPatternBuilder {
 public:
  // A builder for a pattern of exactly `length` characters.
  explicit TPatternBuilder(std::size_t length) : pattern_(length, '\0') {}

  // Appends `part`; raises if the parts outgrow the announced length (an encoder fault).
  void Append(std::string_view part) {
    if (part.size() > pattern_.size() - used_) Overflow();
    std::memcpy(pattern_.data() + used_, part.data(), part.size());
    used_ += part.size();
  }

  // Appends `part`, which must be N characters long: the copy is then a fixed-size one.
  template <std::size_t N>
  void AppendFixed(std::string_view part) {
    if (part.size() != N || N > pattern_.size() - used_) Overflow();
    std::memcpy(pattern_.data() + used_, part.data(), N);
    used_ += N;
  }

  // The finished pattern; raises if fewer characters than announced were appended.
  std::string Take() {
    if (used_ != pattern_.size()) Overflow();
    return std::move(pattern_);
  }

 private:
  [[noreturn]] static void Overflow() { throw Exception("TBarcode: internal Error"); }

  std::string pattern_;
  std::size_t used_ = 0;
};

// Width digits (bar first) as pattern characters, at compile time.
template <std::size_t N>
constexpr std::array<char, N> PatternOfWidths(std::string_view widths) {
  std::array<char, N> pattern{};
  for (std::size_t i = 0; i < N && i < widths.size(); ++i) {
    pattern[i] = PatternCharOfWidthDigit(widths[i], i);
  }
  return pattern;
}

}  // namespace bars
