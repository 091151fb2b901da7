#pragma once
// The shapes most encoder tests take, as rows: a golden case (a text and the symbol it gives), a
// reject case (a text and what it raises) and a same-symbol case (two settings, one symbol). A
// family's file keeps its own table and instantiates the shared suites, whose bodies are in
// tests/engine/cases.cpp:
//   INSTANTIATE_TEST_SUITE_P(Code39, Encodes, ::testing::Values(GoldenCase{...}), CaseName());

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bars.h"

namespace bars::test {

// How a row sets Checksum: off, on, or both ways with one outcome (the type ignores it).
enum class Check : std::uint8_t { Off, On, Ignored };

// A row's Text after the build when the type keeps it as given.
inline constexpr const char* kAsTyped = nullptr;

// Width digits ('1'..'4', bar first, alternating; blanks between symbols kept) as pattern
// characters. A leading "... " is kept, and the digits after it must start with a bar.
inline std::string FromWidths(std::string_view widths) {
  std::string out;
  std::size_t element = 0;
  for (char c : widths) {
    if (c >= '1' && c <= '4')
      out += static_cast<char>(element++ % 2 == 0 ? c + 4 : c - 1);
    else
      out += c;
  }
  return out;
}

struct GoldenCase {
  const char* name;
  TBarcodeType typ;
  Check checksum;
  TCheckSumMethod method;
  std::string text;
  std::string pattern;    // pattern characters, blanks between groups; "... " first: its end
  const char* textAfter;  // Text after the build; kAsTyped: unchanged
  const char* source;     // where the expected symbol comes from
  friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }
};

// What a reject row raises: any of the engine's exceptions, or one subclass in particular.
enum class Raises : std::uint8_t { Exception, AssertionFailed, ConvertError };

struct RejectCase {
  const char* name;
  TBarcodeType typ;
  Check checksum;
  TCheckSumMethod method;
  std::string text;
  // The whole message; for an assertion its beginning, since the source line follows.
  std::string message;
  Raises raises = Raises::Exception;
  friend void PrintTo(const RejectCase& c, std::ostream* os) { *os << c.name; }
};

// Two settings that must give one symbol, each leaving its Text as given.
struct SameCase {
  const char* name;
  TBarcodeType typ;
  Check checksum;
  TCheckSumMethod method;
  std::string text;
  TBarcodeType otherTyp;  // built with Checksum off
  std::string otherText;
  const char* source;
  friend void PrintTo(const SameCase& c, std::ostream* os) { *os << c.name; }
};

class Encodes : public ::testing::TestWithParam<GoldenCase> {};
class Rejects : public ::testing::TestWithParam<RejectCase> {};
class SameSymbol : public ::testing::TestWithParam<SameCase> {};

// Names each instance after its row.
struct CaseName {
  template <typename Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
    return info.param.name;
  }
};

// A text that `family` cannot carry, Checksum on or off: the message names it whole, as given.
inline RejectCase BadData(const char* name, TBarcodeType typ, std::string_view family,
                          const std::string& text) {
  std::string message = "TBarcode:" + std::string(family) + " bad Data <" + text + ">";
  return {name, typ, Check::Ignored, csmModulo10, text, message};
}

// The edge bytes every encoder's reject table covers, for a type that carries none of them:
// NUL inside the digits, DEL, the first and last high byte, a blank inside, lower case.
// `family` names the symbology in its "bad Data" message; empty for a numeric-only type.
inline std::vector<RejectCase> EdgeBytes(TBarcodeType typ, std::string_view family = {}) {
  const std::pair<const char*, std::string> edges[] = {{"Nul", std::string{'1', '\0', '2'}},
                                                       {"Del", "1\x7F"},
                                                       {"High80", "\x80"},
                                                       {"HighFF", "12\xFF"},
                                                       {"Blank", "1 2"},
                                                       {"LowerCase", "a"}};
  std::vector<RejectCase> rows;
  for (const auto& [name, text] : edges) {
    if (family.empty())
      rows.push_back({name, typ, Check::Ignored, csmModulo10, text, "Barcode must be numeric"});
    else
      rows.push_back(BadData(name, typ, family, text));
  }
  return rows;
}

}  // namespace bars::test
