// Codabar, MSI and POSTNET: golden patterns, the mended MSI check digit, Codabar's refusal of
// characters it cannot encode, and the rules the encoders share with the numeric-only check.
#include <gtest/gtest.h>

#include <vector>

#include <climits>
#include <string>

#include "bars.h"
#include "encoders/encoder_helpers.h"
#include "support/cases.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace test;  // the shared row suites and their helpers

constexpr auto CB = bcCodeCodabar;
constexpr auto MSI = bcCodeMSI;
constexpr auto PN = bcCodePostNet;
constexpr auto kAny = Check::Ignored;  // none of the three reads Checksum
constexpr auto M10 = csmModulo10;

INSTANTIATE_TEST_SUITE_P(
    CodabarMsiPostNet, Encodes,
    ::testing::ValuesIn(std::vector<GoldenCase>{
        GoldenCase{"CodabarEmpty", CB, kAny, M10, "", "5061515 0 5151506", kAsTyped,
                   "worked example"},
        GoldenCase{"Codabar12", CB, kAny, M10, "12", "50615150 50506150 50515060 5151506", kAsTyped,
                   "worked example; zint 2.11 (A12B)"},
        GoldenCase{"CodabarStartLetterAsData", CB, kAny, M10, "A1",
                   "50615150 50615150 50506150 5151506", kAsTyped, "worked example"},
        GoldenCase{"CodabarStopLettersAsData", CB, kAny, M10, "BCD",
                   "50615150 51515060 50515160 50516150 5151506", kAsTyped,
                   "standard rows of B, C, D"},
        GoldenCase{"Codabar40156", CB, kAny, M10, "40156",
                   "50615150 50605150 50505160 50506150 60505150 51505060 5151506", kAsTyped,
                   "zint 2.11 (A40156B)"},
        GoldenCase{"CodabarEveryDataChar", CB, kAny, M10, "0123456789-$:/.+",
                   "50615150 50505160 50506150 50515060 61505050 50605150 60505150 51505060 "
                   "51506050 51605050 60515050 50516050 50615050 60506060 60605060 60606050 "
                   "50606060 5151506",
                   kAsTyped, "zint 2.11 (A0123456789-$:/.+B)"},
        GoldenCase{"MsiEmpty", MSI, kAny, M10, "", "60 51515151 515", kAsTyped, "worked example"},
        GoldenCase{"Msi1234", MSI, kAny, M10, "1234",
                   "60 51515160 51516051 51516060 51605151 51605151 515", kAsTyped,
                   "worked example; zint 2.11 (check 4)"},
        GoldenCase{"Msi12345", MSI, kAny, M10, "12345",
                   "60 51515160 51516051 51516060 51605151 51605160 51605160 515", kAsTyped,
                   "zint 2.11 (check 5; mended from 9)"},
        GoldenCase{"Msi7", MSI, kAny, M10, "7", "60 51606060 51605160 515", kAsTyped,
                   "zint 2.11 (check 5; mended from 3)"},
        GoldenCase{"Msi80523", MSI, kAny, M10, "80523",
                   "60 60515151 51515151 51605160 51516051 51516060 51605151 515", kAsTyped,
                   "zint 2.11 (check 4)"},
        GoldenCase{"PostNetEmpty", PN, kAny, M10, "", "51 5", kAsTyped, "worked example"},
        GoldenCase{"PostNet12", PN, kAny, M10, "12", "51 A1A1A15151 A1A151A151 5", kAsTyped,
                   "worked example"}}),
    CaseName());

struct MsiCase {
  std::string digits;
  int check;
  const char* source;
  friend void PrintTo(const MsiCase& c, std::ostream* os) { *os << c.digits.size() << " digits"; }
};

class MsiCheck : public ::testing::TestWithParam<MsiCase> {};

