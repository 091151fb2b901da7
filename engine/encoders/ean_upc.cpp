// EAN-13, EAN-8 and UPC-A (ISO/IEC 15420). No quiet zone; guard bars are ordinary full bars.
#include "ean_upc_tables.h"
#include "encoding.h"
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

// EAN-13 and EAN-8 keep Text as typed: the bars carry all of `data`, the printed code Text and
// the check digit that Checksum added to it.
TSymbol EanSymbol(std::string pattern, const std::string& data, const TEncodeRequest& request) {
  TSymbol symbol;
  symbol.Pattern = std::move(pattern);
  if (!request.Content) return symbol;
  symbol.HumanReadable = request.Text;
  if (request.Checksum && request.CheckSumMethod != csmNone) symbol.HumanReadable += data.back();
  symbol.Data = data;
  return symbol;
}

}  // namespace

TSymbol EncodeEAN8(const TEncodeRequest& request) {
  std::string data;
  if (request.Checksum) {
    // More than seven digits cannot take a check digit: refuse rather than drop the first ones.
    const std::string padded = ZeroPadded(request.Text, 7);
    if (padded.size() > 7) BARS_ASSERTION_FAILED("Invalid Text len (EAN8)");
    data = ApplyCheckSumMethod(request.CheckSumMethod, padded);
  } else {
    data = ZeroPadded(request.Text, 8);
  }
  if (data.size() != 8) BARS_ASSERTION_FAILED("Invalid Text len (EAN8)");
  return EanSymbol(EanPattern(data, 0, "AAAA"), data, request);
}

TSymbol EncodeEAN13(const TEncodeRequest& request) {
  const std::string data =
      request.Checksum ? ApplyCheckSumMethod(request.CheckSumMethod, ZeroPadded(request.Text, 12))
                       : ZeroPadded(request.Text, 13);
  if (data.size() != 13) BARS_ASSERTION_FAILED("Invalid Text len (EAN13)");
  // The leading digit has no bars: it selects the parities of the left half.
  const std::string_view parity = ean::kEan13Parity.substr(6 * DigitAt(data, 0), 6);
  return EanSymbol(EanPattern(data, 1, parity), data, request);
}

TSymbol EncodeUPCA(const TEncodeRequest& request) {
  std::string text;
  if (request.Checksum && request.CheckSumMethod == csmModulo10) {
    // Pad to the eleven data digits first, so a typed eleven-digit number keeps all its digits.
    const std::string padded = ZeroPadded(request.Text, 11);
    text = ApplyCheckSumMethod(request.CheckSumMethod, std::string_view(padded).substr(0, 11));
  } else {
    text = ZeroPadded(request.Text, 12);
  }
  std::string pattern = EanPattern(text, 0, "AAAAAA");
  return RewritingSymbol(request, std::move(pattern), std::move(text));
}

}  // namespace bars
