// Proof by a real reader: ZXing-C++ decodes symbols that the engine drew through the Qt canvas
// onto an in-memory image, for every type it reads, over seeded random texts at Modul 1, 2 and
// 3 and the four right angles. The expected content is worked out here from the typed Text and
// the published rules, with check digits from the reader's own GTIN routine; each case prints
// "<type>: N decoded / N".
#include <gtest/gtest.h>

#include <ZXing/GTIN.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <sstream>
#include <vector>

#include "reader_support.h"

namespace bars::readers {
namespace {

constexpr int kModuls[] = {1, 2, 3};
constexpr int kAngles[] = {0, 90, 180, 270};
constexpr int kTextsPerDrawing = 40;  // per Modul, angle and Checksum state
constexpr int kReportedFailures = 8;  // per case; the count says how many there were

// What a symbol must carry.
struct Carried {
  std::string decoded;          // ZXing's text
  std::string textAfter;        // Text after the build
  std::string identifier = {};  // symbology identifier if it depends on the content; else empty
};

using MakeText = std::string (*)(std::mt19937& rng, bool checksum);
using Expect = Carried (*)(const std::string& typed, bool checksum);

struct ReaderCase {
  const char* name;
  TBarcodeType typ;
  ZXing::BarcodeFormat format;
  bool checksumMatters;  // run with Checksum clear and set; else clear only
  bool wideNarrow;       // two-width symbology: Ratio 2.0, 2.5 and 3.0 in turn; else 2.0
  MakeText make;
  Expect expect;
  const char* identifierClear;  // symbology identifier with Checksum clear
  const char* identifierSet;    // and set
  const char* source;           // where the expected content comes from
  friend void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }
};

std::string Ascii(int first, int last) {
  std::string s;
  for (int c = first; c <= last; ++c) s += static_cast<char>(c);
  return s;
}

const std::string kDigits = "0123456789";
const std::string kCode128SetA = Ascii(' ', '_');
const std::string kCode128SetB = Ascii(' ', '~');
const std::string kAscii = Ascii(0, 127);
// '*' is left out: it is the start/stop character, which no reader takes for data.
const std::string kCode39Data = kDigits + Ascii('A', 'Z') + "-. $/+%";
// Code 93's own characters; the four shifts are for the extended form.
const std::string kCode93Data = kCode39Data;
// A to D are left out: a reader takes them for start/stop characters.
const std::string kCodabarData = kDigits + "-$:/.+";

// The GS1 modulo-10 check digit, by the reader's own routine.
std::string GtinCheck(const std::string& digits) {
  return std::string(1, ZXing::GTIN::ComputeCheckDigit(digits));
}

// EAN/UPC with `N` data digits. With Checksum 1..N digits (zero-padded by the encoder), else N
// digits and their check digit.
template <std::size_t N>
std::string MakeGtin(std::mt19937& rng, bool checksum) {
  if (checksum) return RandomText(rng, kDigits, 1, N);
  const std::string data = RandomText(rng, kDigits, N, N);
  return data + GtinCheck(data);
}

// EAN-13 and EAN-8 keep Text as typed and put the check digit into the bars only.
template <std::size_t N>
Carried ExpectEan(const std::string& typed, bool checksum) {
  if (!checksum) return {typed, typed};
  const std::string data = ZeroPadded(typed, N);
  return {data + GtinCheck(data), typed};
}

// UPC-A writes the padded digits and the check digit into Text.
Carried ExpectUpcA(const std::string& typed, bool checksum) {
  if (!checksum) return {typed, typed};
  const std::string data = ZeroPadded(typed, 11);
  return {data + GtinCheck(data), data + GtinCheck(data)};
}

// UPC-E zero suppression, GS1 General Specifications: digit 6 (X) says where the manufacturer
// number ends; with a..e for digits 1 to 5, the ten UPC-A digits between number system and
// check digit, by X.
constexpr std::array<std::string_view, 10> kUpcAFromUpcE = {
    "abX0000cde", "abX0000cde", "abX0000cde", "abc00000de", "abcd00000e",
    "abcde0000X", "abcde0000X", "abcde0000X", "abcde0000X", "abcde0000X"};

// The check digit of six UPC-E digits: that of the UPC-A number they stand for.
char UpcECheck(char numberSystem, const std::string& six) {
  std::string upcA(1, numberSystem);
  for (char t : kUpcAFromUpcE[static_cast<std::size_t>(six[5] - '0')]) {
    upcA += t >= 'a' && t <= 'e' ? six[static_cast<std::size_t>(t - 'a')] : t == 'X' ? six[5] : t;
  }
  return ZXing::GTIN::ComputeCheckDigit(upcA);
}

// With Checksum 1..6 digits; else six digits and their check digit.
template <char NumberSystem>
std::string MakeUpcE(std::mt19937& rng, bool checksum) {
  if (checksum) return RandomText(rng, kDigits, 1, 6);
  const std::string six = RandomText(rng, kDigits, 6, 6);
  return six + UpcECheck(NumberSystem, six);
}

// ZXing reports UPC-E as number system, six digits, check digit.
template <char NumberSystem>
Carried ExpectUpcE(const std::string& typed, bool checksum) {
  if (!checksum) return {NumberSystem + typed, typed};
  const std::string six = ZeroPadded(typed, 6);
  const std::string text = six + UpcECheck(NumberSystem, six);
  return {NumberSystem + text, text};
}

std::string MakeCode128A(std::mt19937& rng, bool) {
  return RandomText(rng, kCode128SetA, 1, 20);
}
std::string MakeCode128B(std::mt19937& rng, bool) {
  return RandomText(rng, kCode128SetB, 1, 20);
}
std::string MakeNumeric(std::mt19937& rng, bool) {
  return RandomText(rng, kDigits, 1, 20);
}

// The modulo-10 digit of EAN-128 needs a Text of digits.
std::string MakeEan128A(std::mt19937& rng, bool checksum) {
  return checksum ? MakeNumeric(rng, true) : MakeCode128A(rng, false);
}
std::string MakeEan128B(std::mt19937& rng, bool checksum) {
  return checksum ? MakeNumeric(rng, true) : MakeCode128B(rng, false);
}

Carried ExpectAsTyped(const std::string& typed, bool) {
  return {typed, typed};
}

// EAN-128 in code sets A and B: the check digit goes into the bars only.
Carried ExpectEan128AB(const std::string& typed, bool checksum) {
  return {checksum ? typed + GtinCheck(typed) : typed, typed};
}

// Code set C takes digit pairs: an odd count gets a leading '0', in Text as well.
Carried ExpectSetC(const std::string& data, const std::string& typed) {
  if (data.size() % 2 == 0) return {data, typed};
  return {"0" + data, "0" + typed};
}
Carried ExpectCode128C(const std::string& typed, bool) {
  return ExpectSetC(typed, typed);
}
Carried ExpectEan128C(const std::string& typed, bool checksum) {
  return ExpectSetC(checksum ? typed + GtinCheck(typed) : typed, typed);
}

std::string MakeCode39(std::mt19937& rng, bool) {
  return RandomText(rng, kCode39Data, 1, 20);
}
std::string MakeCode93(std::mt19937& rng, bool) {
  return RandomText(rng, kCode93Data, 1, 20);
}
// Every character of 0..127, '-' and '.' among them, which the extended forms shift as well.
std::string MakeFullAscii(std::mt19937& rng, bool) {
  return RandomText(rng, kAscii, 1, 12);
}

// ZXing needs two data characters at least.
std::string MakeCodabar(std::mt19937& rng, bool) {
  return RandomText(rng, kCodabarData, 2, 20);
}
// The start and stop characters are always A and B; the reader reports them when asked.
Carried ExpectCodabar(const std::string& typed, bool) {
  return {"A" + typed + "B", typed};
}

// ZXing needs six digits at least; five and seven get the leading '0'.
std::string MakeInterleaved(std::mt19937& rng, bool) {
  return RandomText(rng, kDigits, 5, 20);
}
// ZXing takes 14 digits whose last one happens to be their GS1 check digit for an ITF-14 and
// says so (modifier 1).
Carried ExpectInterleaved(const std::string& typed, bool) {
  const std::string digits = typed.size() % 2 == 0 ? typed : "0" + typed;
  const bool gs1 = digits.size() == 14 && ZXing::GTIN::IsCheckDigitValid(digits);
  return {digits, digits, gs1 ? "]I1" : "]I0"};
}

// Any byte, the extended ones through FNC4; the reader gives Latin-1 as UTF-8.
std::string MakeAnyByte(std::mt19937& rng, bool) {
  return RandomText(rng, Ascii(0, 255), 1, 20);
}
Carried ExpectLatin1(const std::string& typed, bool) {
  std::string utf8;
  for (char c : typed) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 128) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | u >> 6);
      utf8 += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return {utf8, typed};
}

