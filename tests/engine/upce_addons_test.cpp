// UPC-E (number systems 0 and 1) and the UPC add-ons: golden patterns, Text rewrites and the
// mended UPC-E check digit, which follows the UPC-A expansion.
#include <gtest/gtest.h>

#include <vector>

#include <cstring>

#include "bars.h"
#include "encoders/encoder_helpers.h"
#include "support/cases.h"
#include "support/recording_canvas.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace test;  // the shared row suites and their helpers

constexpr auto E0 = bcCodeUPC_E0;
constexpr auto E1 = bcCodeUPC_E1;
constexpr auto S2 = bcCodeUPC_Supp2;
constexpr auto S5 = bcCodeUPC_Supp5;
constexpr auto M10 = csmModulo10;
constexpr auto kOff = Check::Off;
constexpr auto kOn = Check::On;

// Digits 123456, number system 0, check 5 (row EooEEo).
constexpr const char* kE0_123456 = "505 0616 1516 0805 1705 0715 0508 050505";
// Digits 012345, number system 0, check 7 (row EoEoEo).
constexpr const char* kE0_012345 = "505 0517 1615 1606 0805 1705 0625 050505";
// Digits 123456, number system 1, check 2 (row EEooEo inverted).
constexpr const char* kE1_123456 = "505 1615 1516 0535 1705 0625 3505 050505";
constexpr const char* kS5_12345 = "506 0616 05 1516 05 0535 05 0526 05 0625";
constexpr const char* kS2_12 = "506 1615 05 1516";

