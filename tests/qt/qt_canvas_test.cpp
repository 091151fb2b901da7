// The Qt canvas on QImage: exact pixel coverage of the bars at right angles, colours, the white
// text box, fonts, and vector output through QSvgGenerator.
#include <gtest/gtest.h>

#include <vector>

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "bars.h"
#include "qt_canvas.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;

constexpr QRgb kUntouched = qRgb(0x12, 0x80, 0x34);
constexpr TColor clYellow = 0x00FFFF;

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kUntouched);
  return image;
}

void PaintOn(QImage& image, TBarcode& bc) {
  QPainter painter(&image);
  TQtCanvas canvas(painter);
  bc.PaintTo(canvas);
}

// The canvas pixel of frame pixel (u, v) at a right angle, by the worked mappings:
// 90 is (Left + v, Top + W - u), 180 (Left + W - u, Top + Height - v), 270 (Left + Height - v,
// Top + u).
QPoint Place(int angle, int u, int v, const TBarcode& bc, int width) {
  const int left = bc.Left(), top = bc.Top(), height = bc.Height();
  switch (angle) {
    case 90:
      return {left + v, top + width - u};
    case 180:
      return {left + width - u, top + height - v};
    case 270:
      return {left + height - v, top + u};
    default:
      return {left + u, top + v};
  }
}

// Red bars and yellow spaces, each element w pixels by h + 1 rows, placed by Place; every other
// pixel untouched.
QImage Expected(TBarcode& bc, int angle, QSize size) {
  QImage image = Blank(size.width(), size.height());
  const std::string pattern = bc.BuildPattern();
  const int width = bc.Width();
  int x = 0;
  for (char c : pattern) {
    const TPatternElement e = bc.DecodePatternChar(c);
    const int h = e.Kind == lkShortBar ? 2 * bc.Height() / 5 : bc.Height();
    const QRgb colour = e.Kind == lkSpace ? qRgb(255, 255, 0) : qRgb(255, 0, 0);
    for (int u = x; u < x + e.Width; ++u) {
      for (int v = 0; v <= h; ++v) image.setPixel(Place(angle, u, v, bc, width), colour);
    }
    x += e.Width;
  }
  return image;
}

// Number of differing pixels; the first one is reported.
int Mismatches(const QImage& actual, const QImage& expected) {
  int count = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (actual.pixel(x, y) == expected.pixel(x, y)) continue;
      if (count++ == 0) {
        ADD_FAILURE() << "first difference at (" << x << ", " << y << "): " << std::hex
                      << actual.pixel(x, y) << " instead of " << expected.pixel(x, y);
      }
    }
  }
  return count;
}

struct PixelCase {
  const char* name;
  TBarcodeType typ;
  const char* text;
  int angle;
  std::int32_t modul;
  const char* source;
  friend void PrintTo(const PixelCase& c, std::ostream* os) { *os << c.name; }
};

class ExactPixels : public ::testing::TestWithParam<PixelCase> {};

// Red bars and yellow spaces at (5, 3), 40 high, as the case says.
void ConfigurePixelCase(TBarcode& bc, const PixelCase& c) {
  bc.SetTyp(c.typ);
  bc.SetChecksum(true);
  bc.SetText(c.text);
  bc.SetModul(c.modul);
  bc.SetLeft(5);
  bc.SetTop(3);
  bc.SetHeight(40);
  bc.SetAngle(c.angle);
  bc.SetColor(clYellow);
  bc.SetColorBar(clRed);
}

TEST_P(ExactPixels, EveryPixelIsItsElementsColourOrUntouched) {
  const auto& c = GetParam();
  TBarcode bc;
  ConfigurePixelCase(bc, c);
  const int side = bc.Width() + 10;
  QImage image = Blank(side, side);
  PaintOn(image, bc);
  EXPECT_EQ(Mismatches(image, Expected(bc, c.angle, image.size())), 0) << c.source;
}

