// EAN-13, EAN-8 and UPC-A: golden patterns, length rules and the mended cases.
#include <gtest/gtest.h>

#include <cstring>

#include "bars.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;
using test::Unspaced;

struct EanCase {
  const char* name;
  TBarcodeType typ;
  bool checksum;
  const char* text;
  const char* pattern;    // blanks separate groups
  const char* textAfter;  // Text after the build
  const char* source;
  friend void PrintTo(const EanCase& c, std::ostream* os) { *os << c.name; }
};

class EanEncodes : public ::testing::TestWithParam<EanCase> {};

TEST_P(EanEncodes, GoldenPattern) {
  const auto& c = GetParam();
  TBarcode bc;
  test::Configure(bc, c.typ, c.checksum, csmModulo10, c.text);
  test::ExpectRepeatableBuild(bc, Unspaced(c.pattern), c.textAfter, c.source);
}

constexpr const char* kEan13_1234567890128 =
    "505 1516 0805 1705 0625 3505 1525 05050 5152 7051 7150 6160 6061 5152 505";
constexpr const char* kAllZeros13 =
    "505 2605 2605 2605 2605 2605 2605 05050 7150 7150 7150 7150 7150 7150 505";
// 4006381333931 (GS1 sample): leading 4 -> ABAABB; left 006381, right 333931.
constexpr const char* kEan13_4006381333931 =
    "505 2605 0517 0508 0805 2515 0616 05050 5350 5350 5350 7051 5350 6160 505";
// 96385074 (GS1 EAN-8 sample).
constexpr const char* kEan8_96385074 = "505 2506 0508 0805 0607 05050 5170 7150 5251 5071 505";
// 036000291452 (GS1 UPC-A sample).
constexpr const char* kUpcA_036000291452 =
    "505 2605 0805 0508 2605 2605 2605 05050 6061 7051 6160 5071 5170 6061 505";

