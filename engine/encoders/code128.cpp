// Code 128 and EAN-128 (GS1-128), one code set per symbol: A, B or C as the type names, with
// FNC1 after the start for EAN-128, and the modulo-103 check character.
#include "code128_tables.h"
#include "encoding.h"

namespace bars {

using namespace code128;

TEncoded EncodeCode128(const TEncodeRequest& request) {
  CodeSet set = CodeSet::A;
  switch (request.Typ) {
    case bcCode128A:
    case bcCodeEAN128A:
      set = CodeSet::A;
      break;
    case bcCode128B:
    case bcCodeEAN128B:
      set = CodeSet::B;
      break;
    case bcCode128C:
    case bcCodeEAN128C:
      set = CodeSet::C;
      break;
    default:
      throw Exception(std::string(request.ClassName) + ": wrong BarcodeType in Code_128");
  }
  const bool ean =
      request.Typ == bcCodeEAN128A || request.Typ == bcCodeEAN128B || request.Typ == bcCodeEAN128C;
  const bool withCheckDigit = ean && request.Checksum;
  const auto setIndex = static_cast<std::size_t>(set);

  // The EAN-128 check digit goes into the bars only; Text keeps the data as typed. A non-digit
  // here raises the check-digit conversion error.
  std::string withCheck;
  if (withCheckDigit) withCheck = ApplyCheckSumMethod(request.CheckSumMethod, request.Text);
  std::string_view data = withCheckDigit ? std::string_view(withCheck) : request.Text;
  bool padded = false;
  if (set == CodeSet::C && data.size() % 2 != 0) {
    // Set C takes digit pairs: an odd count gets a leading '0', kept in Text as well so that
    // the next build finds an even count and gives the same symbol.
    withCheck.insert(0, 1, '0');
    if (!withCheckDigit) withCheck.append(request.Text);
    data = withCheck;
    padded = true;
  }
  const std::size_t symbols = (set == CodeSet::C ? data.size() / 2 : data.size()) + (ean ? 1 : 0);
  TPatternBuilder pattern(6 * (symbols + 2) + 7);  // start, symbols, check character, stop
  pattern.Append(View(kStartPatterns[setIndex]));
  CheckSum sum(103 + static_cast<unsigned>(setIndex));
  auto append = [&](int value) {
    pattern.Append(View(kCode128Patterns[static_cast<std::size_t>(value)]));
    sum.Add(value);
  };
  if (ean) append(kFnc1);
  if (set == CodeSet::C) {
    for (std::size_t i = 0; i < data.size(); i += 2) {
      const int value = FindCode128Pair(data.substr(i, 2));
      if (value < 0) throw BadData(request, "Code128");
      append(value);
    }
  } else {
    for (char c : data) {
      const int value = FindCode128Char(c, set);
      if (value < 0) throw BadData(request, "Code128");
      append(value);
    }
  }
  pattern.Append(View(kCode128Patterns[sum.Value()]));
  pattern.Append(View(kStopPattern));
  if (!padded) return {pattern.Take(), std::nullopt};
  return {pattern.Take(), "0" + std::string(request.Text)};
}

}  // namespace bars
