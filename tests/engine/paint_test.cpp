// Drawing the bars: polygon corners and colours on a recording canvas, short bars, the canvas's
// tools, and the checks that stop a drawing before anything is painted.
#include <gtest/gtest.h>

#include <vector>

#include <limits>

#include "bars.h"
#include "support/recording_canvas.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;
using test::RecordingCanvas;

// EAN-13 4006381333931 at Modul 2: 59 elements, W 190, first and last element a bar of width 2.
void SetUpEan13(TBarcode& bc) {
  test::Configure(bc, bcCodeEAN13, true, "400638133393");
  bc.SetModul(2);
  bc.SetLeft(10);
  bc.SetTop(20);
  bc.SetHeight(50);
}

bool IsSpace(char c) {
  return c >= '0' && c <= '3';
}

struct AngleCase {
  const char* name;
  double angle;
  TPoint first[4];
  TPoint last[4];
  const char* source;
  friend void PrintTo(const AngleCase& c, std::ostream* os) { *os << c.name; }
};

class PaintAngles : public ::testing::TestWithParam<AngleCase> {};

TEST_P(PaintAngles, FirstAndLastElementCorners) {
  const auto& c = GetParam();
  TBarcode bc;
  SetUpEan13(bc);
  bc.SetAngle(c.angle);
  RecordingCanvas canvas;
  bc.PaintTo(canvas);
  ASSERT_EQ(canvas.Polygons.size(), 59u);
  EXPECT_EQ(canvas.Polygons.front().Corners, std::vector<TPoint>(c.first, c.first + 4)) << c.source;
  EXPECT_EQ(canvas.Polygons.back().Corners, std::vector<TPoint>(c.last, c.last + 4)) << c.source;
  EXPECT_TRUE(canvas.Texts.empty());
}

// The worked turns with W 190 instead of 100: origins (10, 20), (10, 210), (200, 70), (60, 20).
INSTANTIATE_TEST_SUITE_P(WorkedTurns, PaintAngles,
                         ::testing::ValuesIn(std::vector<AngleCase>{
                             AngleCase{"Angle0",
                                       0,
                                       {{10, 20}, {10, 70}, {11, 70}, {11, 20}},
                                       {{198, 20}, {198, 70}, {199, 70}, {199, 20}},
                                       "worked example"},
                             AngleCase{"Angle90",
                                       90,
                                       {{10, 210}, {60, 210}, {60, 209}, {10, 209}},
                                       {{10, 22}, {60, 22}, {60, 21}, {10, 21}},
                                       "worked example: (u, v) -> (10 + v, 210 - u)"},
                             AngleCase{"Angle180",
                                       180,
                                       {{200, 70}, {200, 20}, {199, 20}, {199, 70}},
                                       {{12, 70}, {12, 20}, {11, 20}, {11, 70}},
                                       "worked example: (u, v) -> (200 - u, 70 - v)"},
                             AngleCase{"Angle270",
                                       270,
                                       {{60, 20}, {10, 20}, {10, 21}, {60, 21}},
                                       {{60, 208}, {10, 208}, {10, 209}, {60, 209}},
                                       "worked example: (u, v) -> (60 - v, 20 + u)"},
                             AngleCase{"AngleMinus90",
                                       -90,
                                       {{60, 20}, {10, 20}, {10, 21}, {60, 21}},
                                       {{60, 208}, {10, 208}, {10, 209}, {60, 209}},
                                       "worked example: like 270"},
                             AngleCase{"Angle360",
                                       360,
                                       {{10, 20}, {10, 70}, {11, 70}, {11, 20}},
                                       {{198, 20}, {198, 70}, {199, 70}, {199, 20}},
                                       "worked example: like 0"},
                             AngleCase{"Angle45",
                                       45,
                                       {{10, 154}, {45, 189}, {46, 189}, {11, 153}},
                                       {{143, 21}, {178, 56}, {179, 56}, {144, 20}},
                                       "worked example, origin (10, 10 + Round(190 sin 45))"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaintBars, AtAngle0ElementsTileTheBoxWithTheirColours) {
  TBarcode bc;
  SetUpEan13(bc);
  bc.SetColor(clRed);
  bc.SetColorBar(clBlue);
  RecordingCanvas canvas;
  canvas.Pen().SetWidth(3);
  bc.PaintTo(canvas);
  const std::string pattern = bc.BuildPattern();
  ASSERT_EQ(canvas.Polygons.size(), pattern.size());
  std::int32_t nextColumn = 10;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const auto& p = canvas.Polygons[i];
    SCOPED_TRACE(testing::Message() << "element " << i);
    const std::int32_t left = p.Corners[0].X, right = p.Corners[2].X;
    EXPECT_EQ(left, nextColumn);  // no gap, no overlap
    EXPECT_EQ(p.Corners, (std::vector<TPoint>{{left, 20}, {left, 70}, {right, 70}, {right, 20}}));
    EXPECT_EQ(right - left + 1, bc.DecodePatternChar(pattern[i]).Width);
    EXPECT_EQ(p.PenColor, IsSpace(pattern[i]) ? clRed : clBlue);
    EXPECT_EQ(p.BrushColor, p.PenColor);
    EXPECT_EQ(p.PenWidth, 1);
    nextColumn = right + 1;
  }
  EXPECT_EQ(nextColumn, 10 + 190);
}

TEST(PaintBars, Angle360DrawsLikeAngle0) {
  TBarcode bc;
  SetUpEan13(bc);
  RecordingCanvas at0, at360;
  bc.PaintTo(at0);
  bc.SetAngle(360);
  bc.PaintTo(at360);
  ASSERT_EQ(at0.Polygons.size(), at360.Polygons.size());
  for (std::size_t i = 0; i < at0.Polygons.size(); ++i) {
    EXPECT_EQ(at0.Polygons[i].Corners, at360.Polygons[i].Corners) << i;
  }
}

struct ShortBarCase {
  const char* name;
  std::int32_t height;
  std::int32_t fullBottom;   // Top + Height
  std::int32_t shortBottom;  // Top + (2 x Height) div 5
  const char* source;
  friend void PrintTo(const ShortBarCase& c, std::ostream* os) { *os << c.name; }
};

class ShortBars : public ::testing::TestWithParam<ShortBarCase> {};

// Short bars hang from the top edge. Runs once an encoder writes short bars (PostNet).
TEST_P(ShortBars, HangFromTheTopEdge) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetTyp(bcCodePostNet);
  bc.SetText("12345");
  bc.SetTop(20);
  bc.SetHeight(c.height);
  std::string pattern;
  const std::string message = MessageOf([&] { pattern = bc.BuildPattern(); });
  ASSERT_EQ(message, "");
  RecordingCanvas canvas;
  bc.PaintTo(canvas);
  ASSERT_EQ(canvas.Polygons.size(), pattern.size());
  int shorts = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool isShort = pattern[i] >= 'A' && pattern[i] <= 'D';
    shorts += isShort;
    const auto& corners = canvas.Polygons[i].Corners;
    EXPECT_EQ(corners[0].Y, 20) << i;
    EXPECT_EQ(corners[1].Y, isShort ? c.shortBottom : c.fullBottom) << i << ", " << c.source;
  }
  EXPECT_GT(shorts, 0);
}

