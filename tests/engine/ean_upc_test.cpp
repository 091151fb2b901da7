// EAN-13, EAN-8 and UPC-A: golden patterns, length rules and the mended cases.
#include <gtest/gtest.h>

#include <vector>

#include <cstring>

#include "bars.h"
#include "support/cases.h"
#include "support/published_types.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace test;  // the shared row suites and their helpers

constexpr auto kOff = Check::Off;
constexpr auto kOn = Check::On;
constexpr auto M10 = csmModulo10;

constexpr const char* kEan13_1234567890128 =
    "505 1516 0805 1705 0625 3505 1525 05050 5152 7051 7150 6160 6061 5152 505";

INSTANTIATE_TEST_SUITE_P(
    EanUpcA, Encodes,
    ::testing::ValuesIn(std::vector<GoldenCase>{
        GoldenCase{"Ean13WithCheck", bcCodeEAN13, kOn, M10, "123456789012", kEan13_1234567890128,
                   kAsTyped, "worked example"},
        GoldenCase{"Ean13Typed13", bcCodeEAN13, kOff, M10, "1234567890128", kEan13_1234567890128,
                   kAsTyped, "worked example"},
        GoldenCase{"Ean13Empty", bcCodeEAN13, kOff, M10, "", kEan13AllZeros, kAsTyped,
                   "worked example"},
        GoldenCase{"Ean13Gs1", bcCodeEAN13, kOn, M10, "400638133393", kEan13_4006381333931,
                   kAsTyped, "GS1 sample 4006381333931"},
        GoldenCase{"Ean13Trimmed", bcCodeEAN13, kOn, M10, "\t400638133393 ", kEan13_4006381333931,
                   "400638133393", "GS1 sample, blanks around"},
        GoldenCase{"Ean8Gs1", bcCodeEAN8, kOn, M10, "9638507", kEan8_96385074, kAsTyped,
                   "GS1 sample 96385074"},
        GoldenCase{"Ean8Typed8", bcCodeEAN8, kOff, M10, "96385074", kEan8_96385074, kAsTyped,
                   "GS1 sample 96385074"},
        GoldenCase{"Ean8Padded", bcCodeEAN8, kOn, M10, "123",
                   "505 2605 2605 2605 2605 05050 6160 6061 5350 5053 505", kAsTyped,
                   "worked example 00001236"},
        GoldenCase{"UpcAGs1", bcCodeUPC_A, kOn, M10, "03600029145", kUpcA_036000291452,
                   "036000291452", "GS1 sample 036000291452"},
        GoldenCase{"UpcATwelveKeepsItsCheck", bcCodeUPC_A, kOn, M10, "036000291452",
                   kUpcA_036000291452, kAsTyped, "GS1 sample"},
        GoldenCase{"UpcAWrongCheckIsReplaced", bcCodeUPC_A, kOn, M10, "036000291459",
                   kUpcA_036000291452, "036000291452", "GS1 sample"},
        GoldenCase{"UpcAWithoutChecksum", bcCodeUPC_A, kOff, M10, "036000291452",
                   kUpcA_036000291452, kAsTyped, "GS1 sample"},
        GoldenCase{"UpcAThirteenWithoutChecksum", bcCodeUPC_A, kOff, M10, "0360002914529",
                   kUpcA_036000291452, kAsTyped, "first twelve encoded"},
        GoldenCase{"UpcAThirteenWithChecksum", bcCodeUPC_A, kOn, M10, "0360002914599",
                   kUpcA_036000291452, "036000291452", "digits after the eleventh dropped"}}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(EanUpcA, SameSymbol,
                         ::testing::Values(SameCase{"UpcAIsEan13WithALeadingZero", bcCodeUPC_A,
                                                    kOff, M10, "036000291452", bcCodeEAN13,
                                                    "0036000291452", "GS1: UPC-A in EAN-13"}),
                         CaseName());

// Too long for the type and the check box: an assertion naming the encoder's source line.
constexpr auto kAssert = Raises::AssertionFailed;
constexpr const char* kEan13Len = "Invalid Text len (EAN13) (ean_upc.cpp, line ";
constexpr const char* kEan8Len = "Invalid Text len (EAN8) (ean_upc.cpp, line ";

INSTANTIATE_TEST_SUITE_P(
    EanUpcA, Rejects,
    ::testing::ValuesIn(std::vector<RejectCase>{
        RejectCase{"Ean13Fourteen", bcCodeEAN13, kOff, M10, "12345678901234", kEan13Len, kAssert},
        RejectCase{"Ean13ThirteenChecked", bcCodeEAN13, kOn, M10, "1234567890128", kEan13Len,
                   kAssert},
        RejectCase{"Ean13NoMethod", bcCodeEAN13, kOn, csmNone, "123456789012", kEan13Len, kAssert},
        RejectCase{"Ean8Nine", bcCodeEAN8, kOff, M10, "123456789", kEan8Len, kAssert},
        // Mended: eight digits with the check box on are refused, not cut to the last seven.
        RejectCase{"Ean8EightChecked", bcCodeEAN8, kOn, M10, "12345678", kEan8Len, kAssert},
        RejectCase{"Ean8NoMethod", bcCodeEAN8, kOn, csmNone, "1234567", kEan8Len, kAssert}}),
    CaseName());
INSTANTIATE_TEST_SUITE_P(Ean13EdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(bcCodeEAN13)),
                         CaseName());
INSTANTIATE_TEST_SUITE_P(Ean8EdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(bcCodeEAN8)),
                         CaseName());
