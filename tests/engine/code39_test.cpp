// Code 39 and Code 39 Extended: golden patterns, the full-ASCII rewriting, rejects.
#include <gtest/gtest.h>

#include <string_view>

#include "bars.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace std::string_view_literals;
using test::MessageOf;
using test::Unspaced;

std::string Pattern39(TBarcodeType typ, std::string_view text, bool checksum) {
  TBarcode bc;
  bc.SetTyp(typ);
  bc.SetChecksum(checksum);
  bc.SetText(text);
  std::string first = bc.BuildPattern();
  // Text stays as given, and a second build gives the same symbol.
  EXPECT_EQ(bc.Text(), text);
  EXPECT_EQ(bc.BuildPattern(), first);
  return first;
}

struct Code39Case {
  const char* name;
  const char* text;
  bool checksum;
  const char* pattern;  // blanks around each character and each gap
  const char* source;
  friend void PrintTo(const Code39Case& c, std::ostream* os) { *os << c.name; }
};

class Code39Encodes : public ::testing::TestWithParam<Code39Case> {};

TEST_P(Code39Encodes, GoldenPattern) {
  const auto& c = GetParam();
  EXPECT_EQ(Pattern39(bcCode39, c.text, c.checksum), Unspaced(c.pattern)) << c.source;
}

constexpr const char* kStar = "515060605";

INSTANTIATE_TEST_SUITE_P(
    Symbols, Code39Encodes,
    ::testing::Values(
        Code39Case{"Empty", "", false, "515060605 0 515060605", "worked example"},
        Code39Case{"EmptyCheckIsZeroNotStar", "", true, "515060605 0 505160605 0 515060605",
                   "worked example"},
        Code39Case{"A", "A", false, "515060605 0 605051506 0 515060605", "worked example"},
        Code39Case{"ACheckIsA", "A", true, "515060605 0 605051506 0 605051506 0 515060605",
                   "worked example"},
        Code39Case{"StarInsideText", "*", false, "515060605 0 515060605 0 515060605",
                   "worked example"},
        Code39Case{"BlanksAreNotTrimmed", " A ", false,
                   "515060605 0 516050605 0 605051506 0 516050605 0 515060605", "worked example"}),
    [](const auto& info) { return std::string(info.param.name); });

// A symbol that must equal the plain Code 39 symbol (without check) of another text.
struct Code39Same {
  const char* name;
  TBarcodeType typ;
  std::string_view text;
  bool checksum;
  const char* plainText;
  const char* source;
  friend void PrintTo(const Code39Same& c, std::ostream* os) { *os << c.name; }
};

class Code39Rewrites : public ::testing::TestWithParam<Code39Same> {};

TEST_P(Code39Rewrites, AsThePlainSymbolOf) {
  const auto& c = GetParam();
  EXPECT_EQ(Pattern39(c.typ, c.text, c.checksum), Pattern39(bcCode39, c.plainText, false))
      << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Equivalences, Code39Rewrites,
    ::testing::Values(
        Code39Same{"CheckOfCODE39IsW", bcCode39, "CODE39", true, "CODE39W", "published sample"},
        Code39Same{"ExtLowerCase", bcCode39Extended, "a", false, "+A", "worked example"},
        Code39Same{"ExtLowerCaseCheck", bcCode39Extended, "a", true, "+A8", "worked example"},
        Code39Same{"ExtDashIsShifted", bcCode39Extended, "-", false, "/M", "worked example"},
        Code39Same{"ExtStarIsShifted", bcCode39Extended, "*", false, "/J", "full-ASCII table"},
        Code39Same{"ExtNul", bcCode39Extended, "\0"sv, false, "%U", "full-ASCII table"},
        Code39Same{"ExtDel", bcCode39Extended, "\x7F"sv, false, "%T", "full-ASCII table"},
        Code39Same{"ExtPunctuation", bcCode39Extended, "!:@[`{", false, "/A/Z%V%K%W%P",
                   "full-ASCII table"},
        Code39Same{"ExtControls", bcCode39Extended, "\x01\x1A\x1B\x1F", false, "$A$Z%A%E",
                   "full-ASCII table"},
        Code39Same{"ExtSelf", bcCode39Extended, " 09AZ", false, " 09AZ", "full-ASCII table"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Code39, StartStopAndGapsFrameEveryCharacter) {
  const std::string p = Pattern39(bcCode39, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", true);
  ASSERT_EQ(p.size(), 10u * (43 + 1 + 1 + 1) - 1);
  EXPECT_EQ(p.substr(0, 9), kStar);
  EXPECT_EQ(p.substr(p.size() - 9), kStar);
  for (std::size_t gap = 9; gap < p.size(); gap += 10) EXPECT_EQ(p[gap], '0') << gap;
}

struct Code39Reject {
  const char* name;
  TBarcodeType typ;
  std::string_view text;
  friend void PrintTo(const Code39Reject& c, std::ostream* os) { *os << c.name; }
};

class Code39Rejects : public ::testing::TestWithParam<Code39Reject> {};

// Nothing is dropped: the message names the whole Text as given.
TEST_P(Code39Rejects, WithTheWholeText) {
  const auto& c = GetParam();
  for (bool checksum : {false, true}) {
    TBarcode bc;
    bc.SetTyp(c.typ);
    bc.SetChecksum(checksum);
    bc.SetText(c.text);
    EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }),
              "TBarcode:Code39 bad Data <" + std::string(c.text) + ">");
    EXPECT_EQ(bc.Text(), c.text);
  }
}

INSTANTIATE_TEST_SUITE_P(EdgeBytes, Code39Rejects,
                         ::testing::Values(Code39Reject{"Nul", bcCode39, "AB\0"sv},
                                           Code39Reject{"Del", bcCode39, "\x7F"sv},
                                           Code39Reject{"Byte80", bcCode39, "\x80"sv},
                                           Code39Reject{"ByteFF", bcCode39, "A\xFF"sv},
                                           Code39Reject{"LowerCase", bcCode39, "Code39"sv},
                                           Code39Reject{"Punctuation", bcCode39, "A!B"sv},
                                           Code39Reject{"ExtByte80", bcCode39Extended, "\x80"sv},
                                           Code39Reject{"ExtByteFF", bcCode39Extended, "\xFF"sv},
                                           Code39Reject{"ExtHighInside", bcCode39Extended,
                                                        "a\xE9z"sv}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars
