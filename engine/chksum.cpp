#include "chksum.h"

#include <algorithm>
#include <cstdint>

#include "exceptions.h"

namespace bars {

void ThrowNotAnInteger(char c) {
  throw EConvertError("'" + std::string(1, c) + "' is not a valid integer value");
}

std::string AppendModulo10(std::string_view digits) {
  // Digits at odd places from the right weigh 3, the others 1. The two sums are reduced modulo
  // 10 once per block, so no length can overflow them.
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
  const auto sum = static_cast<unsigned>((3 * odd + even) % 10);
  std::string result;
  result.reserve(n + 1);
  result.append(digits);
  result.push_back(static_cast<char>('0' + (10 - sum) % 10));
  return result;
}

}  // namespace bars
