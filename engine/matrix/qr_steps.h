#pragma once
// The steps of QR Code encoding in the standard's order, each in its own file; EncodeQrCode
// (qr_code.cpp) runs them: segments (qr_segments.cpp), codewords and blocks
// (qr_codewords.cpp), placement (qr_placement.cpp), masking (qr_masking.cpp).

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "module_matrix.h"

namespace bars::matrix::qr {

enum class TMode : std::uint8_t { Numeric, Alphanumeric, Byte };

// A run of the data's bytes [Begin, End) in one mode.
struct TSegment {
  TMode Mode;
  std::uint32_t Begin, End;
};

// What the bit stream carries before the segments.
struct TStreamHeader {
  std::int32_t Eci;  // a designator 0..999999, or kEciNone
  bool Gs1;          // FNC1 in first position
};

// Versions 1-9, 10-26 and 27-40 count characters in fields of different widths (Table 3).
constexpr int VersionClass(int version) {
  return version <= 9 ? 0 : version <= 26 ? 1 : 2;
}

// Table 3: the character count indicator's bits per version class and mode.
inline constexpr int kCountBits[3][3] = {{10, 9, 8}, {12, 11, 16}, {14, 13, 16}};
constexpr int CountBits(int versionClass, TMode mode) {
  return kCountBits[versionClass][static_cast<int>(mode)];
}
inline constexpr int kModeBits = 4;

// Table 5: the alphanumeric mode's 45 characters in value order; -1 for other bytes.
inline constexpr auto kAlphanumericValues = [] {
  constexpr std::string_view kChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";
  std::array<std::int8_t, 256> values{};
  for (auto& v : values) v = -1;
  for (std::size_t i = 0; i < kChars.size(); ++i) {
    values[static_cast<unsigned char>(kChars[i])] = static_cast<std::int8_t>(i);
  }
  return values;
}();
static_assert(kAlphanumericValues['9'] == 9 && kAlphanumericValues['A'] == 10 &&
              kAlphanumericValues[' '] == 36 && kAlphanumericValues[':'] == 44 &&
              kAlphanumericValues['a'] == -1);
inline constexpr char kGs = 0x1D;  // GS: FNC1 as a GS1 element string's separator

struct TSegmentation {
  std::vector<TSegment> Segments;
  int Bits;  // of the segments: mode indicators, counts and data
};

// The bits of the ECI and FNC1 mode headers.
int HeaderBits(const TStreamHeader& header);

// 7.4.7: the segments of `data` in the fewest bits for versions of `versionClass`, over every
// sequence of modes and split (a run longer than its count field allows is split). With `gs1`
// a GS byte is FNC1, '%' in alphanumeric mode and itself in byte mode, '%' takes "%%", and no
// alphanumeric segment holds a GS followed by a GS or '%' (it would read as "%%").
TSegmentation MinimalSegmentation(std::string_view data, bool gs1, int versionClass);

// 7.4: the data codewords: header, segments, terminator, then pad codewords up to
// `dataCodewords`. The bits must fit.
std::vector<std::uint8_t> DataCodewords(std::string_view data, const TStreamHeader& header,
                                        const TSegmentation& segments, int versionClass,
                                        int dataCodewords);

// 7.5 and 7.6: the blocks' data and error correction codewords, interleaved.
std::vector<std::uint8_t> FinalCodewords(std::span<const std::uint8_t> data, int version,
                                         int level);

// The modules before masking: function patterns drawn (the format areas light), codewords
// placed; each byte holds kDark and kFunction bits.
inline constexpr std::uint8_t kDark = 1, kFunction = 2;
struct TUnmasked {
  int Size;
  std::vector<std::uint8_t> Modules;  // row by row
};

// 7.7 and 7.10: function patterns, version information, and `codewords` in their places.
TUnmasked PlaceCodewords(std::span<const std::uint8_t> codewords, int version);

// Where the format information's bits go, bit 0 first, in each of its two copies (7.9.2).
struct TPosition {
  std::uint8_t Row, Column;
};
std::array<TPosition, 15> FormatPositions(int copy, int size);

// 7.8 and 7.9: `symbol` masked with `mask` 0..7, or the lowest-penalty mask for -1, with the
// format information for `level`. Returns the mask used.
int MaskSymbol(const TUnmasked& symbol, int level, int mask, TModuleMatrix& out);

// Appends bits most significant first to a vector of bytes.
class TBitWriter {
 public:
  explicit TBitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  // The low `count` (0..24) bits of `value`.
  void Put(std::uint32_t value, int count) {
    acc_ = acc_ << count | value;
    pending_ += count;
    while (pending_ >= 8) {
      pending_ -= 8;
      out_.push_back(static_cast<std::uint8_t>(acc_ >> pending_));
    }
    acc_ &= (std::uint32_t{1} << pending_) - 1;
  }
  int Bits() const { return static_cast<int>(out_.size()) * 8 + pending_; }
  // Pads with 0 bits to a whole byte.
  void Flush() {
    if (pending_ > 0) Put(0, 8 - pending_);
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint32_t acc_ = 0;  // the pending bits, fewer than 8 between calls
  int pending_ = 0;
};

}  // namespace bars::matrix::qr
