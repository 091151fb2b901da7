#pragma once
// GS1 element strings in the bracketed form "(01)09501101530003(17)250101(10)AB-123": parsed and
// checked against the GS1 Application Identifiers (each AI's length, character set, check digit,
// dates and the other content rules), ready for a GS1-128 encoder.
//
// A '(' or ')' inside a value is written "\(" or "\)"; any other backslash stands for itself
// (and is then refused, since no GS1 character set holds it).

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bars::gs1 {

struct Element {
  std::string Ai;     // "01", "3103", "8006"
  std::string Value;  // the data after the AI, exactly as it will be encoded
  bool Separated;     // variable length: needs an FNC1 after it when another element follows
  friend bool operator==(const Element&, const Element&) = default;
};

// The most data characters one GS1-128 symbol may carry.
inline constexpr std::size_t kMaxDataLength = 48;

// Parses and checks `text`, returning its elements in the order given. Raises bars::Exception
// "GS1-128: ..." naming the AI and what is wrong. Two-digit years are placed in a century by
// the GS1 rule relative to the current year (it matters only for 29 February of year 00).
std::vector<Element> ParseBracketed(std::string_view text);

// As above, with the current year given (for repeatable results).
std::vector<Element> ParseBracketed(std::string_view text, int currentYear);

// What stands for FNC1 between elements in ElementString: GS, which no GS1 value may hold, and
// which readers pass on for that FNC1.
inline constexpr char kSeparator = '\x1D';

// The elements as a symbol carries them after its leading FNC1: every AI and value, and
// kSeparator after each separated element that is not the last.
std::string ElementString(std::span<const Element> elements);

// The data characters the elements take in a symbol, as GS1 counts them against
// kMaxDataLength: those of ElementString, the separators included; not the leading FNC1.
std::size_t DataLength(std::span<const Element> elements);

// The human-readable text of the elements: each AI in brackets followed by its value as is.
std::string HumanReadable(std::span<const Element> elements);

}  // namespace bars::gs1
