// Pictures without a painter: the raster holds exactly the Qt canvas's pixels for every picture
// it takes and refuses the others; the one bitmap encoder keeps every pixel, as Qt's own
// decoders read the files back, in the fewest bits a pixel, and so does the SVG of the raster
// as Qt's SVG renderer draws it.
#include <gtest/gtest.h>

#include <vector>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <random>

#include "bars.h"
#include "qt_canvas.h"
#include "raster.h"
#include "render.h"
#include "support/test_support.h"
#include "svg.h"

namespace bars {
namespace {

using test::MessageOf;

constexpr TColor clYellow = 0x00FFFF;
constexpr const char* kNeedsPainter =
    "This picture needs a painter: text, or a turn other than a right angle";

// Differing pixels between the raster and a 32-bit image; the first one is reported.
int Mismatches(const TRaster& raster, const QImage& image) {
  EXPECT_EQ(QSize(raster.Width(), raster.Height()), image.size());
  if (QSize(raster.Width(), raster.Height()) != image.size()) return -1;
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb ours = raster.Palette()[raster.Row(y)[x]];
      if (ours == image.pixel(x, y)) continue;
      if (count++ == 0) {
        ADD_FAILURE() << "first difference at (" << x << ", " << y << "): " << std::hex << ours
                      << " instead of " << image.pixel(x, y);
      }
    }
  }
  return count;
}

struct RasterCase {
  const char* name;
  TBarcodeType typ;
  const char* text;
  double angle;
  TPictureFrame frame;
  int margin;
  double ratio;
  TPoint at;      // Left and Top
  bool coloured;  // red bars on yellow spaces
  const char* addOn;
  TBarcodeOption showText = bcoNone;
  TShowTextPosition position = stpBottomCenter;
  friend void PrintTo(const RasterCase& c, std::ostream* os) { *os << c.name; }
};

class Raster : public ::testing::TestWithParam<RasterCase> {};

TEST_P(Raster, HasTheQtCanvasPixels) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetTyp(c.typ);
  bc.SetChecksum(true);
  bc.SetText(c.text);
  bc.SetAddOn(c.addOn);
  bc.SetModul(2);
  bc.SetRatio(c.ratio);
  bc.SetHeight(30);
  bc.SetAngle(c.angle);
  bc.SetLeft(c.at.X);
  bc.SetTop(c.at.Y);
  bc.SetShowText(c.showText);
  bc.SetShowTextPosition(c.position);
  if (c.coloured) {
    bc.SetColor(clYellow);
    bc.SetColorBar(clRed);
  }
  const TPictureLayout layout = c.frame == TPictureFrame::Whole
                                    ? PrintLayout(bc, c.margin)
                                    : TPictureLayout{TPictureFrame::Box, c.margin};
  const QImage qt = RenderImage(bc, layout);
  if (c.showText == bcoNone) {
    ASSERT_TRUE(DrawnWithoutPainter(bc.ShowText(), bc.Angle()));
    const TRaster raster = RenderRaster(bc, layout);
    EXPECT_EQ(Mismatches(raster, qt), 0) << "without Qt";
    const std::string svg = EncodeSvg(raster, 96, bc.GetTypName());
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    QImage drawn(qt.size(), QImage::Format_RGB32);
    drawn.fill(Qt::green);  // shows any pixel the document leaves unpainted
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(Mismatches(raster, drawn), 0) << "SVG of the raster";
  }
  EXPECT_EQ(Mismatches(RenderRasterWithText(bc, layout), qt), 0) << "text written by Qt";
}

constexpr auto kBox = TPictureFrame::Box;
constexpr auto kWhole = TPictureFrame::Whole;