// GS1 element strings of a few common AIs in random order: fixed-length keys with their check
// digit by the reader's GTIN routine, a date, a weight, and variable-length batch and serial
// numbers, which need a separator when another element follows.
struct Gs1Field {
  const char* ai;
  std::size_t length;  // fixed; 0 for 1..20 characters of set 82
};
constexpr Gs1Field kGs1Fields[] = {{"01", 14},  {"00", 18}, {"17", 6},
                                   {"3103", 6}, {"10", 0},  {"21", 0}};
const std::string kGs1Set82 =
    Ascii('!', '"') + Ascii('%', '\'') + Ascii('*', '?') + Ascii('A', 'Z') + "_" + Ascii('a', 'z');

// The GTIN is always among them: every other field but the SSCC needs it (GS1's requisite AIs).
std::string MakeGs1(std::mt19937& rng, bool) {
  std::vector<Gs1Field> fields(std::begin(kGs1Fields) + 1, std::end(kGs1Fields));
  std::shuffle(fields.begin(), fields.end(), rng);
  fields.resize(std::uniform_int_distribution<std::size_t>(0, 2)(rng));
  fields.insert(fields.begin() + std::uniform_int_distribution<std::ptrdiff_t>(
                                     0, static_cast<std::ptrdiff_t>(fields.size()))(rng),
                kGs1Fields[0]);
  std::string text;
  for (const Gs1Field& f : fields) {
    std::string value;
    if (std::string_view(f.ai) == "17") {
      value = "2" + RandomText(rng, "0123456789", 1, 1) + "0" + RandomText(rng, "123456789", 1, 1) +
              "1" + RandomText(rng, "0123456789", 1, 1);
    } else if (f.length == 6) {
      value = RandomText(rng, kDigits, 6, 6);
    } else if (f.length > 0) {
      value = RandomText(rng, kDigits, f.length - 1, f.length - 1);
      value += GtinCheck(value);
    } else {
      value = RandomText(rng, kGs1Set82, 1, 8);
    }
    text += "(" + std::string(f.ai) + ")" + value;
  }
  return text;
}

