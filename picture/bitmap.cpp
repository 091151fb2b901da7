// The colours a picture really uses, found on its distinct rows, and the choice of file.
#include <array>
#include <cmath>
#include <cstring>

#include "bars.h"
#include "bitmap_rows.h"

namespace bars {
namespace bitmap {
namespace {

constexpr double kMetresPerInch = 0.0254;

std::uint32_t Word(const std::uint8_t* at) {
  std::uint32_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The colours of a picture and their indices, at most 256: an open-addressed table, since a
// picture with text holds a few dozen greys that change from pixel to pixel.
class TPalette {
 public:
  // The index of `colour` (0x00RRGGBB), a new one when it is new; -1 once 256 are taken.
  int IndexOf(std::uint32_t colour) {
    for (std::size_t slot = (colour * 2654435761u) >> 22;; slot = (slot + 1) % kSlots) {
      Slot& s = slots_[slot];
      if (s.index >= 0 && s.colour == colour) return s.index;
      if (s.index >= 0) continue;
      if (colours_.size() == 256) return -1;
      s = {colour, static_cast<int>(colours_.size())};
      colours_.push_back(colour);
      return s.index;
    }
  }
  std::vector<std::uint32_t>& Colours() { return colours_; }

 private:
  static constexpr std::size_t kSlots = 1024;  // a power of two, four times 256
  struct Slot {
    std::uint32_t colour = 0;
    int index = -1;
  };
  std::array<Slot, kSlots> slots_{};
  std::vector<std::uint32_t> colours_;
};

// Points each row at its source, a repeated row at the row above; returns the distinct rows.
std::vector<int> DistinctRows(const TPixelRows& pixels, std::size_t rowBytes, TReduced& out) {
  std::vector<int> distinct;
  out.Rows.resize(std::size_t(pixels.Height));
  for (int y = 0; y < pixels.Height; ++y) {
    const std::uint8_t* row = pixels.Data + y * pixels.Stride;
    if (y > 0 && std::memcmp(row, row - pixels.Stride, rowBytes) == 0) {
      out.Rows[std::size_t(y)] = out.Rows[std::size_t(y) - 1];
      continue;
    }
    out.Rows[std::size_t(y)] = row;
    distinct.push_back(y);
  }
  return distinct;
}

// Each distinct row through `index` (source row, output row; false: too many colours).
template <typename Index>
bool ConvertRows(TReduced& out, const std::vector<int>& distinct, Index index) {
  out.Storage.resize(distinct.size() * std::size_t(out.Width));
  std::uint8_t* to = out.Storage.data();
  for (int y : distinct) {
    if (!index(out.Rows[std::size_t(y)], to)) return false;
    out.Rows[std::size_t(y)] = to;
    to += out.Width;
  }
  // Repeated rows follow the row above to its new place.
  for (std::size_t y = 1; y < out.Rows.size(); ++y) {
    const std::uint8_t* row = out.Rows[y];
    if (row < out.Storage.data() || row >= out.Storage.data() + out.Storage.size())
      out.Rows[y] = out.Rows[y - 1];
  }
  return true;
}

}  // namespace

TReduced Reduce(const TPixelRows& pixels) {
  TReduced out;
  out.Width = pixels.Width;
  out.Height = pixels.Height;
  const bool indexed = !pixels.Palette.empty();
  const std::size_t rowBytes = std::size_t(pixels.Width) * (indexed ? 1 : 4);
  const std::vector<int> distinct = DistinctRows(pixels, rowBytes, out);
  TPalette palette;
  if (indexed) {
    // The caller's palette may hold colours twice or unused: each used index is mapped to the
    // one index of its colour.
    std::array<bool, 256> used{};
    for (int y : distinct) {
      const std::uint8_t* row = out.Rows[std::size_t(y)];
      for (int x = 0; x < pixels.Width; ++x) used[row[x]] = true;
    }
    std::array<int, 256> map;
    map.fill(-1);
    for (std::size_t from = 0; from < 256; ++from) {
      if (!used[from]) continue;
      if (from >= pixels.Palette.size()) throw Exception("A pixel beyond its palette");
      map[from] = palette.IndexOf(pixels.Palette[from] & 0xFFFFFF);
    }
    bool same = true;
    for (int i = 0; i < 256; ++i)
      same = same && (map[std::size_t(i)] < 0 || map[std::size_t(i)] == i);
    if (!same) {
      ConvertRows(out, distinct, [&](const std::uint8_t* row, std::uint8_t* to) {
        for (int x = 0; x < pixels.Width; ++x) to[x] = static_cast<std::uint8_t>(map[row[x]]);
        return true;
      });
    }
  } else {
    const bool fits = ConvertRows(out, distinct, [&](const std::uint8_t* row, std::uint8_t* to) {
      std::uint32_t last = 0;
      int lastIndex = -1;
      for (int x = 0; x < pixels.Width; ++x) {
        const std::uint32_t colour = Word(row + 4 * std::size_t(x)) & 0xFFFFFF;
        if (lastIndex < 0 || colour != last) {
          lastIndex = palette.IndexOf(colour);
          if (lastIndex < 0) return false;
          last = colour;
        }
        to[x] = static_cast<std::uint8_t>(lastIndex);
      }
      return true;
    });
    if (!fits) {
      out.Storage.clear();
      DistinctRows(pixels, rowBytes, out);
      out.Bits = 24;
      return out;
    }
  }
  out.Colours = std::move(palette.Colours());
  out.Bits = out.Colours.size() <= 2 ? 1 : 8;
  return out;
}

void PackRow(const std::uint8_t* row, int count, int bits, bool bgr, std::uint8_t* out) {
  switch (bits) {
    case 1:
      std::memset(out, 0, PackedBytes(count, 1));
      for (int x = 0; x < count; ++x)
        out[x >> 3] |= static_cast<std::uint8_t>((row[x] & 1) << (7 - (x & 7)));
      break;
    case 8:
      std::memcpy(out, row, std::size_t(count));
      break;
    default:
      for (int x = 0; x < count; ++x, out += 3) {
        const std::uint32_t w = Word(row + 4 * std::size_t(x));
        const auto r = static_cast<std::uint8_t>(w >> 16), g = static_cast<std::uint8_t>(w >> 8),
                   b = static_cast<std::uint8_t>(w);
        out[0] = bgr ? b : r;
        out[1] = g;
        out[2] = bgr ? r : b;
      }
      break;
  }
}

}  // namespace bitmap

std::string EncodeBitmap(const TPixelRows& pixels, TBitmapFormat format, int dpi) {
  if (pixels.Width < 1 || pixels.Height < 1) {
    throw Exception("Cannot encode a picture of " + std::to_string(pixels.Width) + " x " +
                    std::to_string(pixels.Height) + " pixels");
  }
  if (dpi < 1) throw Exception("Cannot encode a picture at " + std::to_string(dpi) + " dpi");
  const bitmap::TReduced reduced = bitmap::Reduce(pixels);
  const int dotsPerMetre = static_cast<int>(std::lround(dpi / bitmap::kMetresPerInch));
  return format == TBitmapFormat::Png ? bitmap::EncodePng(reduced, dotsPerMetre)
                                      : bitmap::EncodeBmp(reduced, dotsPerMetre);
}

}  // namespace bars
