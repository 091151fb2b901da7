// BuildPattern's trimming, digit check and dispatch; the check-digit and padding services.
#include <gtest/gtest.h>

#include "bars.h"
#include "chksum.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::ChangeCounter;
using test::MessageOf;

TEST(BuildPattern, TrimsNumericTextSilentlyBeforeEncoding) {
  TBarcode bc;
  test::Configure(bc, bcCodeEAN13, true, " 400638133393 ");
  ChangeCounter counter;
  counter.Attach(bc);
  bc.BuildPattern();
  EXPECT_EQ(bc.Text(), "400638133393");
  EXPECT_EQ(counter.calls, 0);
}

TEST(BuildPattern, TrimsControlCharactersButNotHighBytes) {
  TBarcode bc;
  bc.SetText(std::string("\t\x01 12\r\n\x1F", 8));
  bc.BuildPattern();
  EXPECT_EQ(bc.Text(), "12");
  bc.SetText(
      "\xA0"
      "12");
  EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), "Barcode must be numeric");
  EXPECT_EQ(bc.Text(),
            "\xA0"
            "12");
}

// The edge bytes are rows of every numeric-only type's reject table; these are signs and the
// like, after the trimming.
TEST(BuildPattern, RejectsNonDigitsOfNumericTypesAfterTrimming) {
  TBarcode bc;
  bc.SetText(" 12a4");
  EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), "Barcode must be numeric");
  EXPECT_EQ(bc.Text(), "12a4");
  for (const char* bad : {"x", "+1", "-1", "1.0", "\xB9"}) {
    bc.SetText(bad);
    EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), "Barcode must be numeric") << bad;
  }
}

TEST(BuildPattern, LeavesTheTextOfOtherTypesAlone) {
  TBarcode bc;
  bc.SetTyp(bcCode39);
  bc.SetText(" AB ");
  try {
    bc.BuildPattern();
  } catch (const Exception&) {
  }
  EXPECT_EQ(bc.Text(), " AB ");
}

TEST(BuildPattern, RejectsTypesBeyondTheCatalogueAfterCorrectingRatio) {
  for (int ordinal : {int{kBarcodeTypeCount}, 100, 255}) {
    TBarcode bc;
    bc.SetTyp(static_cast<TBarcodeType>(ordinal));
    bc.SetText(" x ");
    EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), "TBarcode: wrong BarcodeType");
    EXPECT_EQ(bc.Text(), " x ");  // no catalogue row: no trimming or digit check
  }
}

TEST(BuildPattern, ClassNameOfASubclassNamesItsMessages) {
  struct TMyBarcode : TBarcode {
    std::string ClassName() const override { return "TMyBarcode"; }
  } bc;
  bc.SetTyp(static_cast<TBarcodeType>(40));
  EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), "TMyBarcode: wrong BarcodeType");
}

TEST(Modulo10, PublishedAndWorkedValues) {
  struct Case {
    const char* in;
    const char* out;
    const char* source;
  };
  for (auto [in, out, source] : {
           Case{"123", "1236", "worked example"},
           Case{"19", "192", "worked example"},
           Case{"12", "123", "worked example"},
           Case{"5", "55", "worked example"},
           Case{"0", "00", "worked example"},
           Case{"", "0", "worked example"},
           Case{"400638133393", "4006381333931", "GS1 EAN-13 sample"},
           Case{"03600029145", "036000291452", "GS1 UPC-A sample"},
           Case{"9638507", "96385074", "GS1 EAN-8 sample"},
           Case{"978030640615", "9780306406157", "ISBN-13 sample"},
       }) {
    EXPECT_EQ(AppendModulo10(in), out) << source;
  }
}

TEST(Modulo10, ChangingOneDigitChangesTheCheckDigit) {
  const std::string base = "400638133393";
  const char check = AppendModulo10(base).back();
  for (std::size_t i = 0; i < base.size(); ++i) {
    std::string changed = base;
    changed[i] = changed[i] == '9' ? '0' : char(changed[i] + 1);
    EXPECT_NE(AppendModulo10(changed).back(), check) << i;
  }
}

TEST(Modulo10, ANonDigitRaisesTheConversionError) {
  try {
    AppendModulo10("1A");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'A' is not a valid integer value");
  }
  EXPECT_THROW(AppendModulo10(" "), EConvertError);
  EXPECT_THROW(AppendModulo10("\xFF"), EConvertError);
}

TEST(TextServices, ApplyCheckSumMethodAndZeroPadding) {
  TBarcode bc;
  EXPECT_EQ(bc.ApplyCheckSumMethod("123"), "1236");
  bc.SetCheckSumMethod(csmNone);
  EXPECT_EQ(bc.ApplyCheckSumMethod("123"), "123");
  EXPECT_EQ(bc.ApplyCheckSumMethod("A"), "A");

  struct Case {
    const char* text;
    std::size_t n;
    const char* out;
  };
  for (auto [text, n, out] : {Case{"12", 5, "00012"}, Case{"1234567", 5, "1234567"},
                              Case{"", 2, "00"}, Case{"12", 0, "12"}, Case{"", 0, ""}}) {
    bc.SetText(text);
    EXPECT_EQ(bc.ZeroPaddedText(n), out);
    EXPECT_EQ(bc.Text(), text);
  }
}

}  // namespace
}  // namespace bars
