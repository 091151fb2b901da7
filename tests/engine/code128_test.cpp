// Code 128 A/B/C and EAN-128 A/B/C: golden symbols in width digits, set C padding, rejects.
#include <gtest/gtest.h>

#include <string_view>

#include "bars.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace std::string_view_literals;
using test::MessageOf;
using test::Unspaced;

struct Code128Case {
  const char* name;
  TBarcodeType typ;
  bool checksum;
  TCheckSumMethod method;
  const char* text;
  const char* widths;     // width digits, blanks between symbols
  const char* textAfter;  // Text after the build
  const char* source;
  friend void PrintTo(const Code128Case& c, std::ostream* os) { *os << c.name; }
};

class Code128Encodes : public ::testing::TestWithParam<Code128Case> {};

TEST_P(Code128Encodes, GoldenSymbol) {
  const auto& c = GetParam();
  TBarcode bc;
  test::Configure(bc, c.typ, c.checksum, c.method, c.text);
  test::ExpectRepeatableBuild(bc, PatternFromWidths(Unspaced(c.widths)), c.textAfter, c.source);
}

constexpr auto kMod10 = csmModulo10;

INSTANTIATE_TEST_SUITE_P(
    Symbols, Code128Encodes,
    ::testing::Values(
        Code128Case{"BA", bcCode128B, false, kMod10, "A", "211214 111323 131123 2331112", "A",
                    "worked example, check 34"},
        Code128Case{"BEmpty", bcCode128B, false, kMod10, "", "211214 222122 2331112", "",
                    "worked example, check 1"},
        Code128Case{"CEmpty", bcCode128C, false, kMod10, "", "211232 222221 2331112", "",
                    "worked example, check 2"},
        Code128Case{"BSample", bcCode128B, false, kMod10, "PJJ123C",
                    "211214 313121 112133 112133 123221 223211 221132 131321 311321 2331112",
                    "PJJ123C", "sample, check 55; read back by ZXing-C++, same as zint"},
        Code128Case{"BLowerCase", bcCode128B, true, kMod10, "abc",
                    "211214 121124 121421 141122 214121 2331112", "abc",
                    "hand-computed, check 90; Checksum ignored"},
        Code128Case{"AUpperEnd", bcCode128A, false, kMod10, "_ ",
                    "211412 111224 212222 111224 2331112", "_ ", "hand-computed, check 63"},
        Code128Case{"COddGetsLeadingZero", bcCode128C, false, kMod10, "123",
                    "211232 222122 312131 211331 2331112", "0123", "worked example, check 49"},
        Code128Case{"CTrimmedThenPadded", bcCode128C, false, kMod10, " 123\t",
                    "211232 222122 312131 211331 2331112", "0123", "worked example"},
        Code128Case{"Ean128C", bcCodeEAN128C, false, kMod10, "12",
                    "211232 411131 112232 321122 2331112", "12", "worked example, check 25"},
        Code128Case{"Ean128CCheckDigit", bcCodeEAN128C, true, kMod10, "12",
                    "211232 411131 222122 312131 122411 2331112", "012",
                    "worked example, check 72"},
        Code128Case{"Ean128CCheckNone", bcCodeEAN128C, true, csmNone, "12",
                    "211232 411131 112232 321122 2331112", "12", "worked example"},
        Code128Case{"Ean128CGs1Gtin", bcCodeEAN128C, false, kMod10, "0109501101530003",
                    "211232 411131 222122 221213 231131 231212 222122 213131 212222 121223 "
                    "122114 2331112",
                    "0109501101530003", "GS1 sample (01)09501101530003; same as zint"},
        Code128Case{"Ean128ACheckDigit", bcCodeEAN128A, true, kMod10, "1234",
                    "211412 411131 123221 223211 221132 221231 311222 411311 2331112", "1234",
                    "hand-computed: data 12348, check 98"},
        Code128Case{"Ean128BCheckNone", bcCodeEAN128B, true, csmNone, "AB",
                    "211214 411131 111323 131123 121124 2331112", "AB", "hand-computed, check 65"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Code128, WidthDigitsBecomeBarsAndSpaces) {
  TBarcode bc;
  bc.SetTyp(bcCode128B);
  bc.SetText("A");
  EXPECT_EQ(bc.BuildPattern(), Unspaced("605153 505262 525062 6270506"));
}

TEST(Code128, EverySetBCharacterIsElevenModules) {
  std::string all;
  for (int c = 32; c <= 126; ++c) all += static_cast<char>(c);
  TBarcode bc;
  bc.SetTyp(bcCode128B);
  bc.SetText(all);
  // Start, 95 characters and the check character, then the 13-module stop.
  EXPECT_EQ(bc.Width(), 11 * (1 + 95 + 1) + 13);
}

TEST(Code128, PositionWeightsKeepGrowingPastOneHundredAndThree) {
  TBarcode bc;
  bc.SetTyp(bcCode128B);
  bc.SetText(std::string(120, '!'));  // value 1 at positions 1..120
  // (104 + 120 x 121 / 2) mod 103 = 51
  EXPECT_TRUE(bc.BuildPattern().ends_with(PatternFromWidths("2131132331112")));
}

struct Code128Reject {
  const char* name;
  TBarcodeType typ;
  bool checksum;
  TCheckSumMethod method;
  std::string_view text;
  std::string_view message;
  friend void PrintTo(const Code128Reject& c, std::ostream* os) { *os << c.name; }
};

class Code128Rejects : public ::testing::TestWithParam<Code128Reject> {};

TEST_P(Code128Rejects, WithoutTouchingText) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetTyp(c.typ);
  bc.SetChecksum(c.checksum);
  bc.SetCheckSumMethod(c.method);
  bc.SetText(c.text);
  EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), c.message);
  EXPECT_EQ(bc.Text(), c.text);
}

