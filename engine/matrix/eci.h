#pragma once
// Extended Channel Interpretation, as QR Code and Data Matrix share it: which bytes a symbol
// carries for a Text, and under which ECI designator. Both standards read bytes without an ECI
// as ISO/IEC 8859-1, so Latin-1 text needs none; anything else goes as UTF-8 under ECI 26.

#include <cstdint>
#include <string>
#include <string_view>

#include "encoding.h"

namespace bars::matrix {

// Eci settings beside a designator 0..kMaxEci (encoding.h).
using bars::kEciAuto;
using bars::kEciNone;
inline constexpr std::int32_t kMaxEci = 999999;
inline constexpr std::int32_t kEciUtf8 = 26;

struct TEciData {
  std::string Bytes;  // what the symbol's data characters carry
  std::int32_t Eci;   // the designator to put before them, or kEciNone
};

// The bytes and designator for `text` under `eci`: kEciAuto decodes `text` as UTF-8 and gives
// ISO/IEC 8859-1 bytes without an ECI when every character is in that set, else the UTF-8
// bytes under ECI 26; kEciNone and an explicit designator give `text` unchanged. Raises
// bars::Exception "<className>: <symbology> Text is not UTF-8 <text>" for kEciAuto when `text`
// is not well-formed UTF-8, and "<className>: <symbology> ECI must be 0..999999, not <eci>" for
// another negative or too large value.
TEciData ApplyEci(std::string_view text, std::int32_t eci, std::string_view className,
                  std::string_view symbology);

}  // namespace bars::matrix
