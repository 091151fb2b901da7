// Module widths, the pattern language and the Width property.
#include <gtest/gtest.h>

#include <vector>

#include <cmath>
#include <limits>

#include "bars.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::ChangeCounter;
using test::MessageOf;

struct WidthCase {
  std::int32_t modul;
  double ratio;
  std::int32_t w0, w1, w2, w3;
  friend void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.modul << "x" << c.ratio; }
};

class ModuleWidths : public ::testing::TestWithParam<WidthCase> {};

// Widths are observed through DecodePatternChar of the four space characters.
TEST_P(ModuleWidths, FollowModulAndRatioWithTiesToEven) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetTyp(bcCode128B);  // no Ratio bounds, so the table's ratio stays as given
  bc.SetModul(c.modul);
  bc.SetRatio(c.ratio);
  bc.ComputeModuleWidths();
  EXPECT_EQ(bc.DecodePatternChar('0').Width, c.w0);
  EXPECT_EQ(bc.DecodePatternChar('1').Width, c.w1);
  EXPECT_EQ(bc.DecodePatternChar('2').Width, c.w2);
  EXPECT_EQ(bc.DecodePatternChar('3').Width, c.w3);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, ModuleWidths,
    ::testing::ValuesIn(std::vector<WidthCase>{
        WidthCase{1, 2.0, 1, 2, 3, 4}, WidthCase{2, 2.0, 2, 4, 6, 8},
        WidthCase{1, 2.5, 1, 2, 3, 4},    // 2.5 -> 2
        WidthCase{3, 2.5, 3, 8, 12, 16},  // 7.5 -> 8
        WidthCase{2, 2.25, 2, 4, 6, 8},   // 4.5 -> 4
        WidthCase{3, 2.25, 3, 7, 10, 14}, WidthCase{1, 3.0, 1, 3, 4, 6},
        // Beyond 127: held in 32 bits, not wrapped.
        WidthCase{49, 3.0, 49, 147, 220, 294}, WidthCase{32, 2.0, 32, 64, 96, 128},
        WidthCase{49, 1000.0, 49, 49000, 73500, 98000}, WidthCase{1, 1.5, 1, 2, 3, 4}}));

TEST(PatternLanguage, DecodesEveryCharacterWithItsKind) {
  TBarcode bc;
  bc.SetModul(2);
  bc.ComputeModuleWidths();
  struct Case {
    char c;
    std::int32_t width;
    TLineKind kind;
  };
  for (auto [c, width, kind] :
       {Case{'0', 2, lkSpace}, Case{'1', 4, lkSpace}, Case{'2', 6, lkSpace}, Case{'3', 8, lkSpace},
        Case{'5', 2, lkBar}, Case{'6', 4, lkBar}, Case{'7', 6, lkBar}, Case{'8', 8, lkBar},
        Case{'A', 2, lkShortBar}, Case{'B', 4, lkShortBar}, Case{'C', 6, lkShortBar},
        Case{'D', 8, lkShortBar}}) {
    auto e = bc.DecodePatternChar(c);
    EXPECT_EQ(e.Width, width) << c;
    EXPECT_EQ(e.Kind, kind) << c;
  }
  for (char bad : {'4', '9', 'E', 'a', ' ', '\0', '\x7F', '\x80', '\xFF'}) {
    EXPECT_EQ(MessageOf([&] { bc.DecodePatternChar(bad); }), "TBarcode: internal Error")
        << int(bad);
  }
}

TEST(PatternLanguage, PatternFromWidthsAlternatesBarAndSpace) {
  EXPECT_EQ(PatternFromWidths(""), "");
  EXPECT_EQ(PatternFromWidths("1"), "5");
  EXPECT_EQ(PatternFromWidths("11"), "50");
  EXPECT_EQ(PatternFromWidths("211412"), "605351");
  EXPECT_EQ(PatternFromWidths("2331112"), "6270506");
  EXPECT_EQ(PatternFromWidths("0"), "4");  // unchecked: DecodePatternChar rejects it later
  const std::string in = "1234";
  PatternFromWidths(in);
  EXPECT_EQ(in, "1234");
}

struct RatioCase {
  TBarcodeType typ;
  double given;
  double corrected;
  int notifications;
  friend void PrintTo(const RatioCase& c, std::ostream* os) {
    *os << BCdata[c.typ].TypeName << " " << c.given;
  }
};

class RatioBounds : public ::testing::TestWithParam<RatioCase> {};