// The reader gives the element strings without brackets, a GS (29) after each variable-length
// one that another follows.
Carried ExpectGs1(const std::string& typed, bool) {
  std::string decoded;
  std::size_t at = 0;
  while (at < typed.size()) {
    const std::size_t close = typed.find(')', at);
    const std::string ai = typed.substr(at + 1, close - at - 1);
    const std::size_t next = std::min(typed.find('(', close), typed.size());
    decoded += ai + typed.substr(close + 1, next - close - 1);
    if ((ai == "10" || ai == "21") && next < typed.size()) decoded += '\x1D';
    at = next;
  }
  return {decoded, typed};
}

using F = ZXing::BarcodeFormat;

// Code 39 with Checksum: the reader checks the modulo-43 character and strips it (modifier 3,
// 7 in extended mode). Code 93's C and K are always there and always stripped.
const ReaderCase kCases[] = {
    {"EAN13", bcCodeEAN13, F::EAN13, true, false, MakeGtin<12>, ExpectEan<12>, "]E0", "]E0",
     "Text; check digit by the reader's GTIN routine"},
    {"EAN8", bcCodeEAN8, F::EAN8, true, false, MakeGtin<7>, ExpectEan<7>, "]E4", "]E4",
     "Text; check digit by the reader's GTIN routine"},
    {"UPC_A", bcCodeUPC_A, F::UPCA, true, false, MakeGtin<11>, ExpectUpcA, "]E0", "]E0",
     "Text; check digit by the reader's GTIN routine"},
    {"UPC_E0", bcCodeUPC_E0, F::UPCE, true, false, MakeUpcE<'0'>, ExpectUpcE<'0'>, "]E0", "]E0",
     "published zero suppression; GTIN check digit of the UPC-A number"},
    {"UPC_E1", bcCodeUPC_E1, F::UPCE, true, false, MakeUpcE<'1'>, ExpectUpcE<'1'>, "]E0", "]E0",
     "published zero suppression; GTIN check digit of the UPC-A number"},
    {"Code128A", bcCode128A, F::Code128, false, false, MakeCode128A, ExpectAsTyped, "]C0", "",
     "Text"},
    {"Code128B", bcCode128B, F::Code128, false, false, MakeCode128B, ExpectAsTyped, "]C0", "",
     "Text"},
    {"Code128C", bcCode128C, F::Code128, false, false, MakeNumeric, ExpectCode128C, "]C0", "",
     "Text, odd counts with a leading 0"},
    {"EAN128A", bcCodeEAN128A, F::Code128, true, false, MakeEan128A, ExpectEan128AB, "]C1", "]C1",
     "GS1 (FNC1 first); check digit by the reader's GTIN routine"},
    {"EAN128B", bcCodeEAN128B, F::Code128, true, false, MakeEan128B, ExpectEan128AB, "]C1", "]C1",
     "GS1 (FNC1 first); check digit by the reader's GTIN routine"},
    {"EAN128C", bcCodeEAN128C, F::Code128, true, false, MakeNumeric, ExpectEan128C, "]C1", "]C1",
     "GS1 (FNC1 first); check digit by the reader's GTIN routine, odd counts with a leading 0"},
    {"Code128Auto", bcCode128, F::Code128, false, false, MakeAnyByte, ExpectLatin1, "]C0", "",
     "Text, extended bytes as Latin-1"},
    {"GS1_128", bcGS1_128, F::Code128, false, false, MakeGs1, ExpectGs1, "]C1", "",
     "GS1 (FNC1 first, GS after variable-length fields); check digits by the reader's GTIN "
     "routine"},
    {"Code39", bcCode39, F::Code39, true, true, MakeCode39, ExpectAsTyped, "]A0", "]A3",
     "Text; modulo-43 character checked by the reader"},
    {"Code39Extended", bcCode39Extended, F::Code39, true, true, MakeFullAscii, ExpectAsTyped, "]A4",
     "]A7", "Text; full ASCII and modulo-43 character decoded by the reader"},
    {"Code93", bcCode93, F::Code93, false, false, MakeCode93, ExpectAsTyped, "]G0", "",
     "Text; C and K checked by the reader"},
    {"Code93Extended", bcCode93Extended, F::Code93, false, false, MakeFullAscii, ExpectAsTyped,
     "]G0", "", "Text; full ASCII, C and K decoded by the reader"},
    {"Codabar", bcCodeCodabar, F::Codabar, false, true, MakeCodabar, ExpectCodabar, "]F0", "",
     "Text between the start A and the stop B"},
    {"Interleaved2of5", bcCode_2_5_interleaved, F::ITF, false, true, MakeInterleaved,
     ExpectInterleaved, "", "", "Text, odd counts with a leading 0"},
};

