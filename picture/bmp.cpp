// Windows BMP files: BITMAPFILEHEADER, BITMAPINFOHEADER (40 bytes), the palette as B, G, R, 0,
// and the rows from the bottom up, each padded to four bytes; no compression.
#include <algorithm>
#include <cstring>

#include "bars.h"
#include "bitmap_rows.h"

namespace bars::bitmap {
namespace {

constexpr std::size_t kFileHeader = 14, kInfoHeader = 40;

void Put(std::string& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) out[at + std::size_t(k)] = static_cast<char>(value >> (8 * k));
}

}  // namespace

std::string EncodeBmp(const TReduced& picture, int dotsPerMetre) {
  const std::size_t rowBytes = PackedBytes(picture.Width, picture.Bits);
  const std::size_t padded = (rowBytes + 3) & ~std::size_t{3};
  // One colour is stored as two, as readers expect of one bit a pixel.
  const std::size_t colours = picture.Bits == 24  ? 0
                              : picture.Bits == 1 ? 2
                                                  : picture.Colours.size();
  const std::size_t offset = kFileHeader + kInfoHeader + 4 * colours;
  const std::size_t pixels = padded * std::size_t(picture.Height);
  if (offset + pixels > 0xFFFFFFFFu) throw Exception("A picture too large for one BMP");

  std::string out(offset + pixels, '\0');
  out[0] = 'B';
  out[1] = 'M';
  Put(out, 2, static_cast<std::uint32_t>(offset + pixels), 4);
  Put(out, 10, static_cast<std::uint32_t>(offset), 4);
  Put(out, 14, kInfoHeader, 4);
  Put(out, 18, static_cast<std::uint32_t>(picture.Width), 4);
  Put(out, 22, static_cast<std::uint32_t>(picture.Height), 4);  // positive: bottom-up
  Put(out, 26, 1, 2);                                           // planes
  Put(out, 28, static_cast<std::uint32_t>(picture.Bits), 2);
  Put(out, 34, static_cast<std::uint32_t>(pixels), 4);
  Put(out, 38, static_cast<std::uint32_t>(dotsPerMetre), 4);
  Put(out, 42, static_cast<std::uint32_t>(dotsPerMetre), 4);
  Put(out, 46, static_cast<std::uint32_t>(colours), 4);
  for (std::size_t i = 0; i < colours; ++i) {
    const std::uint32_t colour = picture.Colours[std::min(i, picture.Colours.size() - 1)];
    Put(out, kFileHeader + kInfoHeader + 4 * i, colour & 0xFFFFFF, 4);  // B, G, R, 0
  }
  auto* data = reinterpret_cast<std::uint8_t*>(out.data() + offset);
  for (int y = 0; y < picture.Height; ++y) {
    std::uint8_t* line = data + std::size_t(picture.Height - 1 - y) * padded;
    if (y > 0 && picture.Rows[std::size_t(y)] == picture.Rows[std::size_t(y) - 1]) {
      std::memcpy(line, line + padded, rowBytes);
      continue;
    }
    PackRow(picture.Rows[std::size_t(y)], picture.Width, picture.Bits, true, line);
  }
  return out;
}

}  // namespace bars::bitmap
