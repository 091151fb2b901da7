// Code 128 and EAN-128 (GS1-128), one code set per symbol: A, B or C as the type names, with
// FNC1 after the start for EAN-128, and the modulo-103 check character.
#include "catalogue.h"
#include "code128_tables.h"
#include "encoding.h"

namespace bars {

using namespace code128;

TSymbol EncodeCode128(const TEncodeRequest& request) {
  const TBCdata* row = CatalogueRow(request.Typ);
  if (row == nullptr || row->CodeSet == TCode128Set::None)
    throw Exception(std::string(request.ClassName) + ": wrong BarcodeType in Code_128");
  const CodeSet set = row->CodeSet == TCode128Set::A   ? CodeSet::A
                      : row->CodeSet == TCode128Set::B ? CodeSet::B
                                                       : CodeSet::C;
  // EAN-128: FNC1 after the start, and the modulo-10 digit that Checksum asks for.
  const bool ean = row->Reader.Fnc1First;
  const bool withCheckDigit = ean && request.Checksum;
  const auto setIndex = static_cast<std::size_t>(set);

  // The EAN-128 check digit goes into the bars only; Text keeps the data as typed. A non-digit
  // here raises the check-digit conversion error.
  std::string withCheck;
  if (withCheckDigit) withCheck = ApplyCheckSumMethod(request.CheckSumMethod, request.Text);
  const std::size_t checkDigits = withCheck.size() - (withCheckDigit ? request.Text.size() : 0);
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
  TSymbol symbol;
  symbol.Pattern = pattern.Take();
  if (padded) symbol.Text = "0" + std::string(request.Text);
  if (request.Content) {
    symbol.Data = data;
    // The printed code shows the check digit that only the bars carry.
    symbol.HumanReadable = padded ? *symbol.Text : std::string(request.Text);
    symbol.HumanReadable += data.substr(data.size() - checkDigits);
  }
  return symbol;
}

}  // namespace bars