ZXing::DecodeHints HintsFor(TBarcodeType typ, ZXing::BarcodeFormat format, bool checksum) {
  ZXing::DecodeHints hints;
  hints.setFormats(format);
  hints.setTryRotate(true);  // the 90 and 270 degree drawings
  hints.setTryCode39ExtendedMode(typ == bcCode39Extended);
  hints.setValidateCode39CheckSum(checksum && (typ == bcCode39 || typ == bcCode39Extended));
  hints.setReturnCodabarStartEnd(true);
  // Code 128's bytes are Latin-1 by definition; left alone, the reader guesses the set.
  hints.setCharacterSet("ISO-8859-1");
  return hints;
}

// Why `result` is not the reading of `want` drawn at `angle`; empty when it is.
std::string Mismatch(const ZXing::Result& result, const Carried& want, int angle) {
  if (!result.isValid()) {
    return "ZXing read nothing" + (result.error() ? " (" + result.error().msg() + ")" : "");
  }
  std::ostringstream why;
  if (result.text() != want.decoded) {
    why << "ZXing read \"" << Escaped(result.text()) << "\" instead of \"" << Escaped(want.decoded)
        << "\"; ";
  }
  if (result.symbologyIdentifier() != want.identifier) {
    why << "identifier " << result.symbologyIdentifier() << " instead of " << want.identifier
        << "; ";
  }
  if (want.identifier == "]C1" && result.contentType() != ZXing::ContentType::GS1) {
    why << "content " << ZXing::ToString(result.contentType()) << " instead of GS1; ";
  }
  if (result.orientation() != ReaderOrientation(angle) || result.isMirrored()) {
    why << "orientation " << result.orientation() << (result.isMirrored() ? " mirrored" : "")
        << " instead of " << ReaderOrientation(angle) << "; ";
  }
  return why.str();
}

