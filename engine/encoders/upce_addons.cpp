// UPC-E in number systems 0 and 1, and the two- and five-digit UPC add-ons (ISO/IEC 15420).
// No quiet zone; every bar is a full bar. The number sets are those of EAN-13.
#include <array>

#include "chksum.h"
#include "ean_upc_tables.h"
#include "encoder_helpers.h"
#include "encoding.h"

namespace bars {
namespace {

// UPC-E parities of number system 0 by check digit, ISO/IEC 15420 ('E' even = set B, 'o' odd =
// set A), row d at letters 6d..6d+5. Letters 2..6 of row d are the five-digit add-on's parities.
constexpr std::string_view kUpcEParity =
    "EEEoooEEoEooEEooEoEEoooEEoEEooEooEEoEoooEEEoEoEoEoEooEEooEoE";
// Two-digit add-on parities by the add-on's value mod 4, ISO/IEC 15420.
constexpr std::array<std::string_view, 4> kSupp2Parity = {"oo", "oE", "Eo", "EE"};

constexpr std::string_view kUpcEStart = "505";
constexpr std::string_view kUpcEEnd = "050505";
constexpr std::string_view kAddOnStart = "506";
constexpr std::string_view kAddOnDelineator = "05";
constexpr std::size_t kAddOnGapModules = 9;

constexpr bool UpcEParityIsStandard() {
  if (kUpcEParity.size() != 60) return false;
  for (std::size_t d = 0; d < 10; ++d) {
    const std::string_view row = kUpcEParity.substr(6 * d, 6);
    int even = 0;
    for (char c : row) {
      if (c != 'E' && c != 'o') return false;
      even += c == 'E';
    }
    // Three of each, the first always even: that is what makes the ten rows tell digits apart.
    if (even != 3 || row[0] != 'E') return false;
    for (std::size_t other = 0; other < d; ++other) {
      if (kUpcEParity.substr(6 * other, 6) == row) return false;
    }
  }
  return true;
}
static_assert(UpcEParityIsStandard(), "UPC-E parity rows: ten distinct rows of three E, three o");
static_assert(checks::PatternModules(kUpcEStart) == 3 && checks::PatternModules(kUpcEEnd) == 6);
static_assert(checks::PatternModules(kAddOnStart) == 4);
static_assert(checks::PatternModules(kAddOnDelineator) == 2);

int DigitOf(char c) {
  return c - '0';
}

// The number set string of digit `c` in even ('E') or odd parity.
std::string_view DigitInParity(char c, bool even) {
  return (even ? ean::kSetB : ean::kSetA)[DigitOf(c)];
}

// The ten digits after the number system of the UPC-A number that UPC-E digits d1..d6 stand
// for: d6 tells where the zeros suppressed by UPC-E belong.
std::string UpcAExpansion(std::string_view d) {
  std::string expanded;
  switch (d[5]) {
    case '0':
    case '1':
    case '2':
      expanded = {d[0], d[1], d[5], '0', '0', '0', '0', d[2], d[3], d[4]};
      break;
    case '3':
      expanded = {d[0], d[1], d[2], '0', '0', '0', '0', '0', d[3], d[4]};
      break;
    case '4':
      expanded = {d[0], d[1], d[2], d[3], '0', '0', '0', '0', '0', d[4]};
      break;
    default:
      expanded = {d[0], d[1], d[2], d[3], d[4], '0', '0', '0', '0', d[5]};
      break;
  }
  return expanded;
}

// The symbol of the first six digits of the padded `text` in the parities of number system
// `numberSystem`. With `appendCheck`, `text` becomes those six digits and their check digit.
std::string UpcESymbol(std::string& text, bool appendCheck, char numberSystem) {
  const std::string six = text.substr(0, 6);
  const char check = UpcECheckDigit(numberSystem, six);
  if (appendCheck) text = six + check;
  const std::string_view row = kUpcEParity.substr(6 * DigitOf(check), 6);
  std::string pattern;
  pattern.reserve(kUpcEStart.size() + 6 * 4 + kUpcEEnd.size());
  pattern += kUpcEStart;
  for (std::size_t i = 0; i < 6; ++i) {
    // Number system 1 uses the rows of number system 0 with every parity inverted.
    pattern += DigitInParity(six[i], (row[i] == 'E') == (numberSystem == '0'));
  }
  pattern += kUpcEEnd;
  return pattern;
}

// An add-on's Text (which may keep a check digit that has no bars) is printed; its digits are
// what a reader returns.
TSymbol AddOnSymbol(const TEncodeRequest& request, std::string pattern, std::string text,
                    std::string digits) {
  TSymbol symbol = RewritingSymbol(request, std::move(pattern), std::move(text));
  if (request.Content) symbol.Data = std::move(digits);
  return symbol;
}

}  // namespace

std::string SuppCheckDigit(std::string_view s) {
  const std::string_view rest = s.substr(0, s.empty() ? 0 : s.size() - 1);
  std::string result(rest);
  result.push_back(static_cast<char>('0' + WeightedDigitSum(rest, 3, 9)));
  return result;
}

char UpcECheckDigit(char numberSystem, std::string_view sixDigits) {
  if (sixDigits.size() != 6) BARS_ASSERTION_FAILED("UPC-E needs six digits");
  return AppendModulo10(numberSystem + UpcAExpansion(sixDigits)).back();
}

// Text keeps the typed check digit as its seventh digit, unless Checksum (with a check-digit
// method) asks for the computed one.
TSymbol EncodeUPCE(const TEncodeRequest& request) {
  const bool appendCheck = request.Checksum && request.CheckSumMethod == csmModulo10;
  std::string text = ZeroPadded(request.Text, appendCheck ? 6 : 7);
  const char numberSystem = request.Typ == bcCodeUPC_E1 ? '1' : '0';
  std::string pattern = UpcESymbol(text, appendCheck, numberSystem);
  TSymbol symbol = RewritingSymbol(request, std::move(pattern), std::move(text));
  // A reader gives the number system, which the parities carry, before the seven digits.
  if (request.Content) symbol.Data.insert(symbol.Data.begin(), numberSystem);
  return symbol;
}

// The check digit of the five-digit add-on has no bars of its own: it only selects the parities.
TSymbol EncodeSupp5(const TEncodeRequest& request) {
  std::string text = ZeroPadded(request.Text, 5);
  const std::string data = SuppCheckDigit(text.substr(0, 5) + '0');
  if (request.Checksum) text = data;
  const std::string_view parity = kUpcEParity.substr(6 * DigitOf(data[5]) + 1, 5);
  std::string pattern(kAddOnStart);
  for (std::size_t i = 0; i < 5; ++i) {
    if (i > 0) pattern += kAddOnDelineator;
    pattern += DigitInParity(data[i], parity[i] == 'E');
  }
  return AddOnSymbol(request, std::move(pattern), std::move(text), data.substr(0, 5));
}

// The published two-digit add-on has no check digit; the one Checksum puts into Text is not
// encoded, so a later build that finds it there gives the same symbol.
TSymbol EncodeSupp2(const TEncodeRequest& request) {
  std::string text = ZeroPadded(request.Text, 2);
  const std::string data = SuppCheckDigit(text.substr(0, 2) + '0');
  if (request.Checksum) text = data;
  const std::string_view parity = kSupp2Parity[(10 * DigitOf(data[0]) + DigitOf(data[1])) % 4];
  std::string pattern(kAddOnStart);
  pattern += DigitInParity(data[0], parity[0] == 'E');
  pattern += kAddOnDelineator;
  pattern += DigitInParity(data[1], parity[1] == 'E');
  return AddOnSymbol(request, std::move(pattern), std::move(text), data.substr(0, 2));
}

std::string AttachedAddOnPattern(std::string_view digits) {
  // GS1 asks for a gap of 7 to 12 modules after EAN-13 and UPC-E and 9 to 12 after UPC-A: 9
  // suits every main symbol. Spaces of w0 keep it 9 modules whatever the Ratio.
  std::string pattern(kAddOnGapModules, '0');
  const TEncodeRequest addOn{digits, digits.size() == 2 ? bcCodeUPC_Supp2 : bcCodeUPC_Supp5,
                             false,  csmNone,
                             "",     &kDefaultSymbolOptions,
                             false};
  pattern += (digits.size() == 2 ? EncodeSupp2(addOn) : EncodeSupp5(addOn)).Pattern;
  return pattern;
}

}  // namespace bars
