// Code 128 A/B/C and EAN-128 A/B/C: golden symbols in width digits, set C padding, rejects.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include "bars.h"
#include "support/cases.h"
#include "support/test_support.h"

namespace bars {
namespace {

using namespace std::string_literals;
using namespace test;  // the shared row suites and their helpers

constexpr auto kMod10 = csmModulo10;
constexpr auto kOff = Check::Off;
constexpr auto kOn = Check::On;
constexpr auto kAny = Check::Ignored;

// (01)09501101530003 (GS1 sample): start C, FNC1, 01 09 50 11 01 53 00 03, check, stop.
constexpr const char* kGtin =
    "211232 411131 222122 221213 231131 231212 222122 213131 212222 121223 122114 2331112";

INSTANTIATE_TEST_SUITE_P(
    Code128, Encodes,
    ::testing::ValuesIn(std::vector<GoldenCase>{
        GoldenCase{"BA", bcCode128B, kOff, kMod10, "A", FromWidths("211214 111323 131123 2331112"),
                   kAsTyped, "worked example, check 34"},
        GoldenCase{"BEmpty", bcCode128B, kOff, kMod10, "", FromWidths("211214 222122 2331112"),
                   kAsTyped, "worked example, check 1"},
        GoldenCase{"CEmpty", bcCode128C, kOff, kMod10, "", FromWidths("211232 222221 2331112"),
                   kAsTyped, "worked example, check 2"},
        GoldenCase{
            "BSample", bcCode128B, kOff, kMod10, "PJJ123C",
            FromWidths("211214 313121 112133 112133 123221 223211 221132 131321 311321 2331112"),
            kAsTyped, "sample, check 55; read back by ZXing-C++, same as zint"},
        GoldenCase{"BLowerCase", bcCode128B, kAny, kMod10, "abc",
                   FromWidths("211214 121124 121421 141122 214121 2331112"), kAsTyped,
                   "hand-computed, check 90; Checksum ignored"},
        GoldenCase{"AUpperEnd", bcCode128A, kOff, kMod10, "_ ",
                   FromWidths("211412 111224 212222 111224 2331112"), kAsTyped,
                   "hand-computed, check 63"},
        GoldenCase{"COddGetsLeadingZero", bcCode128C, kOff, kMod10, "123",
                   FromWidths("211232 222122 312131 211331 2331112"), "0123",
                   "worked example, check 49"},
        GoldenCase{"CTrimmedThenPadded", bcCode128C, kOff, kMod10, " 123\t",
                   FromWidths("211232 222122 312131 211331 2331112"), "0123", "worked example"},
        GoldenCase{"Ean128C", bcCodeEAN128C, kOff, kMod10, "12",
                   FromWidths("211232 411131 112232 321122 2331112"), kAsTyped,
                   "worked example, check 25"},
        GoldenCase{"Ean128CCheckDigit", bcCodeEAN128C, kOn, kMod10, "12",
                   FromWidths("211232 411131 222122 312131 122411 2331112"), "012",
                   "worked example, check 72"},
        GoldenCase{"Ean128CCheckNone", bcCodeEAN128C, kOn, csmNone, "12",
                   FromWidths("211232 411131 112232 321122 2331112"), kAsTyped, "worked example"},
        GoldenCase{"Ean128CGs1Gtin", bcCodeEAN128C, kOff, kMod10, "0109501101530003",
                   FromWidths(kGtin), kAsTyped, "GS1 sample (01)09501101530003; same as zint"},
        GoldenCase{"Ean128ACheckDigit", bcCodeEAN128A, kOn, kMod10, "1234",
                   FromWidths("211412 411131 123221 223211 221132 221231 311222 411311 2331112"),
                   kAsTyped, "hand-computed: data 12348, check 98"},
        GoldenCase{"Ean128BCheckNone", bcCodeEAN128B, kOn, csmNone, "AB",
                   FromWidths("211214 411131 111323 131123 121124 2331112"), kAsTyped,
                   "hand-computed, check 65"},
        GoldenCase{"AutoDigitsInSetC", bcCode128, kOff, kMod10, "1234",
                   FromWidths("211232 112232 131123 121241 2331112"), kAsTyped,
                   "hand-computed, check 82"},
        GoldenCase{"AutoShiftsForOneControl", bcCode128, kOff, kMod10, "a\tb",
                   FromWidths("211214 121124 411311 142112 121421 311222 2331112"), kAsTyped,
                   "hand-computed: start B, SHIFT, check 24"},
        GoldenCase{"AutoExtendedByFnc4", bcCode128, kOff, kMod10, "\xE9",
                   FromWidths("211214 114131 142112 231311 2331112"), kAsTyped,
                   "hand-computed: start B, FNC4, 'i', check 41"},
        GoldenCase{"Gs1Gtin", bcGS1_128, kAny, kMod10, "(01)09501101530003", FromWidths(kGtin),
                   kAsTyped, "GS1 sample, the EAN128C symbol; no check digit beyond the AI's"},
        GoldenCase{"Gs1SeparatorIsFnc1", bcGS1_128, kOff, kMod10, "(90)12(91)34",
                   FromWidths("211232 411131 214121 112232 411131 412121 131123 313121 2331112"),
                   kAsTyped,
                   "hand-computed: start C, FNC1, 90, 12, FNC1 (not GS), 91, 34, check 48; the "
                   "same as zint"}}),
    CaseName());

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

#define BAD(text) "TBarcode:Code128 bad Data <" text ">"s

INSTANTIATE_TEST_SUITE_P(
    Code128, Rejects,
    ::testing::ValuesIn(std::vector<RejectCase>{
        RejectCase{"ALowerCase", bcCode128A, kOff, kMod10, "a"s, BAD("a")},
        RejectCase{"AControl", bcCode128A, kOff, kMod10, "AB\x01"s, BAD("AB\x01")},
        RejectCase{"ANul", bcCode128A, kOff, kMod10, "\0"s, BAD("\0")},
        RejectCase{"ADel", bcCode128A, kOff, kMod10, "\x7F"s, BAD("\x7F")},
        RejectCase{"AByte80", bcCode128A, kOff, kMod10, "\x80"s, BAD("\x80")},
        RejectCase{"AByteFF", bcCode128A, kOff, kMod10, "\xFF"s, BAD("\xFF")},
        RejectCase{"BByte80", bcCode128B, kOff, kMod10, "\x80"s, BAD("\x80")},
        RejectCase{"BNul", bcCode128B, kOff, kMod10, "x\0"s, BAD("x\0")},
        RejectCase{"BDel", bcCode128B, kOff, kMod10, "\x7F"s, BAD("\x7F")},
        RejectCase{"BByteFF", bcCode128B, kOff, kMod10, "ok\xFF"s, BAD("ok\xFF")},
        RejectCase{"BTab", bcCode128B, kOff, kMod10, "\t"s, BAD("\t")},
        RejectCase{"Ean128ALowerCase", bcCodeEAN128A, kOff, kMod10, "a"s, BAD("a")},
        RejectCase{"Ean128BCheckNone", bcCodeEAN128B, kOn, csmNone, "\x80"s, BAD("\x80")},
        // With a modulo-10 digit to compute, the conversion error comes first, naming the
        // first character that is not a digit.
        RejectCase{"Ean128BCheckDigitOfLetter", bcCodeEAN128B, kOn, kMod10, "1A2B3"s,
                   "'A' is not a valid integer value"s, Raises::ConvertError},
        RejectCase{"Ean128ACheckDigitOfHighByte", bcCodeEAN128A, kOn, kMod10, "\xFF"s,
                   "'\xFF' is not a valid integer value"s, Raises::ConvertError},
        RejectCase{"CLowerCase", bcCode128C, kOff, kMod10, "12a"s, "Barcode must be numeric"s},
        RejectCase{"Ean128CHighByte", bcCodeEAN128C, kOff, kMod10, "\x80"s,
                   "Barcode must be numeric"s},
        RejectCase{"Gs1CheckDigit", bcGS1_128, kOff, kMod10, "(01)09501101530001"s,
                   "GS1-128: AI (01) check digit should be 3, not 1"s},
        RejectCase{"Gs1UnknownAi", bcGS1_128, kOff, kMod10, "(99x)1"s,
                   "GS1-128: unknown AI (99x)"s},
        RejectCase{"Gs1Date", bcGS1_128, kOff, kMod10, "(17)251301"s,
                   "GS1-128: AI (17) is not a valid date"s},
        RejectCase{"Gs1NoBrackets", bcGS1_128, kOff, kMod10, "0109501101530003"s,
                   "GS1-128: the text must start with \"(\" and an AI, not \"0\""s}}),
    CaseName());

#undef BAD

INSTANTIATE_TEST_SUITE_P(Code128CEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(bcCode128C)),
                         CaseName());
INSTANTIATE_TEST_SUITE_P(Ean128CEdgeBytes, Rejects, ::testing::ValuesIn(EdgeBytes(bcCodeEAN128C)),
                         CaseName());

}  // namespace
}  // namespace bars
