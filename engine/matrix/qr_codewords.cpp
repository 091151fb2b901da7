// QR Code's codewords: the segments' bit stream cut into data codewords, and the error
// correction blocks interleaved into the sequence the symbol carries.
#include <algorithm>

#include "qr_steps.h"
#include "qr_tables.h"
#include "reed_solomon.h"

namespace bars::matrix::qr {
namespace {

// Table 2: the mode indicators of numeric, alphanumeric and byte mode, ECI and FNC1 in first
// position.
constexpr std::uint32_t kModeIndicators[3] = {0b0001, 0b0010, 0b0100};
constexpr std::uint32_t kEciIndicator = 0b0111;
constexpr std::uint32_t kFnc1FirstIndicator = 0b0101;
// 7.4.10: the pad codewords 11101100 and 00010001, in turn.
constexpr std::uint8_t kPadCodewords[2] = {0xEC, 0x11};
constexpr int kGs1Percent = 38;  // '%': FNC1 in alphanumeric mode

// 7.4.2: the designator in one, two or three bytes, led by 0, 10 or 110.
void WriteEci(TBitWriter& out, std::int32_t eci) {
  out.Put(kEciIndicator, kModeBits);
  const auto value = static_cast<std::uint32_t>(eci);
  if (value < 128) {
    out.Put(value, 8);
  } else if (value < 16384) {
    out.Put(0b10u << 14 | value, 16);
  } else {
    out.Put(0b110u << 21 | value, 24);
  }
}

// 7.4.3: each group of three digits as 10 bits, a last two as 7 and a last one as 4.
void WriteNumeric(TBitWriter& out, std::string_view digits) {
  std::size_t i = 0;
  for (; i + 3 <= digits.size(); i += 3) {
    out.Put(static_cast<std::uint32_t>((digits[i] - '0') * 100 + (digits[i + 1] - '0') * 10 +
                                       (digits[i + 2] - '0')),
            10);
  }
  if (digits.size() - i == 2) {
    out.Put(static_cast<std::uint32_t>((digits[i] - '0') * 10 + (digits[i + 1] - '0')), 7);
  } else if (digits.size() - i == 1) {
    out.Put(static_cast<std::uint32_t>(digits[i] - '0'), 4);
  }
}

// 7.4.4: pairs of values as 45 * first + second in 11 bits, a last single value in 6. Under
// GS1 (7.4.8) a GS is FNC1, written '%', and a '%' is written twice.
template <typename Emit>
void ForEachAlphanumeric(std::string_view chars, bool gs1, Emit emit) {
  for (char c : chars) {
    if (gs1 && (c == kGs || c == '%')) {
      emit(kGs1Percent);
      if (c == '%') emit(kGs1Percent);
    } else {
      emit(kAlphanumericValues[static_cast<unsigned char>(c)]);
    }
  }
}

void WriteAlphanumeric(TBitWriter& out, std::string_view chars, bool gs1) {
  int held = -1;
  ForEachAlphanumeric(chars, gs1, [&](int value) {
    if (held < 0) {
      held = value;
    } else {
      out.Put(static_cast<std::uint32_t>(held * 45 + value), 11);
      held = -1;
    }
  });
  if (held >= 0) out.Put(static_cast<std::uint32_t>(held), 6);
}

std::uint32_t AlphanumericCount(std::string_view chars, bool gs1) {
  std::uint32_t count = 0;
  ForEachAlphanumeric(chars, gs1, [&](int) { ++count; });
  return count;
}

}  // namespace

std::vector<std::uint8_t> DataCodewords(std::string_view data, const TStreamHeader& header,
                                        const TSegmentation& segments, int versionClass,
                                        int dataCodewords) {
  std::vector<std::uint8_t> codewords;
  codewords.reserve(static_cast<std::size_t>(dataCodewords));
  TBitWriter out(codewords);
  if (header.Eci >= 0) WriteEci(out, header.Eci);
  if (header.Gs1) out.Put(kFnc1FirstIndicator, kModeBits);
  for (const TSegment& segment : segments.Segments) {
    const std::string_view chars = data.substr(segment.Begin, segment.End - segment.Begin);
    out.Put(kModeIndicators[static_cast<int>(segment.Mode)], kModeBits);
    const std::uint32_t count = segment.Mode == TMode::Alphanumeric
                                    ? AlphanumericCount(chars, header.Gs1)
                                    : static_cast<std::uint32_t>(chars.size());
    out.Put(count, CountBits(versionClass, segment.Mode));
    switch (segment.Mode) {
      case TMode::Numeric:
        WriteNumeric(out, chars);
        break;
      case TMode::Alphanumeric:
        WriteAlphanumeric(out, chars, header.Gs1);
        break;
      case TMode::Byte:
        for (char c : chars) out.Put(static_cast<unsigned char>(c), 8);
        break;
    }
  }
  // 7.4.9: the terminator 0000, shortened or left out where the capacity ends first.
  out.Put(0, std::min(4, 8 * dataCodewords - out.Bits()));
  out.Flush();
  for (std::size_t k = 0; codewords.size() < static_cast<std::size_t>(dataCodewords); ++k) {
    codewords.push_back(kPadCodewords[k % 2]);
  }
  return codewords;
}

std::vector<std::uint8_t> FinalCodewords(std::span<const std::uint8_t> data, int version,
                                         int level) {
  const TBlocks& b = BlocksOf(version, level);
  const std::size_t blocks = static_cast<std::size_t>(b.Blocks());
  const std::size_t eccLength = b.Ecc;
  std::vector<std::uint8_t> ecc(blocks * eccLength);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(b.Codewords()));
  // 7.6: the first codeword of every block, then the second, ...; the longer blocks' last data
  // codewords after all the others; then the error correction codewords the same way.
  std::size_t offset = 0;
  for (std::size_t k = 0; k < blocks; ++k) {
    const std::size_t length = k < b.Count1 ? b.Data1 : b.Data2;
    const std::span<const std::uint8_t> block = data.subspan(offset, length);
    QrReedSolomon::Encode(block, std::span(ecc).subspan(k * eccLength, eccLength));
    for (std::size_t t = 0; t < length; ++t) {
      out[t < b.Data1 ? t * blocks + k : b.Data1 * blocks + (k - b.Count1)] = block[t];
    }
    offset += length;
  }
  const std::size_t eccStart = offset;
  for (std::size_t k = 0; k < blocks; ++k) {
    for (std::size_t t = 0; t < eccLength; ++t) {
      out[eccStart + t * blocks + k] = ecc[k * eccLength + t];
    }
  }
  return out;
}

}  // namespace bars::matrix::qr