INSTANTIATE_TEST_SUITE_P(
    Symbols, EanEncodes,
    ::testing::Values(
        EanCase{"Ean13WithCheck", bcCodeEAN13, true, "123456789012", kEan13_1234567890128,
                "123456789012", "worked example"},
        EanCase{"Ean13Typed13", bcCodeEAN13, false, "1234567890128", kEan13_1234567890128,
                "1234567890128", "worked example"},
        EanCase{"Ean13Empty", bcCodeEAN13, false, "", kAllZeros13, "", "worked example"},
        EanCase{"Ean13Gs1", bcCodeEAN13, true, "400638133393", kEan13_4006381333931, "400638133393",
                "GS1 sample 4006381333931"},
        EanCase{"Ean13Trimmed", bcCodeEAN13, true, "\t400638133393 ", kEan13_4006381333931,
                "400638133393", "GS1 sample, blanks around"},
        EanCase{"Ean8Gs1", bcCodeEAN8, true, "9638507", kEan8_96385074, "9638507",
                "GS1 sample 96385074"},
        EanCase{"Ean8Typed8", bcCodeEAN8, false, "96385074", kEan8_96385074, "96385074",
                "GS1 sample 96385074"},
        EanCase{"Ean8Padded", bcCodeEAN8, true, "123",
                "505 2605 2605 2605 2605 05050 6160 6061 5350 5053 505", "123",
                "worked example 00001236"},
        EanCase{"UpcAGs1", bcCodeUPC_A, true, "03600029145", kUpcA_036000291452, "036000291452",
                "GS1 sample 036000291452"},
        EanCase{"UpcATwelveKeepsItsCheck", bcCodeUPC_A, true, "036000291452", kUpcA_036000291452,
                "036000291452", "GS1 sample"},
        EanCase{"UpcAWrongCheckIsReplaced", bcCodeUPC_A, true, "036000291459", kUpcA_036000291452,
                "036000291452", "GS1 sample"},
        EanCase{"UpcAWithoutChecksum", bcCodeUPC_A, false, "036000291452", kUpcA_036000291452,
                "036000291452", "GS1 sample"},
        EanCase{"UpcAThirteenWithoutChecksum", bcCodeUPC_A, false, "0360002914529",
                kUpcA_036000291452, "0360002914529", "first twelve encoded"},
        EanCase{"UpcAThirteenWithChecksum", bcCodeUPC_A, true, "0360002914599", kUpcA_036000291452,
                "036000291452", "digits after the eleventh dropped"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EanUpc, SymbolWidthsDoNotDependOnTheDigits) {
  struct Case {
    TBarcodeType typ;
    const char* text;
    std::int32_t width;
  };
  for (auto [typ, text, width] :
       {Case{bcCodeEAN13, "", 95}, Case{bcCodeEAN13, "999999999999", 95},
        Case{bcCodeUPC_A, "1", 95}, Case{bcCodeEAN8, "", 67}, Case{bcCodeEAN8, "9999999", 67}}) {
    TBarcode bc;
    bc.SetTyp(typ);
    bc.SetChecksum(true);
    bc.SetText(text);
    EXPECT_EQ(bc.Width(), width) << text;
  }
}

TEST(EanUpc, UpcAIsEan13WithALeadingZero) {
  TBarcode upc, ean;
  upc.SetTyp(bcCodeUPC_A);
  upc.SetText("036000291452");
  ean.SetText("0036000291452");
  EXPECT_EQ(upc.BuildPattern(), ean.BuildPattern());
}

TEST(EanUpc, UpcAKeepsAllElevenTypedDigits) {
  TBarcode bc;
  bc.SetTyp(bcCodeUPC_A);
  bc.SetChecksum(true);
  bc.SetText("12345678901");
  bc.BuildPattern();
  EXPECT_EQ(bc.Text(), "123456789012");
}

TEST(EanUpc, UpcAWithChecksumButNoMethodBehavesAsWithoutChecksum) {
  TBarcode on, off;
  for (auto* bc : {&on, &off}) {
    bc->SetTyp(bcCodeUPC_A);
    bc->SetCheckSumMethod(csmNone);
    bc->SetText("12345678901");
  }
  on.SetChecksum(true);
  EXPECT_EQ(on.BuildPattern(), off.BuildPattern());
  EXPECT_EQ(on.Text(), "012345678901");
  EXPECT_EQ(off.Text(), "012345678901");
}

TEST(EanUpc, Ean13And8KeepTheTextAsTyped) {
  TBarcode bc;
  bc.SetChecksum(true);
  bc.SetText("123");
  bc.BuildPattern();
  EXPECT_EQ(bc.Text(), "123");
}

struct LengthFailure {
  TBarcodeType typ;
  bool checksum;
  TCheckSumMethod method;
  const char* text;
  const char* message;
  friend void PrintTo(const LengthFailure& c, std::ostream* os) { *os << c.text; }
};

class EanRejects : public ::testing::TestWithParam<LengthFailure> {};

TEST_P(EanRejects, TooLongTextsWithAnAssertion) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetTyp(c.typ);
  bc.SetChecksum(c.checksum);
  bc.SetCheckSumMethod(c.method);
  bc.SetText(c.text);
  try {
    bc.BuildPattern();
    FAIL() << c.text;
  } catch (const EAssertionFailed& e) {
    // "<text> (<file>, line <n>)"
    EXPECT_EQ(e.Message().rfind(std::string(c.message) + " (ean_upc.cpp, line ", 0), 0u)
        << e.Message();
    EXPECT_EQ(e.Message().back(), ')');
  }
  EXPECT_EQ(bc.Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, EanRejects,
    ::testing::Values(
        LengthFailure{bcCodeEAN13, false, csmModulo10, "12345678901234",
                      "Invalid Text len (EAN13)"},
        LengthFailure{bcCodeEAN13, true, csmModulo10, "1234567890128", "Invalid Text len (EAN13)"},
        LengthFailure{bcCodeEAN13, true, csmNone, "123456789012", "Invalid Text len (EAN13)"},
        LengthFailure{bcCodeEAN8, false, csmModulo10, "123456789", "Invalid Text len (EAN8)"},
        // Mended: eight digits with the check box on are refused, not cut to the last seven.
        LengthFailure{bcCodeEAN8, true, csmModulo10, "12345678", "Invalid Text len (EAN8)"},
        LengthFailure{bcCodeEAN8, true, csmNone, "1234567", "Invalid Text len (EAN8)"}));

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
    test::Configure(bc, c.typ, true, csmModulo10, *text);
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
