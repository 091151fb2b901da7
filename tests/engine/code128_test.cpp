// Code 128 A/B/C and EAN-128 A/B/C: golden symbols in width digits, set C padding, rejects.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include "bars.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace std::string_view_literals;
using test::MessageOf;
using test::Unspaced;

struct Code128Case {
  const char* name;
  TBarcodeType typ;
  bool checksum;
  TCheckSumMethod method;
  const char* text;
  const char* widths;     // width digits, blanks between symbols
  const char* textAfter;  // Text after the build
  const char* source;
  friend void PrintTo(const Code128Case& c, std::ostream* os) { *os << c.name; }
};

class Code128Encodes : public ::testing::TestWithParam<Code128Case> {};

TEST_P(Code128Encodes, GoldenSymbol) {
  const auto& c = GetParam();
  TBarcode bc;
  test::Configure(bc, c.typ, c.checksum, c.method, c.text);
  test::ExpectRepeatableBuild(bc, PatternFromWidths(Unspaced(c.widths)), c.textAfter, c.source);
}

constexpr auto kMod10 = csmModulo10;

INSTANTIATE_TEST_SUITE_P(
    Symbols, Code128Encodes,
    ::testing::Values(
        Code128Case{"BA", bcCode128B, false, kMod10, "A", "211214 111323 131123 2331112", "A",
                    "worked example, check 34"},
        Code128Case{"BEmpty", bcCode128B, false, kMod10, "", "211214 222122 2331112", "",
                    "worked example, check 1"},
        Code128Case{"CEmpty", bcCode128C, false, kMod10, "", "211232 222221 2331112", "",
                    "worked example, check 2"},
        Code128Case{"BSample", bcCode128B, false, kMod10, "PJJ123C",
                    "211214 313121 112133 112133 123221 223211 221132 131321 311321 2331112",
                    "PJJ123C", "sample, check 55; read back by ZXing-C++, same as zint"},
        Code128Case{"BLowerCase", bcCode128B, true, kMod10, "abc",
                    "211214 121124 121421 141122 214121 2331112", "abc",
                    "hand-computed, check 90; Checksum ignored"},
        Code128Case{"AUpperEnd", bcCode128A, false, kMod10, "_ ",
                    "211412 111224 212222 111224 2331112", "_ ", "hand-computed, check 63"},
        Code128Case{"COddGetsLeadingZero", bcCode128C, false, kMod10, "123",
                    "211232 222122 312131 211331 2331112", "0123", "worked example, check 49"},
        Code128Case{"CTrimmedThenPadded", bcCode128C, false, kMod10, " 123\t",
                    "211232 222122 312131 211331 2331112", "0123", "worked example"},
        Code128Case{"Ean128C", bcCodeEAN128C, false, kMod10, "12",
                    "211232 411131 112232 321122 2331112", "12", "worked example, check 25"},
        Code128Case{"Ean128CCheckDigit", bcCodeEAN128C, true, kMod10, "12",
                    "211232 411131 222122 312131 122411 2331112", "012",
                    "worked example, check 72"},
        Code128Case{"Ean128CCheckNone", bcCodeEAN128C, true, csmNone, "12",
                    "211232 411131 112232 321122 2331112", "12", "worked example"},
        Code128Case{"Ean128CGs1Gtin", bcCodeEAN128C, false, kMod10, "0109501101530003",
                    "211232 411131 222122 221213 231131 231212 222122 213131 212222 121223 "
                    "122114 2331112",
                    "0109501101530003", "GS1 sample (01)09501101530003; same as zint"},
        Code128Case{"Ean128ACheckDigit", bcCodeEAN128A, true, kMod10, "1234",
                    "211412 411131 123221 223211 221132 221231 311222 411311 2331112", "1234",
                    "hand-computed: data 12348, check 98"},
        Code128Case{"Ean128BCheckNone", bcCodeEAN128B, true, csmNone, "AB",
                    "211214 411131 111323 131123 121124 2331112", "AB", "hand-computed, check 65"},
        Code128Case{"AutoDigitsInSetC", bcCode128, false, kMod10, "1234",
                    "211232 112232 131123 121241 2331112", "1234", "hand-computed, check 82"},
        Code128Case{"AutoShiftsForOneControl", bcCode128, false, kMod10, "a\tb",
                    "211214 121124 411311 142112 121421 311222 2331112", "a\tb",
                    "hand-computed: start B, SHIFT, check 24"},
        Code128Case{"AutoExtendedByFnc4", bcCode128, false, kMod10, "\xE9",
                    "211214 114131 142112 231311 2331112", "\xE9",
                    "hand-computed: start B, FNC4, 'i', check 41"},
        Code128Case{"Gs1Gtin", bcGS1_128, false, kMod10, "(01)09501101530003",
                    "211232 411131 222122 221213 231131 231212 222122 213131 212222 121223 "
                    "122114 2331112",
                    "(01)09501101530003", "GS1 sample; the same symbol as EAN128C"},
        Code128Case{"Gs1IgnoresChecksum", bcGS1_128, true, kMod10, "(01)09501101530003",
                    "211232 411131 222122 221213 231131 231212 222122 213131 212222 121223 "
                    "122114 2331112",
                    "(01)09501101530003", "GS1 sample: no check digit beyond the AI's own"},
        Code128Case{"Gs1SeparatorIsFnc1", bcGS1_128, false, kMod10, "(90)12(91)34",
                    "211232 411131 214121 112232 411131 412121 131123 313121 2331112",
                    "(90)12(91)34",
                    "hand-computed: start C, FNC1, 90, 12, FNC1 (not GS), 91, 34, check 48; the "
                    "same as zint"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Code128, WidthDigitsBecomeBarsAndSpaces) {
  TBarcode bc;
  bc.SetTyp(bcCode128B);
  bc.SetText("A");
  EXPECT_EQ(bc.BuildPattern(), Unspaced("605153 505262 525062 6270506"));
}

TEST(Code128, EverySetBCharacterIsElevenModules) {
  std::string all;
  for (int c = 32; c <= 126; ++c) all += static_cast<char>(c);
  TBarcode bc;
  bc.SetTyp(bcCode128B);
  bc.SetText(all);
  // Start, 95 characters and the check character, then the 13-module stop.
  EXPECT_EQ(bc.Width(), 11 * (1 + 95 + 1) + 13);
}

TEST(Code128, PositionWeightsKeepGrowingPastOneHundredAndThree) {
  TBarcode bc;
  bc.SetTyp(bcCode128B);
  bc.SetText(std::string(120, '!'));  // value 1 at positions 1..120
  // (104 + 120 x 121 / 2) mod 103 = 51
  EXPECT_TRUE(bc.BuildPattern().ends_with(PatternFromWidths("2131132331112")));
}

// The fewest symbol characters (start included; check character and stop not) of any Code 128
// symbol that a reader decodes to `data`: a breadth-first search over every symbol character a
// reader accepts next, by the decoding rules of ISO/IEC 15417 (SHIFT for one character, FNC4
// for one extended character, FNC4 FNC4 to latch the extended characters on or off).
int FewestCharacters(std::string_view data) {
  struct Reader {
    std::size_t pos;
    int set;  // 0 A, 1 B, 2 C
    bool latched, fnc4, shift;
    int Key() const { return (((int(pos) * 3 + set) * 2 + latched) * 2 + fnc4) * 2 + shift; }
  };
  // The reader after symbol character `v`, if it is one a reader accepts here for `data`.
  auto next = [&](Reader r, int v) -> std::optional<Reader> {
    if (r.set == 2) {
      if (v < 100) {
        if (r.pos + 1 >= data.size()) return std::nullopt;
        if (data[r.pos] != '0' + v / 10 || data[r.pos + 1] != '0' + v % 10) return std::nullopt;
        r.pos += 2;
      } else if (v == 100 || v == 101) {
        r.set = v == 100 ? 1 : 0;
      } else {
        return std::nullopt;
      }
      return r;
    }
    const int set = r.shift ? 1 - r.set : r.set;
    if (v < 96) {  // a data character
      const int base = set == 0 ? (v < 64 ? v + 32 : v - 64) : v + 32;
      const int c = base + (r.latched != r.fnc4 ? 128 : 0);
      if (r.pos >= data.size() || static_cast<unsigned char>(data[r.pos]) != c) return std::nullopt;
      ++r.pos;
      r.fnc4 = r.shift = false;
      return r;
    }
    if (r.shift) return std::nullopt;
    const int fnc4 = set == 0 ? 101 : 100;
    if (v == fnc4) {
      if (r.fnc4) r.latched = !r.latched;
      r.fnc4 = !r.fnc4;
    } else if (v == 98) {
      r.shift = true;
    } else if (!r.fnc4 && (v == 99 || v == 100 || v == 101)) {
      r.set = v == 99 ? 2 : v == 100 ? 1 : 0;
    } else {
      return std::nullopt;
    }
    return r;
  };
  std::vector<int> seen(12 * 8 * (data.size() + 1), 0);
  std::vector<std::pair<Reader, int>> queue;
  for (int set = 0; set < 3; ++set) queue.push_back({Reader{0, set, false, false, false}, 1});
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const auto [r, count] = queue[head];
    if (r.pos == data.size() && !r.fnc4 && !r.shift) return count;
    for (int v = 0; v < 102; ++v) {
      const std::optional<Reader> after = next(r, v);
      if (after && !seen[static_cast<std::size_t>(after->Key())]++)
        queue.push_back({*after, count + 1});
    }
  }
  return -1;
}

TEST(Code128Auto, IsAsShortAsTheShortestSymbolAnyReaderDecodes) {
  // Digits, capitals, lower case, controls, DEL and extended characters of both halves.
  const std::string alphabet = "0123456789AZaz \x01\x1F\x7F\x80\x9F\xC1\xE9\xFF";
  std::mt19937 rng(128);
  std::uniform_int_distribution<std::size_t> pickLength(0, 8), pickChar(0, alphabet.size() - 1);
  TBarcode bc;
  bc.SetTyp(bcCode128);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (std::size_t n = pickLength(rng); n > 0; --n) text += alphabet[pickChar(rng)];
    bc.SetText(text);
    const std::size_t elements = bc.BuildPattern().size();  // six per character, seven stop
    EXPECT_EQ(static_cast<int>((elements - 7) / 6 - 1), FewestCharacters(text))
        << "Text \"" << ::testing::PrintToString(text) << "\"";
  }
}

struct Code128Reject {
  const char* name;
  TBarcodeType typ;
  bool checksum;
  TCheckSumMethod method;
  std::string_view text;
  std::string_view message;
  friend void PrintTo(const Code128Reject& c, std::ostream* os) { *os << c.name; }
};

class Code128Rejects : public ::testing::TestWithParam<Code128Reject> {};

TEST_P(Code128Rejects, WithoutTouchingText) {
  const auto& c = GetParam();
  TBarcode bc;
  bc.SetTyp(c.typ);
  bc.SetChecksum(c.checksum);
  bc.SetCheckSumMethod(c.method);
  bc.SetText(c.text);
  EXPECT_EQ(MessageOf([&] { bc.BuildPattern(); }), c.message);
  EXPECT_EQ(bc.Text(), c.text);
}

#define BAD(text) "TBarcode:Code128 bad Data <" text ">"sv

INSTANTIATE_TEST_SUITE_P(
    EdgeBytes, Code128Rejects,
    ::testing::Values(
        Code128Reject{"ALowerCase", bcCode128A, false, kMod10, "a"sv, BAD("a")},
        Code128Reject{"AControl", bcCode128A, false, kMod10, "AB\x01"sv, BAD("AB\x01")},
        Code128Reject{"ANul", bcCode128A, false, kMod10, "\0"sv, BAD("\0")},
        Code128Reject{"ADel", bcCode128A, false, kMod10, "\x7F"sv, BAD("\x7F")},
        Code128Reject{"AByte80", bcCode128A, false, kMod10, "\x80"sv, BAD("\x80")},
        Code128Reject{"BNul", bcCode128B, false, kMod10, "x\0"sv, BAD("x\0")},
        Code128Reject{"BDel", bcCode128B, false, kMod10, "\x7F"sv, BAD("\x7F")},
        Code128Reject{"BByteFF", bcCode128B, false, kMod10, "ok\xFF"sv, BAD("ok\xFF")},
        Code128Reject{"BTab", bcCode128B, false, kMod10, "\t"sv, BAD("\t")},
        Code128Reject{"Ean128ALowerCase", bcCodeEAN128A, false, kMod10, "a"sv, BAD("a")},
        Code128Reject{"Ean128BCheckNone", bcCodeEAN128B, true, csmNone, "\x80"sv, BAD("\x80")},
        // With a modulo-10 digit to compute, the conversion error comes first.
        Code128Reject{"Ean128BCheckDigitOfLetter", bcCodeEAN128B, true, kMod10, "1A"sv,
                      "'A' is not a valid integer value"sv},
        Code128Reject{"Ean128ACheckDigitOfHighByte", bcCodeEAN128A, true, kMod10, "\xFF"sv,
                      "'\xFF' is not a valid integer value"sv},
        Code128Reject{"CLowerCase", bcCode128C, false, kMod10, "12a"sv,
                      "Barcode must be numeric"sv},
        Code128Reject{"Ean128CHighByte", bcCodeEAN128C, false, kMod10, "\x80"sv,
                      "Barcode must be numeric"sv},
        Code128Reject{"Gs1CheckDigit", bcGS1_128, false, kMod10, "(01)09501101530001"sv,
                      "GS1-128: AI (01) check digit should be 3, not 1"sv},
        Code128Reject{"Gs1UnknownAi", bcGS1_128, false, kMod10, "(99x)1"sv,
                      "GS1-128: unknown AI (99x)"sv},
        Code128Reject{"Gs1Date", bcGS1_128, false, kMod10, "(17)251301"sv,
                      "GS1-128: AI (17) is not a valid date"sv},
        Code128Reject{"Gs1NoBrackets", bcGS1_128, false, kMod10, "0109501101530003"sv,
                      "GS1-128: the text must start with \"(\" and an AI, not \"0\""sv}),
    [](const auto& info) { return std::string(info.param.name); });

#undef BAD

}  // namespace
}  // namespace bars
