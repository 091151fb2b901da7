// The symbologies that the test reader does not take on their own (2-of-5 Industrial and
// Matrix, MSI, POSTNET, the UPC add-ons) read back element by element as a reader would:
// every drawn width is classed (narrow, wide, wider still) or counted in modules, and the
// characters are found again through the standards' tables, written here in their own form
// (weights, bits, module strings) rather than as the encoders' pattern strings.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bars.h"
#include "support/test_support.h"

namespace bars {
namespace {

// A reading that breaks the standard.
struct ReadError {
  std::string what;
};

[[noreturn]] void Fail(const std::string& what) {
  throw ReadError{what};
}

// What a reader sees of a symbol: per element, bar first and alternating, its width class
// ('n' one module, 'w' the wide width, 'x' wider than that), its width in modules (0 when not a
// whole number) and, for bars, its height ('F' full, 'S' short; ' ' for spaces).
struct Drawn {
  std::string classes;
  std::vector<int> modules;
  std::string heights;
};

Drawn Scan(TBarcode& bc) {
  std::vector<TPatternElement> elements;
  std::int32_t wide = 0;  // the narrowest width above the module
  for (char c : bc.BuildPattern()) {
    const TPatternElement e = bc.DecodePatternChar(c);
    if ((e.Kind != lkSpace) != (elements.size() % 2 == 0)) Fail("bars and spaces alternate");
    if (e.Width > bc.Modul() && (wide == 0 || e.Width < wide)) wide = e.Width;
    elements.push_back(e);
  }
  // Two-width standards keep the wide element at two to three narrow ones.
  if (wide != 0 && (wide < 2 * bc.Modul() || wide > 3 * bc.Modul())) Fail("wide is 2 to 3 narrow");
  Drawn d;
  for (const TPatternElement& e : elements) {
    d.classes += e.Width == bc.Modul() ? 'n' : e.Width == wide ? 'w' : 'x';
    d.modules.push_back(e.Width % bc.Modul() == 0 ? e.Width / bc.Modul() : 0);
    d.heights += e.Kind == lkBar ? 'F' : e.Kind == lkShortBar ? 'S' : ' ';
  }
  return d;
}

// `classes` of the drawing from `at` on must begin with `guard`.
void ExpectGuard(const Drawn& d, std::size_t at, std::string_view guard, const char* name) {
  if (d.classes.compare(at, guard.size(), guard) != 0) Fail(std::string(name) + " guard");
}

// 2-of-5: two of five elements wide; the digit is the sum of their weights 1, 2, 4, 7, 0, but
// 7 + 4 stands for 0.
char TwoOfFive(std::string_view five) {
  constexpr int kWeights[5] = {1, 2, 4, 7, 0};
  int sum = 0, wide = 0;
  for (std::size_t k = 0; k < 5; ++k) {
    if (five[k] == 'w') {
      sum += kWeights[k];
      ++wide;
    } else if (five[k] != 'n') {
      Fail("2-of-5 elements narrow or wide");
    }
  }
  if (wide != 2) Fail("two wide elements of five");
  return sum == 11 ? '0' : static_cast<char>('0' + sum);
}

// Industrial 2 of 5: only the bars carry the code, every space narrow. Start bars wide, wide,
// narrow; stop bars wide, narrow, wide.
std::string ReadIndustrial(const Drawn& d) {
  const std::size_t n = d.classes.size();
  if (n < 12 || (n - 12) % 10 != 0) Fail("start, 10 elements per digit, stop");
  ExpectGuard(d, 0, "wnwnnn", "start");
  ExpectGuard(d, n - 6, "wnnnwn", "stop");
  std::string digits;
  for (std::size_t i = 6; i + 6 < n; i += 10) {
    std::string bars;
    for (std::size_t k = 0; k < 10; k += 2) {
      bars += d.classes[i + k];
      if (d.classes[i + k + 1] != 'n') Fail("narrow spaces");
    }
    digits += TwoOfFive(bars);
  }
  return digits;
}

// Matrix 2 of 5: bar, space, bar, space, bar carry the code and a narrow space follows each
// character. Start and stop: a bar wider than wide, then narrow elements.
std::string ReadMatrix(const Drawn& d) {
  const std::size_t n = d.classes.size();
  if (n < 11 || (n - 11) % 6 != 0) Fail("start, 6 elements per digit, stop");
  ExpectGuard(d, 0, "xnnnnn", "start");
  ExpectGuard(d, n - 5, "xnnnn", "stop");
  std::string digits;
  for (std::size_t i = 6; i + 5 < n; i += 6) {
    digits += TwoOfFive(std::string_view(d.classes).substr(i, 5));
    if (d.classes[i + 5] != 'n') Fail("narrow gap");
  }
  return digits;
}

// MSI bits, three modules each: "100" (narrow bar, wide space) is 0, "110" is 1. A digit is
// four bits, most significant first. Start: a 1 bit; stop "1001".
std::string ReadMsiBits(const Drawn& d) {
  const std::size_t n = d.classes.size();
  if (n < 5 || (n - 5) % 8 != 0) Fail("start, 8 elements per digit, stop");
  ExpectGuard(d, 0, "wn", "start");
  ExpectGuard(d, n - 3, "nwn", "stop");
  std::string digits;
  for (std::size_t i = 2; i + 3 < n; i += 8) {
    int value = 0;
    for (std::size_t bit = 0; bit < 8; bit += 2) {
      const std::string_view pair = std::string_view(d.classes).substr(i + bit, 2);
      if (pair != "nw" && pair != "wn") Fail("an MSI bit");
      value = 2 * value + (pair == "wn");
    }
    if (value > 9) Fail("a decimal digit");
    digits += static_cast<char>('0' + value);
  }
  return digits;
}

// The Luhn test that MSI's modulo-10 digit passes: counting from the right, every second digit
// from the check digit's neighbour on is doubled (its digit sum taken), and all add up to a
// multiple of ten.
bool PassesLuhn(std::string_view digits) {
  int sum = 0;
  bool doubled = false;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    const int d = *it - '0';
    sum += doubled ? (2 * d > 9 ? 2 * d - 9 : 2 * d) : d;
    doubled = !doubled;
  }
  return sum % 10 == 0;
}

// The data digits of an MSI symbol whose check digit the reader has verified.
std::string ReadMsi(const Drawn& d) {
  const std::string digits = ReadMsiBits(d);
  if (digits.empty() || !PassesLuhn(digits)) Fail("a valid modulo-10 check digit");
  return digits.substr(0, digits.size() - 1);
}

// POSTNET: bars of one width, spaces of one width, full frame bars at both ends; between them
// five bars per digit, two of them full, weighing 7, 4, 2, 1, 0 (7 + 4 stands for 0).
std::string ReadPostNet(const Drawn& d) {
  const std::size_t n = d.classes.size();
  if (n < 3 || (n - 3) % 10 != 0) Fail("frame bars and 10 elements per digit");
  for (std::size_t i = 0; i < n; ++i) {
    if (d.classes[i] != (i % 2 == 0 ? 'n' : 'w')) Fail("narrow bars and wide spaces");
  }
  if (d.heights[0] != 'F' || d.heights[n - 1] != 'F') Fail("full frame bars");
  constexpr int kWeights[5] = {7, 4, 2, 1, 0};
  std::string digits;
  for (std::size_t i = 2; i + 1 < n; i += 10) {
    int sum = 0, full = 0;
    for (std::size_t k = 0; k < 5; ++k) {
      if (d.heights[i + 2 * k] == 'F') {
        sum += kWeights[k];
        ++full;
      }
    }
    if (full != 2) Fail("two full bars of five");
    digits += sum == 11 ? '0' : static_cast<char>('0' + sum);
  }
  return digits;
}

// EAN/UPC left-hand odd-parity digits (set A, "L") as modules, 1 for dark, ISO/IEC 15420.
// Even parity ("G") is the right-hand code (L inverted) read backwards.
constexpr std::array<std::string_view, 10> kOddParity = {"0001101", "0011001", "0010011", "0111101",
                                                         "0100011", "0110001", "0101111", "0111011",
                                                         "0110111", "0001011"};

// The digit and its parity ('L' odd, 'G' even) of four elements of `modules` from `at`.
std::pair<char, char> AddOnDigit(const Drawn& d, std::size_t at) {
  std::string dark;
  for (std::size_t k = 0; k < 4; ++k) {
    const int m = d.modules[at + k];
    if (m < 1 || m > 4) Fail("elements of 1 to 4 modules");
    dark.append(static_cast<std::size_t>(m), k % 2 == 0 ? '0' : '1');  // space first
  }
  for (std::size_t v = 0; v < 10; ++v) {
    std::string even;
    for (char c : kOddParity[v]) even += c == '0' ? '1' : '0';
    std::reverse(even.begin(), even.end());
    if (dark == kOddParity[v]) return {static_cast<char>('0' + v), 'L'};
    if (dark == even) return {static_cast<char>('0' + v), 'G'};
  }
  Fail("an EAN/UPC digit");
}

// A UPC add-on: start 1011, then the digits, 01 between them. Returns digits and parities.
std::pair<std::string, std::string> ReadAddOn(const Drawn& d, std::size_t count) {
  if (d.modules.size() != 3 + 4 * count + 2 * (count - 1)) Fail("start, 4 elements per digit");
  if (d.modules[0] != 1 || d.modules[1] != 1 || d.modules[2] != 2) Fail("add-on start 1011");
  std::string digits, parities;
  for (std::size_t i = 0, at = 3; i < count; ++i, at += 6) {
    if (i > 0 && (d.modules[at - 2] != 1 || d.modules[at - 1] != 1)) Fail("delineator 01");
    const auto [digit, parity] = AddOnDigit(d, at);
    digits += digit;
    parities += parity;
  }
  return {digits, parities};
}

// The five-digit add-on: the parities encode the check digit 3 x (odd positions) + 9 x (even
// positions) mod 10, by the standard's table.
std::string ReadSupp5(const Drawn& d) {
  constexpr std::array<std::string_view, 10> kParityByCheck = {
      "GGLLL", "GLGLL", "GLLGL", "GLLLG", "LGGLL", "LLGGL", "LLLGG", "LGLGL", "LGLLG", "LLGLG"};
  const auto [digits, parities] = ReadAddOn(d, 5);
  int sum = 0;
  for (std::size_t i = 0; i < 5; ++i) sum += (i % 2 == 0 ? 3 : 9) * (digits[i] - '0');
  if (parities != kParityByCheck[static_cast<std::size_t>(sum % 10)]) Fail("check parities");
  return digits;
}

// The two-digit add-on: the parities are those of its value mod 4.
std::string ReadSupp2(const Drawn& d) {
  constexpr std::array<std::string_view, 4> kParityByRemainder = {"LL", "LG", "GL", "GG"};
  const auto [digits, parities] = ReadAddOn(d, 2);
  if (parities != kParityByRemainder[static_cast<std::size_t>(std::stoi(digits) % 4)]) {
    Fail("parities of the value mod 4");
  }
  return digits;
}

struct WidthCase {
  const char* name;
  TBarcodeType typ;
  std::string (*read)(const Drawn&);
  std::size_t minDigits;  // random Texts of this many
  std::size_t maxDigits;  // to this many digits
  std::size_t carried;    // digits the symbol carries: that many of Text after the build; 0 all
  double ratioMin;        // drawn at this Ratio, halfway and
  double ratioMax;        // this one
  const char* source;
  friend void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.name; }
};