INSTANTIATE_TEST_SUITE_P(UpcAEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(bcCodeUPC_A)),
                         CaseName());

// The Text a build leaves, and the width in modules, which no digit changes (GS1: EAN-13 and
// UPC-A 95 modules, EAN-8 67, UPC-E 51, the add-ons 47 and 20).
TEST(EanUpc, TextAfterTheBuildAndWidthInModules) {
  struct Case {
    TBarcodeType typ;
    bool checksum;
    TCheckSumMethod method;
    const char* text;
    const char* after;
    std::int32_t modules;
  };
  for (const Case& c : {
           Case{bcCodeEAN13, true, M10, "", "", 95},
           Case{bcCodeEAN13, true, M10, "999999999999", "999999999999", 95},
           Case{bcCodeEAN13, true, M10, "123", "123", 95},  // bars padded, Text as typed
           Case{bcCodeUPC_A, true, M10, "1", "000000000017", 95},
           Case{bcCodeUPC_A, true, M10, "12345678901", "123456789012", 95},
           Case{bcCodeUPC_A, true, csmNone, "12345678901", "012345678901", 95},
           Case{bcCodeUPC_A, false, csmNone, "12345678901", "012345678901", 95},
           Case{bcCodeEAN8, true, M10, "", "", 67},
           Case{bcCodeEAN8, true, M10, "9999999", "9999999", 67},
           Case{bcCodeUPC_E0, false, M10, "", "0000000", 51},
           Case{bcCodeUPC_E0, false, M10, "999999", "0999999", 51},
           Case{bcCodeUPC_E1, false, M10, "1234565", "1234565", 51},
           Case{bcCodeUPC_Supp5, false, M10, "", "00000", 47},
           Case{bcCodeUPC_Supp5, false, M10, "99999", "99999", 47},
           Case{bcCodeUPC_Supp2, false, M10, "", "00", 20},
           Case{bcCodeUPC_Supp2, false, M10, "98", "98", 20},
       }) {
    TBarcode bc;
    Configure(bc, c.typ, c.checksum, c.method, c.text);
    EXPECT_EQ(bc.Width(), c.modules) << c.typ << " " << c.text;
    EXPECT_EQ(bc.Text(), c.after) << c.typ << " " << c.text;
  }
}

// Without a method the check box changes nothing.
TEST(EanUpc, UpcAWithChecksumButNoMethodBehavesAsWithoutChecksum) {
  TBarcode on, off;
  Configure(on, bcCodeUPC_A, true, csmNone, "12345678901");
  Configure(off, bcCodeUPC_A, false, csmNone, "12345678901");
  EXPECT_EQ(on.BuildPattern(), off.BuildPattern());
}

// Full numbers as printed under the bars (published ones): the engine's Text for them, built with
// Checksum, carries exactly that number; a changed last digit is refused naming the printed one.
struct FullNumberCase {
  TBarcodeType typ;
  const char* typed;
  const char* number;  // the full number; empty: `typed` is not one
  const char* source;
};

TEST(FullNumbers, CarryTheNumberAsPrintedOrNameTheRightDigit) {
  for (const FullNumberCase& c : {
           FullNumberCase{bcCodeEAN13, "4006381333931", "4006381333931", "GS1"},
           FullNumberCase{bcCodeEAN13, " \t4006381333931\r\n", "4006381333931", "GS1, blanks"},
           FullNumberCase{bcCodeEAN8, "96385074", "96385074", "GS1"},
           FullNumberCase{bcCodeUPC_A, "036000291452", "036000291452", "GS1"},
           FullNumberCase{bcCodeUPC_E0, "01234565", "01234565", "UPC-A 012345000065"},
           FullNumberCase{bcCodeEAN13, "400638133393", "", "a digit short"},
           FullNumberCase{bcCodeEAN8, "9638507A", "", "not digits"},
           FullNumberCase{bcCode128, "4006381333931", "", "no GS1 number"},
       }) {
    SCOPED_TRACE(c.typed);
    const std::optional<std::string> text = TextOfFullNumber(c.typ, c.typed);
    ASSERT_EQ(text.has_value(), *c.number != '\0') << c.source;
    if (!text) continue;
    TBarcode bc;
    Configure(bc, c.typ, true, *text);
    EXPECT_EQ(bc.BuildSymbol().Data, c.number) << c.source;
    std::string wrong = c.number;
    wrong.back() = static_cast<char>('0' + (wrong.back() - '0' + 3) % 10);
    EXPECT_EQ(MessageOf([&] { TextOfFullNumber(c.typ, wrong); }),
              std::string(CatalogueRow(c.typ)->TypeName) + " " + wrong +
                  ": check digit should be " + c.number[std::strlen(c.number) - 1] + ", not " +
                  wrong.back());
  }
  EXPECT_EQ(MessageOf([] { TextOfFullNumber(bcCodeUPC_E1, "01234565"); }),
            "UPC_E1 01234565: number system should be 1, not 0");
}

}  // namespace
}  // namespace bars