INSTANTIATE_TEST_SUITE_P(WorkedHeights, ShortBars,
                         ::testing::Values(ShortBarCase{"Height50", 50, 70, 40, "worked example"},
                                           ShortBarCase{"Height7", 7, 27, 22,
                                                        "worked example: (2 x 7) div 5 = 2"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The canvas's tools as a test sets them before drawing.
void SetTools(TCanvas& canvas) {
  canvas.Font().SetName("DejaVu Serif");
  canvas.Font().SetHeight(20);
  canvas.Font().SetColor(clRed);
  canvas.Pen().SetColor(clBlue);
  canvas.Pen().SetWidth(4);
  canvas.Brush().SetColor(RGBColor(1, 2, 3));
}

void ExpectToolsAsSet(TCanvas& canvas) {
  RecordingCanvas fresh;
  SetTools(fresh);
  EXPECT_EQ(canvas.Font(), fresh.Font());
  EXPECT_EQ(canvas.Pen(), fresh.Pen());
  EXPECT_EQ(canvas.Brush(), fresh.Brush());
}

TEST(PaintTo, PutsTheCanvasToolsBack) {
  TBarcode bc;
  SetUpEan13(bc);
  bc.SetShowText(bcoBoth);
  bc.ShowTextFont().SetHeight(13);
  RecordingCanvas canvas;
  SetTools(canvas);
  bc.PaintTo(canvas);
  EXPECT_EQ(canvas.Calls, std::string(59, 'P') + "TT");
  ExpectToolsAsSet(canvas);
}

// A canvas whose text output fails, as a toolkit's might.
class FailingTextCanvas : public RecordingCanvas {
 public:
  void TextOut(std::int32_t, std::int32_t, const std::string&) override {
    throw Exception("canvas refused the text");
  }
};

TEST(PaintTo, PutsTheToolsBackWhenAStepFailsAfterDrawingBegan) {
  TBarcode bc;
  SetUpEan13(bc);
  bc.SetShowText(bcoCode);
  FailingTextCanvas canvas;
  SetTools(canvas);
  EXPECT_EQ(MessageOf([&] { bc.PaintTo(canvas); }), "canvas refused the text");
  EXPECT_EQ(canvas.Polygons.size(), 59u);
  ExpectToolsAsSet(canvas);
}

TEST(PaintTo, AFailingBuildDrawsNothing) {
  TBarcode bc;
  SetUpEan13(bc);
  bc.SetShowText(bcoBoth);
  bc.SetText("12a");
  RecordingCanvas canvas;
  SetTools(canvas);
  EXPECT_EQ(MessageOf([&] { bc.PaintTo(canvas); }), "Barcode must be numeric");
  EXPECT_EQ(canvas.Calls, "");
  ExpectToolsAsSet(canvas);
}

TEST(PaintTo, AnUnknownTypeDrawsNothing) {
  TBarcode bc;
  bc.SetTyp(static_cast<TBarcodeType>(kBarcodeTypeCount));
  RecordingCanvas canvas;
  EXPECT_EQ(MessageOf([&] { bc.PaintTo(canvas); }), "TBarcode: wrong BarcodeType");
  EXPECT_EQ(canvas.Calls, "");
}

TEST(PaintTo, SymbolEndingOnTheLastColumnIsDrawn) {
  TBarcode bc;
  SetUpEan13(bc);
  bc.SetLeft(INT32_MAX - 189);
  RecordingCanvas canvas;
  bc.PaintTo(canvas);
  ASSERT_EQ(canvas.Polygons.size(), 59u);
  EXPECT_EQ(canvas.Polygons.back().Corners[2].X, INT32_MAX);
}

struct RejectCase {
  const char* name;
  std::function<void(TBarcode&)> configure;
  const char* message;
  friend void PrintTo(const RejectCase& c, std::ostream* os) { *os << c.name; }
};

class PaintRejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(PaintRejects, BeforeAnythingIsDrawn) {
  TBarcode bc;
  SetUpEan13(bc);
  GetParam().configure(bc);
  RecordingCanvas canvas;
  SetTools(canvas);
  EXPECT_EQ(MessageOf([&] { bc.PaintTo(canvas); }), GetParam().message);
  EXPECT_EQ(canvas.Calls, "");
  ExpectToolsAsSet(canvas);
}

constexpr const char* kOutOfRange = "TBarcode: drawing coordinates out of range";
constexpr const char* kBadAngle = "TBarcode: Angle must be a finite number";

INSTANTIATE_TEST_SUITE_P(Limits, PaintRejects,
                         ::testing::ValuesIn(
                             std::vector<RejectCase>{RejectCase{"NaNAngle",
                                                                [](TBarcode& bc) {
                                                                  bc.SetAngle(std::numeric_limits<
                                                                              double>::quiet_NaN());
                                                                },
                                                                kBadAngle},
                                                     RejectCase{"InfiniteAngle",
                                                                [](TBarcode& bc) {
                                                                  bc.SetAngle(-std::numeric_limits<
                                                                              double>::infinity());
                                                                },
                                                                kBadAngle},
                                                     RejectCase{"RightEdgePastMax",
                                                                [](TBarcode& bc) {
                                                                  bc.SetLeft(INT32_MAX - 188);
                                                                },
                                                                kOutOfRange},
                                                     RejectCase{"BottomPastMax",
                                                                [](TBarcode& bc) {
                                                                  bc.SetTop(1);
                                                                  bc.SetHeight(INT32_MAX);
                                                                },
                                                                kOutOfRange},
                                                     RejectCase{"TurnedOriginPastMax",
                                                                [](TBarcode& bc) {
                                                                  bc.SetTop(INT32_MAX - 100);
                                                                  bc.SetAngle(90);
                                                                },
                                                                kOutOfRange},
                                                     RejectCase{"NegativeHeightTurnedHalfway",
                                                                [](TBarcode& bc) {
                                                                  bc.SetTop(0);
                                                                  bc.SetHeight(INT32_MIN);
                                                                  bc.SetAngle(180);
                                                                },
                                                                kOutOfRange},
                                                     RejectCase{
                                                         "TextRightPastMax",  // the turned bars
                                                                              // fit, the unturned
                                                                              // text box does not
                                                         [](TBarcode& bc) {
                                                           bc.SetLeft(INT32_MAX - 60);
                                                           bc.SetAngle(90);
                                                           bc.SetShowText(bcoCode);
                                                           bc.SetShowTextPosition(stpTopRight);
                                                         },
                                                         kOutOfRange},
                                                     RejectCase{"TextAboveMin",
                                                                [](TBarcode& bc) {
                                                                  bc.SetTop(INT32_MIN);
                                                                  bc.SetHeight(0);
                                                                  bc.SetShowText(bcoCode);
                                                                  bc.SetShowTextPosition(
                                                                      stpBottomLeft);
                                                                },
                                                                kOutOfRange},
                                                     RejectCase{"TypeNameAboveMin",
                                                                [](TBarcode& bc) {
                                                                  bc.SetTop(INT32_MIN + 27);
                                                                  bc.SetShowText(bcoTyp);
                                                                },
                                                                kOutOfRange},
                                                     RejectCase{"UnknownTextPosition",
                                                                [](TBarcode& bc) {
                                                                  bc.SetShowText(bcoCode);
                                                                  bc.SetShowTextPosition(
                                                                      static_cast<
                                                                          TShowTextPosition>(6));
                                                                },
                                                                "TBarcode: wrong "
                                                                "ShowTextPosition"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars
