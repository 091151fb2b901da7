#include "chksum.h"

#include "exceptions.h"

namespace bars {

void ThrowNotAnInteger(char c) {
  throw EConvertError("'" + std::string(1, c) + "' is not a valid integer value");
}

std::string AppendModulo10(std::string_view digits) {
  // The sum is kept modulo 10 as it goes, so no length can overflow it.
  unsigned sum = 0;
  std::size_t fromRight = digits.size();
  for (char c : digits) {
    const auto d = static_cast<unsigned>(DigitValue(c));
    sum = (sum + (fromRight % 2 == 1 ? 3 * d : d)) % 10;
    --fromRight;
  }
  std::string result;
  result.reserve(digits.size() + 1);
  result.append(digits);
  result.push_back(static_cast<char>('0' + (10 - sum) % 10));
  return result;
}

}  // namespace bars