INSTANTIATE_TEST_SUITE_P(
    Pictures, Raster,
    ::testing::ValuesIn(std::vector<RasterCase>{
        RasterCase{"Ean13Box", bcCodeEAN13, "400638133393", 0, kBox, 0, 2, {}, false, ""},
        RasterCase{"Ean13Whole", bcCodeEAN13, "400638133393", 0, kWhole, 4, 2, {}, false, ""},
        RasterCase{"AddOnWhole", bcCodeEAN13, "978030640615", 0, kWhole, 0, 2, {}, false, "51995"},
        RasterCase{"Turned90", bcCode39, "CODE39", 90, kWhole, 3, 2.5, {}, true, ""},
        RasterCase{"Turned180", bcCode128B, "Ab1", 180, kWhole, 0, 2, {}, false, ""},
        RasterCase{"Turned270", bcCodeUPC_A, "03600029145", 270, kWhole, 2, 2, {}, true, ""},
        RasterCase{"TurnedMinus90", bcCode93, "AB", -90, kWhole, 0, 2, {}, false, ""},
        RasterCase{"Turned450", bcCodeEAN8, "9638507", 450, kWhole, 1, 2, {}, false, ""},
        RasterCase{"TurnedBoxIsCut", bcCode39, "CODE39", 90, kBox, 5, 2, {}, false, ""},
        RasterCase{"BoxAwayFromOrigin", bcCodeEAN8, "9638507", 0, kBox, 2, 2, {7, -4}, true, ""},
        RasterCase{"PostNetShortBars", bcCodePostNet, "12345", 0, kWhole, 2, 2, {}, false, ""},
        RasterCase{"PostNetShortBarsTurned", bcCodePostNet, "12345", 270, kBox, 0, 2, {}, true, ""},
        RasterCase{"SpacesWhiteBarsRed", bcCodeCodabar, "A12B", 0, kWhole, 0, 2, {}, true, ""},
        RasterCase{"QrTurned90", bcQRCode, "HELLO 123", 90, kWhole, 1, 2, {}, true, ""},
        RasterCase{"DataMatrixBoxTurned180", bcDataMatrix, "Ab", 180, kBox, 0, 2, {}, false, ""},
        RasterCase{
            "CodeBelow", bcCodeEAN13, "400638133393", 0, kWhole, 0, 2, {}, false, "", bcoCode},
        RasterCase{
            "CodeInTheBox", bcCodeEAN13, "400638133393", 0, kBox, 3, 2, {}, false, "", bcoCode},
        RasterCase{"BothOverColours",
                   bcCode128B,
                   "Hello",
                   0,
                   kWhole,
                   2,
                   2,
                   {},
                   true,
                   "",
                   bcoBoth,
                   stpTopCenter},
        RasterCase{"TypeNameCutByTheBox",
                   bcCode39,
                   "AB",
                   0,
                   kBox,
                   0,
                   2,
                   {5, 40},
                   true,
                   "",
                   bcoTyp,
                   stpTopRight},
        RasterCase{"TextTurned90",
                   bcCodeEAN8,
                   "9638507",
                   90,
                   kWhole,
                   1,
                   2,
                   {},
                   false,
                   "",
                   bcoBoth,
                   stpBottomLeft},
        RasterCase{"TextTurned180AddOn",
                   bcCodeUPC_A,
                   "03600029145",
                   180,
                   kWhole,
                   0,
                   2,
                   {},
                   true,
                   "12",
                   bcoCode,
                   stpBottomRight}}),
    [](const auto& info) { return std::string(info.param.name); });

struct QuietCase {
  const char* name;
  double angle;
  QSize size;       // of the picture: EAN-13, Modul 2, Height 30; quiet zones 1, 2, 3 and 4 modules
  QPoint firstBar;  // the top-left pixel of the first bar
  friend void PrintTo(const QuietCase& c, std::ostream* os) { *os << c.name; }
};

class QuietZones : public ::testing::TestWithParam<QuietCase> {};

