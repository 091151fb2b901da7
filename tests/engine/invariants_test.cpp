// Properties every symbology must keep, over seeded random valid texts: only pattern characters,
// Width equals the sum of the element widths, a second build repeats the first (pattern and
// Text), and numeric-only types reject every non-digit; a matrix is drawn module for module.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bars.h"
#include "support/recording_canvas.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;

// The characters each type can carry, and the longest Text it accepts with the given Checksum.
struct Alphabet {
  std::string chars;
  std::size_t maxLength;
  std::string prefix = {};  // what every Text starts with
  std::size_t minLength = 0;
};

std::string Range(int first, int last) {
  std::string s;
  for (int c = first; c <= last; ++c) s += static_cast<char>(c);
  return s;
}

Alphabet ValidTextsOf(TBarcodeType typ, bool checksum) {
  const std::string digits = "0123456789";
  switch (typ) {
    case bcCodeEAN8:
      return {digits, checksum ? 7u : 8u};
    case bcCodeEAN13:
      return {digits, checksum ? 12u : 13u};
    case bcCode39:
      return {digits + Range('A', 'Z') + "-. $/+%*", 40};
    case bcCode39Extended:
    case bcCode93Extended:
      return {Range(0, 127), 40};
    case bcCode128A:
      return {Range(32, 95), 40};
    case bcCode128B:
      return {Range(32, 126), 40};
    case bcCodeEAN128A:
      return {checksum ? digits : Range(32, 95), 40};
    case bcCodeEAN128B:
      return {checksum ? digits : Range(32, 126), 40};
    case bcCode93:
      return {digits + Range('A', 'Z') + "-. $/+%[]{}", 40};
    case bcCodeCodabar:
      return {digits + "-$:/.+ABCD", 40};
    case bcCode128:
      return {Range(0, 255), 40};
    case bcGS1_128:
      // Company internal information, which needs no other AI: GS1 character set 82 but the
      // brackets, 1 to 20 of them.
      return {Range('!', '"') + Range('%', '\'') + Range('*', '?') + Range('A', 'Z') + "_" +
                  Range('a', 'z'),
              20, "(90)", 1};
    default:
      return {digits, 40};  // the other numeric-only types take any length
  }
}

class EveryType : public ::testing::TestWithParam<std::size_t> {
 protected:
  TBarcodeType Typ() const { return static_cast<TBarcodeType>(GetParam()); }
};

TEST_P(EveryType, RandomValidTextsKeepThePatternInvariants) {
  std::mt19937 rng(1234 + static_cast<unsigned>(GetParam()));
  int built = 0;
  for (bool checksum : {false, true}) {
    const Alphabet alphabet = ValidTextsOf(Typ(), checksum);
    std::uniform_int_distribution<std::size_t> pickLength(alphabet.minLength, alphabet.maxLength);
    std::uniform_int_distribution<std::size_t> pickChar(0, alphabet.chars.size() - 1);
    std::uniform_int_distribution<int> pickModul(1, 6);
    for (int round = 0; round < 150; ++round) {
      std::string text = alphabet.prefix;
      for (std::size_t n = pickLength(rng); n > 0; --n) text += alphabet.chars[pickChar(rng)];
      TBarcode bc;
      test::Configure(bc, Typ(), checksum, text);
      bc.SetModul(pickModul(rng));
      SCOPED_TRACE(::testing::Message() << "Text <" << text << "> checksum " << checksum);

      const std::string first = bc.BuildPattern();
      const std::string textAfter = bc.Text();
      std::int64_t sum = 0;
      for (char c : first) {
        ASSERT_NE(std::string("01235678ABCD").find(c), std::string::npos) << int(c);
        sum += bc.DecodePatternChar(c).Width;
      }
      EXPECT_EQ(bc.Width(), sum);
      EXPECT_EQ(bc.BuildPattern(), first);
      EXPECT_EQ(bc.Text(), textAfter);

      // At Angle 0 the elements tile exactly Width columns from Left, one polygon each.
      bc.SetLeft(17);
      bc.SetHeight(40);
      test::RecordingCanvas canvas;
      bc.PaintTo(canvas);
      ASSERT_EQ(canvas.Polygons.size(), first.size());
      std::int64_t nextColumn = 17;
      for (const auto& polygon : canvas.Polygons) {
        EXPECT_EQ(polygon.Corners[0].X, nextColumn);
        nextColumn = polygon.Corners[2].X + 1;
      }
      EXPECT_EQ(nextColumn, 17 + sum);
      ++built;
    }
  }
  EXPECT_EQ(built, 300);
}

class NumericOnlyType : public EveryType {};

TEST_P(NumericOnlyType, RejectsEveryNonDigit) {
  for (int c = 0; c < 256; ++c) {
    if (c >= '0' && c <= '9') continue;
    TBarcode bc;
    bc.SetTyp(Typ());
    bc.SetText(std::string("1") + static_cast<char>(c) + "2");
    EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), "Barcode must be numeric") << c;
    // A drawing that fails in the build leaves the canvas untouched.
    test::RecordingCanvas canvas;
    EXPECT_EQ(MessageOf([&] { bc.PaintTo(canvas); }), "Barcode must be numeric") << c;
    EXPECT_EQ(canvas.Calls, "");
  }
}

class EveryMatrixType : public EveryType {};

