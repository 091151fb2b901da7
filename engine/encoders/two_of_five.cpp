// The 2-of-5 family: Interleaved, Industrial and Matrix. All three spell each digit as five
// elements, two of them wide; they differ in which elements are bars and in start and stop.
// BuildPattern has already trimmed Text and refused anything but digits for these types.
#include <array>
#include <string_view>

#include "encoding.h"

namespace bars {
namespace {

// The 2-of-5 character table (ISO/IEC 16390 for Interleaved; the same digits serve all three):
// '1' marks a wide element, first to fifth.
constexpr std::array<std::string_view, 10> kTwoOfFive = {
    "00110", "10001", "01001", "11000", "00101", "10100", "01100", "00011", "10010", "01010"};

constexpr bool TwoOfFiveIsStandard() {
  for (std::size_t d = 0; d < kTwoOfFive.size(); ++d) {
    const std::string_view row = kTwoOfFive[d];
    if (row.size() != 5) return false;
    int wide = 0;
    for (char f : row) {
      if (f != '0' && f != '1') return false;
      wide += f == '1';
    }
    if (wide != 2) return false;
    for (std::size_t e = 0; e < d; ++e) {
      if (kTwoOfFive[e] == row) return false;
    }
  }
  return true;
}
static_assert(TwoOfFiveIsStandard(), "2-of-5 digits: five elements, two wide, all different");

constexpr std::string_view kInterleavedStart = "5050";
constexpr std::string_view kInterleavedStop = "605";
constexpr std::string_view kIndustrialStart = "606050";
constexpr std::string_view kIndustrialStop = "605060";
constexpr std::string_view kMatrixStart = "705050";
constexpr std::string_view kMatrixStop = "70505";

// BuildPattern lets only digits through; the check keeps any other byte from indexing the table.
std::string_view FlagsOf(char digit) {
  if (digit < '0' || digit > '9') throw Exception("Barcode must be numeric");
  return kTwoOfFive[static_cast<std::size_t>(digit - '0')];
}

bool Wide(std::string_view flags, std::size_t k) {
  return flags[k] == '1';
}

}  // namespace

TSymbol Encode25Interleaved(const TEncodeRequest& request) {
  // Digits go in pairs; an odd count gets a leading '0' in Text as well, so the printed code
  // matches the bars and the next build finds an even count.
  std::string text(request.Text.size() % 2 != 0 ? "0" : "");
  text += request.Text;
  std::string pattern(kInterleavedStart);
  pattern.reserve(kInterleavedStart.size() + 5 * text.size() + kInterleavedStop.size());
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    // The bars carry the first digit of the pair, the spaces the second.
    const std::string_view bars = FlagsOf(text[i]);
    const std::string_view spaces = FlagsOf(text[i + 1]);
    for (std::size_t k = 0; k < 5; ++k) {
      pattern += Wide(bars, k) ? '6' : '5';
      pattern += Wide(spaces, k) ? '1' : '0';
    }
  }
  pattern += kInterleavedStop;
  if (text.size() == request.Text.size()) return LinearSymbol(request, std::move(pattern), text);
  return RewritingSymbol(request, std::move(pattern), std::move(text));
}

TSymbol Encode25Industrial(const TEncodeRequest& request) {
  // Only the bars carry information; every space is narrow.
  std::string pattern(kIndustrialStart);
  pattern.reserve(kIndustrialStart.size() + 10 * request.Text.size() + kIndustrialStop.size());
  for (char digit : request.Text) {
    const std::string_view flags = FlagsOf(digit);
    for (std::size_t k = 0; k < 5; ++k) pattern += Wide(flags, k) ? "60" : "50";
  }
  pattern += kIndustrialStop;
  return LinearSymbol(request, std::move(pattern), request.Text);
}

TSymbol Encode25Matrix(const TEncodeRequest& request) {
  // Bar, space, bar, space, bar per digit, then a narrow space between characters.
  std::string pattern(kMatrixStart);
  pattern.reserve(kMatrixStart.size() + 6 * request.Text.size() + kMatrixStop.size());
  for (char digit : request.Text) {
    const std::string_view flags = FlagsOf(digit);
    for (std::size_t k = 0; k < 5; ++k) {
      if (k % 2 == 0) {
        pattern += Wide(flags, k) ? '6' : '5';
      } else {
        pattern += Wide(flags, k) ? '1' : '0';
      }
    }
    pattern += '0';
  }
  pattern += kMatrixStop;
  return LinearSymbol(request, std::move(pattern), request.Text);
}

}  // namespace bars
