// QR Code: the standard's worked examples, ZXing-C++ reading random data back at every version
// and level, the segmentation against a brute force over every split and mode, and the chosen mask
// against a plain scorer of the four penalty rules written here.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "exceptions.h"
#include "matrix_support.h"
#include "qr_code.h"
#include "qr_steps.h"
#include "qr_tables.h"

namespace bars::matrix {
namespace {

// Table 5.
constexpr std::string_view kAlphanumerics = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";

TQrOptions Pinned(int version, TQrEcc ecc, int mask = -1) {
  TQrOptions o;
  o.Version = version, o.Ecc = ecc, o.EccFixed = true, o.Mask = mask;
  return o;
}

// --- Published symbols -------------------------------------------------------------------

struct GoldenCase {
  const char* name;
  std::string_view text;
  TQrOptions options;
  int mask;  // the mask the symbol uses
  std::vector<std::string_view> rows;
  const char* source;
};

class QrGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(QrGolden, Encodes) {
  const GoldenCase& c = GetParam();
  const TQrSymbol symbol = EncodeQrCode(c.text, c.options);
  EXPECT_EQ(symbol.Mask, c.mask) << c.source;
  ASSERT_EQ(symbol.Matrix.Rows(), static_cast<int>(c.rows.size()));
  for (int r = 0; r < symbol.Matrix.Rows(); ++r) {
    std::string row;
    for (int col = 0; col < symbol.Matrix.Columns(); ++col)
      row += symbol.Matrix.Dark(r, col) ? '1' : '0';
    EXPECT_EQ(row, c.rows[static_cast<std::size_t>(r)]) << "row " << r << ", " << c.source;
  }
}

const GoldenCase kGolden[] = {
    // Annex I: 8 digits at 1-M; the rules of 7.8.3 pick mask 010 there too.
    {"AnnexI_01234567",
     "01234567",
     Pinned(1, TQrEcc::M),
     2,
     {"111111100101101111111", "100000100111101000001", "101110101000001011101",
      "101110101100001011101", "101110101011101011101", "100000101000101000001",
      "111111101010101111111", "000000001001100000000", "101111100100101111100",
      "000101011010100101100", "001000110101010011111", "000010000100000111100",
      "000111111001010010000", "000000001011111001100", "111111100110101100000",
      "100000101011111000101", "101110101000100101100", "101110101100100100000",
      "101110101011010010100", "100000100000000110110", "111111101111010010100"},
     "ISO/IEC 18004:2015 Annex I.2, Figure I.2"},
    // Figure 1: "QR Code Symbol" in byte mode at 1-M with mask 101 (pinned: the figure is not
    // the penalty rules' choice).
    {"Figure1_QRCodeSymbol",
     "QR Code Symbol",
     Pinned(1, TQrEcc::M, 5),
     5,
     {"111111100001101111111", "100000101001101000001", "101110101110101011101",
      "101110101010001011101", "101110100000101011101", "100000100010101000001",
      "111111101010101111111", "000000001100100000000", "100000101111011001110",
      "100010001110001000111", "011101111001100100010", "110100001011010100110",
      "011111111110001011011", "000000001000000010110", "111111100111111000110",
      "100000100010011011100", "101110100000111000111", "101110100100001010100",
      "101110100100101010011", "100000100001110111100", "111111101011001010010"},
     "ISO/IEC 18004:2015 Figure 1, as a peer library's tests transcribe it"},
};
INSTANTIATE_TEST_SUITE_P(Published, QrGolden, testing::ValuesIn(kGolden),
                         [](const auto& info) { return std::string(info.param.name); });

// Annex I.2's codewords: the 16 data codewords (41 bits, terminator, padding, pad codewords)
// and the 10 error correction codewords after them.
TEST(QrGolden, AnnexICodewords) {
  const qr::TStreamHeader header{kEciNone, false};
  const qr::TSegmentation segments = qr::MinimalSegmentation("01234567", false, 0);
  EXPECT_EQ(segments.Bits, 41);
  const std::vector<std::uint8_t> data = qr::DataCodewords("01234567", header, segments, 0, 16);
  const std::vector<std::uint8_t> expected = {0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11, 0xEC,
                                              0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xA5, 0x24,
                                              0xD4, 0xC1, 0xED, 0x36, 0xC7, 0x87, 0x2C, 0x55};
  EXPECT_EQ(qr::FinalCodewords(data, 1, 1), expected);
}

// --- Rejects ----------------------------------------------------------------------------------

struct RejectCase {
  const char* name;
  std::string text;
  TQrOptions options;
  const char* message;
};

TQrOptions With(void (*change)(TQrOptions&)) {
  TQrOptions o;
  change(o);
  return o;
}

class QrRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(QrRejects, SaysWhy) {
  const RejectCase& c = GetParam();
  try {
    EncodeQrCode(c.text, c.options);
    FAIL() << "accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), c.message);
  }
}

const RejectCase kRejects[] = {
    {"Version41", "A", With([](TQrOptions& o) { o.Version = 41; }),
     "TBarcode: QR Code Version must be 0..40, not 41"},
    {"Mask8", "A", With([](TQrOptions& o) { o.Mask = 8; }),
     "TBarcode: QR Code Mask must be -1..7, not 8"},
    {"EciWithGs1", "01", With([](TQrOptions& o) { o.Gs1 = true, o.Eci = 3; }),
     "TBarcode: QR Code GS1 data cannot carry an ECI (ECI 3 asked)"},
    {"Gs1NeedsUtf8", "\xCE\xB1", With([](TQrOptions& o) { o.Gs1 = true; }),
     "TBarcode: QR Code GS1 data must be ISO/IEC 8859-1 text, it would need ECI 26"},
    {"NotUtf8", "a\xFF", TQrOptions{}, "TBarcode: QR Code Text is not UTF-8 <a\xFF>"},
    {"EciRange", "a", With([](TQrOptions& o) { o.Eci = 1000000; }),
     "TBarcode: QR Code ECI must be 0..999999, not 1000000"},
    // Table 7: 1-H holds 17 digits (4 + 10 + 57 = 71 of its 72 bits), not 18.
    {"PinnedVersion", std::string(18, '7'), Pinned(1, TQrEcc::H),
     "TBarcode: QR Code Text is too long for version 1 at level H: it needs 74 data bits, the "
     "version holds 72"},
    // Table 7: 40-L holds 2953 bytes.
    {"Version40", std::string(2954, 'a'), With([](TQrOptions& o) { o.Ecc = TQrEcc::L; }),
     "TBarcode: QR Code Text is too long: it needs 23652 data bits, version 40 holds 23648 at "
     "level L"},
    {"NoVersion", std::string(7090, '1'), TQrOptions{},
     "TBarcode: QR Code Text is too long: 7090 bytes of data, no version holds more than 7089"},
};
INSTANTIATE_TEST_SUITE_P(Options, QrRejects, testing::ValuesIn(kRejects),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Read back by ZXing-C++ at every version and level -----------------------------------

enum Kind { kNumeric, kAlphanumeric, kLatin1, kUtf8, kExplicitEci, kRawBytes, kGs1, kKinds };

// One random character of `kind`, as the Text spells it (UTF-8 but for the raw bytes).
std::string RandomUnit(Kind kind, std::mt19937& rng) {
  auto pick = [&](const auto& set) {
    return set[std::uniform_int_distribution<std::size_t>(0, std::size(set) - 1)(rng)];
  };
  const auto byte = static_cast<unsigned char>(rng());
  switch (kind) {
    case kNumeric:
      return std::string(1, pick(std::string_view("0123456789")));
    case kAlphanumeric:
      return std::string(1, pick(std::string_view(kAlphanumerics)));
    case kLatin1:
      if (byte < 0x20 || byte == 0x7F) return " ";
      if (byte < 0x80) return std::string(1, static_cast<char>(byte));
      return {static_cast<char>(0xC0 | byte >> 6), static_cast<char>(0x80 | (byte & 0x3F))};
    case kUtf8:
      return pick(std::array<std::string, 8>{"a", "7", "\xC3\xA9", "\xCE\xB1", "\xD0\x96",
                                             "\xE4\xB8\xAD", "\xE8\xAA\x9E", "\xF0\x9F\x98\x80"});
    case kExplicitEci:
    case kRawBytes:
      return std::string(1, static_cast<char>(byte));
    default:  // GS1: mostly digits, with capitals, lower case and GS separators (no '%': ZXing
              // 1.4 loses what follows a "%%" in alphanumeric mode)
      return std::string(1, byte % 10 < 6 ? pick(std::string_view("0123456789"))
                                          : pick(std::string_view("ABCXYZ-/abc\x1D")));
  }
}

// Designators of one, two and three bytes, at the edges of each form.
constexpr std::int32_t kEcis[] = {3, 127, 128, 16383, 16384, 999999};

TEST(QrReadBack, EveryVersionAndLevel) {
  std::mt19937 rng(18004);
  for (int version = 1; version <= qr::kMaxVersion; ++version) {
    for (int level = 0; level < 4; ++level) {
      const auto kind = static_cast<Kind>((4 * (version - 1) + level) % kKinds);
      TQrOptions options = Pinned(version, static_cast<TQrEcc>(level));
      if (kind == kExplicitEci) options.Eci = kEcis[(version + level) % 6];
      if (kind == kRawBytes) options.Eci = kEciNone;
      options.Gs1 = kind == kGs1;
      // As many random characters as the symbol holds: the longest prefix whose bits fit.
      const int capacity = qr::CapacityBits(version, level);
      std::vector<std::string> units;
      // UTF-8 text starts with a character beyond Latin-1, so that it needs its ECI.
      if (kind == kUtf8) units.push_back("\xE4\xB8\xAD");
      while (static_cast<int>(units.size()) * 3 < capacity) units.push_back(RandomUnit(kind, rng));
      auto prefix = [&](std::size_t n) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i) s += units[i];
        return s;
      };
      std::size_t lo = 0, hi = units.size();
      while (lo < hi) {
        const std::size_t mid = (lo + hi + 1) / 2;
        const std::string candidate = prefix(mid);
        if (candidate.size() <= 7089 && QrDataBits(candidate, options, version) <= capacity) {
          lo = mid;
        } else {
          hi = mid - 1;
        }
      }
      const std::string text = prefix(lo);
      SCOPED_TRACE("version " + std::to_string(version) + " level " + std::to_string(level) +
                   " kind " + std::to_string(kind) + ", " + std::to_string(lo) + " characters");
      ASSERT_GT(QrDataBits(text, options, version), capacity - 40);

      const TQrSymbol symbol = EncodeQrCode(text, options);
      ASSERT_EQ(symbol.Version, version);
      ASSERT_EQ(static_cast<int>(symbol.Ecc), level);
      // 3 pixels a module: ZXing 1.4 misses some version 40 symbols at 2.
      const ZXing::Result read =
          test::ReadMatrix(symbol.Matrix, ZXing::BarcodeFormat::QRCode, 4, 3);
      ASSERT_TRUE(read.isValid());
      const bool text8 = kind == kLatin1 || kind == kUtf8;  // compared as text, else as bytes
      EXPECT_EQ(text8 ? read.text() : std::string(read.bytes().begin(), read.bytes().end()), text);
      EXPECT_EQ(read.symbologyIdentifier(), kind == kGs1 ? "]Q3" : "]Q1");
      // The designator, as ZXing-C++ writes it after "]Q2".
      const ZXing::ByteArray withEci = read.bytesECI();
      char designator[16];
      std::snprintf(designator, sizeof designator, "\\%06d", kind == kUtf8 ? 26 : options.Eci);
      EXPECT_EQ(std::string(withEci.begin(), withEci.end()).substr(3, 7) == designator,
                kind == kUtf8 || kind == kExplicitEci);
    }
  }
}

// --- Bit-minimal segmentation ------------------------------------------------------------

// The fewest bits of `text` over every split into segments and every mode for each (Table 3's
// count widths, 7.4.3 to 7.4.5's data bits), tried one by one.
int BruteForceBits(const std::string& text, bool gs1, int versionClass) {
  static const int kCount[3][3] = {{10, 9, 8}, {12, 11, 16}, {14, 13, 16}};
  // The bits of text[begin, end) in `mode`, or none.
  auto segmentBits = [&](int mode, std::size_t begin, std::size_t end) -> std::optional<int> {
    int n = static_cast<int>(end - begin);
    const int header = 4 + kCount[versionClass][mode];
    for (std::size_t i = begin; i < end; ++i) {
      const char c = text[i];
      if (mode == 0 && (c < '0' || c > '9')) return std::nullopt;
      if (mode == 1 && kAlphanumerics.find(c) == std::string_view::npos && !(gs1 && c == '\x1D')) {
        return std::nullopt;
      }
      // 7.4.8: FNC1 is '%' and a '%' is "%%" in alphanumeric mode, so FNC1 cannot precede FNC1
      // or '%' there.
      if (mode == 1 && gs1 && c == '\x1D' && i + 1 < end &&
          (text[i + 1] == '\x1D' || text[i + 1] == '%')) {
        return std::nullopt;
      }
      if (mode == 1 && gs1 && c == '%') ++n;
    }
    if (mode == 0) return header + 10 * (n / 3) + (n % 3 == 2 ? 7 : n % 3 == 1 ? 4 : 0);
    if (mode == 1) return header + 11 * (n / 2) + 6 * (n % 2);
    return header + 8 * n;
  };
  std::function<int(std::size_t)> from = [&](std::size_t begin) {
    if (begin == text.size()) return 0;
    int best = 1 << 30;
    for (std::size_t end = begin + 1; end <= text.size(); ++end) {
      for (int mode = 0; mode < 3; ++mode) {
        if (const auto bits = segmentBits(mode, begin, end))
          best = std::min(best, *bits + from(end));
      }
    }
    return best;
  };
  return (gs1 ? 4 : 0) + from(0);
}

TEST(QrSegments, AsFewBitsAsAnyModeSequence) {
  std::mt19937 rng(7);
  const std::string alphabet = "0123456789AZ%a: \xE9";
  for (int round = 0; round < 1000; ++round) {
    const bool gs1 = round % 3 == 0;
    std::string text;
    for (int n = std::uniform_int_distribution<int>(1, 8)(rng); n > 0; --n) {
      text += (gs1 && rng() % 6 == 0) ? '\x1D' : alphabet[rng() % alphabet.size()];
    }
    TQrOptions options;
    options.Eci = kEciNone, options.Gs1 = gs1;
    for (int version : {1, 10, 27}) {
      EXPECT_EQ(QrDataBits(text, options, version),
                BruteForceBits(text, gs1, qr::VersionClass(version)))
          << testing::PrintToString(text) << " gs1 " << gs1 << " version " << version;
    }
  }
}

struct BitsCase {
  std::string text;
  TQrEcc ecc;
  int version;  // the smallest at the level
  int bitsVersion;
  int bits;  // at bitsVersion
  const char* source;
};

TEST(QrSegments, KnownLengths) {
  const BitsCase cases[] = {
      {"01234567", TQrEcc::M, 1, 1, 41, "ISO/IEC 18004:2015 Annex I.2"},
      // byte(6) + alphanumeric(10): 60 + 68 bits, all of 1-M.
      {"txqyxi70E--QMSCI", TQrEcc::M, 1, 1, 128, "a regression: rules of thumb need version 2"},
      {std::string(7089, '3'), TQrEcc::L, 40, 40, 23648, "Table 7: 40-L holds 7089 digits"},
      {std::string(4296, 'Z'), TQrEcc::L, 40, 40, 23645, "Table 7: 4296 alphanumerics"},
      {std::string(2953, 'z'), TQrEcc::L, 40, 40, 23644, "Table 7: 2953 bytes"},
      // Versions 1-9 count bytes in 8 bits: 255 + 1 in two segments.
      {std::string(256, 'z'), TQrEcc::L, 10, 9, 12 + 2040 + 12 + 8, "Table 3"},
  };
  for (const BitsCase& c : cases) {
    TQrOptions options;
    options.Ecc = c.ecc, options.EccFixed = true;
    EXPECT_EQ(EncodeQrCode(c.text, options).Version, c.version) << c.source;
    EXPECT_EQ(QrDataBits(c.text, options, c.bitsVersion), c.bits) << c.source;
  }
}

// --- Masks ---------------------------------------------------------------------------------

// 7.8.3, Table 11, module by module: runs, 2 x 2 blocks, 1:1:3:1:1 with 4 light modules on one
// side or the other (the quiet zone beyond the edge is light), and the dark proportion.
int PlainPenalty(const TModuleMatrix& m) {
  const int n = m.Rows();
  int score = 0, dark = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (int line = 0; line < n; ++line) {
      auto at = [&](int k) {
        return k >= 0 && k < n && (pass ? m.Dark(k, line) : m.Dark(line, k));
      };
      for (int k = 0, run = 0; k < n; ++k) {
        run = k > 0 && at(k) == at(k - 1) ? run + 1 : 1;
        if (run == 5) score += 3;
        if (run > 5) score += 1;
      }
      for (int k = 0; k + 7 <= n; ++k) {
        if (!(at(k) && !at(k + 1) && at(k + 2) && at(k + 3) && at(k + 4) && !at(k + 5) &&
              at(k + 6)))
          continue;
        const bool before = !at(k - 1) && !at(k - 2) && !at(k - 3) && !at(k - 4);
        const bool after = !at(k + 7) && !at(k + 8) && !at(k + 9) && !at(k + 10);
        if (before || after) score += 40;
      }
    }
  }
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      dark += m.Dark(r, c);
      if (r + 1 < n && c + 1 < n && m.Dark(r, c) == m.Dark(r + 1, c) &&
          m.Dark(r, c) == m.Dark(r, c + 1) && m.Dark(r, c) == m.Dark(r + 1, c + 1))
        score += 3;
    }
  }
  const double percent = 100.0 * dark / (n * n);
  return score + 10 * static_cast<int>(std::abs(percent - 50) / 5);
}

