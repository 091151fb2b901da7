// Code 93 and its full-ASCII form, Code 93 Extended, always with the two check characters C
// and K. Written in width digits and converted to pattern characters at the end.
#include <array>
#include <optional>
#include <string_view>

#include "encoding.h"
#include "full_ascii.h"
#include "pattern_checks.h"

namespace bars {
namespace {

struct Code93Row {
  char Char;
  std::string_view Widths;  // bar first, in modules
};

// Code 93 characters in value order, ANSI/AIM BC5 (USS Code 93). The four shift characters ($),
// (%), (/), (+) are written '[', ']', '{', '}'.
constexpr std::array<Code93Row, 47> kCode93 = {{
    {'0', "131112"}, {'1', "111213"}, {'2', "111312"}, {'3', "111411"}, {'4', "121113"},
    {'5', "121212"}, {'6', "121311"}, {'7', "111114"}, {'8', "131211"}, {'9', "141111"},
    {'A', "211113"}, {'B', "211212"}, {'C', "211311"}, {'D', "221112"}, {'E', "221211"},
    {'F', "231111"}, {'G', "112113"}, {'H', "112212"}, {'I', "112311"}, {'J', "122112"},
    {'K', "132111"}, {'L', "111123"}, {'M', "111222"}, {'N', "111321"}, {'O', "121122"},
    {'P', "131121"}, {'Q', "212112"}, {'R', "212211"}, {'S', "211122"}, {'T', "211221"},
    {'U', "221121"}, {'V', "222111"}, {'W', "112122"}, {'X', "112221"}, {'Y', "122121"},
    {'Z', "123111"}, {'-', "121131"}, {'.', "311112"}, {' ', "311211"}, {'$', "321111"},
    {'/', "112131"}, {'+', "113121"}, {'%', "211131"}, {'[', "121221"}, {']', "312111"},
    {'{', "311121"}, {'}', "122211"},
}};

// Start and stop (the start/stop character and the final one-module bar), ANSI/AIM BC5 (USS Code
// 93).
constexpr std::string_view kStartWidths = "111141";
constexpr std::string_view kStopWidths = "1111411";

// The value of `c` (bytes compared exactly), or -1.
constexpr int FindCode93Char(char c) {
  for (std::size_t v = 0; v < kCode93.size(); ++v) {
    if (kCode93[v].Char == c) return static_cast<int>(v);
  }
  return -1;
}

constexpr bool Code93IsStandard() {
  for (std::size_t v = 0; v < kCode93.size(); ++v) {
    const std::string_view w = kCode93[v].Widths;
    if (w.size() != 6 || checks::WidthDigitModules(w) != 9) return false;
    if (w == kStartWidths) return false;
    for (std::size_t u = 0; u < v; ++u) {
      if (kCode93[u].Widths == w || kCode93[u].Char == kCode93[v].Char) return false;
    }
  }
  return checks::WidthDigitModules(kStartWidths) == 9 &&
         checks::WidthDigitModules(kStopWidths) == 10 && kStopWidths.starts_with(kStartWidths);
}
static_assert(Code93IsStandard(), "Code 93: 9 modules in three bars each, all different");

// Full-ASCII Code 93, ANSI/AIM BC5 (USS Code 93): the shifts ($), (%), (/), (+) put the letter
// after them in the arrangement that full-ASCII Code 39 uses.
constexpr auto kCode93Ext = full_ascii::MakeTable({'[', ']', '{', '}'});

static_assert(full_ascii::EntriesAreMadeOf(kCode93Ext,
                                           [](char c) { return FindCode93Char(c) >= 0; }),
              "Code 93 full ASCII must use Code 93 characters only");
static_assert(kCode93Ext[0].View() == "]U" && kCode93Ext['\n'].View() == "[J" &&
              kCode93Ext['$'].View() == "{D" && kCode93Ext['-'].View() == "{M" &&
              kCode93Ext['Z'].View() == "Z" && kCode93Ext['a'].View() == "}A" &&
              kCode93Ext[127].View() == "]T");

// The sum of value x weight from the last character to the first, the weight running
// 1, 2, ..., `maxWeight`, 1, ... from `firstWeight`; reduced modulo 47 as it goes.
int WeightedSum(std::string_view values, int firstWeight, int maxWeight) {
  int sum = 0;
  int weight = firstWeight;
  for (auto it = values.rbegin(); it != values.rend(); ++it) {
    sum = (sum + *it * weight) % 47;
    weight = weight == maxWeight ? 1 : weight + 1;
  }
  return sum;
}

// The pattern of `data` with its check characters, or nullopt at the first character that
// Code 93 has no row for.
std::optional<std::string> Code93Pattern(std::string_view data) {
  std::string widths(kStartWidths);
  widths.reserve(6 * (data.size() + 3) + 1);
  std::string values;  // one value 0..46 per character, for the check characters
  values.reserve(data.size());
  for (char ch : data) {
    const int v = FindCode93Char(ch);
    if (v < 0) return std::nullopt;
    widths += kCode93[static_cast<std::size_t>(v)].Widths;
    values += static_cast<char>(v);
  }
  const int c = WeightedSum(values, 1, 20);
  // K weighs C with 1 and the data from 2 on.
  const int k = (WeightedSum(values, 2, 15) + c) % 47;
  widths += kCode93[static_cast<std::size_t>(c)].Widths;
  widths += kCode93[static_cast<std::size_t>(k)].Widths;
  widths += kStopWidths;
  return PatternFromWidths(widths);
}

}  // namespace

TSymbol EncodeCode93(const TEncodeRequest& request) {
  std::optional<std::string> pattern = Code93Pattern(request.Text);
  if (!pattern) throw BadData(request, "Code93");
  return LinearSymbol(request, *std::move(pattern), request.Text);
}

TSymbol EncodeCode93Ext(const TEncodeRequest& request) {
  const std::optional<std::string> data = full_ascii::Rewrite(request.Text, kCode93Ext);
  if (!data) throw BadData(request, "Code93");
  // Every rewritten character has a row, and the check characters cover the shifts as well.
  return LinearSymbol(request, *Code93Pattern(*data), request.Text);
}

}  // namespace bars
