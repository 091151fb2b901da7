#pragma once
// The modulo-10 check digits of EAN/UPC: digits weighted from the rightmost character.

#include <string>
#include <string_view>

namespace bars {

[[noreturn]] void ThrowNotAnInteger(char c);

// The value of a decimal digit character; raises EConvertError
// "'<c>' is not a valid integer value" for any other character.
inline int DigitValue(char c) {
  if (c < '0' || c > '9') [[unlikely]]
    ThrowNotAnInteger(c);
  return c - '0';
}

// The sum of the digits weighted from the right end (the last digit at an odd place), modulo
// 10: the core of the EAN/UPC (3, 1) and UPC add-on (3, 9) check digits. Raises EConvertError
// at the first character that is not a decimal digit.
unsigned WeightedDigitSum(std::string_view digits, unsigned oddWeight, unsigned evenWeight);

// Returns `digits` followed by its modulo-10 check digit ("123" gives "1236", "" gives "0").
// Raises EConvertError "'<c>' is not a valid integer value" at the first character c that is
// not a decimal digit.
std::string AppendModulo10(std::string_view digits);

}  // namespace bars
