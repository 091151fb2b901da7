// Error correction (ISO/IEC 16022:2006 5.7), codeword placement (Annex F) and the finder and
// timing patterns of each data region (5.5.1).
#include "data_matrix_layout.h"

#include <array>
#include <mutex>
#include <vector>

#include "exceptions.h"
#include "reed_solomon.h"

namespace bars::matrix::dm {
namespace {

// Data and error-correction codewords in symbol order. The data are dealt to the blocks in
// turn (codeword i to block i mod Blocks), and so are the blocks' error-correction codewords
// after them. In 144x144 the two shorter blocks (8 and 9) lead each round of error-correction
// codewords, the order readers take them in.
std::vector<std::uint8_t> WithErrorCorrection(const TDmSize& size,
                                              std::span<const std::uint8_t> data) {
  const int blocks = size.Blocks, dataCount = size.DataCodewords, ecc = size.EccPerBlock;
  std::vector<std::uint8_t> all(static_cast<std::size_t>(size.TotalCodewords()));
  std::copy(data.begin(), data.end(), all.begin());
  for (int b = 0; b < blocks; ++b) {
    std::array<std::uint8_t, 256> block;
    std::size_t length = 0;
    for (int i = b; i < dataCount; i += blocks) block[length++] = data[static_cast<std::size_t>(i)];
    std::array<std::uint8_t, kMaxEccDegree> check;
    DataMatrixReedSolomon::Encode(std::span(block.data(), length),
                                  std::span(check.data(), static_cast<std::size_t>(ecc)));
    const int slot = size.Rows == 144 ? (b + 2) % blocks : b;
    for (int k = 0; k < ecc; ++k)
      all[static_cast<std::size_t>(dataCount + k * blocks + slot)] = check[k];
  }
  return all;
}

// Where a module's colour comes from: always dark, always light, or bit (codeword * 8 + bit,
// bit 0 the most significant) of the symbol's codewords.
using TSource = std::uint16_t;
constexpr TSource kDark = 0xFFFF, kLight = 0xFFFE, kUnset = 0xFFFD;
static_assert(kSizes[kLargestSquare].TotalCodewords() * 8 < kUnset);

// The placement of Annex F over the mapping matrix (the data regions without their finders):
// codewords go in an L-shaped "utah" of 8 modules along diagonals, with four special corner
// shapes, wrapping at the edges.
class TPlacement {
 public:
  TPlacement(int rows, int columns)
      : rows_(rows), columns_(columns), grid_(static_cast<std::size_t>(rows * columns), kUnset) {}

  // Each module's source, codewords in order.
  std::vector<TSource> Place(int codewords) {
    int r = 4, c = 0;
    do {
      if (r == rows_ && c == 0) Corner(kCorner1);
      if (r == rows_ - 2 && c == 0 && columns_ % 4 != 0) Corner(kCorner2);
      if (r == rows_ - 2 && c == 0 && columns_ % 8 == 4) Corner(kCorner3);
      if (r == rows_ + 4 && c == 2 && columns_ % 8 == 0) Corner(kCorner4);
      do {  // up and to the right
        if (r < rows_ && c >= 0 && Unset(r, c)) Utah(r, c);
        r -= 2, c += 2;
      } while (r >= 0 && c < columns_);
      r += 1, c += 3;
      do {  // down and to the left
        if (r >= 0 && c < columns_ && Unset(r, c)) Utah(r, c);
        r += 2, c -= 2;
      } while (r < rows_ && c >= 0);
      r += 3, c += 1;
    } while (r < rows_ || c < columns_);
    // Sizes whose area leaves four modules over fill the bottom right corner with a fixed
    // pattern: dark on its diagonal.
    if (Unset(rows_ - 1, columns_ - 1)) {
      Set(rows_ - 1, columns_ - 1, kDark), Set(rows_ - 2, columns_ - 2, kDark);
      Set(rows_ - 1, columns_ - 2, kLight), Set(rows_ - 2, columns_ - 1, kLight);
    }
    if (next_ != codewords) BARS_ASSERTION_FAILED("Data Matrix placement incomplete");
    return std::move(grid_);
  }

 private:
  // The corner shapes: (row, column) of bits 1 (most significant) to 8, negative counts from
  // the far edge.
  using TShape = std::array<std::array<int, 2>, 8>;
  static constexpr TShape kCorner1{
      {{-1, 0}, {-1, 1}, {-1, 2}, {0, -2}, {0, -1}, {1, -1}, {2, -1}, {3, -1}}};
  static constexpr TShape kCorner2{
      {{-3, 0}, {-2, 0}, {-1, 0}, {0, -4}, {0, -3}, {0, -2}, {0, -1}, {1, -1}}};
  static constexpr TShape kCorner3{
      {{-3, 0}, {-2, 0}, {-1, 0}, {0, -2}, {0, -1}, {1, -1}, {2, -1}, {3, -1}}};
  static constexpr TShape kCorner4{
      {{-1, 0}, {-1, -1}, {0, -3}, {0, -2}, {0, -1}, {1, -3}, {1, -2}, {1, -1}}};

