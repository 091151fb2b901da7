// Codabar: always started with A and stopped with B, no check character, no quiet zone.
#include <array>

#include "encoder_helpers.h"
#include "encoding.h"

namespace bars {
namespace {

struct CodabarRow {
  char Char;
  std::string_view Pattern;  // bar, space, ..., bar: '5'/'0' narrow, '6'/'1' wide
};

// Codabar character patterns, AIM USS-Codabar (ANSI/AIM BC3).
constexpr std::array<CodabarRow, 20> kCodabar = {{
    {'1', "5050615"}, {'2', "5051506"}, {'3', "6150505"}, {'4', "5060515"}, {'5', "6050515"},
    {'6', "5150506"}, {'7', "5150605"}, {'8', "5160505"}, {'9', "6051505"}, {'0', "5050516"},
    {'-', "5051605"}, {'$', "5061505"}, {':', "6050606"}, {'/', "6060506"}, {'.', "6060605"},
    {'+', "5060606"}, {'A', "5061515"}, {'B', "5151506"}, {'C', "5051516"}, {'D', "5051615"},
}};

constexpr int kRowA = 16;
constexpr int kRowB = 17;

// Seven narrow or wide elements, bar first. Digits, '-' and '$' have one wide bar and one wide
// space, ':' '/' '.' '+' three wide bars, the start/stop letters one wide bar and two wide spaces.
constexpr bool CodabarRowIsStandard(std::size_t row) {
  const std::string_view p = kCodabar[row].Pattern;
  if (p.size() != 7) return false;
  int wideBars = 0, wideSpaces = 0;
  for (std::size_t i = 0; i < 7; ++i) {
    const bool bar = i % 2 == 0;
    const char narrow = bar ? '5' : '0';
    if (p[i] != narrow && p[i] != narrow + 1) return false;
    if (p[i] == narrow + 1) ++(bar ? wideBars : wideSpaces);
  }
  if (row < 12) return wideBars == 1 && wideSpaces == 1;
  if (row < 16) return wideBars == 3 && wideSpaces == 0;
  return wideBars == 1 && wideSpaces == 2;
}

constexpr bool CodabarTableIsStandard() {
  for (std::size_t r = 0; r < kCodabar.size(); ++r) {
    if (!CodabarRowIsStandard(r)) return false;
    for (std::size_t other = 0; other < r; ++other) {
      if (kCodabar[other].Char == kCodabar[r].Char) return false;
      if (kCodabar[other].Pattern == kCodabar[r].Pattern) return false;
    }
  }
  return kCodabar[kRowA].Char == 'A' && kCodabar[kRowB].Char == 'B';
}
static_assert(CodabarTableIsStandard(), "Codabar rows: 7 distinct elements in the standard widths");

}  // namespace

int FindCodabarChar(char ch) {
  for (std::size_t r = 0; r < kCodabar.size(); ++r) {
    if (kCodabar[r].Char == ch) return static_cast<int>(r);
  }
  return -1;
}

// A character without a row is refused with the whole Text: nothing is skipped.
TSymbol EncodeCodabar(const TEncodeRequest& request) {
  std::string pattern;
  pattern.reserve(8 * (request.Text.size() + 1) + 7);
  pattern += kCodabar[kRowA].Pattern;
  pattern += '0';
  for (char c : request.Text) {
    const int row = FindCodabarChar(c);
    if (row < 0) throw BadData(request, "Codabar");
    pattern += kCodabar[static_cast<std::size_t>(row)].Pattern;
    pattern += '0';
  }
  pattern += kCodabar[kRowB].Pattern;
  // Readers drop the start and stop characters, which Text does not hold either.
  return LinearSymbol(request, std::move(pattern), request.Text);
}

}  // namespace bars