TEST(QrMasks, LowestPenaltyChosen) {
  std::mt19937 rng(11);
  for (int round = 0; round < 24; ++round) {
    const int version = round < 8 ? round + 1 : std::uniform_int_distribution<int>(1, 40)(rng);
    const auto level = static_cast<TQrEcc>(round % 4);
    // Digits, capitals, lower case and punctuation, a byte's worth of capacity and more each.
    std::string text;
    for (int n = qr::CapacityBits(version, static_cast<int>(level)) / 10; n > 0; --n) {
      text += static_cast<char>('0' + rng() % 75);
    }
    const TQrSymbol chosen = EncodeQrCode(text, Pinned(version, level));
    int bestMask = -1, bestScore = 0;
    for (int mask = 0; mask < 8; ++mask) {
      const TQrSymbol pinned = EncodeQrCode(text, Pinned(version, level, mask));
      const int score = PlainPenalty(pinned.Matrix);
      if (bestMask < 0 || score < bestScore) bestMask = mask, bestScore = score;
      if (mask == chosen.Mask) {
        EXPECT_EQ(pinned.Matrix, chosen.Matrix);
      }
    }
    EXPECT_EQ(chosen.Mask, bestMask) << "version " << version << " text " << text;
  }
}

}  // namespace
}  // namespace bars::matrix
