// QR Code's data masking and format information. Every mask is scored by the four penalty
// rules of 7.8.3 (Table 11) over the rows and the columns, with the format information in
// place:
//   N1 a run of 5 + i modules of one colour: 3 + i;
//   N2 each 2 x 2 block of one colour: 3 (an m x n block thus 3 (m - 1)(n - 1));
//   N3 dark-light-dark-dark-dark-light-dark (1:1:3:1:1) preceded or followed by 4 light
//      modules: 40, once whichever side; beyond the symbol lies the light quiet zone (so the
//      worked example of Annex I comes out with its mask 010);
//   N4 dark modules 50 +- 5 (k .. k + 1) % of all: 10 k.
// The rows and columns are bit sets, one module a bit, so each rule is a few word operations
// per line.
#include <bit>
#include <cstdlib>

#include "qr_steps.h"
#include "qr_tables.h"

namespace bars::matrix::qr {
namespace {

// A row or column with kPad light modules either side: module p is bit p + kPad.
constexpr int kPad = 4;

template <std::size_t N>
struct TLine {
  std::array<std::uint64_t, N> W{};

  void Set(int bit) { W[bit / 64] |= std::uint64_t{1} << (bit % 64); }
  bool Test(int bit) const { return (W[bit / 64] >> (bit % 64) & 1) != 0; }
  friend TLine operator&(TLine a, const TLine& b) {
    for (std::size_t i = 0; i < N; ++i) a.W[i] &= b.W[i];
    return a;
  }
  friend TLine operator|(TLine a, const TLine& b) {
    for (std::size_t i = 0; i < N; ++i) a.W[i] |= b.W[i];
    return a;
  }
  friend TLine operator^(TLine a, const TLine& b) {
    for (std::size_t i = 0; i < N; ++i) a.W[i] ^= b.W[i];
    return a;
  }
  friend TLine operator~(TLine a) {
    for (std::uint64_t& w : a.W) w = ~w;
    return a;
  }
  // Bit k of the result is bit k + d (Down) or k - d (Up) of this; 0 < d < 64.
  TLine Down(int d) const {
    TLine r;
    for (std::size_t i = 0; i < N; ++i) {
      r.W[i] = W[i] >> d | (i + 1 < N ? W[i + 1] << (64 - d) : 0);
    }
    return r;
  }
  TLine Up(int d) const {
    TLine r;
    for (std::size_t i = 0; i < N; ++i) r.W[i] = W[i] << d | (i > 0 ? W[i - 1] >> (64 - d) : 0);
    return r;
  }
  int Count() const {
    int n = 0;
    for (std::uint64_t w : W) n += std::popcount(w);
    return n;
  }
};

// 7.8.2, Table 10: whether mask `mask` inverts the module at row i, column j.
constexpr bool MaskCondition(int mask, int i, int j) {
  switch (mask) {
    case 0:
      return (i + j) % 2 == 0;
    case 1:
      return i % 2 == 0;
    case 2:
      return j % 3 == 0;
    case 3:
      return (i + j) % 3 == 0;
    case 4:
      return (i / 2 + j / 3) % 2 == 0;
    case 5:
      return i * j % 2 + i * j % 3 == 0;
    case 6:
      return (i * j % 2 + i * j % 3) % 2 == 0;
    default:
      return ((i + j) % 2 + i * j % 3) % 2 == 0;
  }
}

// The conditions repeat every 12 rows and every 6 columns, so a row's pattern is that of its
// row modulo 12 and a column's that of its column modulo 6: one bit set per residue, over the
// largest symbol.
using TWideLine = TLine<3>;
template <int Period, bool Rows>
constexpr auto MakeMaskLines() {
  std::array<std::array<TWideLine, Period>, 8> lines{};
  for (int mask = 0; mask < 8; ++mask) {
    for (int residue = 0; residue < Period; ++residue) {
      for (int p = 0; p < SymbolSize(kMaxVersion); ++p) {
        if (Rows ? MaskCondition(mask, residue, p) : MaskCondition(mask, p, residue)) {
          const int bit = p + kPad;
          lines[mask][residue].W[bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
      }
    }
  }
  return lines;
}
constexpr auto kRowMasks = MakeMaskLines<12, true>();
constexpr auto kColumnMasks = MakeMaskLines<6, false>();
static_assert(SymbolSize(kMaxVersion) + 2 * kPad <= 64 * 3);

template <std::size_t N>
TLine<N> Narrow(const TWideLine& wide) {
  TLine<N> line;
  for (std::size_t i = 0; i < N; ++i) line.W[i] = wide.W[i];
  return line;
}

template <std::size_t N>
struct TScorer {
  TLine<N> Pairs;   // modules 0 .. size - 2: those with a right (lower) neighbour
  TLine<N> Padded;  // the line and its light margins

  explicit TScorer(int size) {
    for (int p = 0; p + 1 < size; ++p) Pairs.Set(p + kPad);
    for (int b = 0; b < size + 2 * kPad; ++b) Padded.Set(b);
  }

  // N1 and N3 along one line.
  int Line(const TLine<N>& a) const {
    const TLine<N> same = ~(a ^ a.Down(1)) & Pairs;  // module p equals module p + 1
    // A run of 5 + i modules is 4 + i equal neighbours, 1 + i windows of four of them: 3 + i
    // is the windows plus 2 per run of windows.
    const TLine<N> windows = same & same.Down(1) & same.Down(2) & same.Down(3);
    int score = windows.Count() + 2 * (windows & ~windows.Up(1)).Count();
    const TLine<N> finder =
        a & ~a.Down(1) & a.Down(2) & a.Down(3) & a.Down(4) & ~a.Down(5) & a.Down(6);
    const TLine<N> light = ~a & Padded;
    const TLine<N> before = light.Up(1) & light.Up(2) & light.Up(3) & light.Up(4);
    const TLine<N> after = light.Down(7) & light.Down(8) & light.Down(9) & light.Down(10);
    score += 40 * (finder & (before | after)).Count();
    return score;
  }

  // N2 for the 2 x 2 blocks of rows `a` and `b`.
  int Blocks(const TLine<N>& a, const TLine<N>& b) const {
    const TLine<N> vertical = ~(a ^ b);
    return 3 * (vertical & vertical.Down(1) & ~(a ^ a.Down(1)) & Pairs).Count();
  }
};

template <std::size_t N>
int MaskWith(const TUnmasked& symbol, int level, int mask, TModuleMatrix& out) {
  const int size = symbol.Size;
  std::vector<TLine<N>> rowDark(size), rowFree(size), columnDark(size), columnFree(size);
  for (int r = 0; r < size; ++r) {
    const std::uint8_t* row = &symbol.Modules[static_cast<std::size_t>(r * size)];
    for (int c = 0; c < size; ++c) {
      if (row[c] & kDark) rowDark[r].Set(c + kPad), columnDark[c].Set(r + kPad);
      if (!(row[c] & kFunction)) rowFree[r].Set(c + kPad), columnFree[c].Set(r + kPad);
    }
  }
  const std::array<TPosition, 15> formatAreas[2] = {FormatPositions(0, size),
                                                    FormatPositions(1, size)};
  std::vector<TLine<N>> rows(size), columns(size);
  auto apply = [&](int m) {
    for (int r = 0; r < size; ++r) {
      rows[r] = rowDark[r] ^ (Narrow<N>(kRowMasks[m][r % 12]) & rowFree[r]);
    }
    for (int c = 0; c < size; ++c) {
      columns[c] = columnDark[c] ^ (Narrow<N>(kColumnMasks[m][c % 6]) & columnFree[c]);
    }
    const std::uint32_t word = kFormatInformation[static_cast<std::size_t>(level)][m];
    for (const auto& positions : formatAreas) {
      for (int i = 0; i < 15; ++i) {
        if (!(word >> i & 1)) continue;
        rows[positions[i].Row].Set(positions[i].Column + kPad);
        columns[positions[i].Column].Set(positions[i].Row + kPad);
      }
    }
  };

  int chosen = mask;
  if (mask < 0) {
    const TScorer<N> scorer(size);
    int bestScore = 0;
    for (int m = 0; m < 8; ++m) {  // the first of equal scores
      apply(m);
      int score = 0, dark = 0;
      for (int i = 0; i < size; ++i) {
        score += scorer.Line(rows[i]) + scorer.Line(columns[i]);
        dark += rows[i].Count();
        if (i + 1 < size) score += scorer.Blocks(rows[i], rows[i + 1]);
      }
      const int all = size * size;
      score += 10 * (std::abs(20 * dark - 10 * all) / all);
      if (m == 0 || score < bestScore) chosen = m, bestScore = score;
    }
  }
  apply(chosen);
  out = TModuleMatrix(size, size);
  for (int r = 0; r < size; ++r) {
    for (int c = 0; c < size; ++c) out.Set(r, c, rows[r].Test(c + kPad));
  }
  return chosen;
}

}  // namespace

int MaskSymbol(const TUnmasked& symbol, int level, int mask, TModuleMatrix& out) {
  const int paddedSize = symbol.Size + 2 * kPad;
  if (paddedSize <= 64) return MaskWith<1>(symbol, level, mask, out);
  if (paddedSize <= 128) return MaskWith<2>(symbol, level, mask, out);
  return MaskWith<3>(symbol, level, mask, out);
}

}  // namespace bars::matrix::qr
