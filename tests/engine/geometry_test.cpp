// RotatePoint, TranslatePoint and RotatedOrigin: the worked turns of a 100 x 50 symbol at
// (10, 20), and the 32-bit limits.
#include <gtest/gtest.h>

#include <vector>

#include <functional>
#include <limits>

#include "bars.h"
#include "support/recording_canvas.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;

struct TurnCase {
  const char* name;
  double degrees;
  TPoint origin;    // RotatedOrigin((10, 20), (100, 50))
  TPoint first[4];  // the first element (a bar of width 2) turned and shifted
  const char* source;
  friend void PrintTo(const TurnCase& c, std::ostream* os) { *os << c.name; }
};

class Turns : public ::testing::TestWithParam<TurnCase> {};

TEST_P(Turns, OriginAndFirstElement) {
  const auto& c = GetParam();
  const double theta = AngleToRadians(c.degrees);
  const TPoint origin = RotatedOrigin({10, 20}, {100, 50}, theta);
  EXPECT_EQ(origin, c.origin) << c.source;
  const TPoint frame[4] = {{0, 0}, {0, 50}, {1, 50}, {1, 0}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(TranslatePoint(RotatePoint(frame[i], theta), origin), c.first[i])
        << "corner " << i << ", " << c.source;
  }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedTurns, Turns,
    ::testing::ValuesIn(std::vector<TurnCase>{
        TurnCase{"Angle0", 0, {10, 20}, {{10, 20}, {10, 70}, {11, 70}, {11, 20}}, "worked example"},
        TurnCase{"Angle90",
                 90,
                 {10, 120},
                 {{10, 120}, {60, 120}, {60, 119}, {10, 119}},
                 "worked example"},
        TurnCase{"Angle180",
                 180,
                 {110, 70},
                 {{110, 70}, {110, 20}, {109, 20}, {109, 70}},
                 "worked example: (u, v) -> (110 - u, 70 - v)"},
        TurnCase{"Angle270",
                 270,
                 {60, 20},
                 {{60, 20}, {10, 20}, {10, 21}, {60, 21}},
                 "worked example: (u, v) -> (60 - v, 20 + u)"},
        TurnCase{"AngleMinus90",
                 -90,
                 {60, 20},
                 {{60, 20}, {10, 20}, {10, 21}, {60, 21}},
                 "worked example: like 270"},
        TurnCase{"Angle360",
                 360,
                 {10, 20},
                 {{10, 20}, {10, 70}, {11, 70}, {11, 20}},
                 "worked example: like 0, tiny negative sine"},
        TurnCase{
            "Angle45", 45, {10, 91}, {{10, 91}, {45, 126}, {46, 126}, {11, 90}}, "worked example"},
        TurnCase{"Angle135",
                 135,
                 {81, 126},
                 {{81, 126}, {116, 91}, {116, 90}, {80, 125}},
                 "hand computed: sine >= 0, cosine < 0"},
        TurnCase{"Angle225",
                 225,
                 {116, 55},
                 {{116, 55}, {81, 20}, {80, 20}, {115, 56}},
                 "hand computed: both negative"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Geometry, TurnedCornersOf45DegreesLandAsWorked) {
  const double theta = AngleToRadians(45);
  const TPoint origin{10, 91};
  EXPECT_EQ(TranslatePoint(RotatePoint({100, 0}, theta), origin), (TPoint{81, 20}));
  EXPECT_EQ(TranslatePoint(RotatePoint({100, 50}, theta), origin), (TPoint{116, 56}));
}

TEST(Geometry, TranslateAddsWithoutRounding) {
  EXPECT_EQ(TranslatePoint({3, -4}, {-10, 7}), (TPoint{-7, 3}));
  EXPECT_EQ(TranslatePoint({INT32_MAX, INT32_MIN}, {INT32_MIN, INT32_MAX}), (TPoint{-1, -1}));
}

TEST(Geometry, ResultsAtThe32BitEdgeAreKept) {
  EXPECT_EQ(RotatePoint({INT32_MAX, 0}, AngleToRadians(180)), (TPoint{-INT32_MAX, 0}));
  EXPECT_EQ(RotatePoint({0, INT32_MIN}, AngleToRadians(0)), (TPoint{0, INT32_MIN}));
  EXPECT_EQ(RotatedOrigin({INT32_MAX - 100, 0}, {100, 50}, AngleToRadians(180)),
            (TPoint{INT32_MAX, 50}));
}

struct RangeCase {
  const char* name;
  std::function<void()> call;
  const char* message;
  friend void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }
};

class OutOfRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(OutOfRange, RaisesInsteadOfWrapping) {
  EXPECT_EQ(MessageOf(GetParam().call), GetParam().message);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Limits, OutOfRange,
    ::testing::ValuesIn(std::vector<RangeCase>{
        RangeCase{"MinTurnedHalfway",
                  [] {
                    RotatePoint({INT32_MIN, 0}, AngleToRadians(180));
                  },
                  "RotatePoint: coordinates out of range"},
        RangeCase{"NaNAngle",
                  [] {
                    RotatePoint({1, 1}, kNaN);
                  },
                  "RotatePoint: coordinates out of range"},
        RangeCase{"InfiniteAngle",
                  [] {
                    RotatePoint({1, 1}, kInf);
                  },
                  "RotatePoint: coordinates out of range"},
        RangeCase{"SumAboveMax",
                  [] {
                    TranslatePoint({INT32_MAX, 0}, {1, 0});
                  },
                  "TranslatePoint: coordinates out of range"},
        RangeCase{"SumBelowMin",
                  [] {
                    TranslatePoint({0, INT32_MIN}, {0, -1});
                  },
                  "TranslatePoint: coordinates out of range"},
        RangeCase{"OriginPastMax",
                  [] {
                    RotatedOrigin({INT32_MAX - 99, 0}, {100, 50}, AngleToRadians(180));
                  },
                  "RotatedOrigin: coordinates out of range"},
        RangeCase{"OriginNaNAngle",
                  [] {
                    RotatedOrigin({0, 0}, {100, 50}, kNaN);
                  },
                  "RotatedOrigin: coordinates out of range"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars
