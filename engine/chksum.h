#pragma once
// The modulo-10 check digit of EAN/UPC: weights 3, 1, 3, ... from the rightmost character.

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

// Returns `digits` followed by its modulo-10 check digit ("123" gives "1236", "" gives "0").
// Raises EConvertError "'<c>' is not a valid integer value" at the first character c that is
// not a decimal digit.
std::string AppendModulo10(std::string_view digits);

}  // namespace bars