// The canvas made for an image writes upright bars straight into it: the same pixels.
TEST_P(ExactPixels, AreTheSameDrawnStraightOntoTheImage) {
  const auto& c = GetParam();
  TBarcode bc;
  ConfigurePixelCase(bc, c);
  const int side = bc.Width() + 10;
  QImage image = Blank(side, side);
  {
    TQtCanvas canvas(image);
    bc.PaintTo(canvas);
  }
  EXPECT_EQ(Mismatches(image, Expected(bc, c.angle, image.size())), 0) << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    RightAngles, ExactPixels,
    ::testing::ValuesIn(std::vector<PixelCase>{
        PixelCase{"Ean13Angle0Modul2", bcCodeEAN13, "400638133393", 0, 2,
                  "columns Left + x .. Left + x + w - 1, rows Top .. Top + Height"},
        PixelCase{"Ean13Angle0Modul1", bcCodeEAN13, "400638133393", 0, 1, "one-pixel elements too"},
        PixelCase{"Ean8Angle0Modul3", bcCodeEAN8, "9638507", 0, 3, "GS1 sample 96385074"},
        PixelCase{"Ean13Angle90Modul2", bcCodeEAN13, "400638133393", 90, 2,
                  "worked mapping (Left + v, Top + W - u)"},
        PixelCase{"Ean13Angle180Modul1", bcCodeEAN13, "400638133393", 180, 1,
                  "worked mapping (Left + W - u, Top + Height - v)"},
        PixelCase{"Ean13Angle270Modul2", bcCodeEAN13, "400638133393", 270, 2,
                  "worked mapping (Left + Height - v, Top + u)"},
        PixelCase{"PostNetShortBarsAngle0", bcCodePostNet, "12345", 0, 2,
                  "worked example: short bars cover rows Top .. Top + 16 only"},
        PixelCase{"PostNetShortBarsAngle180", bcCodePostNet, "12345", 180, 1,
                  "turned: short bars touch the bottom edge"},
        PixelCase{"PostNetShortBarsAngle90", bcCodePostNet, "678", 90, 3,
                  "turned: short bars are short horizontal strips"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtCanvas, AFailingBuildLeavesThePictureAsItWas) {
  TBarcode bc;
  bc.SetChecksum(true);
  bc.SetText("400638133393");
  bc.SetModul(2);
  bc.SetHeight(30);
  bc.SetShowText(bcoBoth);
  QImage image = Blank(200, 40);
  PaintOn(image, bc);
  const QImage before = image.copy();
  bc.SetText("40063813339a");
  EXPECT_EQ(MessageOf([&] { PaintOn(image, bc); }), "Barcode must be numeric");
  EXPECT_TRUE(image == before);
}

struct ColourCase {
  const char* name;
  TColor color;
  QColor qt;
  friend void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }
};

class Colours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(Colours, LowByteIsRed) {
  EXPECT_EQ(ToQColor(GetParam().color), GetParam().qt);
  // And on the picture: one bar drawn in that colour.
  TBarcode bc;
  bc.SetHeight(5);
  bc.SetColorBar(GetParam().color);
  QImage image = Blank(100, 10);
  PaintOn(image, bc);
  EXPECT_EQ(QColor(image.pixel(0, 0)), GetParam().qt);  // the first element is a bar
}

INSTANTIATE_TEST_SUITE_P(TColorLayout, Colours,
                         ::testing::ValuesIn(std::vector<ColourCase>{
                             ColourCase{"Red", clRed, QColor(255, 0, 0)},
                             ColourCase{"Blue", clBlue, QColor(0, 0, 255)},
                             ColourCase{"Green", 0x00FF00, QColor(0, 255, 0)},
                             ColourCase{"Channels", RGBColor(1, 2, 3), QColor(1, 2, 3)},
                             ColourCase{"HighByteIgnored", 0x1F0000FF, QColor(255, 0, 0)}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The text sits on a white cell over the bars: inside the cell only white and the font's blue
// (blended with white), outside it the same pixels as without text.
TEST(QtCanvas, PrintedCodeHidesTheBarsUnderAWhiteBox) {
  TBarcode bc;
  bc.SetChecksum(true);
  bc.SetText("400638133393");
  bc.SetModul(2);
  bc.SetLeft(4);
  bc.SetTop(2);
  bc.SetHeight(60);
  bc.SetColor(clYellow);
  bc.ShowTextFont().SetColor(clBlue);
  bc.SetShowTextPosition(stpBottomCenter);
  QImage plain = Blank(200, 70);
  PaintOn(plain, bc);
  bc.SetShowText(bcoCode);
  QImage text = Blank(200, 70);
  PaintOn(text, bc);

  QPainter painter(&plain);
  TQtCanvas measure(painter);
  measure.Font().Assign(bc.ShowTextFont());
  const int tw = measure.TextWidth("4006381333931"), th = measure.TextHeight("4006381333931");
  painter.end();
  ASSERT_GT(tw, 0);
  const QRect box(4 + (190 - tw) / 2, 2 + 60 - th, tw, th);
  int white = 0, ink = 0;
  for (int y = 0; y < text.height(); ++y) {
    for (int x = 0; x < text.width(); ++x) {
      const QColor c(text.pixel(x, y));
      if (!box.contains(x, y)) {
        ASSERT_EQ(text.pixel(x, y), plain.pixel(x, y)) << x << ", " << y;
      } else if (c == Qt::white) {
        ++white;
      } else {
        ASSERT_TRUE(c.red() == c.green() && c.blue() == 255) << x << ", " << y;
        ++ink;
      }
    }
  }
  EXPECT_GT(ink, 0);
  EXPECT_GT(white, ink);
}

// A two-dimensional symbol's text is UTF-8: each character is drawn, not each of its bytes.
TEST(QtFonts, Utf8TextIsItsCharacters) {
  QImage latin1 = Blank(120, 30), utf8 = Blank(120, 30);
  TQtCanvas a(latin1), b(utf8);
  b.Font().SetEncoding(TTextEncoding::Utf8);
  EXPECT_EQ(b.TextWidth("\xC3\x84\xC3\x96"), a.TextWidth("\xC4\xD6"));
  a.TextOut(2, 2, "\xC4\xD6");
  b.TextOut(2, 2, "\xC3\x84\xC3\x96");
  a.Flush();
  b.Flush();
  EXPECT_EQ(latin1, utf8);
}

TEST(QtFonts, NewFontIsTheDefaultSansAt11Pixels) {
  const QFont font = ToQFont(TFont{});
  EXPECT_EQ(font.pixelSize(), 11);
  EXPECT_FALSE(font.bold());
  if (!QFontDatabase::families().contains("DejaVu Sans")) GTEST_SKIP() << "no DejaVu Sans";
  EXPECT_EQ(QFontInfo(font).family(), "DejaVu Sans");
}

TEST(QtFonts, NamedFaceAndStylesAreUsed) {
  if (!QFontDatabase::families().contains("DejaVu Serif")) GTEST_SKIP() << "no DejaVu Serif";
  TFont f;
  f.SetName("DejaVu Serif");
  f.SetStyle(fsBold | fsItalic);
  const QFont font = ToQFont(f);
  EXPECT_EQ(QFontInfo(font).family(), "DejaVu Serif");
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
}

class CellHeights : public ::testing::TestWithParam<int> {};

// A positive Height is the cell height: the text is measured at most that high.
TEST_P(CellHeights, PositiveHeightIsTheCell) {
  QImage image = Blank(10, 10);
  QPainter painter(&image);
  TQtCanvas canvas(painter);
  canvas.Font().SetHeight(GetParam());
  const int th = canvas.TextHeight("0123");
  EXPECT_LE(th, GetParam());
  EXPECT_GE(th, GetParam() - 2);
}

INSTANTIATE_TEST_SUITE_P(Heights, CellHeights, ::testing::Values(8, 13, 20, 40));

// Text and slanted bars need a painter, which the image canvas opens on demand; a painter with
// a clip or transform of its own is always honoured (no direct writing past it).
TEST(QtCanvas, ImageCanvasAndPainterCanvasDrawAlike) {
  for (double angle : {0.0, 30.0, 180.0}) {
    TBarcode bc;
    bc.SetChecksum(true);
    bc.SetText("400638133393");
    bc.SetModul(2);
    bc.SetHeight(50);
    bc.SetLeft(40);
    bc.SetTop(40);
    bc.SetAngle(angle);
    bc.SetShowText(bcoCode);
    bc.SetShowTextPosition(stpBottomCenter);
    QImage byPainter = Blank(300, 300);
    PaintOn(byPainter, bc);
    QImage byImage = Blank(300, 300);
    {
      TQtCanvas canvas(byImage);
      bc.PaintTo(canvas);
    }
    EXPECT_EQ(Mismatches(byImage, byPainter), 0) << angle;
  }
  TBarcode bc;
  bc.SetText("400638133393");
  bc.SetHeight(20);
  QImage clipped = Blank(120, 30);
  {
    QPainter painter(&clipped);
    painter.setClipRect(0, 0, 50, 30);
    TQtCanvas canvas(painter);
    bc.PaintTo(canvas);
  }
  for (int y = 0; y < 30; ++y) {
    for (int x = 50; x < 120; ++x) ASSERT_EQ(clipped.pixel(x, y), kUntouched) << x << "," << y;
  }
}

TEST(QtCanvas, LeavesThePaintersOwnStateAlone) {
  QImage image = Blank(200, 40);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::green, 3));
  painter.setBrush(Qt::blue);
  painter.setRenderHint(QPainter::Antialiasing, true);
  TQtCanvas canvas(painter);
  TBarcode bc;
  bc.SetHeight(20);
  bc.SetShowText(bcoCode);
  bc.PaintTo(canvas);
  EXPECT_EQ(painter.pen(), QPen(Qt::green, 3));
  EXPECT_EQ(painter.brush(), QBrush(Qt::blue));
  EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
}

// Vector output keeps one closed outline per element, the text box as a rectangle and the text
// as text: nothing is rasterised.
TEST(QtCanvas, SvgKeepsShapesAndText) {
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(200, 80));
  TBarcode bc;
  bc.SetChecksum(true);
  bc.SetText("400638133393");
  bc.SetModul(2);
  bc.SetHeight(60);
  bc.SetShowText(bcoCode);
  {
    QPainter painter(&svg);
    TQtCanvas canvas(painter);
    bc.PaintTo(canvas);
  }
  const QString xml = QString::fromUtf8(buffer.data());
  // Upright elements are vector rectangles: 59 elements and the text's box.
  EXPECT_EQ(xml.count("<rect"), 60);
  EXPECT_TRUE(xml.contains(">4006381333931</text>"));
  EXPECT_FALSE(xml.contains("<image"));
}

}  // namespace
}  // namespace bars
