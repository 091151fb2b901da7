// The human-readable text: the printed code, its six places, the type name and its row, and the
// white box, on a recording canvas (7 pixels per character, 13 pixels high).
#include <gtest/gtest.h>

#include <vector>

#include "bars.h"
#include "support/recording_canvas.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;
using test::RecordingCanvas;

struct PlaceCase {
  const char* name;
  std::int32_t modul;
  const char* text;  // EAN-13, Checksum on
  std::int32_t charWidth;
  TShowTextPosition position;
  double angle;
  TPoint at;
  const char* source;
  friend void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }
};

class TextPlaces : public ::testing::TestWithParam<PlaceCase> {};

// Left 10, Top 20, Height 50, TH 13. EAN-13 is 95 modules wide, so W is 190 at Modul 2.
TEST_P(TextPlaces, CodeIsWrittenAtItsCorner) {
  const auto& c = GetParam();
  TBarcode bc;
  test::Configure(bc, bcCodeEAN13, true, c.text);
  bc.SetModul(c.modul);
  bc.SetLeft(10);
  bc.SetTop(20);
  bc.SetHeight(50);
  bc.SetAngle(c.angle);
  bc.SetShowText(bcoCode);
  bc.SetShowTextPosition(c.position);
  RecordingCanvas canvas(c.charWidth, 13);
  bc.PaintTo(canvas);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].X, c.at.X) << c.source;
  EXPECT_EQ(canvas.Texts[0].Y, c.at.Y) << c.source;
}