INSTANTIATE_TEST_SUITE_P(
    UpcE, Encodes,
    ::testing::ValuesIn(std::vector<GoldenCase>{
        GoldenCase{"E0PublishedSample", E0, kOn, M10, "425261",
                   "505 1705 1516 0715 1606 0508 1615 050505", "4252614",
                   "published 0 425261 4 = UPC-A 042100005264"},
        GoldenCase{"E0SixDigitsWithChecksum", E0, kOn, M10, "123456", kE0_123456, "1234565",
                   "published 01234565 = UPC-A 012345000065 (mended: all six typed digits kept)"},
        GoldenCase{"E0SevenKeepsItsCheck", E0, kOn, M10, "1234565", kE0_123456, "1234565",
                   "published 01234565"},
        GoldenCase{"E0WrongCheckReplaced", E0, kOn, M10, "1234569", kE0_123456, "1234565",
                   "published 01234565"},
        GoldenCase{"E0LongCutWithChecksum", E0, kOn, M10, "12345678", kE0_123456, "1234565",
                   "published 01234565"},
        GoldenCase{"E0SixDigitsWithoutChecksum", E0, kOff, M10, "123456", kE0_012345, "0123456",
                   "worked example; zint 2.11 gives 00123457"},
        GoldenCase{"E0TypedCheckNotEncoded", E0, kOff, M10, "1234569", kE0_123456, "1234569",
                   "zint 2.11 (01234565)"},
        GoldenCase{"E0LongKeptWithoutChecksum", E0, kOff, M10, "12345678", kE0_123456, "12345678",
                   "zint 2.11 (01234565)"},
        GoldenCase{"E0NoMethodActsAsNoChecksum", E0, kOn, csmNone, "123456", kE0_012345, "0123456",
                   "zint 2.11 (00123457)"},
        GoldenCase{"E0LastDigit0", E0, kOn, M10, "123450",
                   "505 0616 1516 0805 1705 0715 2605 050505", "1234505", "zint 2.11 (01234505)"},
        GoldenCase{"E0LastDigit2", E0, kOn, M10, "123452",
                   "505 0616 1606 0805 0526 0625 1606 050505", "1234523", "zint 2.11 (01234523)"},
        GoldenCase{"E0LastDigit3", E0, kOn, M10, "123453",
                   "505 0616 1606 0805 1705 0625 0805 050505", "1234531", "zint 2.11 (01234531)"},
        GoldenCase{"E0LastDigit4", E0, kOn, M10, "123454",
                   "505 0616 1606 0805 0526 0625 1705 050505", "1234543", "zint 2.11 (01234543)"},
        GoldenCase{"E0Descending", E0, kOn, M10, "654321",
                   "505 3505 0625 1705 0805 1606 1615 050505", "6543217", "zint 2.11 (06543217)"},
        GoldenCase{"E0Empty", E0, kOff, M10, "", "505 0517 0517 0517 2605 2605 2605 050505",
                   "0000000", "zint 2.11 (00000000)"},
        GoldenCase{"E1SixDigitsWithChecksum", E1, kOn, M10, "123456", kE1_123456, "1234562",
                   "zint 2.11 (11234562) (mended: check digit of 11234500006)"},
        GoldenCase{"E1TypedCheckNotEncoded", E1, kOff, M10, "1234565", kE1_123456, "1234565",
                   "zint 2.11 (11234562) (mended: row from check 2, not 5)"},
        GoldenCase{"E1Published", E1, kOn, M10, "425261",
                   "505 0526 1516 0715 1516 3505 0616 050505", "4252611", "zint 2.11 (14252611)"},
        GoldenCase{"E1Empty", E1, kOn, M10, "", "505 2605 0517 2605 0517 2605 0517 050505",
                   "0000007", "zint 2.11 (10000007)"},
        GoldenCase{"E1NoMethodActsAsNoChecksum", E1, kOn, csmNone, "123456",
                   "505 2605 0616 1516 0805 1705 0715 050505", "0123456", "zint 2.11 (10123454)"}}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    AddOns, Encodes,
    ::testing::ValuesIn(std::vector<GoldenCase>{
        GoldenCase{"S5WithoutChecksum", S5, kOff, M10, "12345", kS5_12345, "12345",
                   "worked example; zint 2.11"},
        GoldenCase{"S5WithChecksum", S5, kOn, M10, "12345", kS5_12345, "123451",
                   "worked example; zint 2.11"},
        GoldenCase{"S5Price2495", S5, kOn, M10, "52495", "506 0715 05 1516 05 1705 05 2506 05 0625",
                   "524951", "published add-on 52495 (check 1); zint 2.11"},
        GoldenCase{"S5Padded", S5, kOff, M10, "7", "506 0517 05 2605 05 0517 05 2605 05 0706",
                   "00007", "zint 2.11 (00007)"},
        GoldenCase{"S5SixDigitsCutWithChecksum", S5, kOn, M10, "123456", kS5_12345, "123451",
                   "worked example"},
        GoldenCase{"S5SixDigitsKeptWithoutChecksum", S5, kOff, M10, "123456", kS5_12345, "123456",
                   "worked example"},
        GoldenCase{"S2Padded", S2, kOff, M10, "7", "506 0517 05 1525", "07",
                   "worked example; zint 2.11 (07)"},
        GoldenCase{"S2PaddedWithChecksum", S2, kOn, M10, "7", "506 0517 05 1525", "071",
                   "worked example"},
        GoldenCase{"S2ParityEo", S2, kOff, M10, "34", "506 0535 05 0526", "34",
                   "worked example; zint 2.11"},
        GoldenCase{"S2ParityOo", S2, kOn, M10, "12", kS2_12, "125", "worked example; zint 2.11"},
        GoldenCase{"S2ParityOE", S2, kOff, M10, "13", "506 1615 05 0535", "13", "zint 2.11 (13)"},
        GoldenCase{"S2ParityEE", S2, kOff, M10, "99", "506 1507 05 1507", "99", "zint 2.11 (99)"},
        GoldenCase{"S2ThreeDigitsWithoutChecksum", S2, kOff, M10, "123", kS2_12, "123",
                   "worked example"},
        GoldenCase{"S2ThreeDigitsWithChecksum", S2, kOn, M10, "123", kS2_12, "125",
                   "worked example"},
        GoldenCase{"S2Empty", S2, kOff, M10, "", "506 2605 05 2605", "00", "zint 2.11 (00)"}}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(UpcE0EdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(E0)), CaseName());
INSTANTIATE_TEST_SUITE_P(UpcE1EdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(E1)), CaseName());
INSTANTIATE_TEST_SUITE_P(Supp2EdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(S2)), CaseName());
INSTANTIATE_TEST_SUITE_P(Supp5EdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(S5)), CaseName());

TEST(UpcEAddOns, TextWritesDoNotNotify) {
  TBarcode bc;
  Configure(bc, E0, true, "123456");
  ChangeCounter counter;
  counter.Attach(bc);
  bc.BuildPattern();
  EXPECT_EQ(bc.Text(), "1234565");
  EXPECT_EQ(counter.calls, 0);
}

struct SuppCase {
  const char* in;
  const char* out;
  const char* source;
  friend void PrintTo(const SuppCase& c, std::ostream* os) { *os << '"' << c.in << '"'; }
};

class SuppCheck : public ::testing::TestWithParam<SuppCase> {};

