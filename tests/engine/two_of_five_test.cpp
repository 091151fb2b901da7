// 2-of-5 Interleaved, Industrial and Matrix: golden patterns, odd interleaved counts, rejects.
#include <gtest/gtest.h>

#include <string_view>

#include "bars.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace std::string_view_literals;
using test::MessageOf;
using test::Unspaced;

struct TwoOfFiveCase {
  const char* name;
  TBarcodeType typ;
  const char* text;
  const char* pattern;    // blanks separate start, characters and stop
  const char* textAfter;  // Text after the build
  const char* source;
  friend void PrintTo(const TwoOfFiveCase& c, std::ostream* os) { *os << c.name; }
};

class TwoOfFiveEncodes : public ::testing::TestWithParam<TwoOfFiveCase> {};

TEST_P(TwoOfFiveEncodes, GoldenPattern) {
  const auto& c = GetParam();
  for (bool checksum : {false, true}) {  // neither type adds a check digit
    TBarcode bc;
    test::Configure(bc, c.typ, checksum, csmModulo10, c.text);
    test::ExpectRepeatableBuild(bc, Unspaced(c.pattern), c.textAfter, c.source);
  }
}

// Interleaved "012345" and "1234567890" were read back by ZXing-C++ and match zint's symbols.
constexpr const char* kItf012345 = "5050 5150606051 5161505060 5150615060 605";
constexpr const char* kItf1234567890 =
    "5050 6051505061 6060515051 6051615050 5150506160 5060516150 605";

INSTANTIATE_TEST_SUITE_P(
    Symbols, TwoOfFiveEncodes,
    ::testing::Values(
        TwoOfFiveCase{"InterleavedEmpty", bcCode_2_5_interleaved, "", "5050 605", "",
                      "worked example"},
        TwoOfFiveCase{"Interleaved12", bcCode_2_5_interleaved, "12", "5050 60 51 50 50 61 605",
                      "12", "worked example"},
        TwoOfFiveCase{"Interleaved1234", bcCode_2_5_interleaved, "1234",
                      "5050 60 51 50 50 61 60 60 51 50 51 605", "1234", "worked example"},
        TwoOfFiveCase{"Interleaved10Digits", bcCode_2_5_interleaved, "1234567890", kItf1234567890,
                      "1234567890", "independent reader and encoder"},
        // Odd counts get a leading '0' in the bars and in Text alike.
        TwoOfFiveCase{"InterleavedOddGetsLeadingZero", bcCode_2_5_interleaved, "12345", kItf012345,
                      "012345", "independent reader reads 012345"},
        TwoOfFiveCase{"InterleavedOddSameAsPadded", bcCode_2_5_interleaved, "012345", kItf012345,
                      "012345", "independent reader"},
        TwoOfFiveCase{"InterleavedOneDigit", bcCode_2_5_interleaved, " 1 ",
                      "5050 51 50 60 60 51 605", "01", "worked example, trimmed"},
        TwoOfFiveCase{"IndustrialEmpty", bcCode_2_5_industrial, "", "606050 605060", "",
                      "worked example"},
        TwoOfFiveCase{"Industrial1", bcCode_2_5_industrial, "1", "606050 60 50 50 50 60 605060",
                      "1", "worked example"},
        TwoOfFiveCase{"MatrixEmpty", bcCode_2_5_matrix, "", "705050 70505", "", "worked example"},
        TwoOfFiveCase{"Matrix1", bcCode_2_5_matrix, "1", "705050 605060 70505", "1",
                      "worked example"},
        TwoOfFiveCase{"Matrix12", bcCode_2_5_matrix, "12", "705050 605060 515060 70505", "12",
                      "worked example"},
        TwoOfFiveCase{"Matrix90", bcCode_2_5_matrix, "90", "705050 515150 506150 70505", "90",
                      "matches zint's 2 of 5 standard"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TwoOfFive, InterleavedOddTextIsPaddedWithoutNotification) {
  TBarcode bc;
  bc.SetTyp(bcCode_2_5_interleaved);
  bc.SetText("123");
  test::ChangeCounter counter;
  counter.Attach(bc);
  EXPECT_EQ(bc.Width(), bc.Width());
  EXPECT_EQ(bc.Text(), "0123");
  EXPECT_EQ(counter.calls, 0);
}

struct TwoOfFiveReject {
  const char* name;
  std::string_view text;
  friend void PrintTo(const TwoOfFiveReject& c, std::ostream* os) { *os << c.name; }
};

class TwoOfFiveRejects : public ::testing::TestWithParam<TwoOfFiveReject> {};

TEST_P(TwoOfFiveRejects, EveryNonDigitBeforeEncoding) {
  for (TBarcodeType typ : {bcCode_2_5_interleaved, bcCode_2_5_industrial, bcCode_2_5_matrix}) {
    TBarcode bc;
    bc.SetTyp(typ);
    bc.SetText(GetParam().text);
    EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), "Barcode must be numeric") << typ;
  }
}

// A NUL at either end is trimmed away like a blank; inside it stays and is refused.
constexpr std::string_view kInnerNul{"1\0002", 3};

INSTANTIATE_TEST_SUITE_P(
    EdgeBytes, TwoOfFiveRejects,
    ::testing::Values(TwoOfFiveReject{"Nul", kInnerNul}, TwoOfFiveReject{"Del", "1\x7F"sv},
                      TwoOfFiveReject{"Byte80", "\x80"sv}, TwoOfFiveReject{"ByteFF", "12\xFF"sv},
                      TwoOfFiveReject{"InnerBlank", "1 2"sv}, TwoOfFiveReject{"LowerCase", "1a"sv}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars
