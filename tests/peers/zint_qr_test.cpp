// QR Code beside libzint's at level M: over thousands of seeded random ASCII texts, runs of
// digits, capitals, lower case and punctuation, our version is never larger. Prints how often it
// is smaller.
#include <gtest/gtest.h>
#include <zint.h>

#include <iostream>
#include <memory>
#include <random>
#include <string>

#include "qr_code.h"

namespace bars::matrix {
namespace {

// libzint's version for `data` at level M or above, or 0 when it refuses the data.
int ZintVersion(const std::string& data) {
  const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(),
                                                                    ZBarcode_Delete);
  symbol->symbology = BARCODE_QRCODE;
  symbol->input_mode = DATA_MODE;
  symbol->option_1 = 2;  // level M
  if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                      static_cast<int>(data.size())) >= ZINT_ERROR)
    return 0;
  return (symbol->width - 17) / 4;
}

std::string RandomAscii(std::mt19937& rng) {
  static const std::string kKinds[] = {"0123456789", "ABCDEFXYZ", "abcxyz",
                                       " $%*+-./:", "!\"#&'()<=>?@[\\]^_`{|}~"};
  // Mostly short texts (versions 1-9), some long enough for versions 10-26.
  const int runs = std::uniform_int_distribution<int>(1, rng() % 8 == 0 ? 60 : 12)(rng);
  std::uniform_int_distribution<int> runLength(1, 14), kind(0, 4);
  std::string text;
  for (int r = 0; r < runs; ++r) {
    const std::string& chars = kKinds[kind(rng)];
    std::uniform_int_distribution<std::size_t> pick(0, chars.size() - 1);
    for (int n = runLength(rng); n > 0; --n) text += chars[pick(rng)];
  }
  return text;
}

TEST(ZintQr, NeverALargerVersion) {
  std::mt19937 rng(1804);
  int smaller = 0, compared = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string text = RandomAscii(rng);
    const int theirs = ZintVersion(text);
    ASSERT_GT(theirs, 0) << text;
    const TQrSymbol ours = EncodeQrCode(text, TQrOptions{});
    ASSERT_GE(static_cast<int>(ours.Ecc), static_cast<int>(TQrEcc::M));
    EXPECT_LE(ours.Version, theirs) << text;
    ++compared;
    smaller += ours.Version < theirs;
  }
  std::cout << "QR Code beside libzint: " << compared << " texts, ours a smaller version in "
            << smaller << "\n";
}

}  // namespace
}  // namespace bars::matrix