TEST_P(RatioBounds, AreEnforcedOncePerTypeThroughThePropertyWrite) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetTyp(c.typ);
  bc.SetRatio(c.given);
  ChangeCounter counter;
  counter.Attach(bc);
  bc.ComputeModuleWidths();
  EXPECT_EQ(bc.Ratio(), c.corrected);
  EXPECT_EQ(counter.calls, c.notifications);
  bc.ComputeModuleWidths();  // in range now: silent
  EXPECT_EQ(counter.calls, c.notifications);
}

INSTANTIATE_TEST_SUITE_P(
    PerType, RatioBounds,
    ::testing::ValuesIn(std::vector<RatioCase>{
        RatioCase{bcCodeEAN13, 1.5, 2.0, 1}, RatioCase{bcCodeEAN13, 2.0, 2.0, 0},
        RatioCase{bcCodeEAN13, 3.0, 3.0, 0}, RatioCase{bcCode39, 3.5, 3.0, 1},
        RatioCase{bcCode_2_5_matrix, 2.1, 2.25, 1}, RatioCase{bcCode_2_5_matrix, 2.0, 2.25, 1},
        RatioCase{bcCode_2_5_matrix, 4.0, 3.0, 1}, RatioCase{bcCodeCodabar, -1.0, 2.0, 1},
        RatioCase{bcCode128B, 1.5, 1.5, 0}, RatioCase{bcCodePostNet, 7.0, 7.0, 0},
        RatioCase{bcCodeMSI, 0.5, 0.5, 0}}));

TEST(RatioBounds, SwitchingBackKeepsARatioThatIsInRange) {
  TBarcode bc;
  bc.SetTyp(bcCode_2_5_matrix);
  bc.ComputeModuleWidths();
  bc.SetTyp(bcCodeEAN13);
  bc.ComputeModuleWidths();
  EXPECT_EQ(bc.Ratio(), 2.25);
}

TEST(ModuleWidths, NonFiniteOrOversizedRatioRaisesInsteadOfWrapping) {
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(), 1e300, 1e9};
  for (double ratio : bad) {
    TBarcode bc;
    bc.SetTyp(bcCode128B);
    bc.SetModul(49);
    bc.SetRatio(ratio);
    EXPECT_THROW(bc.ComputeModuleWidths(), Exception) << ratio;
    EXPECT_THROW(bc.Width(), Exception) << ratio;
  }
}

TEST(Width, EanThirteenSpansNinetyFiveModules) {
  TBarcode bc;
  test::Configure(bc, bcCodeEAN13, true, "400638133393");
  EXPECT_EQ(bc.Width(), 95);
  bc.SetModul(2);
  EXPECT_EQ(bc.Width(), 190);
}

TEST(Width, SetWidthTakesOneProportionalStep) {
  struct Case {
    std::int32_t requested;
    std::int32_t modulAfter;
    int notifications;
  };
  // Modul 2: EAN-13 is 190 pixels wide.
  for (auto [requested, modulAfter, notifications] :
       {Case{300, 3, 1}, Case{95, 1, 1}, Case{90, 2, 0}, Case{190, 2, 1}, Case{0, 2, 0},
        Case{-500, 2, 0}, Case{INT32_MAX, 2, 0}, Case{4655, 49, 1}}) {
    TBarcode bc;
    bc.SetModul(2);
    ChangeCounter counter;
    counter.Attach(bc);
    bc.SetWidth(requested);
    EXPECT_EQ(bc.Modul(), modulAfter) << requested;
    EXPECT_EQ(counter.calls, notifications) << requested;
  }
}

TEST(Width, AtModulOneSmallerRequestsAreIgnoredAndEqualOnesNotify) {
  TBarcode bc;
  ChangeCounter counter;
  counter.Attach(bc);
  bc.SetWidth(94);
  EXPECT_EQ(counter.calls, 0);
  bc.SetWidth(95);
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(bc.Modul(), 1);
}

TEST(Width, SetWidthPassesBuildFailuresOnAndKeepsModul) {
  TBarcode bc;
  bc.SetModul(3);
  bc.SetText("12a");
  EXPECT_EQ(MessageOf([&] { bc.SetWidth(500); }), "Barcode must be numeric");
  EXPECT_EQ(bc.Modul(), 3);
}

TEST(Width, ARatioCorrectionNotifiesFromInsideTheRead) {
  TBarcode bc;
  bc.SetRatio(1.0);
  int calls = 0;
  std::int32_t innerWidth = 0;
  bc.SetOnChange([&](TBarcode& sender) {
    ++calls;
    innerWidth = sender.Width();  // re-entrant read finds Ratio in range
  });
  EXPECT_EQ(bc.Width(), 95);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(innerWidth, 95);
}

}  // namespace
}  // namespace bars
