// QR Code's module placement: the function patterns, the version information, and the
// codewords' bits in two-module columns zigzagging up and down from the bottom right corner.
#include <algorithm>
#include <cstdlib>

#include "qr_steps.h"
#include "qr_tables.h"

namespace bars::matrix::qr {
namespace {

class TGrid {
 public:
  explicit TGrid(int size)
      : size_(size), modules_(static_cast<std::size_t>(size) * static_cast<std::size_t>(size)) {}
  int Size() const { return size_; }
  bool Inside(int row, int column) const {
    return row >= 0 && row < size_ && column >= 0 && column < size_;
  }
  void SetFunction(int row, int column, bool dark) {
    At(row, column) = static_cast<std::uint8_t>(kFunction | (dark ? kDark : 0));
  }
  bool IsFunction(int row, int column) const {
    return (modules_[Index(row, column)] & kFunction) != 0;
  }
  void SetData(int row, int column, bool dark) { At(row, column) = dark ? kDark : 0; }
  std::vector<std::uint8_t> Release() { return std::move(modules_); }

 private:
  std::size_t Index(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(size_) +
           static_cast<std::size_t>(column);
  }
  std::uint8_t& At(int row, int column) { return modules_[Index(row, column)]; }
  int size_;
  std::vector<std::uint8_t> modules_;
};

// 6.3, 7.7.2: the timing patterns, alternating from dark, along row 6 and column 6 (the finders
// cover their ends).
void DrawTimingPatterns(TGrid& grid) {
  for (int i = 0; i < grid.Size(); ++i) {
    grid.SetFunction(6, i, i % 2 == 0);
    grid.SetFunction(i, 6, i % 2 == 0);
  }
}

// 6.3, 7.7.2: a finder pattern (3 x 3 dark inside a light, then a dark ring) at `top`,
// `left`, with its light separator where it lies inside the symbol.
void DrawFinderPattern(TGrid& grid, int top, int left) {
  for (int dr = -1; dr <= 7; ++dr) {
    for (int dc = -1; dc <= 7; ++dc) {
      if (!grid.Inside(top + dr, left + dc)) continue;
      const int ring = std::max(std::abs(dr - 3), std::abs(dc - 3));
      grid.SetFunction(top + dr, left + dc, ring != 2 && ring != 4);
    }
  }
}

// 6.3, 7.7.2 and Annex E: alignment patterns (a dark module in a light ring in a dark ring) at
// every pair of the version's centres but the three that would overlap the finders.
void DrawAlignmentPatterns(TGrid& grid, int version) {
  const auto& centres = kAlignmentCentres[static_cast<std::size_t>(version - 1)];
  const int n = AlignmentCount(version);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if ((i == 0 && j == 0) || (i == 0 && j == n - 1) || (i == n - 1 && j == 0)) continue;
      for (int dr = -2; dr <= 2; ++dr) {
        for (int dc = -2; dc <= 2; ++dc) {
          grid.SetFunction(centres[i] + dr, centres[j] + dc,
                           std::max(std::abs(dr), std::abs(dc)) != 1);
        }
      }
    }
  }
}

// 7.9: the format areas are reserved light here and written once the mask is chosen; the
// module beside the lower one is always dark.
void ReserveFormatAreas(TGrid& grid) {
  for (int copy = 0; copy < 2; ++copy) {
    for (const TPosition& p : FormatPositions(copy, grid.Size())) {
      grid.SetFunction(p.Row, p.Column, false);
    }
  }
  grid.SetFunction(grid.Size() - 8, 8, true);
}

// 7.10: the 18 version bits, bit 0 first, in a 6 x 3 block above the lower left finder and
// its transpose left of the upper right one.
void DrawVersionInformation(TGrid& grid, int version) {
  if (version < 7) return;
  const std::uint32_t word = kVersionInformation[static_cast<std::size_t>(version)];
  for (int i = 0; i < 18; ++i) {
    const bool dark = (word >> i & 1) != 0;
    const int near = i / 3, far = grid.Size() - 11 + i % 3;
    grid.SetFunction(near, far, dark);
    grid.SetFunction(far, near, dark);
  }
}

// 7.7.3: the bits, most significant first, upward in the rightmost pair of columns (right
// module first), downward in the next pair, and so on, skipping function modules and the
// vertical timing pattern's column. Modules left over (the remainder bits) stay light.
void PlaceBits(TGrid& grid, std::span<const std::uint8_t> codewords) {
  const int size = grid.Size();
  const std::size_t total = codewords.size() * 8;
  std::size_t bit = 0;
  bool upward = true;
  for (int right = size - 1; right >= 1; right -= 2) {
    if (right == 6) right = 5;
    for (int k = 0; k < size; ++k) {
      const int row = upward ? size - 1 - k : k;
      for (int column = right; column >= right - 1; --column) {
        if (grid.IsFunction(row, column)) continue;
        bool dark = false;
        if (bit < total) {
          dark = (codewords[bit / 8] >> (7 - bit % 8) & 1) != 0;
          ++bit;
        }
        grid.SetData(row, column, dark);
      }
    }
    upward = !upward;
  }
}

}  // namespace

std::array<TPosition, 15> FormatPositions(int copy, int size) {
  std::array<TPosition, 15> p{};
  auto at = [](int row, int column) {
    return TPosition{static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(column)};
  };
  for (int i = 0; i < 15; ++i) {
    if (copy == 0) {
      // Down column 8 beside the upper left finder (stepping over the timing pattern), then
      // left along row 8.
      p[i] = i < 6 ? at(i, 8) : i < 8 ? at(i + 1, 8) : i == 8 ? at(8, 7) : at(8, 14 - i);
    } else {
      // Leftward along row 8 under the upper right finder, then down column 8 beside the
      // lower left one.
      p[i] = i < 8 ? at(8, size - 1 - i) : at(size - 15 + i, 8);
    }
  }
  return p;
}

TUnmasked PlaceCodewords(std::span<const std::uint8_t> codewords, int version) {
  TGrid grid(SymbolSize(version));
  DrawTimingPatterns(grid);
  DrawFinderPattern(grid, 0, 0);
  DrawFinderPattern(grid, 0, grid.Size() - 7);
  DrawFinderPattern(grid, grid.Size() - 7, 0);
  DrawAlignmentPatterns(grid, version);
  ReserveFormatAreas(grid);
  DrawVersionInformation(grid, version);
  PlaceBits(grid, codewords);
  return {grid.Size(), grid.Release()};
}

}  // namespace bars::matrix::qr
