// PNG files (W3C Portable Network Graphics, second edition): signature, IHDR, pHYs, PLTE for
// a palette, one IDAT of zlib-compressed rows, IEND.
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "bars.h"
#include "bitmap_rows.h"

namespace bars::bitmap {
namespace {

constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// One of zlib's fast levels: a barcode's rows repeat, which any level finds; the slower ones
// gain a few bytes on pictures with text for twice the time.
constexpr int kLevel = 2;
// PNG colour types: 2 true colour, 3 indexed.
constexpr std::uint8_t kTrueColour = 2, kIndexed = 3;

void Put32(std::string& out, std::uint32_t value) {
  const char bytes[4] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                         static_cast<char>(value >> 8), static_cast<char>(value)};
  out.append(bytes, 4);
}

// Appends a chunk whose data the caller appends in `fill`; its length and CRC follow the data.
template <typename Fill>
void Chunk(std::string& out, const char (&type)[5], Fill fill) {
  const std::size_t lengthAt = out.size();
  Put32(out, 0);
  out.append(type, 4);
  fill();
  const std::size_t length = out.size() - lengthAt - 8;
  if (length > 0x7FFFFFFF) throw Exception("A PNG chunk of more than 2 GB");
  for (int k = 0; k < 4; ++k)
    out[lengthAt + std::size_t(k)] = static_cast<char>(length >> (24 - 8 * k));
  const auto* typed = reinterpret_cast<const Bytef*>(out.data() + lengthAt + 4);
  Put32(out, static_cast<std::uint32_t>(crc32(0, typed, static_cast<uInt>(length + 4))));
}

// The Adler-32 checksum that ends a zlib stream (RFC 1950) after `zeros` more zero bytes, each
// leaving the sum of the bytes as it is and adding it to the sum of sums: a repeated row costs
// nothing to sum.
std::uint32_t AdlerAfterZeros(std::uint32_t adler, std::size_t zeros) {
  constexpr std::uint64_t kBase = 65521;
  const std::uint64_t a = adler & 0xFFFF, b = adler >> 16;
  return static_cast<std::uint32_t>((b + zeros % kBase * a) % kBase << 16 | a);
}

// zlib's compressor, made once a thread and reset for each picture: a fresh one would allocate
// and clear its state again for every picture of a batch. Its window and hash table follow the
// size of the data, so that one small picture does not clear 64 KB of table for 3 KB of rows.
// It writes raw deflate data; the zlib stream's header and checksum are written here, the
// checksum summed by the caller, who knows which rows repeat.
class TDeflater {
 public:
  TDeflater() = default;
  ~TDeflater() { End(); }
  TDeflater(const TDeflater&) = delete;
  TDeflater& operator=(const TDeflater&) = delete;

  // Appends `size` bytes at `data` to `out` as a zlib stream ending in `adler`, their checksum.
  void Compress(const std::uint8_t* data, std::size_t size, std::uint32_t adler, std::string& out) {
    // The smallest window that holds the data (zlib takes 2^9 to 2^15), and a hash table of
    // as many entries (2^(memLevel + 7)) up to 4096: a barcode's bytes repeat at short
    // distances, which a larger table finds no better.
    int windowBits = 9;
    while (windowBits < 15 && (std::size_t{1} << windowBits) < size) ++windowBits;
    if (windowBits != windowBits_) {
      End();
      if (deflateInit2(&stream_, kLevel, Z_DEFLATED, -windowBits, std::clamp(windowBits - 7, 1, 5),
                       Z_DEFAULT_STRATEGY) != Z_OK)
        throw Exception("Cannot start zlib");
      windowBits_ = windowBits;
    } else if (deflateReset(&stream_) != Z_OK) {
      throw Exception("Cannot reset zlib");
    }
    // RFC 1950: deflate with a 2^windowBits window, a fast level, the header a multiple of 31.
    const unsigned method = unsigned(windowBits - 8) << 4 | 8, flags = 1u << 6;
    out += static_cast<char>(method);
    out += static_cast<char>(flags + 31 - (method << 8 | flags) % 31);
    // Into a buffer kept for the next picture: the string would clear what zlib overwrites.
    const std::size_t bound = deflateBound(&stream_, static_cast<uLong>(size));
    if (bound > capacity_) {
      buffer_.reset(new std::uint8_t[bound]);
      capacity_ = bound;
    }
    stream_.next_in = const_cast<Bytef*>(data);
    stream_.avail_in = static_cast<uInt>(size);
    stream_.next_out = buffer_.get();
    stream_.avail_out = static_cast<uInt>(bound);
    if (deflate(&stream_, Z_FINISH) != Z_STREAM_END) throw Exception("zlib cannot compress");
    out.append(reinterpret_cast<const char*>(buffer_.get()), bound - stream_.avail_out);
    Put32(out, adler);
  }

 private:
  void End() {
    if (windowBits_ != 0) deflateEnd(&stream_);
    windowBits_ = 0;
    stream_ = z_stream{};
  }

  z_stream stream_{};
  int windowBits_ = 0;  // 0: not started
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t capacity_ = 0;
};

TDeflater& Deflater() {
  thread_local TDeflater deflater;
  return deflater;
}

}  // namespace

std::string EncodePng(const TReduced& picture, int dotsPerMetre) {
  const std::size_t rowBytes = PackedBytes(picture.Width, picture.Bits);
  // Each row after its filter byte: the first as it is (filter 0), each other as its difference
  // from the row above (filter 2, "Up"), so that a repeated row is all zeros, which zlib passes
  // over fastest.
  const std::size_t stride = rowBytes + 1;
  if (stride * std::size_t(picture.Height) > 0xFFFFFFFFu)
    throw Exception("A picture too large for one PNG");
  std::unique_ptr<std::uint8_t[]> rows(new std::uint8_t[stride * std::size_t(picture.Height)]);
  std::unique_ptr<std::uint8_t[]> packed(new std::uint8_t[2 * rowBytes]);
  std::uint8_t* above = packed.get();
  std::uint8_t* current = packed.get() + rowBytes;
  std::uint32_t adler = 1;
  for (int y = 0; y < picture.Height; ++y) {
    std::uint8_t* line = rows.get() + std::size_t(y) * stride;
    line[0] = y == 0 ? 0 : 2;
    if (y > 0 && picture.Rows[std::size_t(y)] == picture.Rows[std::size_t(y) - 1]) {
      std::memset(line + 1, 0, rowBytes);
      adler = AdlerAfterZeros(static_cast<std::uint32_t>(adler32(adler, line, 1)), rowBytes);
      continue;
    }
    PackRow(picture.Rows[std::size_t(y)], picture.Width, picture.Bits, false, current);
    if (y == 0) {
      std::memcpy(line + 1, current, rowBytes);
    } else {
      for (std::size_t k = 0; k < rowBytes; ++k)
        line[1 + k] = static_cast<std::uint8_t>(current[k] - above[k]);
    }
    adler = static_cast<std::uint32_t>(adler32(adler, line, static_cast<uInt>(stride)));
    std::swap(above, current);
  }

  std::string out(reinterpret_cast<const char*>(kSignature), sizeof kSignature);
  Chunk(out, "IHDR", [&] {
    Put32(out, static_cast<std::uint32_t>(picture.Width));
    Put32(out, static_cast<std::uint32_t>(picture.Height));
    const bool indexed = picture.Bits != 24;
    // Bit depth, colour type, compression, filter and interlace methods.
    const char fields[5] = {static_cast<char>(indexed ? picture.Bits : 8),
                            static_cast<char>(indexed ? kIndexed : kTrueColour), 0, 0, 0};
    out.append(fields, 5);
  });
  Chunk(out, "pHYs", [&] {
    Put32(out, static_cast<std::uint32_t>(dotsPerMetre));
    Put32(out, static_cast<std::uint32_t>(dotsPerMetre));
    out += '\1';  // the unit is the metre
  });
  if (picture.Bits != 24) {
    Chunk(out, "PLTE", [&] {
      for (std::uint32_t colour : picture.Colours) {
        const char rgb[3] = {static_cast<char>(colour >> 16), static_cast<char>(colour >> 8),
                             static_cast<char>(colour)};
        out.append(rgb, 3);
      }
    });
  }
  Chunk(out, "IDAT",
        [&] { Deflater().Compress(rows.get(), stride * std::size_t(picture.Height), adler, out); });
  Chunk(out, "IEND", [] {});
  return out;
}

}  // namespace bars::bitmap
