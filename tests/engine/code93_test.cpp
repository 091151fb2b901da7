// Code 93 and Code 93 Extended: golden symbols in width digits, check characters C and K, the
// full-ASCII rewriting, rejects.
#include <gtest/gtest.h>

#include <vector>

#include <string>

#include "bars.h"
#include "support/cases.h"

namespace bars {
namespace {

using namespace std::string_literals;
using namespace test;  // the shared row suites and their helpers

constexpr auto kOff = Check::Off;
constexpr auto M10 = csmModulo10;

// Every symbol before the stop has six elements, so the end of a symbol converts on its own.
INSTANTIATE_TEST_SUITE_P(
    Code93, Encodes,
    ::testing::ValuesIn(std::vector<GoldenCase>{
        GoldenCase{"Empty", bcCode93, kOff, M10, "", FromWidths("111141 131112 131112 1111411"),
                   kAsTyped, "worked example: C and K are '0'"},
        GoldenCase{"A", bcCode93, kOff, M10, "A", FromWidths("111141 211113 211113 221121 1111411"),
                   kAsTyped, "worked example: C 'A', K 'U'"},
        GoldenCase{
            "Test93", bcCode93, kOff, M10, "TEST93",
            FromWidths("111141 211221 221211 211122 211221 141111 111411 113121 121311 1111411"),
            kAsTyped, "published sample: C '+', K '6'; same as zint"},
        GoldenCase{"ShiftItself", bcCode93, kOff, M10, "[",
                   FromWidths("111141 121221 121221 123111 1111411"), kAsTyped,
                   "hand-computed: C '[', K 'Z'"},
        GoldenCase{"KWeightsWrap", bcCode93, kOff, M10, "ABCDEFGHIJKLMNO",
                   FromWidths("... 111123 121311 1111411"), kAsTyped,
                   "worked example: C 'L', K '6'"},
        GoldenCase{"KWeightsWrapAgain", bcCode93, kOff, M10, "ABCDEFGHIJKLMNOP",
                   FromWidths("... 122112 111411 1111411"), kAsTyped,
                   "worked example: C 'J', K '3'"},
        GoldenCase{"CWeightsWrap", bcCode93, kOff, M10,
                   "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%",
                   FromWidths("... 112131 211212 1111411"), kAsTyped,
                   "C '/', K 'B'; read back by ZXing-C++, same as zint"},
        GoldenCase{"ExtLowerCase", bcCode93Extended, kOff, M10, "a",
                   FromWidths("111141 122211 211113 131211 131121 1111411"), kAsTyped,
                   "worked example: }A, C '8', K 'P'"},
        GoldenCase{"ExtDashIsShifted", bcCode93Extended, kOff, M10, "-",
                   FromWidths("111141 311121 111222 112311 141111 1111411"), kAsTyped,
                   "hand-computed: {M, C 'I', K '9'"}}),
    CaseName());

// The extended symbol is the plain symbol of the rewritten text, checks over the shifts.
INSTANTIATE_TEST_SUITE_P(
    Code93, SameSymbol,
    ::testing::Values(
        SameCase{"Nul", bcCode93Extended, kOff, M10, "\0"s, bcCode93, "]U", "full-ASCII table"},
        SameCase{"Del", bcCode93Extended, kOff, M10, "\x7F"s, bcCode93, "]T", "full-ASCII table"},
        SameCase{"OwnPunctuation", bcCode93Extended, kOff, M10, "$%+./"s, bcCode93, "{D{E{K{N{O",
                 "full-ASCII table"},
        SameCase{"Controls", bcCode93Extended, kOff, M10, "\x01\x1A\x1B\x1F"s, bcCode93, "[A[Z]A]E",
                 "full-ASCII table"},
        SameCase{"Brackets", bcCode93Extended, kOff, M10, "[]{}"s, bcCode93, "]K]M]P]R",
                 "full-ASCII table"},
        SameCase{"Self", bcCode93Extended, kOff, M10, " 09AZ"s, bcCode93, " 09AZ",
                 "full-ASCII table"}),
    CaseName());

// Nothing is dropped: the message names the whole Text as given.
INSTANTIATE_TEST_SUITE_P(
    Code93, Rejects,
    ::testing::Values(BadData("LowerCase", bcCode93, "Code93", "a"s),
                      BadData("LowerCaseLater", bcCode93, "Code93", "TEST93x"s),
                      BadData("Nul", bcCode93, "Code93", "\0"s),
                      BadData("Del", bcCode93, "Code93", "\x7F"s),
                      BadData("Byte80", bcCode93, "Code93", "\x80"s),
                      BadData("ByteFF", bcCode93, "Code93", "\xFF"s),
                      BadData("ExtByte80", bcCode93Extended, "Code93", "\x80"s),
                      BadData("ExtByteFF", bcCode93Extended, "Code93", "\xFF"s),
                      BadData("ExtHighInside", bcCode93Extended, "Code93", "a\xE9z"s)),
    CaseName());

}  // namespace
}  // namespace bars
