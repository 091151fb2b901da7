// 2-of-5 Interleaved, Industrial and Matrix: golden patterns, odd interleaved counts, rejects.
#include <gtest/gtest.h>

#include <vector>

#include "bars.h"
#include "support/cases.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace test;  // the shared row suites and their helpers

constexpr auto ITF = bcCode_2_5_interleaved;
constexpr auto IND = bcCode_2_5_industrial;
constexpr auto MTX = bcCode_2_5_matrix;
constexpr auto kAny = Check::Ignored;  // neither type adds a check digit
constexpr auto M10 = csmModulo10;

// Interleaved "012345" and "1234567890" were read back by ZXing-C++ and match zint's symbols.
constexpr const char* kItf012345 = "5050 5150606051 5161505060 5150615060 605";
constexpr const char* kItf1234567890 =
    "5050 6051505061 6060515051 6051615050 5150506160 5060516150 605";

INSTANTIATE_TEST_SUITE_P(
    TwoOfFive, Encodes,
    ::testing::ValuesIn(std::vector<GoldenCase>{
        GoldenCase{"InterleavedEmpty", ITF, kAny, M10, "", "5050 605", kAsTyped, "worked example"},
        GoldenCase{"Interleaved12", ITF, kAny, M10, "12", "5050 60 51 50 50 61 605", kAsTyped,
                   "worked example"},
        GoldenCase{"Interleaved1234", ITF, kAny, M10, "1234",
                   "5050 60 51 50 50 61 60 60 51 50 51 605", kAsTyped, "worked example"},
        GoldenCase{"Interleaved10Digits", ITF, kAny, M10, "1234567890", kItf1234567890, kAsTyped,
                   "independent reader and encoder"},
        // Odd counts get a leading '0' in the bars and in Text alike.
        GoldenCase{"InterleavedOddGetsLeadingZero", ITF, kAny, M10, "12345", kItf012345, "012345",
                   "independent reader reads 012345"},
        GoldenCase{"InterleavedOddSameAsPadded", ITF, kAny, M10, "012345", kItf012345, kAsTyped,
                   "independent reader"},
        GoldenCase{"InterleavedOneDigit", ITF, kAny, M10, " 1 ", "5050 51 50 60 60 51 605", "01",
                   "worked example, trimmed"},
        GoldenCase{"IndustrialEmpty", IND, kAny, M10, "", "606050 605060", kAsTyped,
                   "worked example"},
        GoldenCase{"Industrial1", IND, kAny, M10, "1", "606050 60 50 50 50 60 605060", kAsTyped,
                   "worked example"},
        GoldenCase{"MatrixEmpty", MTX, kAny, M10, "", "705050 70505", kAsTyped, "worked example"},
        GoldenCase{"Matrix1", MTX, kAny, M10, "1", "705050 605060 70505", kAsTyped,
                   "worked example"},
        GoldenCase{"Matrix12", MTX, kAny, M10, "12", "705050 605060 515060 70505", kAsTyped,
                   "worked example"},
        GoldenCase{"Matrix90", MTX, kAny, M10, "90", "705050 515150 506150 70505", kAsTyped,
                   "matches zint's 2 of 5 standard"}}),
    CaseName());

TEST(TwoOfFive, InterleavedOddTextIsPaddedWithoutNotification) {
  TBarcode bc;
  Configure(bc, ITF, false, "123");
  ChangeCounter counter;
  counter.Attach(bc);
  EXPECT_EQ(bc.Width(), bc.Width());
  EXPECT_EQ(bc.Text(), "0123");
  EXPECT_EQ(counter.calls, 0);
}

// Every non-digit is refused before encoding; a NUL or blank at either end is trimmed away.
INSTANTIATE_TEST_SUITE_P(InterleavedEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(ITF)),
                         CaseName());
INSTANTIATE_TEST_SUITE_P(IndustrialEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(IND)),
                         CaseName());
INSTANTIATE_TEST_SUITE_P(MatrixEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(MTX)), CaseName());

}  // namespace
}  // namespace bars
