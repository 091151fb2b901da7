// The search for the fewest data codewords: a shortest path over (position in the data,
// encodation state), where a state is the scheme and how far its unfinished C40/Text/X12
// triple or EDIFACT quadruple has got. Costs are whole codewords: a triple's two codewords
// are counted when its third value arrives, a quadruple's three when its fourth does, and an
// unfinished one is paid for by the unlatch that closes it.
#include <array>
#include <limits>

#include "data_matrix_encodation.h"
#include "data_matrix_tables.h"

namespace bars::matrix::dm {
namespace {

constexpr std::int32_t kInf = std::numeric_limits<std::int32_t>::max() / 4;
// Costs count codewords in units of kCodeword and, below that, latches: of the encodations
// with the fewest codewords the one with the fewest scheme changes wins.
constexpr std::int32_t kCodeword = 1 << 12;
constexpr std::int32_t CodewordCost(int n) {
  return n * kCodeword;
}
// The longest Base 256 segment whose length field is one codeword (ISO/IEC 16022:2006 5.2.9).
constexpr int kBase256Short = 249;

// How many C40 or Text values each byte takes: its set's value, behind a shift unless basic,
// and for 128..255 the upper shift (Shift 2, 30) first.
constexpr std::array<std::uint8_t, 256> ValueCounts(const TTripletCharset& set) {
  std::array<std::uint8_t, 256> counts{};
  for (int c = 0; c < 256; ++c) {
    const int low = c & 0x7F;
    counts[c] = static_cast<std::uint8_t>((c >= 128 ? 2 : 0) + (set.Set[low] ? 2 : 1));
  }
  return counts;
}
constexpr auto kC40Counts = ValueCounts(kC40Set);
constexpr auto kTextCounts = ValueCounts(kTextSet);
static_assert(kC40Counts['A'] == 1 && kC40Counts['a'] == 2 && kC40Counts[0xC1] == 3 &&
              kC40Counts[0xE1] == 4 && kTextCounts['a'] == 1 && kTextCounts[0xC1] == 4);

// The codewords an EDIFACT unlatch takes after 0..3 values of an unfinished quadruple: the
// unlatch value joins them and the last codeword is filled up with zero bits.
constexpr std::array<int, 4> kEdifactExit{1, 2, 3, 3};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

TEncodation::TEncodation(std::string_view data, bool gs1, std::int32_t eci)
    : data_(data), n_(static_cast<int>(data.size())), gs1_(gs1) {
  if (gs1) prefix_.push_back(kFnc1);
  if (eci >= 0) {
    // ISO/IEC 16022:2006 5.4.2: the designator in one, two or three codewords.
    prefix_.push_back(kEci);
    if (eci <= 126) {
      prefix_.push_back(static_cast<std::uint8_t>(eci + 1));
    } else if (eci <= 16382) {
      prefix_.push_back(static_cast<std::uint8_t>((eci - 127) / 254 + 128));
      prefix_.push_back(static_cast<std::uint8_t>((eci - 127) % 254 + 1));
    } else {
      prefix_.push_back(static_cast<std::uint8_t>((eci - 16383) / 64516 + 192));
      prefix_.push_back(static_cast<std::uint8_t>((eci - 16383) / 254 % 254 + 1));
      prefix_.push_back(static_cast<std::uint8_t>((eci - 16383) % 254 + 1));
    }
  }
  Search();
  ChooseEnds();
}

bool TEncodation::DigitPair(int position) const {
  return position + 1 < n_ && IsDigit(data_[position]) && IsDigit(data_[position + 1]);
}

void TEncodation::Search() {
  links_.assign(static_cast<std::size_t>(n_ + 1) * kStates, TLink{kInf, -1, EHow::Start});
  links_[kAscii].Cost = CodewordCost(static_cast<int>(prefix_.size()));
  // Base 256 segments end in ASCII wherever their explicit length says. The best start of a
  // segment ending at i is the s < i with the least ASCII cost minus s: among the last 249
  // (one length codeword; a window of increasing keys) or before them (two length codewords).
  // With GS1 a segment cannot hold an FNC1, so none reaches back over one.
  std::vector<std::int32_t> window;
  std::size_t front = 0;
  std::int32_t longStart = -1, earliest = 0;
  const auto key = [&](int s) { return At(s, kAscii).Cost - CodewordCost(s); };

  for (int i = 0; i <= n_; ++i) {
    const std::int32_t here = i * kStates;
    for (int mode : {kC40, kText, kX12})
      Relax(here + kAscii, At(i, mode).Cost + CodewordCost(1), here + mode, EHow::Unlatch);
    for (int r = 0; r < 4; ++r)
      Relax(here + kAscii, At(i, kEdifact + r).Cost + CodewordCost(kEdifactExit[r]),
            here + kEdifact + r, EHow::Unlatch);
    if (i > 0) {
      if (Fnc1(i - 1)) {
        window.clear(), front = 0, longStart = -1, earliest = i;
      }
      const int leaving = i - kBase256Short - 1;
      if (leaving >= earliest && (longStart < 0 || key(leaving) < key(longStart)))
        longStart = leaving;
      while (front < window.size() && window[front] <= leaving) ++front;
      if (front < window.size()) {
        const int s = window[front];
        Relax(here, At(s, kAscii).Cost + CodewordCost(2 + i - s) + 1, s * kStates, EHow::Base256);
      }
      if (longStart >= 0)
        Relax(here, At(longStart, kAscii).Cost + CodewordCost(3 + i - longStart) + 1,
              longStart * kStates, EHow::Base256);
    }
    if (i < n_ && !Fnc1(i)) {
      while (window.size() > front && key(window.back()) >= key(i)) window.pop_back();
      window.push_back(i);
    }

    const std::int32_t ascii = At(i, kAscii).Cost;
    for (int mode : {kC40, kText, kX12, kEdifact})
      Relax(here + mode, ascii + CodewordCost(1) + 1, here, EHow::Latch);
    if (i == n_) break;

    const auto c = static_cast<unsigned char>(data_[i]);
    const bool fnc1 = Fnc1(i);
    const std::int32_t next = here + kStates;
    Relax(next + kAscii, ascii + CodewordCost(c >= 128 && !fnc1 ? 2 : 1), here, EHow::AsciiByte);
    if (DigitPair(i))
      Relax(next + kStates + kAscii, ascii + CodewordCost(1), here, EHow::AsciiPair);
    for (int mode : {kC40, kText}) {
      const int values = fnc1 ? 2 : (mode == kC40 ? kC40Counts : kTextCounts)[c];
      for (int r = 0; r < 3; ++r) {
        const std::int32_t cost = At(i, mode + r).Cost;
        if (cost >= kInf) continue;
        const int total = r + values;
        Relax(next + mode + total % 3, cost + CodewordCost(2 * (total / 3)), here + mode + r,
              EHow::TripletChar);
      }
    }
    if (!fnc1 && X12Value(c) >= 0) {
      for (int r = 0; r < 3; ++r) {
        const std::int32_t cost = At(i, kX12 + r).Cost;
        if (cost < kInf)
          Relax(next + kX12 + (r + 1) % 3, cost + CodewordCost(r == 2 ? 2 : 0), here + kX12 + r,
                EHow::TripletChar);
      }
    }
    if (!fnc1 && IsEdifact(c)) {
      for (int r = 0; r < 4; ++r) {
        const std::int32_t cost = At(i, kEdifact + r).Cost;
        if (cost < kInf) {
          Relax(next + kEdifact + (r + 1) % 4, cost + CodewordCost(r == 3 ? 3 : 0),
                here + kEdifact + r, EHow::EdifactChar);
        }
      }
    }
  }
}

// The endings of ISO/IEC 16022:2006 5.2.5.2, 5.2.7.2, 5.2.8.2 and 5.2.9, each holding in every
// symbol with at least its total: an unlatch that does not fit is one a reader assumes (one
// codeword left after a triple, two or fewer after a quadruple), and a Base 256 segment to the
// end whose two-codeword length does not fit fills the symbol, so its length may be 0 ("to the
// end"). The one ending that holds only in a symbol it fills exactly, two C40/Text values
// padded with Shift 1 in the last two codewords, never saves a codeword: the segment's
// shortest prefix whose values leave 2 over 3 (one shifted character, two basic ones, or
// either after characters of 3 values) costs no more in ASCII before the latch, and the rest
// then ends on a triple boundary.
void TEncodation::ChooseEnds() {
  asciiTail_.assign(static_cast<std::size_t>(n_ + 1), 0);
  for (int i = n_ - 1; i >= 0; --i) {
    const bool extended = static_cast<unsigned char>(data_[i]) >= 128 && !Fnc1(i);
    std::int32_t tail = asciiTail_[i + 1] + (extended ? 2 : 1);
    if (DigitPair(i) && asciiTail_[i + 2] + 1 < tail) tail = asciiTail_[i + 2] + 1;
    asciiTail_[i] = tail;
  }

  const std::int32_t last = n_ * kStates;
  best_ = {EEnd::Ascii, last + kAscii, At(n_, kAscii).Cost};
  const auto consider = [&](EEnd kind, std::int32_t state, std::int32_t total) {
    if (total < best_.Total) best_ = {kind, state, total};
  };
  for (int mode : {kC40, kText, kX12}) {
    consider(EEnd::Triplet, last + mode, At(n_, mode).Cost);
    for (int j = n_ - 1; j >= 0 && j >= n_ - 2; --j) {
      if (asciiTail_[j] == 1)
        consider(EEnd::TripletAscii, j * kStates + mode, At(j, mode).Cost + CodewordCost(1));
    }
  }
  consider(EEnd::Edifact, last + kEdifact, At(n_, kEdifact).Cost);
  for (int j = n_ - 1; j >= 0 && j >= n_ - 4; --j) {
    if (asciiTail_[j] <= 2)
      consider(EEnd::EdifactAscii, j * kStates + kEdifact,
               At(j, kEdifact).Cost + CodewordCost(asciiTail_[j]));
  }
  for (int s = n_ - 1; s >= 0 && !Fnc1(s); --s)
    consider(EEnd::Base256, s * kStates + kAscii,
             At(s, kAscii).Cost + CodewordCost(2 + n_ - s) + 1);

  best_.Total /= kCodeword;
}

}  // namespace bars::matrix::dm
