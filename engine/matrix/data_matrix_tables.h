#pragma once
// Data Matrix ECC 200 symbol sizes and the character sets of its encodation schemes, as constant
// data checked at compile time.

#include <array>
#include <cstddef>
#include <cstdint>

#include "reed_solomon.h"

namespace bars::matrix::dm {

struct TDmSize {
  std::uint8_t Rows, Columns;              // the whole symbol, finder patterns included
  std::uint8_t RegionRows, RegionColumns;  // one data region, inside its finder and timing
  std::uint16_t DataCodewords;
  std::uint8_t EccPerBlock;  // error-correction codewords of each block
  std::uint8_t Blocks;       // interleaved Reed-Solomon blocks
  bool Dmre;                 // a rectangular extension of ISO/IEC 21471

  constexpr int VerticalRegions() const { return Rows / (RegionRows + 2); }
  constexpr int HorizontalRegions() const { return Columns / (RegionColumns + 2); }
  // The placement area: the data regions side by side without their finders.
  constexpr int MappingRows() const { return RegionRows * VerticalRegions(); }
  constexpr int MappingColumns() const { return RegionColumns * HorizontalRegions(); }
  constexpr int TotalCodewords() const { return DataCodewords + EccPerBlock * Blocks; }
  constexpr bool Square() const { return Rows == Columns; }
};

// ISO/IEC 16022:2006 Table 7 (24 square sizes, then 6 rectangles) and ISO/IEC 21471:2020
// Table 7 (the 18 DMRE rectangles).
inline constexpr std::array<TDmSize, 48> kSizes{{
    {10, 10, 8, 8, 3, 5, 1, false},         {12, 12, 10, 10, 5, 7, 1, false},
    {14, 14, 12, 12, 8, 10, 1, false},      {16, 16, 14, 14, 12, 12, 1, false},
    {18, 18, 16, 16, 18, 14, 1, false},     {20, 20, 18, 18, 22, 18, 1, false},
    {22, 22, 20, 20, 30, 20, 1, false},     {24, 24, 22, 22, 36, 24, 1, false},
    {26, 26, 24, 24, 44, 28, 1, false},     {32, 32, 14, 14, 62, 36, 1, false},
    {36, 36, 16, 16, 86, 42, 1, false},     {40, 40, 18, 18, 114, 48, 1, false},
    {44, 44, 20, 20, 144, 56, 1, false},    {48, 48, 22, 22, 174, 68, 1, false},
    {52, 52, 24, 24, 204, 42, 2, false},    {64, 64, 14, 14, 280, 56, 2, false},
    {72, 72, 16, 16, 368, 36, 4, false},    {80, 80, 18, 18, 456, 48, 4, false},
    {88, 88, 20, 20, 576, 56, 4, false},    {96, 96, 22, 22, 696, 68, 4, false},
    {104, 104, 24, 24, 816, 56, 6, false},  {120, 120, 18, 18, 1050, 68, 6, false},
    {132, 132, 20, 20, 1304, 62, 8, false}, {144, 144, 22, 22, 1558, 62, 10, false},
    {8, 18, 6, 16, 5, 7, 1, false},         {8, 32, 6, 14, 10, 11, 1, false},
    {12, 26, 10, 24, 16, 14, 1, false},     {12, 36, 10, 16, 22, 18, 1, false},
    {16, 36, 14, 16, 32, 24, 1, false},     {16, 48, 14, 22, 49, 28, 1, false},
    {8, 48, 6, 22, 18, 15, 1, true},        {8, 64, 6, 14, 24, 18, 1, true},
    {8, 80, 6, 18, 32, 22, 1, true},        {8, 96, 6, 22, 38, 28, 1, true},
    {8, 120, 6, 18, 49, 32, 1, true},       {8, 144, 6, 22, 63, 36, 1, true},
    {12, 64, 10, 14, 43, 27, 1, true},      {12, 88, 10, 20, 64, 36, 1, true},
    {16, 64, 14, 14, 62, 36, 1, true},      {20, 36, 18, 16, 44, 28, 1, true},
    {20, 44, 18, 20, 56, 34, 1, true},      {20, 64, 18, 14, 84, 42, 1, true},
    {22, 48, 20, 22, 72, 38, 1, true},      {24, 48, 22, 22, 80, 41, 1, true},
    {24, 64, 22, 14, 108, 46, 1, true},     {26, 40, 24, 18, 70, 38, 1, true},
    {26, 48, 24, 22, 90, 42, 1, true},      {26, 64, 24, 14, 118, 50, 1, true},
}};
inline constexpr std::size_t kSquareCount = 24;
inline constexpr std::size_t kLargestSquare = 23;     // 144x144
inline constexpr std::size_t kLargestRectangle = 29;  // 16x48
inline constexpr std::size_t kLargestDmre = 47;       // 26x64

namespace table_checks {

// Every size tiles into whole regions, its placement area holds its codewords (8 modules each)
// plus at most the 4 modules of the fixed corner pattern, every block is a Reed-Solomon code
// word the shared encoder can make, and the data splits over the blocks (144x144: 8 blocks of
// 156, 2 of 155, the only uneven split).
constexpr bool SizeIsConsistent(const TDmSize& s) {
  if (s.Rows % (s.RegionRows + 2) != 0 || s.Columns % (s.RegionColumns + 2) != 0) return false;
  if (s.Rows % 2 != 0 || s.Columns % 2 != 0) return false;
  const int modules = s.MappingRows() * s.MappingColumns();
  const int spare = modules - 8 * s.TotalCodewords();
  if (spare != 0 && spare != 4) return false;
  if (s.EccPerBlock > kMaxEccDegree) return false;
  const int longest = (s.DataCodewords + s.Blocks - 1) / s.Blocks;
  if (longest + s.EccPerBlock > 255) return false;
  return s.DataCodewords % s.Blocks == 0 || (s.Rows == 144 && s.DataCodewords == 8 * 156 + 2 * 155);
}

constexpr bool AllSizesConsistent() {
  for (const TDmSize& s : kSizes) {
    if (!SizeIsConsistent(s)) return false;
  }
  return true;
}

// Within each family (squares, ISO/IEC 16022 rectangles, DMRE rectangles of one height) a
// larger symbol holds more data.
constexpr bool CapacitiesIncrease() {
  for (std::size_t i = 1; i < kSizes.size(); ++i) {
    const TDmSize &a = kSizes[i - 1], &b = kSizes[i];
    const bool sameFamily =
        a.Square() == b.Square() && a.Dmre == b.Dmre && (!a.Dmre || a.Rows == b.Rows);
    if (sameFamily &&
        (b.DataCodewords <= a.DataCodewords || b.Rows * b.Columns <= a.Rows * a.Columns))
      return false;
  }
  return true;
}

constexpr bool FamiliesInOrder() {
  for (std::size_t i = 0; i < kSizes.size(); ++i) {
    const bool square = i<kSquareCount, dmre = i> kLargestRectangle;
    if (kSizes[i].Square() != square || kSizes[i].Dmre != dmre) return false;
  }
  return kSizes[kLargestSquare].DataCodewords == 1558 && kSizes[kLargestRectangle].Columns == 48 &&
         kSizes[kLargestDmre].Columns == 64;
}

}  // namespace table_checks

static_assert(table_checks::AllSizesConsistent());
static_assert(table_checks::CapacitiesIncrease());
static_assert(table_checks::FamiliesInOrder());

// The values one byte takes in C40 or Text (ISO/IEC 16022:2006 Annex C, Tables C.1 and C.2):
// the basic set directly, the rest behind shift 1 (value 0), shift 2 (1) or shift 3 (2).
struct TTripletCharset {
  std::array<std::uint8_t, 128> Set{};    // 0 basic, else the shift set 1..3
  std::array<std::uint8_t, 128> Value{};  // the value within that set
};

// Shift 2 is the same in both: punctuation, then FNC1 (27) and upper shift (30).
inline constexpr std::uint8_t kShift2Fnc1 = 27;
inline constexpr std::uint8_t kShift2UpperShift = 30;

constexpr TTripletCharset MakeTripletCharset(bool text) {
  TTripletCharset t;
  for (int c = 0; c < 128; ++c) {
    auto set = [&](int shift, int value) {
      t.Set[c] = static_cast<std::uint8_t>(shift);
      t.Value[c] = static_cast<std::uint8_t>(value);
    };
    const int upper = text ? 'a' : 'A';  // the letters of the basic set
    const int other = text ? 'A' : 'a';  // the letters behind shift 3
    if (c < 32) {
      set(1, c);
    } else if (c == ' ') {
      set(0, 3);
    } else if (c >= '0' && c <= '9') {
      set(0, c - '0' + 4);
    } else if (c >= upper && c <= upper + 25) {
      set(0, c - upper + 14);
    } else if (c >= 33 && c <= 47) {
      set(2, c - 33);
    } else if (c >= 58 && c <= 64) {
      set(2, c - 58 + 15);
    } else if (c >= 91 && c <= 95) {
      set(2, c - 91 + 22);
    } else if (c == '`') {
      set(3, 0);
    } else if (c >= other && c <= other + 25) {
      set(3, c - other + 1);
    } else {
      set(3, c - 123 + 27);  // { | } ~ DEL
    }
  }
  return t;
}

inline constexpr TTripletCharset kC40Set = MakeTripletCharset(false);
inline constexpr TTripletCharset kTextSet = MakeTripletCharset(true);

static_assert(kC40Set.Value['Z'] == 39 && kC40Set.Set['a'] == 3 && kC40Set.Value['a'] == 1 &&
              kC40Set.Value[127] == 31 && kC40Set.Value['_'] == 26 && kC40Set.Value['@'] == 21);
static_assert(kTextSet.Value['z'] == 39 && kTextSet.Set['A'] == 3 && kTextSet.Value['A'] == 1 &&
              kTextSet.Value['`'] == 0 && kTextSet.Value['{'] == 27 && kTextSet.Value[127] == 31);

// ANSI X12 (ISO/IEC 16022:2006 5.2.7): CR, *, >, space, digits, capitals; -1 elsewhere.
constexpr int X12Value(unsigned char c) {
  if (c == '\r') return 0;
  if (c == '*') return 1;
  if (c == '>') return 2;
  if (c == ' ') return 3;
  if (c >= '0' && c <= '9') return c - '0' + 4;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 14;
  return -1;
}

// EDIFACT (ISO/IEC 16022:2006 5.2.8): bytes 32..94 as their low six bits.
constexpr bool IsEdifact(unsigned char c) {
  return c >= 32 && c <= 94;
}

// Codewords (ISO/IEC 16022:2006 Table 2).
inline constexpr std::uint8_t kPad = 129;
inline constexpr std::uint8_t kLatchC40 = 230;
inline constexpr std::uint8_t kLatchBase256 = 231;
inline constexpr std::uint8_t kFnc1 = 232;
inline constexpr std::uint8_t kUpperShift = 235;
inline constexpr std::uint8_t kLatchX12 = 238;
inline constexpr std::uint8_t kLatchText = 239;
inline constexpr std::uint8_t kLatchEdifact = 240;
inline constexpr std::uint8_t kEci = 241;
inline constexpr std::uint8_t kUnlatch = 254;  // C40, Text and X12 back to ASCII
inline constexpr std::uint8_t kEdifactUnlatch = 31;

}  // namespace bars::matrix::dm
