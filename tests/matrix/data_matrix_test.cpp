// Data Matrix: the published symbols, ZXing-C++ reading random data back from every size, an
// independent brute force over encodation sequences for the fewest codewords, and the errors.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "data_matrix.h"
#include "data_matrix_tables.h"
#include "exceptions.h"
#include "matrix/matrix_support.h"

namespace bars::matrix {
namespace {

std::vector<std::string> Rows(const TModuleMatrix& m) {
  std::vector<std::string> rows;
  for (int r = 0; r < m.Rows(); ++r) {
    std::string row;
    for (int c = 0; c < m.Columns(); ++c) row += m.Dark(r, c) ? '1' : '0';
    rows.push_back(row);
  }
  return rows;
}

struct TGolden {
  const char* Name;
  const char* Source;
  std::string_view Text;
  std::vector<std::string> Expected;
};

// Matrices as zint's test suite quotes them from the publications named.
const TGolden kGolden[] = {
    {"Digits",
     "ISO/IEC 16022:2006 Figure O.2 (codewords 142 164 186, ecc 114 25 5 88 102)",
     "123456",
     {"1010101010", "1100101101", "1100000100", "1100011101", "1100001000", "1000001111",
      "1110110000", "1111011001", "1001110100", "1111111111"}},
    {"C40EndsOneShort",
     "ISO/IEC 16022:2006 Figure 1 (C40, unlatch in the last codeword)",
     "A1B2C3D4E5F6G7H8I9J0K1L2",
     {"101010101010101010", "101000101010001111", "101100000111000010", "100000101110100111",
      "100100000100011100", "101011111010101111", "100110011111110110", "110011101111111101",
      "111111111101111100", "101110110100101101", "100010110101001110", "101101111001100001",
      "110001101010011110", "110110100000100011", "101101001101011010", "100010011001011011",
      "100011000000100100", "111111111111111111"}},
    {"AsciiFull",
     "ISO/IEC 16022:2006 Figure R.1",
     "30Q324343430794<OQQ",
     {"1010101010101010", "1010101010000001", "1010101011101100", "1010101010110011",
      "1010101010001100", "1010101010001101", "1010101010000100", "1010101001101001",
      "1010101010000110", "1000001001011001", "1111111110000100", "1101100110010101",
      "1111111001100100", "1110010111100101", "1110010010100010", "1111111111111111"}},
};

class DataMatrixGolden : public ::testing::TestWithParam<TGolden> {};

TEST_P(DataMatrixGolden, Encodes) {
  const TGolden& g = GetParam();
  EXPECT_EQ(Rows(EncodeDataMatrix(g.Text, {}).Matrix), g.Expected) << g.Source;
}

INSTANTIATE_TEST_SUITE_P(Published, DataMatrixGolden, ::testing::ValuesIn(kGolden),
                         [](const auto& info) { return std::string(info.param.Name); });

// Random data of one kind, drawn from `Pieces` (a character, or a UTF-8 sequence), read back by
// ZXing-C++ from every size pinned, at the longest prefix that fits and two shorter ones: the
// ends and pads of each scheme, with the symbol full or nearly.
struct TKind {
  const char* Name;
  std::vector<std::string> Pieces;
  std::int32_t Eci = kEciAuto;
  bool Gs1 = false;
  int (*Fill)(int dataCodewords) = nullptr;  // the longest text of the kind a size holds
};

std::vector<std::string> Singles(std::string_view chars) {
  std::vector<std::string> pieces;
  for (char c : chars) pieces.emplace_back(1, c);
  return pieces;
}

std::vector<std::string> Bytes(int first) {
  std::vector<std::string> pieces;
  for (int c = first; c < 256; ++c) pieces.emplace_back(1, static_cast<char>(c));
  return pieces;
}

const TKind kKinds[] = {
    {"digits", Singles("0123456789"), kEciAuto, false, [](int codewords) { return 2 * codewords; }},
    {"C40", Singles("ABCXYZ0189 ")},
    {"Text", Singles("abcxyz0189 ")},
    {"X12", Singles("ABZ09*>\r ")},
    {"EDIFACT", Singles("@AZ:;<=>?^09 .-/")},
    {"shifts", Singles("AB12ab!#\x01~\x7F\xC1\xE9 "), kEciNone},
    {"bytes", Bytes(0), kEciNone},
    // Base 256: latch and length, "to the end" (0) when the length would take two codewords.
    {"upper bytes", Bytes(128), kEciNone, false, [](int codewords) { return codewords - 2; }},
    {"UTF-8", {"a", "Z", "1", " ", "\xE2\x82\xAC", "\xC3\x9F", "\xCE\xB1"}},
    {"GS1", Singles("0123456789ABZ-\x1D"), kEciAuto, true},
};

TEST(DataMatrixReadBack, RandomDataFillsEverySize) {
  std::mt19937 rng(16022);
  for (const dm::TDmSize& size : dm::kSizes) {
    for (const TKind& kind : kKinds) {
      // The sizes above 300 codewords take every third kind in turn: each kind still meets
      // two or three of them, and the test stays quick under the sanitizers.
      if (size.DataCodewords > 300 && (&size - dm::kSizes.data() + (&kind - kKinds)) % 3 != 0)
        continue;
      TDmOptions options;
      options.Rows = size.Rows, options.Columns = size.Columns;
      options.Eci = kind.Eci, options.Gs1 = kind.Gs1;
      std::vector<std::string> pieces(3200);
      for (auto& piece : pieces) piece = kind.Pieces[rng() % kind.Pieces.size()];
      const auto text = [&](int count) {
        std::string t = kind.Gs1 ? "10" : "";
        for (int i = 0; i < count; ++i) t += pieces[static_cast<std::size_t>(i)];
        return t;
      };
      int fits = 0, fails = 2 * size.DataCodewords + 2;  // two digits a codeword at most
      while (fails - fits > 1) {
        const int middle = (fits + fails) / 2;
        try {
          EncodeDataMatrix(text(middle), options);
          fits = middle;
        } catch (const Exception&) {
          fails = middle;
        }
      }
      if (kind.Fill) {
        EXPECT_EQ(fits, kind.Fill(size.DataCodewords)) << kind.Name << " " << int{size.Rows};
      }
      for (int count = fits; count >= 0 && count > fits - 3; --count) {
        const std::string data = text(count);
        const TDmSymbol symbol = EncodeDataMatrix(data, options);
        const ZXing::Result read =
            test::ReadMatrix(symbol.Matrix, ZXing::BarcodeFormat::DataMatrix, 2);
        const std::string got = kind.Eci == kEciAuto
                                    ? read.text()
                                    : std::string(read.bytes().begin(), read.bytes().end());
        const std::string name = std::to_string(size.Rows) + "x" + std::to_string(size.Columns);
        ASSERT_EQ(got, data) << name << " " << kind.Name;
        // ]d1, ]d2 with FNC1 first; ZXing-C++ adds 6 to the modifier for DMRE sizes.
        const char modifier = static_cast<char>((kind.Gs1 ? '2' : '1') + (size.Dmre ? 6 : 0));
        EXPECT_EQ(read.symbologyIdentifier(), std::string("]d") + modifier) << name;
      }
    }
  }
}

// An independent brute force: every assignment of a scheme to each character (ASCII pairing
// digits within its runs), with the ends and latches of ISO/IEC 16022:2006 5.2 counted for one
// symbol capacity. Our encoder must fit a pinned size exactly when some assignment does.
enum EScheme { kAscii, kC40, kText, kX12, kEdifact, kBase256, kSchemes };

int Values(EScheme scheme, unsigned char c) {
  if (scheme == kX12) {
    return c == '\r' || c == '*' || c == '>' || c == ' ' || std::isdigit(c) || std::isupper(c) ? 1
                                                                                               : 0;
  }
  if (scheme == kEdifact) return c >= 32 && c <= 94 ? 1 : 0;
  const int upper = c >= 128 ? 2 : 0;
  c &= 0x7F;
  const bool basic =
      c == ' ' || std::isdigit(c) || (scheme == kText ? std::islower(c) : std::isupper(c));
  return upper + (basic ? 1 : 2);
}

int AsciiCodewords(std::string_view run) {
  int count = 0;
  for (std::size_t i = 0; i < run.size(); ++i) {
    const auto c = static_cast<unsigned char>(run[i]);
    if (i + 1 < run.size() && std::isdigit(c) &&
        std::isdigit(static_cast<unsigned char>(run[i + 1])))
      ++i;
    count += c >= 128 ? 2 : 1;
  }
  return count;
}

bool Fits(std::string_view text, const std::vector<EScheme>& schemes, int capacity) {
  constexpr int kEdifactExit[4] = {1, 2, 3, 3};
  int used = 0, rest = 0;  // rest: values of an unfinished triple or quadruple
  EScheme previous = kAscii;
  for (std::size_t start = 0, end; start < text.size(); start = end, previous = schemes[end - 1]) {
    for (end = start; end < text.size() && schemes[end] == schemes[start];) ++end;
    const EScheme scheme = schemes[start];
    const std::string_view run = text.substr(start, end - start);
    const bool last = end == text.size();
    const int ascii = AsciiCodewords(run);
    if (previous == kC40 || previous == kText || previous == kX12) {
      if (rest != 0) return false;
      // With one codeword left a reader assumes the unlatch.
      if (!(scheme == kAscii && last && ascii == 1 && used + 1 == capacity)) ++used;
    } else if (previous == kEdifact) {
      // With two codewords or fewer left at a quadruple boundary a reader is in ASCII.
      const bool implied =
          scheme == kAscii && last && rest == 0 && ascii <= 2 && used >= capacity - 2;
      if (!implied && used > capacity - 3) return false;
      if (!implied) used += kEdifactExit[rest];
    }
    int values = 0;
    for (char c : run) {
      const int v = Values(scheme, static_cast<unsigned char>(c));
      if (v == 0) return false;  // not in X12 or EDIFACT
      values += v;
    }
    switch (scheme) {
      case kAscii:
        used += ascii, rest = 0;
        break;
      case kBase256:
        used += 2 + static_cast<int>(run.size()), rest = 0;
        break;
      case kEdifact:
        used += 1 + values / 4 * 3, rest = values % 4;
        break;
      default:
        used += 1 + values / 3 * 2, rest = values % 3;
        break;
    }
  }
  if (previous == kC40 || previous == kText || previous == kX12) {
    if (rest == 2 && previous != kX12) return used + 2 == capacity;  // padded with Shift 1
    if (rest != 0) return false;
    if (used < capacity) ++used;
  } else if (previous == kEdifact) {
    if (rest != 0 && used > capacity - 3) return false;
    if (rest != 0 || used <= capacity - 3) used += kEdifactExit[rest];
  }
  return used <= capacity;
}

bool AnyFits(std::string_view text, int capacity) {
  std::vector<EScheme> schemes(text.size(), kAscii);
  while (true) {
    if (Fits(text, schemes, capacity)) return true;
    std::size_t i = 0;
    while (i < schemes.size() && schemes[i] == kSchemes - 1) schemes[i++] = kAscii;
    if (i == schemes.size()) return false;
    schemes[i] = static_cast<EScheme>(schemes[i] + 1);
  }
}

TEST(DataMatrixMinimal, NoEncodationFitsASmallerSize) {
  const std::string alphabet = "0123AZaz !*>\r@\x01\xC1\xE9";
  std::mt19937 rng(21471);
  int compared = 0;
  for (int round = 0; round < 350; ++round) {
    std::string text(1 + rng() % 6, ' ');
    for (char& c : text) c = alphabet[rng() % alphabet.size()];
    for (const dm::TDmSize& size : dm::kSizes) {
      if (size.DataCodewords > 16) continue;
      TDmOptions options;
      options.Rows = size.Rows, options.Columns = size.Columns, options.Eci = kEciNone;
      bool ours = true;
      try {
        EncodeDataMatrix(text, options);
      } catch (const Exception&) {
        ours = false;
      }
      EXPECT_EQ(ours, AnyFits(text, size.DataCodewords))
          << ::testing::PrintToString(text) << " in " << int{size.Rows} << "x" << int{size.Columns};
      ++compared;
    }
  }
  EXPECT_GT(compared, 1000);
}

// Inputs whose smallest square needs one of the special endings, or that peers get wrong:
// each must come out at this size and read back.
struct TSized {
  const char* Name;
  std::string_view Text;
  int Size;  // square
  const char* Why;
};

const TSized kSized[] = {
    {"TextThenImpliedUnlatch", "!!1a1a1a!", 14,
     "Text, then the last codeword read as ASCII without an unlatch (libzint 2.11: 16x16)"},
    {"X12ThenImpliedUnlatch", "***1A*C1A11", 14,
     "X12 likewise, ending in a digit pair (libzint: 16x16)"},
    {"EdifactThenAscii", "!!!!!!!!a", 14,
     "EDIFACT, two codewords left are ASCII without an unlatch"},
    {"EdifactEndsFull", "a!!!!!!A1", 14, "EDIFACT ending on a quadruple, no unlatch"},
    {"ZintFastError520", "a1.1AA-B1!>A1BB.>A", 18, "libzint 2.11 FAST_MODE: Error 520"},
    {"ZintFastError520b", "aAAA!AB1*-!*-*!!.-", 18, "libzint 2.11 FAST_MODE: Error 520"},
    {"ZintFastLarger", "BA!!A!BBa", 14, "libzint 2.11 FAST_MODE: 16x16"},
    {"ZintFastLargerB", "*-A.>-*.a", 14, "libzint 2.11 FAST_MODE: 16x16"},
    {"ZxingWriterDash", "A*A*>BBB->*B>B1>*", 18, "ZXing-C++ 1.4 writer: Illegal character: 0x2d"},
};

class DataMatrixSized : public ::testing::TestWithParam<TSized> {};

TEST_P(DataMatrixSized, EncodesSmallestAndReadsBack) {
  const TSized& c = GetParam();
  const TDmSymbol symbol = EncodeDataMatrix(c.Text, {});
  EXPECT_EQ(symbol.Matrix.Rows(), c.Size) << c.Why;
  const ZXing::Result read = test::ReadMatrix(symbol.Matrix, ZXing::BarcodeFormat::DataMatrix, 2);
  EXPECT_EQ(read.text(), c.Text) << c.Why;
}

INSTANTIATE_TEST_SUITE_P(Endings, DataMatrixSized, ::testing::ValuesIn(kSized),
                         [](const auto& info) { return std::string(info.param.Name); });

// ECI designators in one, two and three codewords, at each boundary, read back by ZXing-C++
// as "\" and six digits before the data.
TEST(DataMatrixEci, DesignatorsReadBack) {
  for (const char* eci : {"000003", "000126", "000127", "016382", "016383", "999999"}) {
    TDmOptions options;
    options.Eci = std::stoi(eci);
    const ZXing::Result read = test::ReadMatrix(EncodeDataMatrix("AB\xE9", options).Matrix,
                                                ZXing::BarcodeFormat::DataMatrix, 2);
    const ZXing::ByteArray bytes = read.bytesECI();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "]d4\\" + std::string(eci) + "AB\xE9");
  }
}

// The shape and size choice: squares by default, the smallest area for Any (a square on a tie).
struct TChoice {
  int Digits;
  TDmShape Shape;
  bool Dmre;
  int Rows, Columns;
};

TEST(DataMatrixSize, ChoosesTheSmallestOfTheShape) {
  const TChoice choices[] = {
      {6, TDmShape::Square, false, 10, 10},    {6, TDmShape::Rectangle, false, 8, 18},
      {20, TDmShape::Any, false, 16, 16},      {20, TDmShape::Rectangle, false, 8, 32},
      {36, TDmShape::Rectangle, true, 8, 48},  {36, TDmShape::Any, true, 18, 18},
      {60, TDmShape::Rectangle, true, 16, 36}, {98, TDmShape::Any, false, 16, 48},
      {98, TDmShape::Square, true, 32, 32},    {236, TDmShape::Rectangle, true, 26, 64},
  };
  for (const TChoice& c : choices) {
    TDmOptions options;
    options.Shape = c.Shape, options.Dmre = c.Dmre;
    const TModuleMatrix m = EncodeDataMatrix(std::string(c.Digits, '7'), options).Matrix;
    EXPECT_EQ(m.Rows() * 1000 + m.Columns(), c.Rows * 1000 + c.Columns) << c.Digits;
  }
}

struct TReject {
  const char* Name;
  std::string Text;
  TDmOptions Options;
  const char* Message;
};

const TReject kRejects[] = {
    {"NotASize",
     "1",
     {.Rows = 13, .Columns = 13},
     "TBarcode: Data Matrix 13x13 is not a symbol size"},
    {"RowsAlone", "1", {.Rows = 12}, "TBarcode: Data Matrix 12x0 is not a symbol size"},
    {"TooLong",
     std::string(2400, 'A'),
     {},
     "TBarcode: Data Matrix Text is too long: it needs 1601 data codewords, the largest symbol, "
     "144x144, holds 1558"},
    {"FarTooLong",
     std::string(3117, '1'),
     {.Shape = TDmShape::Rectangle},
     "TBarcode: Data Matrix Text is too long: 3117 bytes, more than any symbol holds (144x144: "
     "3116 digits)"},
    {"TooLongForARectangle",
     std::string(99, '1'),
     {.Shape = TDmShape::Rectangle},
     "TBarcode: Data Matrix Text is too long: it needs 50 data codewords, the largest "
     "rectangle, 16x48, holds 49"},
    {"TooLongForTheSize",
     "1234567",
     {.Rows = 10, .Columns = 10},
     "TBarcode: Data Matrix Text is too long for 10x10: it needs 4 data codewords, 10x10 holds 3"},
    {"Gs1WithEci",
     "10AB",
     {.Eci = 3, .Gs1 = true},
     "TBarcode: Data Matrix GS1 data cannot carry an ECI (Eci 3)"},
    {"Gs1NotAscii",
     "10A\xE9",
     {.Gs1 = true},
     "TBarcode: Data Matrix GS1 element string has byte 233 at position 4, outside printable "
     "ASCII and GS"},
    {"NotUtf8", "A\xFF", {}, "TBarcode: Data Matrix Text is not UTF-8 <A\xFF>"},
    {"EciTooLarge",
     "A",
     {.Eci = 1000000},
     "TBarcode: Data Matrix ECI must be 0..999999, not 1000000"},
};

class DataMatrixRejects : public ::testing::TestWithParam<TReject> {};

TEST_P(DataMatrixRejects, SaysWhy) {
  try {
    EncodeDataMatrix(GetParam().Text, GetParam().Options);
    FAIL() << "accepted";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(Errors, DataMatrixRejects, ::testing::ValuesIn(kRejects),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace bars::matrix
