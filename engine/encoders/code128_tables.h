#pragma once
// Code 128 symbol characters (ISO/IEC 15417) as checked constant data, shared by the encoders
// that force one code set and the one that chooses the sets for the shortest symbol.
#include <array>
#include <cstdint>
#include <string_view>

#include "pattern_builder.h"
#include "pattern_checks.h"

namespace bars::code128 {

// Symbol character widths of ISO/IEC 15417 for values 0..102, bar first, in modules. Value
// 102 is FNC1 in every code set.
inline constexpr std::array<std::string_view, 103> kCode128Widths = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131"};
inline constexpr int kFnc1 = 102;

enum class CodeSet : std::uint8_t { A, B, C };

// Start A, B and C (values 103..105, ISO/IEC 15417) and the stop with its final bar.
inline constexpr std::array<std::string_view, 3> kStartWidths = {"211412", "211214", "211232"};
inline constexpr std::string_view kStopWidths = "2331112";

// One row per value: the character it stands for in sets A and B and the digit pair in set C.
// Values a set does not use hold a space (or two) and never win a search, which stops at the
// first match: space is value 0.
struct Code128Row {
  char A;
  char B;
  char Pair[2];
};

inline constexpr std::array<Code128Row, 103> MakeCode128Rows() {
  std::array<Code128Row, 103> rows{};
  for (int v = 0; v < 103; ++v) {
    Code128Row& row = rows[static_cast<std::size_t>(v)];
    row.A = static_cast<char>(v < 64 ? 32 + v : ' ');
    row.B = static_cast<char>(v < 95 ? 32 + v : ' ');
    row.Pair[0] = static_cast<char>(v < 100 ? '0' + v / 10 : ' ');
    row.Pair[1] = static_cast<char>(v < 100 ? '0' + v % 10 : ' ');
  }
  return rows;
}
inline constexpr std::array<Code128Row, 103> kCode128 = MakeCode128Rows();

// The value of `c` in code set A or B (first matching row), or -1.
constexpr int SearchCode128Char(char c, CodeSet set) {
  for (std::size_t v = 0; v < kCode128.size(); ++v) {
    if ((set == CodeSet::A ? kCode128[v].A : kCode128[v].B) == c) return static_cast<int>(v);
  }
  return -1;
}

// The search above for every byte, done once at compile time: a lookup per character.
inline constexpr std::array<std::array<std::int8_t, 256>, 2> MakeCharIndex() {
  std::array<std::array<std::int8_t, 256>, 2> index{};
  for (int c = 0; c < 256; ++c) {
    index[0][static_cast<std::size_t>(c)] =
        static_cast<std::int8_t>(SearchCode128Char(static_cast<char>(c), CodeSet::A));
    index[1][static_cast<std::size_t>(c)] =
        static_cast<std::int8_t>(SearchCode128Char(static_cast<char>(c), CodeSet::B));
  }
  return index;
}
inline constexpr auto kCharIndex = MakeCharIndex();

constexpr int FindCode128Char(char c, CodeSet set) {
  return kCharIndex[set == CodeSet::A ? 0 : 1][static_cast<unsigned char>(c)];
}

// The value of a two-digit string in code set C (first matching row), or -1.
constexpr int SearchCode128Pair(std::string_view pair) {
  for (std::size_t v = 0; v < kCode128.size(); ++v) {
    if (std::string_view(kCode128[v].Pair, 2) == pair) return static_cast<int>(v);
  }
  return -1;
}

constexpr int FindCode128Pair(std::string_view pair) {
  const bool digits =
      pair.size() == 2 && pair[0] >= '0' && pair[0] <= '9' && pair[1] >= '0' && pair[1] <= '9';
  return digits ? (pair[0] - '0') * 10 + (pair[1] - '0') : SearchCode128Pair(pair);
}

constexpr bool LookupsAgreeWithTheTable() {
  for (int c = 0; c < 256; ++c) {
    for (CodeSet set : {CodeSet::A, CodeSet::B}) {
      if (FindCode128Char(static_cast<char>(c), set) !=
          SearchCode128Char(static_cast<char>(c), set))
        return false;
    }
  }
  for (char a = '0'; a <= '9'; ++a) {
    for (char b = '0'; b <= '9'; ++b) {
      const char pair[2] = {a, b};
      if (FindCode128Pair({pair, 2}) != SearchCode128Pair({pair, 2})) return false;
    }
  }
  return true;
}
static_assert(LookupsAgreeWithTheTable());

// Each width row as pattern characters: every symbol has six elements, bar first, so its
// conversion does not depend on where it stands in the symbol.
inline constexpr std::array<std::array<char, 6>, 103> MakeCode128Patterns() {
  std::array<std::array<char, 6>, 103> patterns{};
  for (std::size_t v = 0; v < 103; ++v) patterns[v] = PatternOfWidths<6>(kCode128Widths[v]);
  return patterns;
}
inline constexpr auto kCode128Patterns = MakeCode128Patterns();
inline constexpr std::array<std::array<char, 6>, 3> kStartPatterns = {
    PatternOfWidths<6>(kStartWidths[0]), PatternOfWidths<6>(kStartWidths[1]),
    PatternOfWidths<6>(kStartWidths[2])};
inline constexpr std::array<char, 7> kStopPattern = PatternOfWidths<7>(kStopWidths);

inline std::string_view View(const auto& chars) {
  return {chars.data(), chars.size()};
}

// Every symbol character is 11 modules in three bars and three spaces, its bars an even number
// of modules; no two are alike.
constexpr bool IsSymbolCharacter(std::string_view w) {
  if (w.size() != 6 || checks::WidthDigitModules(w) != 11) return false;
  return (w[0] - '0' + w[2] - '0' + w[4] - '0') % 2 == 0;
}

constexpr bool Code128IsStandard() {
  std::array<std::string_view, 106> all{};
  for (std::size_t v = 0; v < 103; ++v) all[v] = kCode128Widths[v];
  for (std::size_t s = 0; s < 3; ++s) all[103 + s] = kStartWidths[s];
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (!IsSymbolCharacter(all[i])) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (all[j] == all[i]) return false;
    }
  }
  // The stop: 13 modules, four bars.
  return kStopWidths.size() == 7 && checks::WidthDigitModules(kStopWidths) == 13;
}
static_assert(Code128IsStandard(), "Code 128: 11 modules in three bars each, the stop 13");
static_assert(kCode128Widths[0] == "212222" && kCode128Widths[1] == "222122" &&
              kCode128Widths[33] == "111323" && kCode128Widths[64] == "111422" &&
              kCode128Widths[100] == "114131" && kCode128Widths[101] == "311141" &&
              kCode128Widths[kFnc1] == "411131");
static_assert(FindCode128Char(' ', CodeSet::A) == 0 && FindCode128Char('_', CodeSet::A) == 63 &&
              FindCode128Char('a', CodeSet::A) == -1 && FindCode128Char('~', CodeSet::B) == 94 &&
              FindCode128Char('\x7F', CodeSet::B) == -1 && FindCode128Pair("00") == 0 &&
              FindCode128Pair("99") == 99 && FindCode128Pair("0A") == -1);

// Check sum of start value plus value x position, kept reduced modulo 103 so that no length
// of Text can overflow it.
class CheckSum {
 public:
  explicit CheckSum(unsigned startValue) : sum_(startValue % 103) {}
  void Add(int value) {
    sum_ = (sum_ + static_cast<unsigned>(value) * weight_) % 103;
    weight_ = (weight_ + 1) % 103;
  }
  std::size_t Value() const { return sum_; }

 private:
  unsigned sum_;
  unsigned weight_ = 1;
};

}  // namespace bars::code128
