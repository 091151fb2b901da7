#pragma once
// QR Code's tables per version and level, as constant data checked at compile time: the error
// correction blocks, the alignment pattern centres, and the BCH-coded format and version
// information.

#include <array>
#include <cstddef>
#include <cstdint>

namespace bars::matrix::qr {

inline constexpr int kMaxVersion = 40;

constexpr int SymbolSize(int version) {
  return 17 + 4 * version;
}

// One level's error correction blocks in one version: Count1 blocks of Data1 data codewords,
// then Count2 blocks of Data2 = Data1 + 1, each block followed by Ecc error correction codewords.
struct TBlocks {
  std::uint8_t Ecc, Count1, Data1, Count2, Data2;

  constexpr int Blocks() const { return Count1 + Count2; }
  constexpr int DataCodewords() const { return Count1 * Data1 + Count2 * Data2; }
  constexpr int Codewords() const { return DataCodewords() + Blocks() * Ecc; }
};

struct TVersionRow {
  std::uint16_t Codewords;        // ISO/IEC 18004:2015 Table 1: all codewords of the version
  std::array<TBlocks, 4> Levels;  // L, M, Q, H (TQrEcc's order)
};

// ISO/IEC 18004:2015 Table 1 (total codewords) and Table 9 (error correction blocks), versions
// 1 to 40.
inline constexpr std::array<TVersionRow, kMaxVersion> kVersions = {{
    {26, {{{7, 1, 19, 0, 0}, {10, 1, 16, 0, 0}, {13, 1, 13, 0, 0}, {17, 1, 9, 0, 0}}}},
    {44, {{{10, 1, 34, 0, 0}, {16, 1, 28, 0, 0}, {22, 1, 22, 0, 0}, {28, 1, 16, 0, 0}}}},
    {70, {{{15, 1, 55, 0, 0}, {26, 1, 44, 0, 0}, {18, 2, 17, 0, 0}, {22, 2, 13, 0, 0}}}},
    {100, {{{20, 1, 80, 0, 0}, {18, 2, 32, 0, 0}, {26, 2, 24, 0, 0}, {16, 4, 9, 0, 0}}}},
    {134, {{{26, 1, 108, 0, 0}, {24, 2, 43, 0, 0}, {18, 2, 15, 2, 16}, {22, 2, 11, 2, 12}}}},
    {172, {{{18, 2, 68, 0, 0}, {16, 4, 27, 0, 0}, {24, 4, 19, 0, 0}, {28, 4, 15, 0, 0}}}},
    {196, {{{20, 2, 78, 0, 0}, {18, 4, 31, 0, 0}, {18, 2, 14, 4, 15}, {26, 4, 13, 1, 14}}}},
    {242, {{{24, 2, 97, 0, 0}, {22, 2, 38, 2, 39}, {22, 4, 18, 2, 19}, {26, 4, 14, 2, 15}}}},
    {292, {{{30, 2, 116, 0, 0}, {22, 3, 36, 2, 37}, {20, 4, 16, 4, 17}, {24, 4, 12, 4, 13}}}},
    {346, {{{18, 2, 68, 2, 69}, {26, 4, 43, 1, 44}, {24, 6, 19, 2, 20}, {28, 6, 15, 2, 16}}}},
    {404, {{{20, 4, 81, 0, 0}, {30, 1, 50, 4, 51}, {28, 4, 22, 4, 23}, {24, 3, 12, 8, 13}}}},
    {466, {{{24, 2, 92, 2, 93}, {22, 6, 36, 2, 37}, {26, 4, 20, 6, 21}, {28, 7, 14, 4, 15}}}},
    {532, {{{26, 4, 107, 0, 0}, {22, 8, 37, 1, 38}, {24, 8, 20, 4, 21}, {22, 12, 11, 4, 12}}}},
    {581, {{{30, 3, 115, 1, 116}, {24, 4, 40, 5, 41}, {20, 11, 16, 5, 17}, {24, 11, 12, 5, 13}}}},
    {655, {{{22, 5, 87, 1, 88}, {24, 5, 41, 5, 42}, {30, 5, 24, 7, 25}, {24, 11, 12, 7, 13}}}},
    {733, {{{24, 5, 98, 1, 99}, {28, 7, 45, 3, 46}, {24, 15, 19, 2, 20}, {30, 3, 15, 13, 16}}}},
    {815, {{{28, 1, 107, 5, 108}, {28, 10, 46, 1, 47}, {28, 1, 22, 15, 23}, {28, 2, 14, 17, 15}}}},
    {901, {{{30, 5, 120, 1, 121}, {26, 9, 43, 4, 44}, {28, 17, 22, 1, 23}, {28, 2, 14, 19, 15}}}},
    {991, {{{28, 3, 113, 4, 114}, {26, 3, 44, 11, 45}, {26, 17, 21, 4, 22}, {26, 9, 13, 16, 14}}}},
    {1085,
     {{{28, 3, 107, 5, 108}, {26, 3, 41, 13, 42}, {30, 15, 24, 5, 25}, {28, 15, 15, 10, 16}}}},
    {1156, {{{28, 4, 116, 4, 117}, {26, 17, 42, 0, 0}, {28, 17, 22, 6, 23}, {30, 19, 16, 6, 17}}}},
    {1258, {{{28, 2, 111, 7, 112}, {28, 17, 46, 0, 0}, {30, 7, 24, 16, 25}, {24, 34, 13, 0, 0}}}},
    {1364,
     {{{30, 4, 121, 5, 122}, {28, 4, 47, 14, 48}, {30, 11, 24, 14, 25}, {30, 16, 15, 14, 16}}}},
    {1474,
     {{{30, 6, 117, 4, 118}, {28, 6, 45, 14, 46}, {30, 11, 24, 16, 25}, {30, 30, 16, 2, 17}}}},
    {1588,
     {{{26, 8, 106, 4, 107}, {28, 8, 47, 13, 48}, {30, 7, 24, 22, 25}, {30, 22, 15, 13, 16}}}},
    {1706,
     {{{28, 10, 114, 2, 115}, {28, 19, 46, 4, 47}, {28, 28, 22, 6, 23}, {30, 33, 16, 4, 17}}}},
    {1828,
     {{{30, 8, 122, 4, 123}, {28, 22, 45, 3, 46}, {30, 8, 23, 26, 24}, {30, 12, 15, 28, 16}}}},
    {1921,
     {{{30, 3, 117, 10, 118}, {28, 3, 45, 23, 46}, {30, 4, 24, 31, 25}, {30, 11, 15, 31, 16}}}},
    {2051,
     {{{30, 7, 116, 7, 117}, {28, 21, 45, 7, 46}, {30, 1, 23, 37, 24}, {30, 19, 15, 26, 16}}}},
    {2185,
     {{{30, 5, 115, 10, 116}, {28, 19, 47, 10, 48}, {30, 15, 24, 25, 25}, {30, 23, 15, 25, 16}}}},
    {2323,
     {{{30, 13, 115, 3, 116}, {28, 2, 46, 29, 47}, {30, 42, 24, 1, 25}, {30, 23, 15, 28, 16}}}},
    {2465,
     {{{30, 17, 115, 0, 0}, {28, 10, 46, 23, 47}, {30, 10, 24, 35, 25}, {30, 19, 15, 35, 16}}}},
    {2611,
     {{{30, 17, 115, 1, 116}, {28, 14, 46, 21, 47}, {30, 29, 24, 19, 25}, {30, 11, 15, 46, 16}}}},
    {2761,
     {{{30, 13, 115, 6, 116}, {28, 14, 46, 23, 47}, {30, 44, 24, 7, 25}, {30, 59, 16, 1, 17}}}},
    {2876,
     {{{30, 12, 121, 7, 122}, {28, 12, 47, 26, 48}, {30, 39, 24, 14, 25}, {30, 22, 15, 41, 16}}}},
    {3034,
     {{{30, 6, 121, 14, 122}, {28, 6, 47, 34, 48}, {30, 46, 24, 10, 25}, {30, 2, 15, 64, 16}}}},
    {3196,
     {{{30, 17, 122, 4, 123}, {28, 29, 46, 14, 47}, {30, 49, 24, 10, 25}, {30, 24, 15, 46, 16}}}},
    {3362,
     {{{30, 4, 122, 18, 123}, {28, 13, 46, 32, 47}, {30, 48, 24, 14, 25}, {30, 42, 15, 32, 16}}}},
    {3532,
     {{{30, 20, 117, 4, 118}, {28, 40, 47, 7, 48}, {30, 43, 24, 22, 25}, {30, 10, 15, 67, 16}}}},
    {3706,
     {{{30, 19, 118, 6, 119}, {28, 18, 47, 31, 48}, {30, 34, 24, 34, 25}, {30, 20, 15, 61, 16}}}},
}};

constexpr const TBlocks& BlocksOf(int version, int level) {
  return kVersions[static_cast<std::size_t>(version - 1)].Levels[static_cast<std::size_t>(level)];
}

// The data bits a version holds at a level.
constexpr int CapacityBits(int version, int level) {
  return 8 * BlocksOf(version, level).DataCodewords();
}

// ISO/IEC 18004:2015 Annex E, Table E.1: the row and column coordinates of the alignment
// patterns' centres, 0-terminated (version 1 has none).
inline constexpr std::array<std::array<std::uint8_t, 8>, kMaxVersion> kAlignmentCentres = {{
    {},
    {6, 18},
    {6, 22},
    {6, 26},
    {6, 30},
    {6, 34},
    {6, 22, 38},
    {6, 24, 42},
    {6, 26, 46},
    {6, 28, 50},
    {6, 30, 54},
    {6, 32, 58},
    {6, 34, 62},
    {6, 26, 46, 66},
    {6, 26, 48, 70},
    {6, 26, 50, 74},
    {6, 30, 54, 78},
    {6, 30, 56, 82},
    {6, 30, 58, 86},
    {6, 34, 62, 90},
    {6, 28, 50, 72, 94},
    {6, 26, 50, 74, 98},
    {6, 30, 54, 78, 102},
    {6, 28, 54, 80, 106},
    {6, 32, 58, 84, 110},
    {6, 30, 58, 86, 114},
    {6, 34, 62, 90, 118},
    {6, 26, 50, 74, 98, 122},
    {6, 30, 54, 78, 102, 126},
    {6, 26, 52, 78, 104, 130},
    {6, 30, 56, 82, 108, 134},
    {6, 34, 60, 86, 112, 138},
    {6, 30, 58, 86, 114, 142},
    {6, 34, 62, 90, 118, 146},
    {6, 30, 54, 78, 102, 126, 150},
    {6, 24, 50, 76, 102, 128, 154},
    {6, 28, 54, 80, 106, 132, 158},
    {6, 32, 58, 84, 110, 136, 162},
    {6, 26, 54, 82, 110, 138, 166},
    {6, 30, 58, 86, 114, 142, 170},
}};

constexpr int AlignmentCount(int version) {
  int n = 0;
  while (n < 8 && kAlignmentCentres[static_cast<std::size_t>(version - 1)][n] != 0) ++n;
  return n;
}

// The remainder of `value` divided by the binary polynomial `generator` of degree `degree`.
constexpr std::uint32_t BchRemainder(std::uint32_t value, std::uint32_t generator, int degree) {
  for (int bit = 31; bit >= degree; --bit) {
    if (value >> bit & 1) value ^= generator << (bit - degree);
  }
  return value;
}

// ISO/IEC 18004:2015 7.9.1: format information, (15,5) BCH code with generator
// x^10+x^8+x^5+x^4+x^2+x+1, masked with 101010000010010 so that it is never all light.
inline constexpr std::uint32_t kFormatGenerator = 0x537;
inline constexpr std::uint32_t kFormatMask = 0x5412;
// The error correction level indicators of L, M, Q, H (Table 12).
inline constexpr std::array<std::uint32_t, 4> kLevelIndicators = {1, 0, 3, 2};

constexpr std::uint32_t EncodeBch(std::uint32_t data, std::uint32_t generator, int degree) {
  return data << degree | BchRemainder(data << degree, generator, degree);
}

// kFormatInformation[level][mask]: the 15 bits as placed, bit 14 first.
inline constexpr auto kFormatInformation = [] {
  std::array<std::array<std::uint16_t, 8>, 4> words{};
  for (std::size_t level = 0; level < 4; ++level) {
    for (std::uint32_t mask = 0; mask < 8; ++mask) {
      words[level][mask] = static_cast<std::uint16_t>(
          EncodeBch(kLevelIndicators[level] << 3 | mask, kFormatGenerator, 10) ^ kFormatMask);
    }
  }
  return words;
}();

// ISO/IEC 18004:2015 7.10: version information for versions 7 and up, (18,6) BCH code with
// generator x^12+x^11+x^10+x^9+x^8+x^5+x^2+1.
inline constexpr std::uint32_t kVersionGenerator = 0x1F25;
inline constexpr auto kVersionInformation = [] {
  std::array<std::uint32_t, kMaxVersion + 1> words{};
  for (std::uint32_t v = 7; v <= kMaxVersion; ++v) words[v] = EncodeBch(v, kVersionGenerator, 12);
  return words;
}();

namespace table_checks {

// The modules left for codewords once the function patterns are drawn: finders with their
// separators and the format areas (3 * 64 + 31), timing patterns, alignment patterns (those on
// a timing pattern share 5 modules with it) and, from version 7, the version areas.
constexpr int DataModules(int version) {
  const int size = SymbolSize(version);
  const int k = AlignmentCount(version);
  const int alignment = k == 0 ? 0 : 25 * (k * k - 3) - 10 * (k - 2);
  return size * size - 3 * 64 - 31 - 2 * (size - 16) - alignment - (version >= 7 ? 36 : 0);
}

constexpr bool VersionsAreConsistent() {
  for (int v = 1; v <= kMaxVersion; ++v) {
    const TVersionRow& row = kVersions[static_cast<std::size_t>(v - 1)];
    if (DataModules(v) / 8 != row.Codewords) return false;
    for (const TBlocks& b : row.Levels) {
      if (b.Codewords() != row.Codewords || b.Count1 == 0) return false;
      if (b.Count2 == 0 ? b.Data2 != 0 : b.Data2 != b.Data1 + 1) return false;
    }
    // Each level keeps fewer data codewords than the one below it.
    for (std::size_t level = 1; level < 4; ++level) {
      if (row.Levels[level].DataCodewords() >= row.Levels[level - 1].DataCodewords()) return false;
    }
  }
  return true;
}

// Annex E: the first centre is 6, the last size - 7, and the ones after the first evenly
// spaced by an even step.
constexpr bool AlignmentIsRegular() {
  for (int v = 2; v <= kMaxVersion; ++v) {
    const auto& c = kAlignmentCentres[static_cast<std::size_t>(v - 1)];
    const int n = AlignmentCount(v);
    if (n != v / 7 + 2 || c[0] != 6 || c[n - 1] != SymbolSize(v) - 7) return false;
    for (int i = 2; i < n; ++i) {
      if (c[i] - c[i - 1] != c[n - 1] - c[n - 2] || (c[i] - c[i - 1]) % 2 != 0) return false;
    }
  }
  return AlignmentCount(1) == 0;
}

constexpr bool BchWordsDivide() {
  for (const auto& level : kFormatInformation) {
    for (std::uint32_t word : level) {
      if (BchRemainder(word ^ kFormatMask, kFormatGenerator, 10) != 0) return false;
    }
  }
  for (std::uint32_t v = 7; v <= kMaxVersion; ++v) {
    if (BchRemainder(kVersionInformation[v], kVersionGenerator, 12) != 0) return false;
  }
  return true;
}

}  // namespace table_checks

static_assert(table_checks::VersionsAreConsistent(),
              "QR Code: every version's codewords = data + error correction = its data modules");
static_assert(table_checks::AlignmentIsRegular());
static_assert(table_checks::BchWordsDivide());
// Table 7: data codewords of 1-L, 1-H, 40-L, 40-H.
static_assert(BlocksOf(1, 0).DataCodewords() == 19 && BlocksOf(1, 3).DataCodewords() == 9 &&
              BlocksOf(40, 0).DataCodewords() == 2956 && BlocksOf(40, 3).DataCodewords() == 1276);
// Annex C: level M with mask 101 gives 100000011001110.
static_assert(kFormatInformation[1][5] == 0b100000011001110);
// Annex D, Table D.1: versions 7 and 40.
static_assert(kVersionInformation[7] == 0x07C94 && kVersionInformation[40] == 0x28C69);

}  // namespace bars::matrix::qr
