// MSI (Modified Plessey) with its modulo-10 check digit, always appended.
#include <array>

#include "chksum.h"
#include "encoder_helpers.h"
#include "encoding.h"

namespace bars {
namespace {

// MSI digits as four bits, most significant first, MSI Data Corporation's Modified Plessey:
// a 0 bit is "51" (narrow bar, wide space), a 1 bit "60" (wide bar, narrow space).
constexpr std::array<std::string_view, 10> kMsiDigits = {
    "51515151", "51515160", "51516051", "51516060", "51605151",
    "51605160", "51606051", "51606060", "60515151", "60515160"};

constexpr std::string_view kMsiStart = "60";  // a 1 bit
constexpr std::string_view kMsiStop = "515";

constexpr bool MsiDigitsAreTheirBits() {
  for (std::size_t d = 0; d < kMsiDigits.size(); ++d) {
    const std::string_view p = kMsiDigits[d];
    if (p.size() != 8) return false;
    std::size_t value = 0;
    for (std::size_t bit = 0; bit < 4; ++bit) {
      const std::string_view pair = p.substr(2 * bit, 2);
      if (pair != "51" && pair != "60") return false;
      value = 2 * value + (pair == "60");
    }
    if (value != d) return false;
  }
  return true;
}
static_assert(MsiDigitsAreTheirBits(), "MSI digits must be their 4 bits, 51 = 0 and 60 = 1");

}  // namespace

int DigitSum(std::int32_t v) {
  int sum = 0;
  for (; v > 0; v /= 10) sum += v % 10;
  return sum;
}

int MsiCheckDigit(std::string_view digits) {
  // The digit sum of the doubled number is the sum of the digit sums of its doubled digits
  // (doubling a digit carries at most 1, into a position that then holds at most 9), so the
  // number itself is never formed and no length overflows.
  int sum = 0;
  bool doubled = true;  // the last digit is doubled
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    const int d = DigitValue(*it);
    sum = (sum + (doubled ? DigitSum(2 * d) : d)) % 10;
    doubled = !doubled;
  }
  return (10 - sum) % 10;
}

TSymbol EncodeMSI(const TEncodeRequest& request) {
  std::string pattern;
  pattern.reserve(kMsiStart.size() + 8 * (request.Text.size() + 1) + kMsiStop.size());
  pattern += kMsiStart;
  const int check = MsiCheckDigit(request.Text);  // also rejects anything but digits
  for (char c : request.Text) pattern += kMsiDigits[static_cast<std::size_t>(c - '0')];
  pattern += kMsiDigits[static_cast<std::size_t>(check)];
  pattern += kMsiStop;
  TSymbol symbol = LinearSymbol(request, std::move(pattern), request.Text);
  if (request.Content) symbol.Data += static_cast<char>('0' + check);  // readers pass it on
  return symbol;
}

}  // namespace bars
