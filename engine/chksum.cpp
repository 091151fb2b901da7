#include "chksum.h"

#include <algorithm>
#include <cstdint>

#include "exceptions.h"

namespace bars {

void ThrowNotAnInteger(char c) {
  throw EConvertError("'" + std::string(1, c) + "' is not a valid integer value");
}

unsigned WeightedDigitSum(std::string_view digits, unsigned oddWeight, unsigned evenWeight) {
  // From the last digit, which has the odd weight, two digits a step; whether a character is
  // not a digit is gathered on the way and looked into only when one is. The sums are reduced
  // modulo 10 once per block (of an even length), so no length can overflow them.
  constexpr std::size_t kBlock = std::size_t{1} << 24;
  std::uint64_t odd = 0, even = 0;
  bool notDigit = false;
  std::size_t i = digits.size();
  while (i > 0) {
    const std::size_t stop = i > kBlock ? i - kBlock : 0;
    for (; i >= stop + 2; i -= 2) {
      const unsigned a = static_cast<unsigned char>(digits[i - 1]) - unsigned{'0'};
      const unsigned b = static_cast<unsigned char>(digits[i - 2]) - unsigned{'0'};
      notDigit |= (a > 9) | (b > 9);
      odd += a;
      even += b;
    }
    if (i > stop) {  // the first digit of an odd count
      const unsigned a = static_cast<unsigned char>(digits[--i]) - unsigned{'0'};
      notDigit |= a > 9;
      odd += a;
    }
    odd %= 10;
    even %= 10;
  }
  if (notDigit) {
    for (const char c : digits) DigitValue(c);  // raises at the first
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
