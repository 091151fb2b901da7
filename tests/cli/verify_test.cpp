// --verify's reading: a picture that reads as what was encoded passes; a damaged picture, or one
// of another code, fails naming both contents; types the reader does not take are said so.
#include <gtest/gtest.h>

#include <QImage>

#include "render.h"
#include "verify.h"

namespace bars::cli {
namespace {

struct VerifyCase {
  const char* name;
  TBarcodeType type;
  const char* drawn;    // the code in the picture
  const char* checked;  // the code it is checked against
  bool damaged;         // the middle third of the picture whited out
  TVerdict verdict;
  const char* message;
  friend void PrintTo(const VerifyCase& c, std::ostream* os) { *os << c.name; }
};

class Verification : public ::testing::TestWithParam<VerifyCase> {};

TEST_P(Verification, ComparesTheReadersContentWithTheEncodedOne) {
  const auto& c = GetParam();
  TBarcode drawn, checked;
  for (TBarcode* bc : {&drawn, &checked}) {
    bc->SetTyp(c.type);
    bc->SetModul(2);
    bc->SetHeight(50);
    bc->SetChecksum(true);
  }
  drawn.SetText(c.drawn);
  checked.SetText(c.checked);
  QImage picture = RenderImage(drawn, PrintLayout(drawn, 0));
  if (c.damaged) {
    for (int y = 0; y < picture.height(); ++y)
      for (int x = picture.width() / 3; x < 2 * picture.width() / 3; ++x)
        picture.setPixel(x, y, qRgb(255, 255, 255));
  }
  const TVerification v = VerifyPicture(picture, checked);
  EXPECT_EQ(v.verdict, c.verdict);
  EXPECT_EQ(v.message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Verification,
    ::testing::Values(
        VerifyCase{"Intact", bcCodeEAN13, "400638133393", "400638133393", false, TVerdict::Read,
                   ""},
        VerifyCase{"Damaged", bcCodeEAN13, "400638133393", "400638133393", true, TVerdict::Mismatch,
                   R"(--verify: ZXing-C++ read nothing, but "4006381333931" was encoded)"},
        // GS1's example and a published ISBN.
        VerifyCase{"AnotherCode", bcCodeEAN13, "400638133393", "978030640615", false,
                   TVerdict::Mismatch,
                   R"(--verify: ZXing-C++ read "4006381333931", but "9780306406157" was encoded)"},
        VerifyCase{"Gs1Separator", bcGS1_128, "(400)AB(90)CD", "(400)AB(90)CE", false,
                   TVerdict::Mismatch,
                   R"(--verify: ZXing-C++ read "400AB\x1D90CD", but "400AB\x1D90CE" was encoded)"},
        // Number system 1 is in the parities: a reader returns it first.
        VerifyCase{"UpcE1", bcCodeUPC_E1, "425261", "425261", false, TVerdict::Read, ""},
        VerifyCase{"NoReader", bcCodeMSI, "1234", "1234", false, TVerdict::NoReader,
                   "ZXing-C++ does not read MSI"},
        VerifyCase{"ShorterThanTheReaderTakes", bcCode_2_5_interleaved, "12", "12", false,
                   TVerdict::NoReader,
                   "ZXing-C++ does not read 2_5_interleaved of fewer than 6 characters"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars::cli