TEST_P(SuppCheck, ReplacesTheLastCharacter) {
  EXPECT_EQ(SuppCheckDigit(GetParam().in), GetParam().out) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(Digits, SuppCheck,
                         ::testing::ValuesIn(std::vector<SuppCase>{
                             SuppCase{"123450", "123451", "worked example"},
                             SuppCase{"524950", "524951", "published add-on"},
                             SuppCase{"000070", "000071", "zint 2.11 (00007)"},
                             SuppCase{"120", "125", "worked example"},
                             SuppCase{"079", "071", "worked example"},
                             SuppCase{"0", "0", "no digits"}, SuppCase{"", "0", "no digits"}}));

TEST(SuppCheckDigitRejects, NonDigitsWithTheConversionError) {
  EXPECT_THROW(SuppCheckDigit("1a0"), EConvertError);
  EXPECT_EQ(MessageOf([] { SuppCheckDigit("1a0"); }), "'a' is not a valid integer value");
}

TEST(UpcECheckDigitRejects, AnyLengthButSix) {
  EXPECT_THROW(UpcECheckDigit('0', "12345"), EAssertionFailed);
  EXPECT_THROW(UpcECheckDigit('0', "1234567"), EAssertionFailed);
  EXPECT_THROW(UpcECheckDigit('0', "12a456"), EConvertError);
}

// An attached add-on: the main symbol as it stands alone, the gap GS1 allows after it (7 to 12
// modules after EAN-13 and UPC-E, 9 to 12 after UPC-A), and the add-on as it stands alone. A
// reader returns the main symbol's data and the add-on's digits; the printed code gets the
// digits after a blank.
struct AttachedAddOn {
  TBarcodeType typ;
  const char* text;
  const char* addOn;
  const char* data;     // what a reader returns of the main symbol; empty: refused
  const char* printed;  // the printed code, or the refusal's whole message
};

TEST(AttachedAddOns, FollowTheMainSymbolAfterTheGapOrAreRefused) {
  for (const AttachedAddOn& c : {
           AttachedAddOn{bcCodeEAN13, "978030640615", "51995", "9780306406157",
                         "9780306406157 51995"},  // ISBN 978-0-306-40615-7, price add-on
           AttachedAddOn{bcCodeUPC_A, "03600029145", "12", "036000291452", "036000291452 12"},
           AttachedAddOn{E1, "123456", "00", "11234562", "1234562 00"},
           AttachedAddOn{bcCodeEAN13, "978030640615", "123", "",
                         "TBarcode: AddOn must be 2 or 5 digits <123>"},
           AttachedAddOn{bcCodeEAN13, "978030640615", " 12", "",
                         "TBarcode: AddOn must be 2 or 5 digits < 12>"},
           AttachedAddOn{bcCodeUPC_A, "03600029145", "1a", "",
                         "TBarcode: AddOn must be 2 or 5 digits <1a>"},
           AttachedAddOn{
               bcCodeEAN8, "9638507", "12", "",
               "TBarcode: an add-on follows EAN13, UPC_A, UPC_E0 or UPC_E1 only, not EAN8"},
           AttachedAddOn{S5, "12345", "12", "",
                         "TBarcode: an add-on follows EAN13, UPC_A, UPC_E0 or UPC_E1 only, not UPC "
                         "Supp5"},
       }) {
    SCOPED_TRACE(std::string(c.text) + " + " + c.addOn);
    TBarcode main, addOn, attached;
    for (TBarcode* bc : {&main, &attached}) Configure(*bc, c.typ, true, c.text);
    attached.SetAddOn(c.addOn);
    attached.SetShowText(bcoCode);
    RecordingCanvas canvas;
    if (*c.data == '\0') {
      EXPECT_EQ(MessageOf([&] { attached.PaintTo(canvas); }), c.printed);
      EXPECT_EQ(canvas.Calls, "");
      continue;
    }
    Configure(addOn, std::strlen(c.addOn) == 2 ? S2 : S5, false, c.addOn);
    const std::string alone = main.BuildPattern(), whole = attached.BuildPattern();
    ASSERT_TRUE(whole.starts_with(alone));
    std::size_t at = alone.size();
    std::int32_t gap = 0;  // in modules: Modul 1, Ratio 2
    for (attached.Width(); at < whole.size() && whole[at] <= '3'; ++at)
      gap += attached.DecodePatternChar(whole[at]).Width;
    EXPECT_GE(gap, c.typ == bcCodeUPC_A ? 9 : 7);
    EXPECT_LE(gap, 12);
    EXPECT_EQ(whole.substr(at), addOn.BuildPattern());
    const TSymbol symbol = attached.BuildSymbol();
    EXPECT_EQ(symbol.Data, c.data);
    EXPECT_EQ(symbol.AddOn, c.addOn);
    attached.PaintTo(canvas);
    ASSERT_EQ(canvas.Texts.size(), 1u);
    EXPECT_EQ(canvas.Texts[0].Text, c.printed);
  }
}

}  // namespace
}  // namespace bars