// Above and below the bars as well as before and after them, turned with the symbol: 95 + 1 + 2
// modules of 2 pixels along, 30 + 2 x (3 + 4) rows across.
TEST_P(QuietZones, AreOnEverySideAndTurnWithTheSymbol) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetText("400638133393");
  bc.SetModul(2);
  bc.SetHeight(30);
  bc.SetAngle(c.angle);
  const TPictureLayout layout{TPictureFrame::Whole, 0, 1, 2, 3, 4};
  const TRaster raster = RenderRaster(bc, layout);
  EXPECT_EQ(Mismatches(raster, RenderImage(bc, layout)), 0);
  ASSERT_EQ(QSize(raster.Width(), raster.Height()), c.size);
  const auto dark = [&](int x, int y) { return raster.Palette()[raster.Row(y)[x]] != 0xFFFFFFFF; };
  EXPECT_TRUE(dark(c.firstBar.x(), c.firstBar.y()));
  int darkBefore = 0;
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < raster.Width(); ++x)
      darkBefore += dark(x, y) && (c.angle == 0 ? y < c.firstBar.y() || x < c.firstBar.x()
                                                : x < c.firstBar.x() || y > c.firstBar.y());
  EXPECT_EQ(darkBefore, 0) << "white before the first bar";
}

INSTANTIATE_TEST_SUITE_P(Frames, QuietZones,
                         ::testing::Values(QuietCase{"Upright", 0, {196, 44}, {2, 6}},
                                           // Turned counter-clockwise: the start at the bottom, the
                                           // top zone on the left.
                                           QuietCase{"Turned90", 90, {44, 196}, {6, 193}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Arbitrary upright rectangles (two-dimensional symbols draw rows of them at any height), in
// either corner order, overlapping, partly or wholly off the picture: the same pixels through
// the Qt canvas and the raster canvas, cut at the same shown area.
TEST(RasterCanvas, DrawsAnyUprightRectanglesAsTheQtCanvasDoes) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    const auto between = [&](int low, int high) {
      return std::uniform_int_distribution<int>(low, high)(random);
    };
    const int width = between(1, 90), height = between(1, 60);
    const TPoint offset{between(-10, 10), between(-10, 10)};
    const TPixelRect shown{between(0, 3), between(0, 3), width - 6, height - 6};
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    TRaster raster(width, height);
    {
      TQtCanvas qt(image, QPoint(offset.X, offset.Y));
      TRasterCanvas ours(raster, offset, shown);
      for (int i = 0; i < 200; ++i) {
        const int x0 = between(-20, width + 20), x1 = between(-20, width + 20);
        const int y0 = between(-20, height + 20), y1 = between(-20, height + 20);
        const TPoint corners[4] = {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
        const TPoint levelFirst[4] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
        const TColor colour = i % 3 == 0 ? clBlack : i % 3 == 1 ? clRed : clYellow;
        for (TCanvas* canvas : {static_cast<TCanvas*>(&qt), static_cast<TCanvas*>(&ours)}) {
          canvas->Pen().SetColor(colour);
          canvas->Brush().SetColor(colour);
          canvas->Polygon(i % 2 ? std::span<const TPoint>(corners) : levelFirst);
        }
      }
    }
    // The Qt canvas draws on the whole image; the shown area is what pictures keep.
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (x < shown.Left || x > shown.Right() || y < shown.Top || y > shown.Bottom())
          image.setPixel(x, y, qRgb(255, 255, 255));
    EXPECT_EQ(Mismatches(raster, image), 0);
  }
}

struct RefusedCase {
  const char* name;
  TBarcodeOption showText;
  double angle;
  bool drawn;    // DrawnWithoutPainter
  bool refused;  // else the raster draws what upright rectangles it meets, as Qt does
  const char* why;
  friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

class PainterNeeded : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(PainterNeeded, IsSaidBeforeAnythingIsDrawn) {
  const auto& c = GetParam();
  EXPECT_EQ(DrawnWithoutPainter(c.showText, c.angle), c.drawn) << c.why;
  TBarcode bc;
  bc.SetText("400638133393");
  bc.SetHeight(30);
  bc.SetShowText(c.showText);
  bc.SetAngle(c.angle);
  for (const TPictureLayout& layout : {PrintLayout(bc, 0), TPictureLayout{TPictureFrame::Box, 0}}) {
    if (c.refused) {
      EXPECT_EQ(MessageOf([&] { RenderRaster(bc, layout); }), kNeedsPainter) << c.why;
    } else if (const std::string qt = MessageOf([&] { RenderImage(bc, layout); }); !qt.empty()) {
      EXPECT_EQ(MessageOf([&] { RenderRaster(bc, layout); }), qt) << c.why;
    } else {
      EXPECT_EQ(Mismatches(RenderRaster(bc, layout), RenderImage(bc, layout)), 0) << c.why;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PainterNeeded,
    ::testing::ValuesIn(std::vector<RefusedCase>{
        RefusedCase{"Upright", bcoNone, 0, true, false, "bars only"},
        RefusedCase{"MinusRightAngle", bcoNone, -270, true, false, "a right angle"},
        RefusedCase{"Code", bcoCode, 0, false, true, "text needs fonts"},
        RefusedCase{"TypeName", bcoTyp, 90, false, true, "text needs fonts"},
        RefusedCase{"Slanted", bcoNone, 30, false, true, "slanted bars"},
        RefusedCase{"AlmostRight", bcoNone, 90.000001, false, false,
                    "slanted by a hair: small symbols still round to upright bars"},
        RefusedCase{"LargeRightAngle", bcoNone, 9e11, false, false,
                    "beyond the bound, though small symbols still round to upright bars"},
        RefusedCase{"HugeRightAngle", bcoNone, 9e15, false, true,
                    "its radians miss the right angle by degrees"},
        RefusedCase{"NotANumber", bcoNone, std::nan(""), false, false,
                    "the engine's own message, as Qt's picture gives it"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The bitmap encoder --------------------------------------------------------------------

// `count` colours, each in a run of pixels along the rows.
QImage Colours(int count, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) {
      const int k = (y * size.width() + x) / 3 % count;
      image.setPixel(x, y, qRgb(k % 256, k / 256 * 40, 255 - k % 256));
    }
  return image;
}

QImage TextPicture() {
  TBarcode bc;
  bc.SetText("400638133393");
  bc.SetModul(2);
  bc.SetHeight(60);
  bc.SetShowText(bcoCode);
  bc.SetShowTextPosition(stpBottomCenter);
  return RenderImage(bc, PrintLayout(bc, 0));
}

struct EncodeCase {
  const char* name;
  QImage (*picture)();
  int bits;  // in the file: PNG's IHDR bit depth (times 3 for true colour), BMP's biBitCount
  const char* why;
  friend void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }
};

class Encoded : public ::testing::TestWithParam<std::tuple<EncodeCase, TBitmapFormat>> {};

TEST_P(Encoded, KeepsEveryPixelInTheFewestBits) {
  const auto& [c, format] = GetParam();
  const QImage picture = c.picture();
  const std::string file = EncodeImage(picture, format, 300);
  const QImage read = QImage::fromData(QByteArray(file.data(), qsizetype(file.size())));
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), picture) << c.why;
  const int bits = format == TBitmapFormat::Png
                       ? static_cast<unsigned char>(file[24]) * (file[25] == 2 ? 3 : 1)
                       : static_cast<unsigned char>(file[28]);
  EXPECT_EQ(bits, c.bits) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Encoded,
    ::testing::
        Combine(::testing::ValuesIn(std::vector<EncodeCase>{
                    EncodeCase{"OneColour",
                               [] {
                                 return Colours(1, {9, 4});
                               },
                               1, "white alone"},
                    EncodeCase{"TwoColours",
                               [] {
                                 return Colours(2, {13, 5});
                               },
                               1, "a barcode without text; 13 columns end a byte half-way"},
                    EncodeCase{
                        "ThreeColours", [] { return Colours(3, {31, 7}); }, 8,
                        "red, yellow, white"},
                    EncodeCase{"Text", TextPicture, 8, "anti-aliased glyphs: a few dozen greys"},
                    EncodeCase{
                        "Colours256",
                        [] {
                          return Colours(256, {40, 40});
                        },
                        8, "a full palette"},
                    EncodeCase{
                        "Colours257",
                        [] {
                          return Colours(257, {41, 40});
                        },
                        24, "one colour beyond a palette: true colour"}}),
                ::testing::Values(TBitmapFormat::Png, TBitmapFormat::Bmp)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) +
             (std::get<1>(info.param) == TBitmapFormat::Png ? "Png" : "Bmp");
    });

}  // namespace
}  // namespace bars