// Why what the engine says its symbol carries is not what the reader found; empty when it is.
std::string EngineMismatch(const ReaderCase& c, TBarcode& bc, const Carried& want, bool checksum) {
  const TSymbol symbol = bc.BuildSymbol();
  std::string decoded = ExpectLatin1(symbol.Data, false).decoded;
  // Asked to, the reader keeps Codabar's start and stop, which the data leave out.
  if (c.format == F::Codabar) decoded = "A" + decoded + "B";
  std::string why;
  if (decoded != want.decoded) why += "the engine's Data \"" + Escaped(symbol.Data) + "\"; ";
  const std::string identifier = checksum ? c.identifierSet : c.identifierClear;
  if (!identifier.empty() && symbol.SymbologyId != identifier)
    why += "the engine's identifier " + std::string(symbol.SymbologyId) + "; ";
  return why;
}

// A 2-of-5 digit from its five elements, by the weights 1, 2, 4, 7, 0 of its two wide ones
// (7 + 4 stands for 0); '?' for any other number of wide elements.
char TwoOfFiveDigit(const std::array<bool, 5>& wide) {
  constexpr int kWeights[5] = {1, 2, 4, 7, 0};
  int sum = 0, count = 0;
  for (std::size_t k = 0; k < 5; ++k) {
    if (!wide[k]) continue;
    sum += kWeights[k];
    ++count;
  }
  if (count != 2) return '?';
  return sum == 11 ? '0' : static_cast<char>('0' + sum);
}