class StandardWidths : public ::testing::TestWithParam<WidthCase> {};

// Random digit Texts at Modul 1 to 3 and three Ratios, read back from the drawn widths.
TEST_P(StandardWidths, RandomTextsReadBackFromTheirElements) {
  const WidthCase& c = GetParam();
  std::mt19937 rng(6151u * (c.typ + 1u));
  std::uniform_int_distribution<std::size_t> length(c.minDigits, c.maxDigits);
  std::uniform_int_distribution<int> digit('0', '9');
  int read = 0, drawn = 0;
  for (int modul = 1; modul <= 3; ++modul) {
    for (double ratio : {c.ratioMin, (c.ratioMin + c.ratioMax) / 2, c.ratioMax}) {
      for (int i = 0; i < 40; ++i) {
        std::string text(length(rng), '0');
        for (char& ch : text) ch = static_cast<char>(digit(rng));
        TBarcode bc;
        // With Checksum the add-ons write their check digit into Text.
        test::Configure(bc, c.typ, i % 2 == 1, text);
        bc.SetModul(modul);
        bc.SetRatio(ratio);
        ++drawn;
        try {
          const std::string digits = c.read(Scan(bc));
          const std::string want = c.carried > 0 ? bc.Text().substr(0, c.carried) : bc.Text();
          EXPECT_EQ(digits, want) << c.name << " Text \"" << text << "\", Modul " << modul
                                  << ", Ratio " << ratio << " (" << c.source << ")";
          read += digits == want;
        } catch (const ReadError& e) {
          ADD_FAILURE() << c.name << " Text \"" << text << "\", Modul " << modul << ", Ratio "
                        << ratio << ": " << e.what;
        }
      }
    }
  }
  std::cout << "[ widths   ] " << c.name << ": " << read << " read / " << drawn << "\n";
}

