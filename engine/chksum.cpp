#include "chksum.h"

#include <algorithm>
#include <cstdint>

#include "exceptions.h"

namespace bars {

void ThrowNotAnInteger(char c) {
  throw EConvertError("'" + std::string(1, c) + "' is not a valid integer value");
}

unsigned WeightedDigitSum(std::string_view digits, unsigned oddWeight, unsigned evenWeight) {
  // The two sums are reduced modulo 10 once per block, so no length can overflow them.
  constexpr std::size_t kBlock = std::size_t{1} << 24;
  std::uint64_t odd = 0, even = 0;
  const std::size_t n = digits.size();
  for (std::size_t start = 0; start < n; start += kBlock) {
    const std::size_t end = std::min(n, start + kBlock);
    for (std::size_t i = start; i < end; ++i) {
      const auto d = static_cast<std::uint64_t>(DigitValue(digits[i]));
      if ((n - i) % 2 == 1) {
        odd += d;
      } else {
        even += d;
      }
    }
    odd %= 10;
    even %= 10;
  }
  return static_cast<unsigned>((oddWeight * odd + evenWeight * even) % 10);
}

std::string AppendModulo10(std::string_view digits) {
  const unsigned sum = WeightedDigitSum(digits, 3, 1);
  std::string result;
  result.reserve(digits.size() + 1);
  result.append(digits);
  result.push_back(static_cast<char>('0' + (10 - sum) % 10));
  return result;
}

}  // namespace bars