// The digits of an ITF symbol taken backwards: the reversed stop (narrow bar, narrow space,
// wide bar) for a start of four narrow elements, the last three of the reversed start for a
// stop, the pairs in between. A reader that checks its guards refuses this reading; ZXing 1.4
// accepts it at 2:1 with Modul 2 and 3, for about one symbol in twenty read upside down.
std::string InterleavedReadBackwards(TBarcode& bc) {
  std::vector<bool> wide;
  for (char ch : bc.BuildPattern()) wide.push_back(bc.DecodePatternChar(ch).Width > bc.Modul());
  std::reverse(wide.begin(), wide.end());
  std::string digits;
  for (std::size_t i = 4; i + 10 + 3 <= wide.size(); i += 10) {
    std::array<bool, 5> bars{}, spaces{};
    for (std::size_t k = 0; k < 5; ++k) {
      bars[k] = wide[i + 2 * k];
      spaces[k] = wide[i + 2 * k + 1];
    }
    digits += TwoOfFiveDigit(bars);
    digits += TwoOfFiveDigit(spaces);
  }
  return digits;
}

// True when the reader took the ITF symbol `bc`, drawn at `angle`, backwards.
bool ReadBackwards(const ZXing::Result& result, TBarcode& bc, int angle) {
  return bc.Typ() == bcCode_2_5_interleaved && result.isValid() &&
         result.orientation() == ReaderOrientation((angle + 180) % 360) &&
         result.text() == InterleavedReadBackwards(bc);
}

struct Tally {
  int decoded = 0;
  int drawn = 0;
  int reported = 0;
  std::vector<std::string> readBackwards;  // the reader's misreadings, with what it returned

  // Counts one drawing; a non-empty `problem` is a failure, reported with `what`.
  void Count(const std::string& problem, const std::string& what) {
    ++drawn;
    if (problem.empty()) {
      ++decoded;
    } else if (reported++ < kReportedFailures) {
      ADD_FAILURE() << what << ": " << problem;
    }
  }
};

// "Checksum set, Modul 2, angle 90, Ratio 2.5: Text "…""
std::string Describe(const char* type, bool checksum, int modul, int angle, double ratio,
                     const std::string& typed) {
  std::ostringstream out;
  out << type << " Checksum " << (checksum ? "set" : "clear") << ", Modul " << modul << ", angle "
      << angle << ", Ratio " << ratio << ": Text \"" << Escaped(typed) << "\"";
  return out.str();
}

// Prints and records the counts: the whole type, then each Checksum state. Every drawing must
// be decoded, or (ITF only) be shown to have been read backwards by the reader.
void Report(const std::string& type, const std::vector<std::pair<bool, Tally>>& states) {
  int decoded = 0, drawn = 0, backwards = 0;
  std::ostringstream detail;
  for (const auto& [checksum, tally] : states) {
    decoded += tally.decoded;
    drawn += tally.drawn;
    backwards += static_cast<int>(tally.readBackwards.size());
    detail << (detail.tellp() > 0 ? ", " : "") << "Checksum " << (checksum ? "set " : "clear ")
           << tally.decoded << "/" << tally.drawn;
  }
  std::cout << "[ readers  ] " << type << ": " << decoded << " decoded / " << drawn << " ("
            << detail.str() << ")";
  if (backwards > 0) std::cout << "; " << backwards << " read backwards by ZXing";
  std::cout << "\n";
  for (const auto& state : states) {
    for (const std::string& note : state.second.readBackwards) {
      std::cout << "[ readers  ]   read backwards: " << note << "\n";
    }
  }
  ::testing::Test::RecordProperty("decoded", decoded);
  ::testing::Test::RecordProperty("drawn", drawn);
  ::testing::Test::RecordProperty("read_backwards", backwards);
  EXPECT_EQ(decoded + backwards, drawn);
}

