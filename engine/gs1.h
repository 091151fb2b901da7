#pragma once
// GS1 element strings in the bracketed form "(01)09501101530003(17)250101(10)AB-123", or as a
// reader returns them: parsed and checked against the GS1 Barcode Syntax Dictionary (each AI's
// length, character set, check digit, dates, code lists and the other content rules, and the
// AIs each needs or excludes), ready for an encoder.
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

// How element strings are checked, and how the messages name the symbol.
struct ParseOptions {
  // Starts every message but the requisites': "GS1-128: AI (01) ...", "GS1 DataMatrix: ...".
  std::string_view Symbology = "GS1-128";
  // Each AI's requisite AIs (the dictionary's req=) must be among the elements. Off for a label
  // whose requisite AIs another symbol carries. Its messages start "GS1: ".
  bool RequisiteCheck = true;
  // At most kMaxDataLength data characters, as one GS1-128 symbol holds.
  bool Gs1_128Limit = true;
  // The year two-digit years are placed near (GS1's rule: within 49 years ahead or 50 behind;
  // it matters only for 29 February of year 00); 0 for the clock's year.
  int CurrentYear = 0;
};

// Parses and checks `text`, returning its elements in the order given. Raises bars::Exception
// "<Symbology>: ..." naming the AI and what is wrong, or "GS1: AI (02) needs AI (37)".
std::vector<Element> ParseBracketed(std::string_view text, const ParseOptions& options);

// As above for GS1-128 with every check and the clock's year.
std::vector<Element> ParseBracketed(std::string_view text);

// As above for GS1-128 with the current year given (for repeatable results).
std::vector<Element> ParseBracketed(std::string_view text, int currentYear);

// Parses and checks data as a reader returns it after the symbol's leading FNC1: AIs and values
// without brackets, kSeparator after each variable-length element that another follows (one
// after a predefined-length element is passed over). Returns and raises as ParseBracketed.
std::vector<Element> ParseElementString(std::string_view data, const ParseOptions& options = {});

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
