// Code 93 and Code 93 Extended: golden symbols in width digits, check characters C and K, the
// full-ASCII rewriting, rejects.
#include <gtest/gtest.h>

#include <string_view>

#include "bars.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace std::string_view_literals;
using test::MessageOf;
using test::Unspaced;

std::string Pattern93(TBarcodeType typ, std::string_view text) {
  TBarcode bc;
  bc.SetTyp(typ);
  bc.SetText(text);
  std::string first = bc.BuildPattern();
  // Text stays as given, and a second build gives the same symbol.
  EXPECT_EQ(bc.Text(), text);
  EXPECT_EQ(bc.BuildPattern(), first);
  return first;
}

struct Code93Case {
  const char* name;
  TBarcodeType typ;
  const char* text;
  const char* widths;  // width digits, blanks between symbols; a suffix when `tailOnly`
  bool tailOnly;
  const char* source;
  friend void PrintTo(const Code93Case& c, std::ostream* os) { *os << c.name; }
};

class Code93Encodes : public ::testing::TestWithParam<Code93Case> {};

TEST_P(Code93Encodes, GoldenSymbol) {
  const auto& c = GetParam();
  const std::string pattern = Pattern93(c.typ, c.text);
  // Every symbol before the stop has six elements, so a tail converts on its own.
  const std::string expected = PatternFromWidths(Unspaced(c.widths));
  if (c.tailOnly) {
    EXPECT_TRUE(pattern.ends_with(expected)) << c.source;
  } else {
    EXPECT_EQ(pattern, expected) << c.source;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, Code93Encodes,
    ::testing::Values(
        Code93Case{"Empty", bcCode93, "", "111141 131112 131112 1111411", false,
                   "worked example: C and K are '0'"},
        Code93Case{"A", bcCode93, "A", "111141 211113 211113 221121 1111411", false,
                   "worked example: C 'A', K 'U'"},
        Code93Case{"Test93", bcCode93, "TEST93",
                   "111141 211221 221211 211122 211221 141111 111411 113121 121311 1111411", false,
                   "published sample: C '+', K '6'; same as zint"},
        Code93Case{"ShiftItself", bcCode93, "[", "111141 121221 121221 123111 1111411", false,
                   "hand-computed: C '[', K 'Z'"},
        Code93Case{"KWeightsWrap", bcCode93, "ABCDEFGHIJKLMNO", "111123 121311 1111411", true,
                   "worked example: C 'L', K '6'"},
        Code93Case{"KWeightsWrapAgain", bcCode93, "ABCDEFGHIJKLMNOP", "122112 111411 1111411", true,
                   "worked example: C 'J', K '3'"},
        Code93Case{"CWeightsWrap", bcCode93, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%",
                   "112131 211212 1111411", true,
                   "C '/', K 'B'; read back by ZXing-C++, same as zint"},
        Code93Case{"ExtLowerCase", bcCode93Extended, "a",
                   "111141 122211 211113 131211 131121 1111411", false,
                   "worked example: }A, C '8', K 'P'"},
        Code93Case{"ExtDashIsShifted", bcCode93Extended, "-",
                   "111141 311121 111222 112311 141111 1111411", false,
                   "hand-computed: {M, C 'I', K '9'"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Code93Same {
  const char* name;
  std::string_view text;
  const char* plainText;
  friend void PrintTo(const Code93Same& c, std::ostream* os) { *os << c.name; }
};

class Code93Rewrites : public ::testing::TestWithParam<Code93Same> {};

// The extended symbol is the plain symbol of the rewritten text, checks over the shifts.
TEST_P(Code93Rewrites, AsThePlainSymbolOf) {
  const auto& c = GetParam();
  EXPECT_EQ(Pattern93(bcCode93Extended, c.text), Pattern93(bcCode93, c.plainText));
}

INSTANTIATE_TEST_SUITE_P(FullAsciiTable, Code93Rewrites,
                         ::testing::Values(Code93Same{"Nul", "\0"sv, "]U"},
                                           Code93Same{"Del", "\x7F"sv, "]T"},
                                           Code93Same{"OwnPunctuation", "$%+./"sv, "{D{E{K{N{O"},
                                           Code93Same{"Controls", "\x01\x1A\x1B\x1F"sv, "[A[Z]A]E"},
                                           Code93Same{"Brackets", "[]{}"sv, "]K]M]P]R"},
                                           Code93Same{"Self", " 09AZ"sv, " 09AZ"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Code93Reject {
  const char* name;
  TBarcodeType typ;
  std::string_view text;
  friend void PrintTo(const Code93Reject& c, std::ostream* os) { *os << c.name; }
};

class Code93Rejects : public ::testing::TestWithParam<Code93Reject> {};

TEST_P(Code93Rejects, WithTheWholeText) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetTyp(c.typ);
  bc.SetText(c.text);
  EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }),
            "TBarcode:Code93 bad Data <" + std::string(c.text) + ">");
  EXPECT_EQ(bc.Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(EdgeBytes, Code93Rejects,
                         ::testing::Values(Code93Reject{"LowerCase", bcCode93, "a"sv},
                                           Code93Reject{"LowerCaseLater", bcCode93, "TEST93x"sv},
                                           Code93Reject{"Nul", bcCode93, "\0"sv},
                                           Code93Reject{"Del", bcCode93, "\x7F"sv},
                                           Code93Reject{"Byte80", bcCode93, "\x80"sv},
                                           Code93Reject{"ByteFF", bcCode93, "\xFF"sv},
                                           Code93Reject{"ExtByte80", bcCode93Extended, "\x80"sv},
                                           Code93Reject{"ExtByteFF", bcCode93Extended, "\xFF"sv},
                                           Code93Reject{"ExtHighInside", bcCode93Extended,
                                                        "a\xE9z"sv}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars
