// EAN-13, EAN-8 and UPC-A (ISO/IEC 15420). No quiet zone; guard bars are ordinary full bars.
#include "bars.h"
#include "ean_upc_tables.h"
#include "pattern_builder.h"

namespace bars {
namespace {

int DigitAt(const std::string& data, std::size_t i) {
  return data[i] - '0';
}

// Start guard, the left digits in the sets given, centre guard, right digits in set C, end guard.
std::string EanPattern(const std::string& data, std::size_t leftBegin, std::string_view leftSets) {
  TPatternBuilder pattern(2 * ean::kGuardNormal.size() + ean::kGuardCentre.size() +
                          8 * leftSets.size());
  pattern.AppendFixed<3>(ean::kGuardNormal);
  std::size_t i = leftBegin;
  for (char set : leftSets) {
    pattern.AppendFixed<4>((set == 'A' ? ean::kSetA : ean::kSetB)[DigitAt(data, i++)]);
  }
  pattern.AppendFixed<5>(ean::kGuardCentre);
  for (std::size_t n = 0; n < leftSets.size(); ++n)
    pattern.AppendFixed<4>(ean::kSetC[DigitAt(data, i++)]);
  pattern.AppendFixed<3>(ean::kGuardNormal);
  return pattern.Take();
}

}  // namespace

std::string TBarcode::EncodeEAN8() {
  std::string data;
  if (checksum_) {
    // More than seven digits cannot take a check digit: refuse rather than drop the first ones.
    const std::string padded = ZeroPaddedText(7);
    if (padded.size() > 7) BARS_ASSERTION_FAILED("Invalid Text len (EAN8)");
    data = ApplyCheckSumMethod(padded);
  } else {
    data = ZeroPaddedText(8);
  }
  if (data.size() != 8) BARS_ASSERTION_FAILED("Invalid Text len (EAN8)");
  return EanPattern(data, 0, "AAAA");
}

std::string TBarcode::EncodeEAN13() {
  const std::string data = checksum_ ? ApplyCheckSumMethod(ZeroPaddedText(12)) : ZeroPaddedText(13);
  if (data.size() != 13) BARS_ASSERTION_FAILED("Invalid Text len (EAN13)");
  // The leading digit has no bars: it selects the parities of the left half.
  const std::string_view parity = ean::kEan13Parity.substr(6 * DigitAt(data, 0), 6);
  return EanPattern(data, 1, parity);
}

std::string TBarcode::EncodeUPCA() {
  if (checksum_ && checkSumMethod_ == csmModulo10) {
    // Pad to the eleven data digits first, so a typed eleven-digit number keeps all its digits.
    text_ = ZeroPaddedText(11);
    text_ = ApplyCheckSumMethod(std::string_view(text_).substr(0, 11));
  } else {
    text_ = ZeroPaddedText(12);
  }
  return EanPattern(text_, 0, "AAAAAA");
}

}  // namespace bars
