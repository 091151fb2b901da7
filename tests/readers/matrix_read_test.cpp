// Proof by a real reader for the two-dimensional types: ZXing-C++ decodes what the component
// draws through the Qt canvas, at Modul 1 (Data Matrix 2) to 3 at the four right angles and at
// Modul 4 turned by 30 degrees (and turned back for the reader), and returns the bytes and
// identifier the engine says its symbol carries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "digital_link.h"
#include "reader_support.h"
#include "render.h"

namespace bars::readers {
namespace {

struct MatrixReadCase {
  const char* name;
  TBarcodeType typ;
  ZXing::BarcodeFormat format;
  TSymbolOptions options;
  std::string (*make)(std::mt19937& rng);
  friend void PrintTo(const MatrixReadCase& c, std::ostream* os) { *os << c.name; }
};

std::string AnyText(std::mt19937& rng) {
  // Latin-1 (as UTF-8) and beyond it, so that both ways of carrying text are drawn.
  static const char* const kPieces[] = {"A", "z", "7",  " ",        "%",
                                        "é", "€", "Ωμ", "https://", "0123"};
  std::string text;
  for (int n = std::uniform_int_distribution<int>(1, 12)(rng); n > 0; --n)
    text += kPieces[std::uniform_int_distribution<std::size_t>(0, 9)(rng)];
  return text;
}

std::string Gs1Text(std::mt19937& rng) {
  return "(01)09501101530003(10)" + RandomText(rng, "ABC123-./", 1, 10) + "(17)" +
         RandomText(rng, "2", 1, 1) + RandomText(rng, "0123456789", 1, 1) + "0101";
}

// A Digital Link is plain data: ]Q1 and ]d1 with the URI.
std::string DigitalLinkText(std::mt19937& rng) {
  return gs1::DigitalLinkUri(Gs1Text(rng));
}

TSymbolOptions Rectangles() {
  TSymbolOptions options;
  options.DmShape = TDmShape::Rectangle;
  return options;
}

const MatrixReadCase kCases[] = {
    {"QRCode", bcQRCode, ZXing::BarcodeFormat::QRCode, {}, AnyText},
    {"DataMatrix", bcDataMatrix, ZXing::BarcodeFormat::DataMatrix, {}, AnyText},
    {"DataMatrixRectangle", bcDataMatrix, ZXing::BarcodeFormat::DataMatrix, Rectangles(), AnyText},
    {"GS1QRCode", bcGS1QRCode, ZXing::BarcodeFormat::QRCode, {}, Gs1Text},
    {"GS1DataMatrix", bcGS1DataMatrix, ZXing::BarcodeFormat::DataMatrix, {}, Gs1Text},
    {"QRCodeDigitalLink", bcQRCode, ZXing::BarcodeFormat::QRCode, {}, DigitalLinkText},
    {"DataMatrixDigitalLink", bcDataMatrix, ZXing::BarcodeFormat::DataMatrix, {}, DigitalLinkText},
};

// The barcode drawn turned by `angle` in the middle of a white square, a quiet zone of at least
// `quiet` modules all round (ZXing-C++ looks for a Data Matrix from the middle out).
QImage Draw(TBarcode& bc, int angle, int quiet) {
  bc.SetAngle(angle);
  const double w = bc.Width(), h = bc.SymbolHeight(), turn = angle * 3.14159265358979 / 180;
  const int boxWidth =
      static_cast<int>(std::abs(w * std::cos(turn)) + std::abs(h * std::sin(turn)));
  const int boxHeight =
      static_cast<int>(std::abs(w * std::sin(turn)) + std::abs(h * std::cos(turn)));
  const int side = std::max(boxWidth, boxHeight) + 2 * quiet * bc.Modul();
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TQtCanvas canvas(painter);
  bc.SetLeft((side - boxWidth) / 2);
  bc.SetTop((side - boxHeight) / 2);
  bc.PaintTo(canvas);
  return image;
}

class ZXingReadsMatrices : public ::testing::TestWithParam<MatrixReadCase> {};

TEST_P(ZXingReadsMatrices, TheDataTheEngineSaysAtEveryModulAndTurn) {
  const MatrixReadCase& c = GetParam();
  std::mt19937 rng(2027u + c.typ);
  ZXing::DecodeHints hints;
  hints.setFormats(c.format);
  hints.setTryRotate(true);
  int decoded = 0, drawn = 0;
  // ZXing 1.4 finds a Data Matrix from 2 pixels a module; a slanted module needs 4 to stay
  // square enough.
  const int least = c.format == ZXing::BarcodeFormat::DataMatrix ? 2 : 1;
  for (int modul : {1, 2, 3, 4}) {
    for (int angle : {0, 90, 180, 270, 30}) {
      if (modul < least || (angle == 30) != (modul == 4)) continue;
      const std::string text = c.make(rng);
      TBarcode bc;
      bc.SetTyp(c.typ);
      bc.SetModul(modul);
      bc.SetSymbolOptions(c.options);
      bc.SetText(text);
      const TSymbol symbol = bc.BuildSymbol();
      const ZXing::Result result = Read(TurnedUpright(Draw(bc, angle, 4), angle), hints);
      ++drawn;
      const std::string bytes(result.bytes().begin(), result.bytes().end());
      // ZXing 1.4 keeps modifier 1 where an ECI makes it 2 (QR Code) or 4 (Data Matrix).
      const std::string id = result.symbologyIdentifier();
      const bool identifier = id == symbol.SymbologyId ||
                              (symbol.SymbologyId == "]Q2" && id == "]Q1") ||
                              (symbol.SymbologyId == "]d4" && id == "]d1");
      if (result.isValid() && bytes == symbol.Data && identifier) {
        ++decoded;
      } else {
        ADD_FAILURE() << c.name << " Modul " << modul << " angle " << angle << " \""
                      << Escaped(text) << "\": read \"" << Escaped(bytes) << "\" "
                      << result.symbologyIdentifier() << ", the engine says \""
                      << Escaped(symbol.Data) << "\" " << symbol.SymbologyId;
      }
    }
  }
  std::cout << "[ readers  ] " << c.name << ": " << decoded << " decoded / " << drawn << "\n";
}

INSTANTIATE_TEST_SUITE_P(EveryMatrixType, ZXingReadsMatrices, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars::readers