INSTANTIATE_TEST_SUITE_P(
    NotReadByTheTestReader, StandardWidths,
    ::testing::ValuesIn(std::vector<WidthCase>{
        WidthCase{"Industrial2of5", bcCode_2_5_industrial, ReadIndustrial, 0, 20, 0, 2.0, 3.0,
                  "2-of-5 weights 1-2-4-7-0; Industrial guards"},
        // Without digits the wide width is nowhere to be seen beside the wider guard bars.
        WidthCase{"Matrix2of5", bcCode_2_5_matrix, ReadMatrix, 1, 20, 0, 2.25, 3.0,
                  "2-of-5 weights 1-2-4-7-0; Matrix guards"},
        WidthCase{"MSI", bcCodeMSI, ReadMsi, 0, 20, 0, 2.0, 2.0, "MSI bits 100/110, Luhn check"},
        WidthCase{"PostNet", bcCodePostNet, ReadPostNet, 0, 20, 0, 2.0, 3.0,
                  "POSTNET weights 7-4-2-1-0"},
        WidthCase{"UPC_Supp5", bcCodeUPC_Supp5, ReadSupp5, 1, 5, 5, 2.0, 2.0,
                  "EAN/UPC L and G codes; five-digit add-on parity by check digit"},
        WidthCase{"UPC_Supp2", bcCodeUPC_Supp2, ReadSupp2, 1, 2, 2, 2.0, 2.0,
                  "EAN/UPC L and G codes; two-digit add-on parity by value mod 4"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The readings above must be able to fail: a wrong width or height anywhere is caught.
TEST(StandardWidthsReader, RefusesBrokenSymbols) {
  Drawn d;
  d.classes =
      "wnwnnn"
      "wnnnnnnnwn"
      "wnnnwn";        // Industrial "1" ...
  d.classes[6] = 'n';  // ... with its first wide bar narrowed
  d.modules.assign(d.classes.size(), 1);
  d.heights.assign(d.classes.size(), 'F');
  EXPECT_THROW(ReadIndustrial(d), ReadError);
  d.classes[6] = 'w';
  EXPECT_EQ(ReadIndustrial(d), "1");
  EXPECT_FALSE(PassesLuhn("12345"));  // 1234 takes 4
  EXPECT_TRUE(PassesLuhn("12344"));
}

}  // namespace
}  // namespace bars
