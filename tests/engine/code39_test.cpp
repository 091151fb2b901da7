// Code 39 and Code 39 Extended: golden patterns, the full-ASCII rewriting, rejects.
#include <gtest/gtest.h>

#include <vector>

#include <string>

#include "bars.h"
#include "support/cases.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace std::string_literals;
using namespace test;  // the shared row suites and their helpers

constexpr auto kOff = Check::Off;
constexpr auto kOn = Check::On;
constexpr auto M10 = csmModulo10;

constexpr const char* kStar = "515060605";

INSTANTIATE_TEST_SUITE_P(
    Code39, Encodes,
    ::testing::ValuesIn(std::vector<GoldenCase>{
        GoldenCase{"Empty", bcCode39, kOff, M10, "", "515060605 0 515060605", kAsTyped,
                   "worked example"},
        GoldenCase{"EmptyCheckIsZeroNotStar", bcCode39, kOn, M10, "",
                   "515060605 0 505160605 0 515060605", kAsTyped, "worked example"},
        GoldenCase{"A", bcCode39, kOff, M10, "A", "515060605 0 605051506 0 515060605", kAsTyped,
                   "worked example"},
        GoldenCase{"ACheckIsA", bcCode39, kOn, M10, "A",
                   "515060605 0 605051506 0 605051506 0 515060605", kAsTyped, "worked example"},
        GoldenCase{"StarInsideText", bcCode39, kOff, M10, "*", "515060605 0 515060605 0 515060605",
                   kAsTyped, "worked example"},
        GoldenCase{"BlanksAreNotTrimmed", bcCode39, kOff, M10, " A ",
                   "515060605 0 516050605 0 605051506 0 516050605 0 515060605", kAsTyped,
                   "worked example"}}),
    CaseName());

// The symbol of another text in plain Code 39 (without check).
INSTANTIATE_TEST_SUITE_P(Code39, SameSymbol,
                         ::testing::ValuesIn(std::vector<SameCase>{
                             SameCase{"CheckOfCODE39IsW", bcCode39, kOn, M10, "CODE39", bcCode39,
                                      "CODE39W", "published sample"},
                             SameCase{"ExtLowerCase", bcCode39Extended, kOff, M10, "a", bcCode39,
                                      "+A", "worked example"},
                             SameCase{"ExtLowerCaseCheck", bcCode39Extended, kOn, M10, "a",
                                      bcCode39, "+A8", "worked example"},
                             SameCase{"ExtDashIsShifted", bcCode39Extended, kOff, M10, "-",
                                      bcCode39, "/M", "worked example"},
                             SameCase{"ExtStarIsShifted", bcCode39Extended, kOff, M10, "*",
                                      bcCode39, "/J", "full-ASCII table"},
                             SameCase{"ExtNul", bcCode39Extended, kOff, M10, "\0"s, bcCode39, "%U",
                                      "full-ASCII table"},
                             SameCase{"ExtDel", bcCode39Extended, kOff, M10, "\x7F"s, bcCode39,
                                      "%T", "full-ASCII table"},
                             SameCase{"ExtPunctuation", bcCode39Extended, kOff, M10, "!:@[`{",
                                      bcCode39, "/A/Z%V%K%W%P", "full-ASCII table"},
                             SameCase{"ExtControls", bcCode39Extended, kOff, M10,
                                      "\x01\x1A\x1B\x1F", bcCode39, "$A$Z%A%E", "full-ASCII table"},
                             SameCase{"ExtSelf", bcCode39Extended, kOff, M10, " 09AZ", bcCode39,
                                      " 09AZ", "full-ASCII table"}}),
                         CaseName());

TEST(Code39, StartStopAndGapsFrameEveryCharacter) {
  TBarcode bc;
  Configure(bc, bcCode39, true, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%");
  const std::string p = bc.BuildPattern();
  ASSERT_EQ(p.size(), 10u * (43 + 1 + 1 + 1) - 1);
  EXPECT_EQ(p.substr(0, 9), kStar);
  EXPECT_EQ(p.substr(p.size() - 9), kStar);
  for (std::size_t gap = 9; gap < p.size(); gap += 10) EXPECT_EQ(p[gap], '0') << gap;
}

// Nothing is dropped: the message names the whole Text as given.
INSTANTIATE_TEST_SUITE_P(
    Code39, Rejects,
    ::testing::Values(BadData("Nul", bcCode39, "Code39", "AB\0"s),
                      BadData("Del", bcCode39, "Code39", "\x7F"s),
                      BadData("Byte80", bcCode39, "Code39", "\x80"s),
                      BadData("ByteFF", bcCode39, "Code39", "A\xFF"s),
                      BadData("LowerCase", bcCode39, "Code39", "Code39"s),
                      BadData("Punctuation", bcCode39, "Code39", "A!B"s),
                      BadData("ExtByte80", bcCode39Extended, "Code39", "\x80"s),
                      BadData("ExtByteFF", bcCode39Extended, "Code39", "\xFF"s),
                      BadData("ExtHighInside", bcCode39Extended, "Code39", "a\xE9z"s)),
    CaseName());

}  // namespace
}  // namespace bars
