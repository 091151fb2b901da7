// Extreme inputs: megabyte texts, the largest module widths, degenerate heights, non-finite
// angles and ratios, positions at the 32-bit limits. Each gives a symbol or one of the engine's
// exceptions with a clear message, never undefined behaviour or a hang.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <iostream>
#include <limits>
#include <string>

#include "bars.h"
#include "support/recording_canvas.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;

// A canvas that only counts: a megabyte symbol has millions of elements.
class CountingCanvas : public TCanvas {
 public:
  std::size_t polygons = 0;
  void Polygon(std::span<const TPoint>) override { ++polygons; }
  void TextOut(std::int32_t, std::int32_t, const std::string&) override {}
  std::int32_t TextWidth(const std::string&) override { return 100; }
  std::int32_t TextHeight(const std::string&) override { return 13; }
};

// One megabyte of characters every type accepts.
std::string MegabyteTextFor(TBarcodeType typ) {
  const std::string unit = BCdata[typ].NumericOnly || typ == bcCodeCodabar ? "0123456789" : "AB12";
  std::string text;
  text.reserve(1 << 20);
  while (text.size() < (1u << 20)) text += unit;
  text.resize(1 << 20);
  return text;
}

class Megabyte : public ::testing::TestWithParam<std::size_t> {};

// Either a symbol, measured and drawn in bounded time, or the type's length error.
TEST_P(Megabyte, TextIsEncodedOrRefusedInBoundedTime) {
  const auto typ = static_cast<TBarcodeType>(GetParam());
  TBarcode bc;
  bc.SetTyp(typ);
  bc.SetHeight(10);
  bc.SetText(MegabyteTextFor(typ));
  const auto start = std::chrono::steady_clock::now();
  std::string outcome;
  try {
    const std::int32_t width = bc.Width();
    CountingCanvas canvas;
    bc.PaintTo(canvas);
    EXPECT_GT(width, 0);
    EXPECT_EQ(canvas.polygons, bc.BuildPattern().size());  // UPC and add-ons take the first digits
    outcome = "drawn, " + std::to_string(width) + " px";
  } catch (const Exception& e) {
    outcome = e.Message().substr(0, 60);
    EXPECT_FALSE(outcome.empty());
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "[ 1 MB    ] " << BCdata[typ].TypeName << ": " << outcome << " in " << seconds
            << " s\n";
  EXPECT_LT(seconds, 60.0);  // far above the few seconds it takes even under sanitizers
}

INSTANTIATE_TEST_SUITE_P(EveryType, Megabyte, ::testing::Range<std::size_t>(0, kBarcodeTypeCount),
                         [](const auto& info) { return std::string(BCdata[info.param].ItemText); });

TEST(Extremes, LargestModulWithHugeRatioRaisesInsteadOfWrapping) {
  struct Case {
    TBarcodeType typ;
    double ratio;
  };
  for (auto [typ, ratio] : {Case{bcCode128B, 1e6}, Case{bcCode93, 4e7}, Case{bcCodeMSI, 1e7},
                            Case{bcCodePostNet, 1e7}, Case{bcCodeEAN128C, 2e7}}) {
    TBarcode bc;
    bc.SetTyp(typ);
    bc.SetModul(49);
    bc.SetRatio(ratio);
    bc.SetText("1234567890");
    const std::string message = MessageOf([&] { bc.Width(); });
    EXPECT_NE(message.find("out of range"), std::string::npos) << message;
  }
  // Within range, wide widths are measured exactly: 49 x 3 = 147 does not wrap at 127.
  TBarcode bc;
  bc.SetModul(49);
  bc.SetRatio(3.0);
  bc.SetTyp(bcCode39);
  bc.SetText("A");
  EXPECT_GT(bc.Width(), 0);
}

TEST(Extremes, NonFiniteRatioAndAngleAreRefusedBeforeDrawing) {
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity()};
  for (double value : bad) {
    TBarcode ratio;
    ratio.SetTyp(bcCode128B);
    ratio.SetRatio(value);
    ratio.SetText("A");
    EXPECT_NE(MessageOf([&] { ratio.Width(); }), "");

    TBarcode angle;
    angle.SetText("123");
    angle.SetHeight(20);
    angle.SetAngle(value);
    test::RecordingCanvas canvas;
    EXPECT_EQ(MessageOf([&] { angle.PaintTo(canvas); }), "TBarcode: Angle must be a finite number");
    EXPECT_EQ(canvas.Calls, "");
  }
  // Bounded types first correct a NaN Ratio? No: NaN compares false with both bounds and
  // stays, so the width computation refuses it.
  TBarcode bounded;
  bounded.SetRatio(std::numeric_limits<double>::quiet_NaN());
  EXPECT_NE(MessageOf([&] { bounded.Width(); }), "");
}

TEST(Extremes, DegenerateHeightsDrawWithoutFailing) {
  for (std::int32_t height : {0, -1, -50, INT32_MIN / 2}) {
    for (TBarcodeType typ : {bcCodeEAN13, bcCodePostNet}) {
      TBarcode bc;
      bc.SetTyp(typ);
      bc.SetText("12345");
      bc.SetHeight(height);
      test::RecordingCanvas canvas;
      bc.PaintTo(canvas);
      ASSERT_FALSE(canvas.Polygons.empty());
      // Both begin with a full bar (PostNet's frame bar).
      EXPECT_EQ(canvas.Polygons[0].Corners[1].Y, height) << height;
    }
  }
}

TEST(Extremes, PositionsAtThe32BitLimitsDrawOrRefuseCleanly) {
  struct Case {
    std::int32_t left, top, height;
    double angle;
    bool fits;
  };
  const Case cases[] = {
      {INT32_MAX - 94, 0, 10, 0, true},       // 95 columns: the last one is INT32_MAX
      {INT32_MAX - 93, 0, 10, 0, false},      // one more does not fit
      {INT32_MIN, INT32_MIN, 10, 0, true},    //
      {0, INT32_MAX - 10, 10, 0, true},       // the bottom row is INT32_MAX
      {0, INT32_MAX - 9, 10, 0, false},       //
      {INT32_MAX - 10, 0, 10, 90, true},      // turned: the bars run along X
      {INT32_MAX, INT32_MAX, 10, 45, false},  //
      {0, 0, INT32_MAX, 180, true},           //
      {INT32_MIN, 0, INT32_MIN, 270, false},  //
  };
  for (const auto& c : cases) {
    TBarcode bc;
    bc.SetText("123");
    bc.SetLeft(c.left);
    bc.SetTop(c.top);
    bc.SetHeight(c.height);
    bc.SetAngle(c.angle);
    test::RecordingCanvas canvas;
    const std::string message = MessageOf([&] { bc.PaintTo(canvas); });
    if (c.fits) {
      EXPECT_EQ(message, "") << c.left << "," << c.top << " @" << c.angle;
    } else {
      EXPECT_EQ(message, "TBarcode: drawing coordinates out of range")
          << c.left << "," << c.top << " @" << c.angle;
      EXPECT_EQ(canvas.Calls, "");
    }
  }
}

}  // namespace
}  // namespace bars