#define BAD(text) "TBarcode:Code128 bad Data <" text ">"sv

INSTANTIATE_TEST_SUITE_P(
    EdgeBytes, Code128Rejects,
    ::testing::Values(
        Code128Reject{"ALowerCase", bcCode128A, false, kMod10, "a"sv, BAD("a")},
        Code128Reject{"AControl", bcCode128A, false, kMod10, "AB\x01"sv, BAD("AB\x01")},
        Code128Reject{"ANul", bcCode128A, false, kMod10, "\0"sv, BAD("\0")},
        Code128Reject{"ADel", bcCode128A, false, kMod10, "\x7F"sv, BAD("\x7F")},
        Code128Reject{"AByte80", bcCode128A, false, kMod10, "\x80"sv, BAD("\x80")},
        Code128Reject{"BNul", bcCode128B, false, kMod10, "x\0"sv, BAD("x\0")},
        Code128Reject{"BDel", bcCode128B, false, kMod10, "\x7F"sv, BAD("\x7F")},
        Code128Reject{"BByteFF", bcCode128B, false, kMod10, "ok\xFF"sv, BAD("ok\xFF")},
        Code128Reject{"BTab", bcCode128B, false, kMod10, "\t"sv, BAD("\t")},
        Code128Reject{"Ean128ALowerCase", bcCodeEAN128A, false, kMod10, "a"sv, BAD("a")},
        Code128Reject{"Ean128BCheckNone", bcCodeEAN128B, true, csmNone, "\x80"sv, BAD("\x80")},
        // With a modulo-10 digit to compute, the conversion error comes first.
        Code128Reject{"Ean128BCheckDigitOfLetter", bcCodeEAN128B, true, kMod10, "1A"sv,
                      "'A' is not a valid integer value"sv},
        Code128Reject{"Ean128ACheckDigitOfHighByte", bcCodeEAN128A, true, kMod10, "\xFF"sv,
                      "'\xFF' is not a valid integer value"sv},
        Code128Reject{"CLowerCase", bcCode128C, false, kMod10, "12a"sv,
                      "Barcode must be numeric"sv},
        Code128Reject{"Ean128CHighByte", bcCodeEAN128C, false, kMod10, "\x80"sv,
                      "Barcode must be numeric"sv}),
    [](const auto& info) { return std::string(info.param.name); });

#undef BAD

}  // namespace
}  // namespace bars
