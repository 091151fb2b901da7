// The checks that need a code list (countries, currencies, package types), the IBAN and the
// GS1 Company Prefix. The lists are read from engine/gs1/data at build time and checked here at
// compile time: sorted and unique (looked up by binary search), each code of its list's shape.
#include <algorithm>
#include <string>
#include <string_view>

#include "gs1/lint.h"

namespace bars::gs1::detail {
namespace {

// ISO 3166-1 numeric country codes (GS1 linter iso3166).
constexpr std::string_view kIso3166Numeric[] = {
#include "gs1/iso3166-numeric.inc"
};
// ISO 3166-1 alpha-2 country codes (GS1 linter iso3166alpha2).
constexpr std::string_view kIso3166Alpha2[] = {
#include "gs1/iso3166-alpha2.inc"
};
// ISO 4217 numeric currency codes, List One (GS1 linter iso4217).
constexpr std::string_view kIso4217Numeric[] = {
#include "gs1/iso4217-numeric.inc"
};
// GS1 package type codes: UN/ECE Recommendation 21 and GS1's additions (GS1 linter packagetype).
constexpr std::string_view kPackageTypes[] = {
#include "gs1/unece-rec21-package-types.inc"
};

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

// Strictly ascending by byte value, each code `length` long (0: 1 to 3) and made of `allowed`.
template <std::size_t N, typename Allowed>
consteval bool IsCodeList(const std::string_view (&codes)[N], std::size_t length, Allowed allowed) {
  for (std::size_t i = 0; i < N; ++i) {
    const std::string_view code = codes[i];
    if (length != 0 ? code.size() != length : code.empty() || code.size() > 3) return false;
    for (char c : code)
      if (!allowed(c)) return false;
    if (i > 0 && !(codes[i - 1] < code)) return false;
  }
  return N > 0;
}

constexpr auto kDigit = [](char c) { return IsDigit(c); };
static_assert(IsCodeList(kIso3166Numeric, 3, kDigit), "ISO 3166 numeric: sorted 3-digit codes");
static_assert(IsCodeList(kIso3166Alpha2, 2, [](char c) { return IsUpper(c); }),
              "ISO 3166 alpha-2: sorted letter pairs");
static_assert(IsCodeList(kIso4217Numeric, 3, kDigit), "ISO 4217 numeric: sorted 3-digit codes");
static_assert(IsCodeList(kPackageTypes, 0, [](char c) { return IsDigit(c) || IsUpper(c); }),
              "package types: sorted codes of 1 to 3 digits and capitals");

template <std::size_t N>
bool Holds(const std::string_view (&codes)[N], std::string_view code) {
  return std::binary_search(std::begin(codes), std::end(codes), code);
}

std::string Quoted(std::string_view s) {
  return "\"" + std::string(s) + "\"";
}

// ISO 13616: the first four characters moved to the end, each letter read as two digits
// (A = 10 ... Z = 35), the number modulo 97 is 1.
bool IbanChecks(std::string_view iban) {
  int remainder = 0;
  const auto add = [&](char c) {
    remainder =
        IsDigit(c) ? (remainder * 10 + (c - '0')) % 97 : (remainder * 100 + c - 'A' + 10) % 97;
  };
  for (char c : iban.substr(4)) add(c);
  for (char c : iban.substr(0, 4)) add(c);
  return remainder == 1;
}

}  // namespace

std::string CheckIso3166(std::string_view code, bool or999) {
  if ((or999 && code == "999") || Holds(kIso3166Numeric, code)) return "";
  return "country code " + Quoted(code) +
         (or999 ? " is neither in ISO 3166 nor 999" : " is not in ISO 3166");
}

std::string CheckIso3166Alpha2(std::string_view code) {
  if (Holds(kIso3166Alpha2, code)) return "";
  return "country code " + Quoted(code) + " is not in ISO 3166 (alpha-2, capitals)";
}

std::string CheckIso4217(std::string_view code) {
  if (Holds(kIso4217Numeric, code)) return "";
  return "currency code " + Quoted(code) + " is not in ISO 4217";
}

std::string CheckPackageType(std::string_view code) {
  if (Holds(kPackageTypes, code)) return "";
  return "package type " + Quoted(code) + " is not a GS1 package type code";
}

// GS1 checks the country and the check digits, not each country's length or layout.
std::string CheckIban(std::string_view iban) {
  const std::string lengths = ": " + std::to_string(iban.size()) +
                              (iban.size() == 1 ? " character" : " characters") +
                              ", it takes 11 to 34";
  if (iban.size() < 4) return "IBAN is too short" + lengths;
  if (!Holds(kIso3166Alpha2, iban.substr(0, 2)))
    return "IBAN country " + Quoted(iban.substr(0, 2)) + " is not in ISO 3166 (alpha-2, capitals)";
  if (iban.size() < 11) return "IBAN is too short" + lengths;
  if (iban.size() > 34) return "IBAN is too long" + lengths;
  const auto bad = std::ranges::find_if(iban, [](char c) { return !IsDigit(c) && !IsUpper(c); });
  if (bad != iban.end())
    return "IBAN has a character other than 0-9 and A-Z: " + Quoted(std::string_view(&*bad, 1));
  if (!IbanChecks(iban)) return "IBAN check digits " + Quoted(iban.substr(2, 2)) + " are wrong";
  return "";
}

// Without a registry of prefixes GS1 checks their shape: at least four characters, digits.
std::string CheckCompanyPrefix(std::string_view data, std::size_t skip, const Place& place) {
  const std::string_view prefix = data.substr(std::min(skip, data.size()));
  std::string subject = place.Text();
  if (!subject.empty()) subject += ' ';
  if (prefix.size() < 4) return subject + "is too short to start with a GS1 Company Prefix";
  const auto bad = std::ranges::find_if(prefix.substr(0, 4), [](char c) { return !IsDigit(c); });
  if (bad != prefix.begin() + 4)
    return subject + "must start with the digits of a GS1 Company Prefix, not " +
           Quoted(std::string_view(&*bad, 1));
  return "";
}

}  // namespace bars::gs1::detail