class ZXingReads : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ZXingReads, RandomTextsAtEveryModulAndRightAngle) {
  const ReaderCase& c = GetParam();
  std::mt19937 rng(7919u * (c.typ + 1u));
  std::vector<std::pair<bool, Tally>> states;
  for (bool checksum : {false, true}) {
    if (checksum && !c.checksumMatters) break;
    Tally tally;
    const ZXing::DecodeHints hints = HintsFor(c.typ, c.format, checksum);
    for (int modul : kModuls) {
      for (int angle : kAngles) {
        for (int i = 0; i < kTextsPerDrawing; ++i) {
          const double ratio = c.wideNarrow ? 2.0 + 0.5 * (i % 3) : 2.0;
          const std::string typed = c.make(rng, checksum);
          Carried want = c.expect(typed, checksum);
          if (want.identifier.empty())
            want.identifier = checksum ? c.identifierSet : c.identifierClear;
          const std::string what = Describe(c.name, checksum, modul, angle, ratio, typed);
          TBarcode bc;
          bc.SetTyp(c.typ);
          bc.SetChecksum(checksum);
          bc.SetModul(modul);
          bc.SetRatio(ratio);
          bc.SetText(typed);
          std::string problem;
          try {
            const ZXing::Result result = Read(DrawInLine({&bc}, 0, angle), hints);
            problem = Mismatch(result, want, angle) + EngineMismatch(c, bc, want, checksum);
            if (bc.Text() != want.textAfter) {
              problem += "Text \"" + Escaped(bc.Text()) + "\" after the build instead of \"" +
                         Escaped(want.textAfter) + "\"";
            } else if (!problem.empty() && ReadBackwards(result, bc, angle)) {
              tally.readBackwards.push_back(what + ": \"" + result.text() + "\"");
              ++tally.drawn;
              continue;
            }
          } catch (const Exception& e) {
            problem = "the engine raised \"" + e.Message() + "\"";
          }
          tally.Count(problem, what + " (" + c.source + ")");
        }
      }
    }
    states.emplace_back(checksum, tally);
  }
  Report(c.name, states);
}