  bool Unset(int r, int c) const { return grid_[Index(r, c)] == kUnset; }
  void Set(int r, int c, TSource source) { grid_[Index(r, c)] = source; }
  std::size_t Index(int r, int c) const { return static_cast<std::size_t>(r * columns_ + c); }

  // Bit `bit` (1 most significant) of the current codeword at (r, c), wrapped into the matrix.
  void Module(int r, int c, int bit) {
    if (r < 0) r += rows_, c += 4 - (rows_ + 4) % 8;
    if (c < 0) c += columns_, r += 4 - (columns_ + 4) % 8;
    if (r >= rows_) r -= rows_;
    Set(r, c, static_cast<TSource>(next_ * 8 + bit - 1));
  }
  void Utah(int r, int c) {
    Module(r - 2, c - 2, 1), Module(r - 2, c - 1, 2), Module(r - 1, c - 2, 3);
    Module(r - 1, c - 1, 4), Module(r - 1, c, 5), Module(r, c - 2, 6), Module(r, c - 1, 7);
    Module(r, c, 8);
    ++next_;
  }
  void Corner(const TShape& shape) {
    for (int bit = 1; bit <= 8; ++bit) {
      const auto [r, c] = shape[static_cast<std::size_t>(bit - 1)];
      Module(r < 0 ? rows_ + r : r, c < 0 ? columns_ + c : c, bit);
    }
    ++next_;
  }

  int rows_, columns_;
  std::vector<TSource> grid_;
  int next_ = 0;
};

// Every module of the symbol: each region framed by the solid L of its finder (left and
// bottom) and its alternating timing pattern (top and right), the placement inside.
std::vector<TSource> SymbolSources(const TDmSize& size) {
  const int mappingColumns = size.MappingColumns();
  const std::vector<TSource> placed =
      TPlacement(size.MappingRows(), mappingColumns).Place(size.TotalCodewords());
  std::vector<TSource> sources;
  sources.reserve(static_cast<std::size_t>(size.Rows * size.Columns));
  const int regionHeight = size.RegionRows + 2, regionWidth = size.RegionColumns + 2;
  for (int row = 0; row < size.Rows; ++row) {
    const int inRow = row % regionHeight;
    const int mappingRow = row / regionHeight * size.RegionRows + inRow - 1;
    for (int column = 0; column < size.Columns; ++column) {
      const int inColumn = column % regionWidth;
      if (inColumn == 0 || inRow == regionHeight - 1) {
        sources.push_back(kDark);
      } else if (inRow == 0) {
        sources.push_back(inColumn % 2 == 0 ? kDark : kLight);
      } else if (inColumn == regionWidth - 1) {
        sources.push_back(inRow % 2 == 1 ? kDark : kLight);
      } else {
        const int mappingColumn = column / regionWidth * size.RegionColumns + inColumn - 1;
        sources.push_back(
            placed[static_cast<std::size_t>(mappingRow * mappingColumns + mappingColumn)]);
      }
    }
  }
  return sources;
}

// The sources of a size's modules, worked out on its first use.
const std::vector<TSource>& CachedSources(const TDmSize& size) {
  static std::array<std::once_flag, kSizes.size()> once;
  static std::array<std::vector<TSource>, kSizes.size()> sources;
  std::size_t index = 0;
  while (index < kSizes.size() && &kSizes[index] != &size) ++index;
  if (index == kSizes.size()) BARS_ASSERTION_FAILED("Data Matrix size outside the table");
  std::call_once(once[index], [&] { sources[index] = SymbolSources(size); });
  return sources[index];
}

}  // namespace

TModuleMatrix LayOutSymbol(const TDmSize& size, std::span<const std::uint8_t> data) {
  if (data.size() != size.DataCodewords) BARS_ASSERTION_FAILED("Data Matrix data codeword count");
  const std::vector<std::uint8_t> codewords = WithErrorCorrection(size, data);
  const std::vector<TSource>& sources = CachedSources(size);
  TModuleMatrix symbol(size.Rows, size.Columns);
  std::size_t i = 0;
  for (int row = 0; row < size.Rows; ++row) {
    for (int column = 0; column < size.Columns; ++column, ++i) {
      const TSource source = sources[i];
      const bool dark = source == kDark ||
                        (source < kUnset && (codewords[source >> 3] >> (7 - (source & 7)) & 1));
      if (dark) symbol.Set(row, column, true);
    }
  }
  return symbol;
}

}  // namespace bars::matrix::dm
