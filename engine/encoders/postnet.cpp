// POSTNET: the digits of Text between two frame bars, no correction digit added.
#include <array>

#include "encoding.h"

namespace bars {
namespace {

// POSTNET digits, USPS Publication 25: five bars of w0 ('5' full, 'A' short), each followed by
// a w1 space; the two full bars carry weights 7, 4, 2, 1, 0, and 7 + 4 stands for 0.
constexpr std::array<std::string_view, 10> kPostNetDigits = {
    "5151A1A1A1", "A1A1A15151", "A1A151A151", "A1A15151A1", "A151A1A151",
    "A151A151A1", "A15151A1A1", "51A1A1A151", "51A1A151A1", "51A151A1A1"};

constexpr std::string_view kFrameStart = "51";
constexpr std::string_view kFrameEnd = "5";

constexpr bool PostNetDigitsAreStandard() {
  constexpr int kWeights[5] = {7, 4, 2, 1, 0};
  for (std::size_t d = 0; d < kPostNetDigits.size(); ++d) {
    const std::string_view p = kPostNetDigits[d];
    if (p.size() != 10) return false;
    int fullBars = 0, value = 0;
    for (std::size_t i = 0; i < 5; ++i) {
      if (p[2 * i + 1] != '1') return false;
      if (p[2 * i] == '5') {
        ++fullBars;
        value += kWeights[i];
      } else if (p[2 * i] != 'A') {
        return false;
      }
    }
    if (fullBars != 2 || value % 11 != static_cast<int>(d)) return false;
  }
  return true;
}
static_assert(PostNetDigitsAreStandard(), "POSTNET digits: two full bars of five, weights 74210");

}  // namespace

// Text must already hold the correction digit if the symbol needs one.
TSymbol EncodePostNet(const TEncodeRequest& request) {
  std::string pattern;
  pattern.reserve(10 * request.Text.size() + 3);
  pattern += kFrameStart;
  for (char c : request.Text) {
    // Only digits get here (the type is numeric-only); anything else has no bars to give.
    if (c < '0' || c > '9') throw Exception("Barcode must be numeric");
    pattern += kPostNetDigits[static_cast<std::size_t>(c - '0')];
  }
  pattern += kFrameEnd;
  return LinearSymbol(request, std::move(pattern), request.Text);
}

}  // namespace bars