INSTANTIATE_TEST_SUITE_P(EveryReadableType, ZXingReads, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The add-ons on their own are no symbol a reader looks for; beside an EAN-13, 9 modules away
// (the standard gap is 7 to 12), ZXing reads them with the main symbol. Their check digit has
// no bars of its own: the reader checks the parities it selects.
struct AddOnCase {
  const char* name;
  TBarcodeType typ;
  std::size_t digits;
  friend void PrintTo(const AddOnCase& c, std::ostream* os) { *os << c.name; }
};

constexpr int kAddOnGapModules = 9;

class ZXingReadsAddOn : public ::testing::TestWithParam<AddOnCase> {};

TEST_P(ZXingReadsAddOn, BesideEan13AtEveryModulAndRightAngle) {
  const AddOnCase& c = GetParam();
  std::mt19937 rng(104729u * (c.typ + 1u));
  ZXing::DecodeHints hints = HintsFor(bcCodeEAN13, F::EAN13, false);
  hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
  std::vector<std::pair<bool, Tally>> states;
  for (bool checksum : {false, true}) {  // Checksum changes Text only, never the bars
    Tally tally;
    for (int modul : kModuls) {
      for (int angle : kAngles) {
        for (int i = 0; i < kTextsPerDrawing; ++i) {
          const std::string mainText = MakeGtin<12>(rng, false);
          const std::string typed = RandomText(rng, kDigits, 1, c.digits);
          const std::string addOnDigits = ZeroPadded(typed, c.digits);
          TBarcode main, addOn;
          main.SetText(mainText);
          main.SetModul(modul);
          addOn.SetTyp(c.typ);
          addOn.SetChecksum(checksum);
          addOn.SetText(typed);
          std::string problem;
          try {
            const Carried want{mainText + " " + addOnDigits, addOnDigits, "]E3"};
            problem = Mismatch(Read(DrawInLine({&main, &addOn}, kAddOnGapModules, angle), hints),
                               want, angle);
            // With Checksum, Text gets the add-on check digit, which has no bars to read.
            const std::string text = addOn.Text();
            if (text.substr(0, c.digits) != addOnDigits ||
                text.size() != c.digits + (checksum ? 1 : 0)) {
              problem += "Text \"" + text + "\" after the build";
            }
          } catch (const Exception& e) {
            problem = "the engine raised \"" + e.Message() + "\"";
          }
          tally.Count(problem, Describe(c.name, checksum, modul, angle, 2.0, typed) +
                                   " beside EAN-13 " + mainText);
        }
      }
    }
    states.emplace_back(checksum, tally);
  }
  Report(std::string(c.name) + " beside EAN13", states);
}

// The add-on attached through AddOn: one symbol, Width and all, that the reader reads whole.
struct AttachedCase {
  const char* name;
  TBarcodeType typ;
  ZXing::BarcodeFormat format;
  std::size_t addOnDigits;
  MakeText make;
  Expect expect;
  friend void PrintTo(const AttachedCase& c, std::ostream* os) { *os << c.name; }
};

class ZXingReadsAttachedAddOn : public ::testing::TestWithParam<AttachedCase> {};

TEST_P(ZXingReadsAttachedAddOn, AtEveryModulAndRightAngle) {
  const AttachedCase& c = GetParam();
  std::mt19937 rng(15485863u * (c.typ + 1u) + c.addOnDigits);
  ZXing::DecodeHints hints = HintsFor(c.typ, c.format, false);
  hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
  Tally tally;
  for (int modul : kModuls) {
    for (int angle : kAngles) {
      for (int i = 0; i < kTextsPerDrawing; ++i) {
        const std::string typed = c.make(rng, false);
        const std::string addOn = RandomText(rng, kDigits, c.addOnDigits, c.addOnDigits);
        TBarcode bc;
        bc.SetTyp(c.typ);
        bc.SetModul(modul);
        bc.SetText(typed);
        bc.SetAddOn(addOn);
        std::string problem;
        try {
          Carried want = c.expect(typed, false);
          want.decoded += " " + addOn;
          want.identifier = "]E3";
          problem = Mismatch(Read(DrawInLine({&bc}, 0, angle), hints), want, angle);
          const TSymbol symbol = bc.BuildSymbol();
          if (symbol.Data + " " + symbol.AddOn != want.decoded || symbol.SymbologyId != "]E3")
            problem += "the engine's Data \"" + symbol.Data + " " + symbol.AddOn + "\"";
        } catch (const Exception& e) {
          problem = "the engine raised \"" + e.Message() + "\"";
        }
        tally.Count(problem,
                    Describe(c.name, false, modul, angle, 2.0, typed) + " add-on " + addOn);
      }
    }
  }
  Report(std::string(c.name), {{false, tally}});
}

INSTANTIATE_TEST_SUITE_P(
    EveryMainSymbol, ZXingReadsAttachedAddOn,
    ::testing::Values(
        AttachedCase{"EAN13_AddOn2", bcCodeEAN13, F::EAN13, 2, MakeGtin<12>, ExpectEan<12>},
        AttachedCase{"EAN13_AddOn5", bcCodeEAN13, F::EAN13, 5, MakeGtin<12>, ExpectEan<12>},
        AttachedCase{"UPC_A_AddOn5", bcCodeUPC_A, F::UPCA, 5, MakeGtin<11>, ExpectUpcA},
        AttachedCase{"UPC_E0_AddOn2", bcCodeUPC_E0, F::UPCE, 2, MakeUpcE<'0'>, ExpectUpcE<'0'>},
        AttachedCase{"UPC_E1_AddOn5", bcCodeUPC_E1, F::UPCE, 5, MakeUpcE<'1'>, ExpectUpcE<'1'>}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(EveryAddOn, ZXingReadsAddOn,
                         ::testing::Values(AddOnCase{"UPC_Supp2", bcCodeUPC_Supp2, 2},
                                           AddOnCase{"UPC_Supp5", bcCodeUPC_Supp5, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars::readers
