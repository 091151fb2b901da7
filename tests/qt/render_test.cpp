// Whole pictures: the bitmap and the SVG of the same barcode agree pixel for pixel (up to
// anti-aliasing), the margin stays white and drawing outside the box is cut off.
#include <gtest/gtest.h>

#include <vector>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdlib>

#include "bars.h"
#include "render.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;

struct RenderCase {
  const char* name;
  TBarcodeType typ;
  const char* text;
  double angle;
  TBarcodeOption showText;
  int margin;
  const char* source;
  friend void PrintTo(const RenderCase& c, std::ostream* os) { *os << c.name; }
};

void Configure(TBarcode& bc, const RenderCase& c) {
  bc.SetTyp(c.typ);
  bc.SetChecksum(true);
  bc.SetText(c.text);
  bc.SetModul(2);
  bc.SetHeight(40);
  bc.SetAngle(c.angle);
  bc.SetShowText(c.showText);
  bc.SetShowTextPosition(stpBottomCenter);
}

QImage Rasterise(const QByteArray& svg, QSize size) {
  QSvgRenderer renderer(svg);
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

class Pictures : public ::testing::TestWithParam<RenderCase> {};

// A half-pixel slip of the vector bars would grey every bar edge; a missing cut would show
// text or corners in the margin.
TEST_P(Pictures, SvgDrawsTheBitmapsPixels) {
  const auto& c = GetParam();
  TBarcode bc;
  Configure(bc, c);
  const QImage bitmap = RenderImage(bc, c.margin);
  const QImage vector = Rasterise(RenderSvg(bc, c.margin), bitmap.size());
  int far = 0, marginInk = 0;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      far += std::abs(qGray(bitmap.pixel(x, y)) - qGray(vector.pixel(x, y))) > 96;
      const bool inMargin = x < c.margin || y < c.margin || x >= bitmap.width() - c.margin ||
                            y >= bitmap.height() - c.margin;
      if (inMargin) marginInk += bitmap.pixel(x, y) != qRgb(255, 255, 255);
    }
  }
  EXPECT_EQ(far, 0) << c.source;
  EXPECT_EQ(marginInk, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, Pictures,
    ::testing::ValuesIn(std::vector<RenderCase>{
        RenderCase{"Ean13", bcCodeEAN13, "400638133393", 0, bcoNone, 0, "GS1 sample"},
        RenderCase{"Ean13Margin", bcCodeEAN13, "400638133393", 0, bcoNone, 6, "GS1 sample"},
        RenderCase{"Ean13TypeNameAboveIsCut", bcCodeEAN13, "400638133393", 0, bcoTyp, 30,
                   "the type name at Top - 28 lies in the margin"},
        RenderCase{"PostNetShortBars", bcCodePostNet, "12345", 0, bcoNone, 4,
                   "short bars leave their lower rows blank"},
        RenderCase{"Code39Turned90", bcCode39, "CODE39", 90, bcoNone, 3,
                   "turned corners beyond the Width x Height box are cut"},
        RenderCase{"Code128Turned180", bcCode128B, "Ab1", 180, bcoNone, 0, "upside down"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Slanted edges are anti-aliased in the vector picture and stepped in the bitmap; the ink
// must still be the same bars in the same place.
TEST(RenderedPictures, SlantedSvgHoldsTheSameInk) {
  RenderCase c{"Slanted", bcCodeEAN8, "9638507", 30, bcoNone, 2, "slanted polygons"};
  TBarcode bc;
  Configure(bc, c);
  const QImage bitmap = RenderImage(bc, c.margin);
  const QImage vector = Rasterise(RenderSvg(bc, c.margin), bitmap.size());
  double inkBitmap = 0, inkVector = 0, xBitmap = 0, xVector = 0;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const int a = 255 - qGray(bitmap.pixel(x, y)), b = 255 - qGray(vector.pixel(x, y));
      inkBitmap += a;
      inkVector += b;
      xBitmap += static_cast<double>(a) * x;
      xVector += static_cast<double>(b) * x;
    }
  }
  ASSERT_GT(inkBitmap, 0);
  EXPECT_NEAR(inkVector / inkBitmap, 1.0, 0.1);
  EXPECT_NEAR(xVector / inkVector, xBitmap / inkBitmap, 1.0) << "bars in the same place";
}

TEST(RenderedPictures, TextKeepsItsBoxInBoth) {
  RenderCase c{"Text", bcCodeEAN13, "400638133393", 0, bcoCode, 5, "printed code"};
  TBarcode bc;
  Configure(bc, c);
  const QImage bitmap = RenderImage(bc, c.margin);
  const QImage vector = Rasterise(RenderSvg(bc, c.margin), bitmap.size());
  // Glyph edges are anti-aliased differently; the white box and the bars must not move.
  int far = 0;
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x)
      far += std::abs(qGray(bitmap.pixel(x, y)) - qGray(vector.pixel(x, y))) > 192;
  EXPECT_LT(far, 20);
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(RenderedPictures, SvgIsVector) {
  TBarcode bc;
  bc.SetText("400638133393");
  bc.SetHeight(30);
  const std::size_t elements = bc.BuildPattern().size();
  std::string svg = RenderSvg(bc, 2).toStdString();
  EXPECT_NE(svg.find("viewBox=\"0 0 99 34\""), std::string::npos) << "95 modules + 4, 30 + 4";
  EXPECT_EQ(svg.find("<image"), std::string::npos);
  // The page, one rectangle per element, four strips of quiet zone.
  EXPECT_EQ(Count(svg, "<rect"), 1 + elements + 4);

  bc.SetShowText(bcoCode);
  svg = RenderSvg(bc, 2).toStdString();
  EXPECT_EQ(svg.find("<text"), std::string::npos) << "glyphs as outlines";
  EXPECT_EQ(Count(svg, "<path"), 1u) << "the printed code";

  bc.SetShowText(bcoNone);
  bc.SetAngle(20);
  svg = RenderSvg(bc, 2).toStdString();
  EXPECT_EQ(Count(svg, "<path"), elements) << "one polygon per element";
  EXPECT_EQ(svg.find("<image"), std::string::npos);
}

struct SizeCase {
  const char* name;
  std::int32_t height;
  int margin;
  std::int32_t modul;
  const char* message;
  friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
};

class BadSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BadSizes, RaiseBeforeDrawing) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetText("400638133393");
  bc.SetModul(c.modul);
  bc.SetHeight(c.height);
  EXPECT_EQ(MessageOf([&] { RenderImage(bc, c.margin); }), c.message);
  EXPECT_EQ(MessageOf([&] { RenderSvg(bc, c.margin); }), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, BadSizes,
    ::testing::ValuesIn(std::vector<SizeCase>{
        SizeCase{"HeightZero", 0, 5, 1,
                 "Barcode of 95 x 0 pixels: width and height must be at least 1 pixel"},
        SizeCase{"HeightNegative", -3, 0, 1,
                 "Barcode of 95 x -3 pixels: width and height must be at least 1 pixel"},
        SizeCase{"NegativeMargin", 10, -1, 1, "Picture margin -1 is negative"},
        SizeCase{"SideOver32767", 32767, 1, 1,
                 "Picture of 97 x 32769 pixels is too large: at most 32767 pixels a side and "
                 "100000000 pixels in all"},
        SizeCase{"PixelBudget", 30000, 0, 40,
                 "Picture of 3800 x 30000 pixels is too large: at most 32767 pixels a side and "
                 "100000000 pixels in all"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RenderedPictures, AFailedBuildRaisesTheEnginesMessage) {
  TBarcode bc;
  bc.SetText("12a");
  EXPECT_EQ(MessageOf([&] { RenderImage(bc, 0); }), "Barcode must be numeric");
  EXPECT_EQ(MessageOf([&] { RenderSvg(bc, 0); }), "Barcode must be numeric");
}

}  // namespace
}  // namespace bars