// With "4006381333931" TW is 91: W - TW = 99, halved and cut 49.
INSTANTIATE_TEST_SUITE_P(
    WorkedPlaces, TextPlaces,
    ::testing::ValuesIn(std::vector<PlaceCase>{
        PlaceCase{"TopLeft", 2, "400638133393", 7, stpTopLeft, 0, {10, 20}, "worked example"},
        PlaceCase{"TopRight",
                  2,
                  "400638133393",
                  7,
                  stpTopRight,
                  0,
                  {109, 20},
                  "worked example: Left + W - TW"},
        PlaceCase{"TopCenter",
                  2,
                  "400638133393",
                  7,
                  stpTopCenter,
                  0,
                  {59, 20},
                  "worked example: 99 / 2 cut to 49"},
        PlaceCase{"BottomLeft",
                  2,
                  "400638133393",
                  7,
                  stpBottomLeft,
                  0,
                  {10, 57},
                  "worked example: Top + Height - TH"},
        PlaceCase{
            "BottomRight", 2, "400638133393", 7, stpBottomRight, 0, {109, 57}, "worked example"},
        PlaceCase{
            "BottomCenter", 2, "400638133393", 7, stpBottomCenter, 0, {59, 57}, "worked example"},
        // "123" prints 3 characters of 34 pixels: TW 102 against W 95, -7 / 2 cut to -3.
        PlaceCase{"WiderThanSymbolCentred",
                  1,
                  "12",
                  34,
                  stpTopCenter,
                  0,
                  {7, 20},
                  "worked example: W - TW = -7 gives Left - 3"},
        PlaceCase{"TurnedSymbolUnturnedText",
                  2,
                  "400638133393",
                  7,
                  stpBottomLeft,
                  90,
                  {10, 57},
                  "worked example: the text ignores Angle"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CodeCase {
  const char* name;
  TBarcodeType typ;
  bool checksum;
  const char* text;
  const char* printed;
  const char* source;
  friend void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }
};

class PrintedCode : public ::testing::TestWithParam<CodeCase> {};

// Skips the types whose encoder is not in yet.
TEST_P(PrintedCode, CarriesOnlyTheCheckDigitTheBarsAddWithoutStoringIt) {
  const auto& c = GetParam();
  TBarcode bc;
  test::Configure(bc, c.typ, c.checksum, c.text);
  bc.SetHeight(50);
  bc.SetShowText(bcoCode);
  RecordingCanvas canvas;
  const std::string message = MessageOf([&] { bc.PaintTo(canvas); });
  ASSERT_EQ(message, "");
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Text, c.printed) << c.source;
  EXPECT_EQ(canvas.Texts[0].Font.Encoding(), TTextEncoding::Latin1) << "a byte a character";
}

INSTANTIATE_TEST_SUITE_P(
    Mended, PrintedCode,
    ::testing::ValuesIn(std::vector<CodeCase>{
        CodeCase{"Ean13Gs1", bcCodeEAN13, true, "400638133393", "4006381333931",
                 "GS1 sample 4006381333931"},
        CodeCase{"Ean13NotPadded", bcCodeEAN13, true, "123", "1236",
                 "worked example: bars padded, printed code not"},
        CodeCase{"Ean13Untrimmed", bcCodeEAN13, true, " 400638133393 ", "4006381333931",
                 "GS1 sample; the build trims Text first"},
        CodeCase{"Ean13Off", bcCodeEAN13, false, "4006381333931", "4006381333931",
                 "GS1 sample, digit typed"},
        CodeCase{"Ean8Gs1", bcCodeEAN8, true, "9638507", "96385074", "GS1 sample 96385074"},
        CodeCase{"UpcANoSecondDigit", bcCodeUPC_A, true, "03600029145", "036000291452",
                 "GS1 sample 036000291452: the encoder stores the digit"},
        CodeCase{"UpcAOff", bcCodeUPC_A, false, "036000291452", "036000291452", "GS1 sample"},
        CodeCase{"Code39Letters", bcCode39, true, "AB", "AB", "mended: letters print as typed"},
        CodeCase{"Code128BLetters", bcCode128B, true, "Ab", "Ab", "mended: letters print as typed"},
        CodeCase{"Code93Letters", bcCode93, true, "AB", "AB", "mended: letters print as typed"},
        CodeCase{"UpcE0NoSecondDigit", bcCodeUPC_E0, true, "123456", "1234565",
                 "UPC-E 01234565 (UPC-A 012345000065): the encoder stores 1234565"},
        CodeCase{"Supp5NoSecondDigit", bcCodeUPC_Supp5, true, "12345", "123451",
                 "worked example: the encoder stores 123451"},
        CodeCase{"Supp2NoSecondDigit", bcCodeUPC_Supp2, true, "7", "071",
                 "worked example: the encoder stores 071"},
        CodeCase{"Ean128CWithCheck", bcCodeEAN128C, true, "12", "0123",
                 "worked example: Text becomes 012, the bars carry 0123"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Left 10, Top 20, Height 50, EAN-13 at Modul 2, the code at the top left.
void SetUpTextSample(TBarcode& bc, TBarcodeOption show) {
  test::Configure(bc, bcCodeEAN13, true, "400638133393");
  bc.SetModul(2);
  bc.SetLeft(10);
  bc.SetTop(20);
  bc.SetHeight(50);
  bc.SetShowText(show);
}

TEST(TypeName, DefaultFontPutsItAboveTheSymbol) {
  TBarcode bc;
  SetUpTextSample(bc, bcoTyp);
  ASSERT_EQ(bc.ShowTextFont().Height(), -11);
  RecordingCanvas canvas;
  bc.PaintTo(canvas);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Text, "EAN13");
  EXPECT_EQ(canvas.Texts[0].X, 10);
  EXPECT_EQ(canvas.Texts[0].Y, 20 - 28);  // worked example: 2.5 x -11 = -27.5 rounds to -28
}

TEST(TypeName, BothWritesTheCodeThenTheNameByTheFontsCellHeight) {
  TBarcode bc;
  SetUpTextSample(bc, bcoBoth);
  bc.SetShowTextPosition(stpBottomRight);
  bc.ShowTextFont().SetHeight(13);
  RecordingCanvas canvas;
  bc.PaintTo(canvas);
  ASSERT_EQ(canvas.Texts.size(), 2u);
  EXPECT_EQ(canvas.Texts[0].Text, "4006381333931");
  EXPECT_EQ(canvas.Texts[0].X, 109);
  EXPECT_EQ(canvas.Texts[1].Text, "EAN13");
  EXPECT_EQ(canvas.Texts[1].X, 10);
  EXPECT_EQ(canvas.Texts[1].Y, 20 + 32);  // worked example: 2.5 x 13 = 32.5 rounds to 32
}

TEST(TextBox, IsWhiteAndInTheBarcodesFontWhateverTheColours) {
  TBarcode bc;
  SetUpTextSample(bc, bcoBoth);
  bc.SetColor(clRed);
  bc.ShowTextFont().SetName("DejaVu Serif");
  bc.ShowTextFont().SetColor(clBlue);
  bc.ShowTextFont().SetStyle(fsBold);
  RecordingCanvas canvas;
  canvas.Brush().SetColor(clBlue);
  bc.PaintTo(canvas);
  ASSERT_EQ(canvas.Texts.size(), 2u);
  for (const auto& t : canvas.Texts) {
    EXPECT_EQ(t.BrushColor, clWhite) << t.Text;
    EXPECT_EQ(t.Font, bc.ShowTextFont()) << t.Text;
  }
  EXPECT_EQ(canvas.Calls, std::string(59, 'P') + "TT");  // text after every bar
}

TEST(TextBox, NoneWritesNothing) {
  TBarcode bc;
  SetUpTextSample(bc, bcoNone);
  RecordingCanvas canvas;
  bc.PaintTo(canvas);
  EXPECT_EQ(canvas.Calls, std::string(59, 'P'));
}

// Letters under a check digit fail in the build of EAN-128 A/B, before anything is drawn.
TEST(PrintedCodeLetters, Ean128LettersWithCheckFailInTheBuild) {
  TBarcode bc;
  test::Configure(bc, bcCodeEAN128B, true, "AB");
  bc.SetShowText(bcoCode);
  RecordingCanvas canvas;
  const std::string message = MessageOf([&] { bc.PaintTo(canvas); });
  EXPECT_EQ(message, "'A' is not a valid integer value");
  EXPECT_EQ(canvas.Calls, "");
}

}  // namespace
}  // namespace bars
