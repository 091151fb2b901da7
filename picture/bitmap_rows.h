#pragma once
// Between a picture's pixels and its file: the fewest colours that keep it exact, and each
// distinct row once. Private to the bitmap encoder.

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap.h"

namespace bars::bitmap {

// A picture in its own colours. A barcode's rows mostly repeat the one above: a repeated row
// has the same pointer as the row above, so that each distinct row is packed once.
struct TReduced {
  int Width = 0, Height = 0;
  int Bits = 0;  // 1 (two colours or one), 8 (up to 256) or 24 (more)
  // With 1 or 8 bits the palette (0x00RRGGBB), and rows of one index byte a pixel; with 24
  // bits no palette, and rows of the caller's 0xAARRGGBB words.
  std::vector<std::uint32_t> Colours;
  std::vector<const std::uint8_t*> Rows;
  std::vector<std::uint8_t> Storage;  // rows converted to indices
};

TReduced Reduce(const TPixelRows& pixels);

// Writes `count` index bytes (or, at 24 bits, 0xAARRGGBB words) of `row` packed MSB first at
// one bit, as they are at eight, as R, G, B (or B, G, R when `bgr`) at 24.
void PackRow(const std::uint8_t* row, int count, int bits, bool bgr, std::uint8_t* out);

// The bytes a packed row takes, without padding.
inline std::size_t PackedBytes(int width, int bits) {
  return (std::size_t(width) * std::size_t(bits) + 7) / 8;
}

std::string EncodePng(const TReduced& picture, int dotsPerMetre);
std::string EncodeBmp(const TReduced& picture, int dotsPerMetre);

}  // namespace bars::bitmap
