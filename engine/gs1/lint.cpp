// The content checks of AI components. Each returns what is wrong, or "" when nothing is.
#include "gs1/lint.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "chksum.h"

namespace bars::gs1::detail {
namespace {

using namespace std::string_literals;

// The component's place, ready to stand before a predicate: "characters 1 to 4 " or "".
std::string Subject(const Place& place) {
  std::string text = place.Text();
  return text.empty() ? text : text + " ";
}

int TwoDigits(std::string_view d, std::size_t at) {
  return (d[at] - '0') * 10 + (d[at + 1] - '0');
}

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// GS1 places a two-digit year in the century that keeps it within 49 years after or 50 years
// before the current one: a year 51 to 99 ahead of the current year's two digits belongs to the
// previous century, one 50 to 99 behind to the next, any other to the current century.
int FullYear(int yy, int currentYear) {
  const int difference = yy - currentYear % 100;
  int century = currentYear / 100;
  if (difference >= 51) --century;
  if (difference <= -50) ++century;
  return century * 100 + yy;
}

bool IsDate(int year, int month, int day, bool dayZeroAllowed) {
  if (month < 1 || month > 12) return false;
  if (day == 0) return dayZeroAllowed;
  return day <= DaysInMonth(month, year);
}

std::string Date(bool ok) {
  return ok ? "" : "is not a valid date";
}
std::string Time(bool ok) {
  return ok ? "" : "is not a valid time";
}

std::string CheckDigit(std::string_view digits) {
  const char expected = AppendModulo10(digits.substr(0, digits.size() - 1)).back();
  if (digits.back() == expected) return "";
  return "check digit should be "s + expected + ", not " + digits.back();
}

// GS1 set 82 in the order of the values the check-character pair gives its characters.
constexpr std::string_view kSet82ByValue =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kSet32 = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
static_assert(kSet82ByValue.size() == 82 && kSet32.size() == 32);

constexpr std::array<int, 90> kPrimes = [] {
  std::array<int, 90> primes{};
  std::size_t found = 0;
  for (int n = 2; found < primes.size(); ++n) {
    bool prime = true;
    for (std::size_t i = 0; i < found && primes[i] * primes[i] <= n; ++i)
      prime = prime && n % primes[i] != 0;
    if (prime) primes[found++] = n;
  }
  return primes;
}();
static_assert(kPrimes[0] == 2 && kPrimes[24] == 97);

// The pair is the data characters' values weighted by the primes 2, 3, 5, ... from the right,
// summed modulo 1021, written as two 5-bit digits of set 32.
std::string CheckCharacterPair(std::string_view data) {
  if (data.size() < 2) return "is too short to hold its two check characters";
  const std::size_t n = data.size() - 2;
  int sum = 0;
  for (std::size_t i = 0; i < n; ++i)
    sum += static_cast<int>(kSet82ByValue.find(data[i])) * kPrimes[n - 1 - i];
  sum %= 1021;
  const std::string expected = {kSet32[sum >> 5], kSet32[sum & 31]};
  if (data.substr(n) == expected) return "";
  return "check characters should be " + expected + ", not " + std::string(data.substr(n));
}

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::string PercentEscapes(std::string_view data) {
  for (std::size_t at = data.find('%'); at != std::string_view::npos; at = data.find('%', at)) {
    if (at + 2 >= data.size() || !IsHex(data[at + 1]) || !IsHex(data[at + 2]))
      return "has a bad percent escape \"" + std::string(data.substr(at, 3)) + "\"";
    at += 3;
  }
  return "";
}

// Piece number then total number of pieces, of equal widths.
std::string PieceOfTotal(std::string_view data) {
  const std::string_view piece = data.substr(0, data.size() / 2);
  const std::string_view total = data.substr(data.size() / 2);
  const auto zero = [](std::string_view s) { return s.find_first_not_of('0') == s.npos; };
  if (zero(piece)) return "piece number must not be zero";
  if (zero(total)) return "total number of pieces must not be zero";
  if (piece > total)
    return "piece " + std::string(piece) + " is more than the total " + std::string(total);
  return "";
}

// "<position>/<total>": both without leading zeros, the position not above the total.
std::string PositionInSequence(std::string_view data) {
  const std::size_t slash = data.find('/');
  const std::string_view position = data.substr(0, slash);
  const std::string_view total = slash == data.npos ? std::string_view{} : data.substr(slash + 1);
  const auto number = [](std::string_view s) {
    return !s.empty() && s[0] != '0' &&
           std::ranges::all_of(s, [](char c) { return c >= '0' && c <= '9'; });
  };
  const bool ok =
      number(position) && number(total) &&
      (position.size() < total.size() || (position.size() == total.size() && position <= total));
  return ok ? "" : "must be a position and a total such as 1/3, the position not above the total";
}

bool IsImporterIndex(char c) {
  return c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

}  // namespace

bool IsYymmdd(std::string_view d, bool dayZeroAllowed, int currentYear) {
  return IsDate(FullYear(TwoDigits(d, 0), currentYear), TwoDigits(d, 2), TwoDigits(d, 4),
                dayZeroAllowed);
}

std::string Place::Text() const {
  if (At == 0 && Length == ValueLength) return "";
  if (Length == 1) return "character " + std::to_string(At + 1);
  return "characters " + std::to_string(At + 1) + " to " + std::to_string(At + Length);
}

std::string CheckComponent(Lint lint, std::string_view d, const Place& place, int currentYear) {
  using enum Lint;
  switch (lint) {
    case kCsum:
      return CheckDigit(d);
    case kCsumAlpha:
      return CheckCharacterPair(d);
    case kYymmd0:
    case kYymmdd:
      return Date(IsYymmdd(d, lint == kYymmd0, currentYear));
    case kYyyymmdd:
      return Date(
          IsDate(TwoDigits(d, 0) * 100 + TwoDigits(d, 2), TwoDigits(d, 4), TwoDigits(d, 6), false));
    case kHhmi:
      return Time(TwoDigits(d, 0) <= 23 && TwoDigits(d, 2) <= 59);
    case kHh:
      return Time(TwoDigits(d, 0) <= 23);
    case kMi:
    case kSs:
      return Time(TwoDigits(d, 0) <= 59);
    case kYesNo:
      return d == "0" || d == "1" ? "" : Subject(place) + "must be 0 or 1";
    case kZero:
      return d == "0" ? "" : Subject(place) + "must be 0";
    case kNonZero:
      return d.find_first_not_of('0') != d.npos ? "" : Subject(place) + "must not be zero";
    case kWinding:
      return d == "0" || d == "1" || d == "9" ? "" : Subject(place) + "must be 0, 1 or 9";
    case kPieceOfTotal:
      return PieceOfTotal(d);
    case kHyphen:
      return d.find_first_not_of('-') == d.npos ? "" : Subject(place) + "must be \"-\"";
    case kNoZeroPrefix:
      return d[0] != '0' ? "" : Subject(place) + "must not start with 0";
    case kHasNonDigit:
      return d.find_first_not_of("0123456789") != d.npos
                 ? ""
                 : Subject(place) + "must hold a character that is not a digit";
    case kPcEnc:
      return PercentEscapes(d);
    case kLatitude:
      return d <= "1800000000" ? "" : "latitude must not exceed 1800000000";
    case kLongitude:
      return d <= "3600000000" ? "" : "longitude must not exceed 3600000000";
    case kIso5218:
      return d == "0" || d == "1" || d == "2" || d == "9" ? ""
                                                          : Subject(place) + "must be 0, 1, 2 or 9";
    case kMediaType: {
      const int type = TwoDigits(d, 0);
      return (type >= 1 && type <= 10) || type >= 80
                 ? ""
                 : "is not an AIDC media type (01 to 10, 80 to 99)";
    }
    case kPosInSeqSlash:
      return PositionInSequence(d);
    case kImporterIdx:
      return std::ranges::all_of(d, IsImporterIndex)
                 ? ""
                 : Subject(place) + "must be a letter, a digit, \"-\" or \"_\"";
    case kIso3166:
    case kIso3166999:
      return CheckIso3166(d, lint == kIso3166999);
    case kIso3166Alpha2:
      return CheckIso3166Alpha2(d);
    case kIso4217:
      return CheckIso4217(d);
    case kPackageType:
      return CheckPackageType(d);
    case kIban:
      return CheckIban(d);
    case kGcpPos1:
    case kGcpPos2:
      return CheckCompanyPrefix(d, lint == kGcpPos2 ? 1 : 0, place);
    case kCouponCode:
      return CheckCouponCode(d, currentYear);
    case kCouponPosOffer:
      return CheckCouponPositiveOffer(d);
    case kNone:
      return "";
  }
  return "";
}

}  // namespace bars::gs1::detail
