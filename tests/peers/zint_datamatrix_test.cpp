// Data Matrix beside libzint 2.11's default (minimal) encodation of the same data, square
// symbols: ours is never larger, over thousands of seeded random inputs of mixed ASCII, C40 and
// X12 friendly runs and digits, and over GS1 element strings. Each case prints how often ours
// was smaller and how many of libzint's symbols ZXing-C++ could not read back.
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>
#include <zint.h>

#include <iostream>
#include <memory>
#include <random>
#include <string>

#include "data_matrix.h"
#include "matrix/matrix_support.h"

namespace bars::matrix {
namespace {

struct TZintSymbol {
  int rows = -1;     // -1 when libzint refused the data
  bool read = true;  // whether ZXing-C++ reads the data back from it
};

TZintSymbol Zint(const std::string& data, int inputMode, const std::string& expected) {
  const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(),
                                                                    ZBarcode_Delete);
  symbol->symbology = BARCODE_DATAMATRIX;
  symbol->input_mode = inputMode;
  symbol->option_3 = DM_SQUARE;
  if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                      static_cast<int>(data.size())) >= ZINT_ERROR)
    return {};
  // libzint 2.11 keeps a row's modules as bits, the first module in the lowest.
  TModuleMatrix matrix(symbol->rows, symbol->width);
  for (int r = 0; r < symbol->rows; ++r) {
    for (int c = 0; c < symbol->width; ++c)
      matrix.Set(r, c, (symbol->encoded_data[r][c >> 3] >> (c & 7)) & 1);
  }
  const ZXing::Result read = test::ReadMatrix(matrix, ZXing::BarcodeFormat::DataMatrix, 2);
  return {symbol->rows, read.text() == expected};
}

// Runs of one kind of character, so that every scheme and the changes between them come up.
std::string MixedText(std::mt19937& rng) {
  static const std::string kKinds[] = {"0123456789", "ABCXYZ 019",   "abcxyz 019",
                                       "AZ09*>\r ",  "@:;<=>?-./AZ", "!\"#$%&'()_`{|}~"};
  std::uniform_int_distribution<int> runs(1, 8), runLength(1, 12), kind(0, 5);
  std::string text;
  for (int r = runs(rng); r > 0; --r) {
    const std::string& chars = kKinds[kind(rng)];
    std::uniform_int_distribution<std::size_t> pick(0, chars.size() - 1);
    for (int n = runLength(rng); n > 0; --n) text += chars[pick(rng)];
  }
  return text;
}

TEST(ZintDataMatrix, OursIsNeverLarger) {
  std::mt19937 rng(16022);
  int smaller = 0, compared = 0, zintUnread = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::string text = MixedText(rng);
    const TZintSymbol theirs = Zint(text, DATA_MODE, text);
    ASSERT_GT(theirs.rows, 0) << ::testing::PrintToString(text);
    zintUnread += !theirs.read;
    const int ours = EncodeDataMatrix(text, {}).Matrix.Rows();
    EXPECT_LE(ours, theirs.rows) << ::testing::PrintToString(text);
    smaller += ours < theirs.rows;
    ++compared;
  }
  std::cout << "[ zint     ] Data Matrix: " << compared << " compared, ours smaller in " << smaller
            << ", never larger; " << zintUnread << " of libzint's not read back\n";
}

// GS1 element strings: AIs with fixed-length values need no separator, the others end in GS
// (FNC1) unless last. libzint takes the same data with its AIs in parentheses.
TEST(ZintDataMatrix, Gs1IsNeverLarger) {
  struct TElement {
    const char* Ai;
    const char* Value;
    bool Fixed;
  };
  static const TElement kElements[] = {
      {"01", "09501101530003", true}, {"17", "250101", true},   {"3103", "001250", true},
      {"10", "AB-123", false},        {"21", "x7Y9z", false},   {"10", "123456", false},
      {"21", "A1B2C3D4E5", false},    {"240", "ABC/12", false}, {"400", "PO 9917", false}};
  std::mt19937 rng(128);
  std::uniform_int_distribution<int> count(1, 5), pick(0, 8);
  int smaller = 0, compared = 0, zintUnread = 0;
  for (int i = 0; i < 1000; ++i) {
    std::string ours, theirs, ais;
    for (int n = count(rng); n > 0; --n) {
      const TElement& e = kElements[pick(rng)];
      if (ais.find("|" + std::string(e.Ai) + "|") != std::string::npos) continue;
      ais += "|" + std::string(e.Ai) + "|";
      ours += std::string(e.Ai) + e.Value + (e.Fixed ? "" : "\x1D");
      theirs += "(" + std::string(e.Ai) + ")" + e.Value;
    }
    if (ours.back() == '\x1D') ours.pop_back();
    const TZintSymbol peer = Zint(theirs, GS1_MODE | GS1PARENS_MODE, ours);
    ASSERT_GT(peer.rows, 0) << theirs;
    zintUnread += !peer.read;
    TDmOptions options;
    options.Gs1 = true;
    const int rows = EncodeDataMatrix(ours, options).Matrix.Rows();
    EXPECT_LE(rows, peer.rows) << theirs;
    smaller += rows < peer.rows;
    ++compared;
  }
  std::cout << "[ zint     ] GS1 Data Matrix: " << compared << " compared, ours smaller in "
            << smaller << ", never larger; " << zintUnread << " of libzint's not read back\n";
}

}  // namespace
}  // namespace bars::matrix
