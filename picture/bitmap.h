#pragma once
// The one bitmap encoder of the window and barcode-cli: PNG and BMP files in the fewest bits a
// pixel that keep every colour exactly (one for two colours, eight for up to 256, else 24-bit
// true colour), stating their resolution.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace bars {

enum class TBitmapFormat : std::uint8_t { Bmp, Png };

// A picture's pixels as its owner holds them, row 0 at the top.
struct TPixelRows {
  int Width = 0, Height = 0;
  const std::uint8_t* Data = nullptr;
  std::ptrdiff_t Stride = 0;  // bytes from the start of one row to the next
  // With a palette, one byte a pixel indexing it; without, four bytes a pixel, each a
  // 0xAARRGGBB word in the machine's order. Colours are 0xAARRGGBB; alpha is ignored (pictures
  // are opaque).
  std::span<const std::uint32_t> Palette;
};

// The bytes of a PNG or BMP file of `pixels` stating `dpi` dots per inch (rounded to whole
// dots per metre). Raises a bars::Exception when the picture is empty, `dpi` is not positive
// or the compressor fails.
std::string EncodeBitmap(const TPixelRows& pixels, TBitmapFormat format, int dpi);

}  // namespace bars
