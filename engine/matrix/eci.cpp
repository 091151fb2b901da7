#include "eci.h"

#include "exceptions.h"

namespace bars::matrix {
namespace {

// The code point of the UTF-8 sequence at `s[i]`, advancing `i`; -1 for a malformed, overlong
// or surrogate sequence.
std::int32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  std::int32_t cp = 0, least = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, least = 0x10000;
  } else {
    return -1;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size()) return -1;
    const auto c = static_cast<unsigned char>(s[i++]);
    if ((c & 0xC0) != 0x80) return -1;
    cp = cp << 6 | (c & 0x3F);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
  return cp;
}

}  // namespace

TEciData ApplyEci(std::string_view text, std::int32_t eci, std::string_view className,
                  std::string_view symbology) {
  if (eci == kEciNone || (eci >= 0 && eci <= kMaxEci)) return {std::string(text), eci};
  if (eci != kEciAuto) {
    throw Exception(std::string(className) + ": " + std::string(symbology) +
                    " ECI must be 0..999999, not " + std::to_string(eci));
  }
  std::string latin1;
  latin1.reserve(text.size());
  bool fits = true;
  for (std::size_t i = 0; i < text.size();) {
    const std::int32_t cp = NextCodePoint(text, i);
    if (cp < 0) {
      throw Exception(std::string(className) + ": " + std::string(symbology) +
                      " Text is not UTF-8 <" + std::string(text) + ">");
    }
    if (cp > 0xFF) fits = false;
    if (fits) latin1 += static_cast<char>(cp);
  }
  if (fits) return {std::move(latin1), kEciNone};
  return {std::string(text), kEciUtf8};
}

}  // namespace bars::matrix
