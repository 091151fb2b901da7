// Code 39 and its full-ASCII form, Code 39 Extended, with the optional modulo-43 check
// character. Each character is nine elements, three of them wide, and a narrow gap.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "encoding.h"
#include "full_ascii.h"

namespace bars {
namespace {

struct Code39Row {
  char Char;
  std::string_view Pattern;  // '5'/'6' narrow/wide bar, '0'/'1' narrow/wide space, bar first
  std::int8_t Value;         // contribution to the modulo-43 check sum
};

// Code 39 characters and check values, ISO/IEC 16388. The start/stop '*' comes after the data
// characters, so a check sum of 0 selects '0'.
constexpr std::array<Code39Row, 44> kCode39 = {{
    {'0', "505160605", 0},  {'1', "605150506", 1},  {'2', "506150506", 2},  {'3', "606150505", 3},
    {'4', "505160506", 4},  {'5', "605160505", 5},  {'6', "506160505", 6},  {'7', "505150606", 7},
    {'8', "605150605", 8},  {'9', "506150605", 9},  {'A', "605051506", 10}, {'B', "506051506", 11},
    {'C', "606051505", 12}, {'D', "505061506", 13}, {'E', "605061505", 14}, {'F', "506061505", 15},
    {'G', "505051606", 16}, {'H', "605051605", 17}, {'I', "506051605", 18}, {'J', "505061605", 19},
    {'K', "605050516", 20}, {'L', "506050516", 21}, {'M', "606050515", 22}, {'N', "505060516", 23},
    {'O', "605060515", 24}, {'P', "506060515", 25}, {'Q', "505050616", 26}, {'R', "605050615", 27},
    {'S', "506050615", 28}, {'T', "505060615", 29}, {'U', "615050506", 30}, {'V', "516050506", 31},
    {'W', "616050505", 32}, {'X', "515060506", 33}, {'Y', "615060505", 34}, {'Z', "516060505", 35},
    {'-', "515050606", 36}, {'.', "615050605", 37}, {' ', "516050605", 38}, {'*', "515060605", 0},
    {'$', "515151505", 39}, {'/', "515150515", 40}, {'+', "515051515", 41}, {'%', "505151515", 42},
}};
constexpr std::size_t kStartStopRow = 39;

// Index of the first row for `c` (bytes compared exactly), or -1.
constexpr int FindCode39Char(char c) {
  for (std::size_t i = 0; i < kCode39.size(); ++i) {
    if (kCode39[i].Char == c) return static_cast<int>(i);
  }
  return -1;
}

constexpr bool Code39IsStandard() {
  bool valueSeen[43] = {};
  for (std::size_t i = 0; i < kCode39.size(); ++i) {
    const Code39Row& row = kCode39[i];
    if (row.Pattern.size() != 9) return false;
    int wide = 0;
    for (std::size_t e = 0; e < 9; ++e) {
      const char narrow = e % 2 == 0 ? '5' : '0';
      if (row.Pattern[e] != narrow && row.Pattern[e] != narrow + 1) return false;
      wide += row.Pattern[e] == narrow + 1;
    }
    if (wide != 3) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (kCode39[j].Char == row.Char || kCode39[j].Pattern == row.Pattern) return false;
    }
    if (i == kStartStopRow) continue;
    if (row.Value < 0 || row.Value > 42 || valueSeen[row.Value]) return false;
    valueSeen[row.Value] = true;
  }
  return kCode39[kStartStopRow].Char == '*';
}
static_assert(Code39IsStandard(), "Code 39: three wide of nine, values 0..42 once each");

// Full-ASCII Code 39, ISO/IEC 16388: '$', '%', '/' and '+' shift the letter after them.
constexpr auto kCode39Ext = full_ascii::MakeTable({'$', '%', '/', '+'});

static_assert(full_ascii::EntriesAreMadeOf(kCode39Ext,
                                           [](char c) {
                                             return FindCode39Char(c) >= 0 && c != '*';
                                           }),
              "Code 39 full ASCII must use data characters only");
static_assert(kCode39Ext[0].View() == "%U" && kCode39Ext['\r'].View() == "$M" &&
              kCode39Ext[' '].View() == " " && kCode39Ext['-'].View() == "/M" &&
              kCode39Ext[':'].View() == "/Z" && kCode39Ext['@'].View() == "%V" &&
              kCode39Ext['a'].View() == "+A" && kCode39Ext[127].View() == "%T");

// The pattern of `data`, or nullopt at the first character that Code 39 has no row for.
std::optional<std::string> Code39Pattern(std::string_view data, bool checksum) {
  const std::string_view startStop = kCode39[kStartStopRow].Pattern;
  std::string pattern;
  pattern.reserve(10 * (data.size() + 2) + 9);
  pattern += startStop;
  pattern += '0';
  int sum = 0;  // kept reduced, so no length of data can overflow it
  for (char c : data) {
    const int row = FindCode39Char(c);
    if (row < 0) return std::nullopt;
    pattern += kCode39[static_cast<std::size_t>(row)].Pattern;
    pattern += '0';
    sum = (sum + kCode39[static_cast<std::size_t>(row)].Value) % 43;
  }
  if (checksum) {
    // The first row with the value: '0', never '*', for a sum of 0.
    for (const Code39Row& row : kCode39) {
      if (row.Value == sum) {
        pattern += row.Pattern;
        pattern += '0';
        break;
      }
    }
  }
  pattern += startStop;
  return pattern;
}

}  // namespace

TSymbol EncodeCode39(const TEncodeRequest& request) {
  std::optional<std::string> pattern = Code39Pattern(request.Text, request.Checksum);
  if (!pattern) throw BadData(request, "Code39");
  TSymbol symbol = LinearSymbol(request, *std::move(pattern), request.Text);
  // The modulo-43 character is validated and dropped by the reader (ISO/IEC 15424 modifier 3).
  if (request.Checksum) symbol.SymbologyId = "]A3";
  return symbol;
}

TSymbol EncodeCode39Ext(const TEncodeRequest& request) {
  const std::optional<std::string> data = full_ascii::Rewrite(request.Text, kCode39Ext);
  if (!data) throw BadData(request, "Code39");
  // Every rewritten character has a row, and the check covers the shifts as well.
  TSymbol symbol = LinearSymbol(request, *Code39Pattern(*data, request.Checksum), request.Text);
  // Full ASCII, the modulo-43 character validated and dropped (modifier 7).
  if (request.Checksum) symbol.SymbologyId = "]A7";
  return symbol;
}

}  // namespace bars