TEST_P(MsiCheck, PublishedModulo10) {
  EXPECT_EQ(MsiCheckDigit(GetParam().digits), GetParam().check) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(Digits, MsiCheck,
                         ::testing::ValuesIn(std::vector<MsiCase>{
                             MsiCase{"", 0, "worked example"}, MsiCase{"0", 0, "zint 2.11"},
                             MsiCase{"4", 2, "zint 2.11"}, MsiCase{"7", 5, "zint 2.11 (mended)"},
                             MsiCase{"1234", 4, "worked example; zint 2.11"},
                             MsiCase{"12345", 5, "zint 2.11 (mended)"},
                             MsiCase{"1234567", 4, "zint 2.11"},
                             // Past 20 digits the doubled number leaves 32 (and 64) bits.
                             MsiCase{"12345678901234567890", 6, "zint 2.11"},
                             MsiCase{std::string(40, '9'), 0, "zint 2.11"}}));

TEST(MsiCheckDigit, CatchesEverySingleDigitChange) {
  const std::string base = "9081726354";
  const int check = MsiCheckDigit(base);
  for (std::size_t i = 0; i < base.size(); ++i) {
    for (char d = '0'; d <= '9'; ++d) {
      if (d == base[i]) continue;
      std::string changed = base;
      changed[i] = d;
      EXPECT_NE(MsiCheckDigit(changed), check) << changed;
    }
  }
}

TEST(MsiCheckDigit, RejectsNonDigits) {
  EXPECT_EQ(MessageOf([] { MsiCheckDigit("12x4"); }), "'x' is not a valid integer value");
}

TEST(DigitSum, OfAny32BitValue) {
  EXPECT_EQ(DigitSum(0), 0);
  EXPECT_EQ(DigitSum(48), 12);
  EXPECT_EQ(DigitSum(1000000000), 1);
  EXPECT_EQ(DigitSum(INT32_MAX), 46);
  EXPECT_EQ(DigitSum(-1), 0);
  EXPECT_EQ(DigitSum(INT32_MIN), 0);
}

TEST(FindCodabarChar, RowsInTableOrderAndMisses) {
  EXPECT_EQ(FindCodabarChar('1'), 0);
  EXPECT_EQ(FindCodabarChar('0'), 9);
  EXPECT_EQ(FindCodabarChar('-'), 10);
  EXPECT_EQ(FindCodabarChar('+'), 15);
  EXPECT_EQ(FindCodabarChar('A'), 16);
  EXPECT_EQ(FindCodabarChar('D'), 19);
  for (char c : {'a', 'd', ' ', '\0', '\x7F', '\x80', '\xFF', '*'}) {
    EXPECT_EQ(FindCodabarChar(c), -1) << static_cast<int>(c);
  }
}

// Codabar names the whole Text, untrimmed; the numeric-only types refuse all but digits.
INSTANTIATE_TEST_SUITE_P(
    Codabar, Rejects,
    ::testing::ValuesIn(std::vector<RejectCase>{
        RejectCase{"LowerStop", CB, kAny, M10, "12d", "TBarcode:Codabar bad Data <12d>"},
        RejectCase{"Star", CB, kAny, M10, "*1*", "TBarcode:Codabar bad Data <*1*>"},
        RejectCase{"LeadingBlank", CB, kAny, M10, " 12", "TBarcode:Codabar bad Data < 12>"}}),
    CaseName());
INSTANTIATE_TEST_SUITE_P(CodabarEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(CB, "Codabar")),
                         CaseName());
INSTANTIATE_TEST_SUITE_P(MsiEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(MSI)), CaseName());
INSTANTIATE_TEST_SUITE_P(PostNetEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(PN)), CaseName());

TEST(CodabarMsiPostNet, Widths) {
  struct Case {
    TBarcodeType typ;
    std::string text;
    std::int32_t width;
  };
  for (const auto& [typ, text, width] :
       {Case{MSI, "", 19}, Case{MSI, "7", 31}, Case{MSI, "1234", 67},
        Case{MSI, std::string(25, '8'), 12 * 25 + 19}, Case{PN, "", 4}, Case{PN, "12", 34},
        Case{PN, "555551237", 15 * 9 + 4}, Case{CB, "12", 41}, Case{CB, "", 21}}) {
    TBarcode bc;
    bc.SetTyp(typ);
    bc.SetText(text);
    EXPECT_EQ(bc.Width(), width) << text;
  }
}

// Every one of these types builds a pattern, and a second build changes neither the pattern
// nor the Text the first one left, whatever Checksum and the check-digit method say.
TEST(CodabarMsiPostNetUpc, SecondBuildIsIdentical) {
  const TBarcodeType types[] = {
      CB, MSI, PN, bcCodeUPC_E0, bcCodeUPC_E1, bcCodeUPC_Supp2, bcCodeUPC_Supp5};
  for (TBarcodeType typ : types) {
    for (const char* text :
         {"", "0", "7", "12", "123", "12345", "123456", "1234569", "98765432109876543210"}) {
      for (bool checksum : {false, true}) {
        for (TCheckSumMethod method : {csmNone, csmModulo10}) {
          TBarcode bc;
          Configure(bc, typ, checksum, method, text);
          const std::string first = bc.BuildPattern();
          const std::string textAfter = bc.Text();
          EXPECT_FALSE(first.empty());
          EXPECT_EQ(bc.BuildPattern(), first) << typ << ' ' << text << ' ' << checksum;
          EXPECT_EQ(bc.Text(), textAfter) << typ << ' ' << text << ' ' << checksum;
        }
      }
    }
  }
}

}  // namespace
}  // namespace bars
