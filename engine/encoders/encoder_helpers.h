#pragma once
// Check-digit rules and table look-ups of UPC add-ons, MSI and Codabar, free of the barcode
// object so that they can be used (and tested) on their own.

#include <cstdint>
#include <string>
#include <string_view>

namespace bars {

// `s` without its last character, followed by the UPC add-on check digit of the rest (weights
// 3, 9, 3, ... from the right, sum mod 10): "123450" gives "123451", "" gives "0". Raises
// EConvertError "'<c>' is not a valid integer value" at the first non-digit c of the rest.
std::string SuppCheckDigit(std::string_view s);

// The UPC-E check digit ('0'..'9') of six digits in number system '0' or '1': that of the
// 11-digit UPC-A number they expand to. Raises EConvertError for a non-digit.
char UpcECheckDigit(char numberSystem, std::string_view sixDigits);

// The row of `ch` in the Codabar table (0..19), or -1 if the table does not hold it. Exact and
// case-sensitive.
int FindCodabarChar(char ch);

// The sum of the decimal digits of `v`; 0 when v is 0 or negative.
int DigitSum(std::int32_t v);

// The MSI modulo-10 check digit (0..9) of `digits`, of any length: the digits at odd positions
// from the right form a number that is doubled, the others are added. "1234" gives 4, "12345"
// gives 5, "" gives 0. Raises EConvertError "'<c>' is not a valid integer value" for a non-digit.
int MsiCheckDigit(std::string_view digits);

}  // namespace bars