// Random bytes of every kind: Width and SymbolHeight are the matrix at Modul, and the drawing
// is one box of Color with, over it, ColorBar polygons Modul pixels tall that cover exactly the
// dark modules, each once, and the text beyond the quiet zone.
TEST_P(EveryMatrixType, DrawsEveryDarkModuleOnceOverALightBox) {
  std::mt19937 rng(4321 + static_cast<unsigned>(GetParam()));
  std::uniform_int_distribution<int> pickByte(0, 255), pickLength(0, 60), pickModul(1, 5);
  for (int round = 0; round < 60; ++round) {
    // GS1 types take element strings: a GTIN and a batch of set 82 characters.
    const bool gs1 = BCdata[Typ()].Reader.Fnc1First;
    std::string text = gs1 ? "(01)09501101530003(10)" : "";
    for (int n = pickLength(rng) + (gs1 ? 1 : 0); n > 0; --n) {
      const int byte = pickByte(rng);
      text += static_cast<char>(gs1 ? 'A' + byte % 26 : byte);
    }
    if (gs1) text.resize(std::min<std::size_t>(text.size(), 42));  // a batch holds 20
    TBarcode bc;
    bc.SetTyp(Typ());
    bc.SetModul(pickModul(rng));
    bc.SetLeft(5);
    bc.SetTop(7);
    bc.SetColor(clBlue);
    bc.SetColorBar(clRed);
    TSymbolOptions options;
    if (!gs1) options.Eci = kEciNone;  // any bytes
    bc.SetSymbolOptions(options);
    bc.SetText(text);
    SCOPED_TRACE(::testing::Message() << "Text <" << text << ">");
    const TSymbol symbol = bc.BuildSymbol();
    const TModuleMatrix& m = symbol.Matrix;
    ASSERT_FALSE(m.Empty());
    EXPECT_EQ(bc.BuildSymbol().Matrix, m);
    const int modul = bc.Modul();
    EXPECT_EQ(bc.Width(), m.Columns() * modul);
    EXPECT_EQ(bc.SymbolHeight(), m.Rows() * modul);

    // The code and the type name, at any of the six places, stay off the symbol and its quiet
    // zone: a module under a text box would be lost.
    bc.SetShowText(bcoBoth);
    bc.SetShowTextPosition(static_cast<TShowTextPosition>(round % 6));
    test::RecordingCanvas canvas;
    bc.PaintTo(canvas);
    const int quiet = BCdata[Typ()].QuietLeft * bc.Modul();
    for (const auto& text : canvas.Texts) {
      const bool beside =
          text.Y + canvas.TextHeightPixels <= 7 - quiet || text.Y >= 7 + bc.SymbolHeight() + quiet;
      EXPECT_TRUE(beside) << text.Text << " at " << text.Y;
      EXPECT_EQ(text.Font.Encoding(), TTextEncoding::Utf8) << "the data's own characters";
    }
    ASSERT_FALSE(canvas.Polygons.empty());
    const auto& box = canvas.Polygons.front();
    EXPECT_EQ(box.BrushColor, clBlue);
    EXPECT_EQ(box.Corners[0], (TPoint{5, 7}));
    EXPECT_EQ(box.Corners[2], (TPoint{5 + bc.Width() - 1, 7 + bc.SymbolHeight() - 1}));
    std::vector<int> covered(static_cast<std::size_t>(m.Rows() * m.Columns()), 0);
    for (std::size_t i = 1; i < canvas.Polygons.size(); ++i) {
      const auto& run = canvas.Polygons[i];
      ASSERT_EQ(run.BrushColor, clRed);
      const TPoint first = run.Corners[0], last = run.Corners[2];
      ASSERT_EQ(last.Y - first.Y + 1, modul);
      ASSERT_EQ((first.X - 5) % modul, 0);
      ASSERT_EQ((last.X - 5 + 1) % modul, 0);
      const int row = (first.Y - 7) / modul;
      for (int c = (first.X - 5) / modul; c <= (last.X - 5) / modul; ++c)
        ++covered[static_cast<std::size_t>(row * m.Columns() + c)];
    }
    for (int r = 0; r < m.Rows(); ++r)
      for (int c = 0; c < m.Columns(); ++c)
        ASSERT_EQ(covered[static_cast<std::size_t>(r * m.Columns() + c)], m.Dark(r, c) ? 1 : 0)
            << r << "," << c;
  }
}

std::vector<std::size_t> TypesWhere(bool twoDimensional) {
  std::vector<std::size_t> types;
  for (std::size_t i = 0; i < kBarcodeTypeCount; ++i)
    if (BCdata[i].TwoDimensional == twoDimensional) types.push_back(i);
  return types;
}

std::vector<std::size_t> NumericOnlyTypes() {
  std::vector<std::size_t> types;
  for (std::size_t i = 0; i < kBarcodeTypeCount; ++i)
    if (BCdata[i].NumericOnly) types.push_back(i);
  return types;
}

std::string ItemText(const ::testing::TestParamInfo<std::size_t>& info) {
  return std::string(BCdata[info.param].ItemText);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryType, ::testing::ValuesIn(TypesWhere(false)), ItemText);
INSTANTIATE_TEST_SUITE_P(Catalogue, EveryMatrixType, ::testing::ValuesIn(TypesWhere(true)),
                         ItemText);
INSTANTIATE_TEST_SUITE_P(Catalogue, NumericOnlyType, ::testing::ValuesIn(NumericOnlyTypes()),
                         ItemText);

}  // namespace
}  // namespace bars
