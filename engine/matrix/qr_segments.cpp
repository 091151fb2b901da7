// The fewest-bit split of QR Code data into numeric, alphanumeric and byte segments: a shortest
// path over the data's positions. A segment costs its mode indicator and count field, and then
//   numeric      10 bits per 3 digits, 7 for a last 2, 4 for a last 1;
//   alphanumeric 11 bits per 2 characters, 6 for a last 1;
//   byte         8 bits per byte.
// The best split of data[0, i) ending in a segment [j, i) of mode m costs best[j] plus that
// segment's cost, for every j the mode and its count field allow. The grouped costs depend on
// the count only through count / 3 or count / 2 and its remainder, so, grouping the starts j by
// the remainder of their position (of their alphanumeric count, where a GS1 '%' counts twice),
// the cheapest start in each group is the one with the least best[j] - slope * j: a sliding
// window minimum that stays exact, partial groups and count limits included, in time linear in
// the data.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "qr_steps.h"

namespace bars::matrix::qr {
namespace {

// A start position and its key (see the file comment); keys ascend from the front.
struct TCandidate {
  std::int32_t Start;
  std::int32_t Key;
};

// The starts of one mode and remainder group still allowed, cheapest first.
class TWindow {
 public:
  explicit TWindow(std::size_t capacity) { items_.reserve(capacity); }
  // A later start with a key no larger makes the earlier ones useless.
  void Push(std::int32_t start, std::int32_t key) {
    while (items_.size() > head_ && items_.back().Key >= key) items_.pop_back();
    items_.push_back({start, key});
  }
  // The cheapest start from `first` on that `tooLong` allows; the starts before it are dropped
  // for good (both bounds only move forward).
  template <typename TooLong>
  const TCandidate* Front(std::int32_t first, TooLong tooLong) {
    while (head_ < items_.size() && (items_[head_].Start < first || tooLong(items_[head_].Start))) {
      ++head_;
    }
    return head_ < items_.size() ? &items_[head_] : nullptr;
  }

 private:
  std::vector<TCandidate> items_;
  std::size_t head_ = 0;
};

struct TStep {
  std::int32_t Start;  // the last segment's start
  TMode Mode;
};

// Bits of a numeric segment's data for 0, 1, 2 digits beyond whole groups of 3.
constexpr int kNumericTail[3] = {0, 4, 7};

}  // namespace

int HeaderBits(const TStreamHeader& header) {
  int bits = header.Gs1 ? kModeBits : 0;
  if (header.Eci >= 0) bits += kModeBits + (header.Eci < 128 ? 8 : header.Eci < 16384 ? 16 : 24);
  return bits;
}

TSegmentation MinimalSegmentation(std::string_view data, bool gs1, int versionClass) {
  const auto n = static_cast<std::int32_t>(data.size());
  const int numHeader = kModeBits + CountBits(versionClass, TMode::Numeric);
  const int alnumHeader = kModeBits + CountBits(versionClass, TMode::Alphanumeric);
  const int byteHeader = kModeBits + CountBits(versionClass, TMode::Byte);
  const std::int32_t numLimit = (1 << CountBits(versionClass, TMode::Numeric)) - 1;
  const std::int32_t alnumLimit = (1 << CountBits(versionClass, TMode::Alphanumeric)) - 1;
  const std::int32_t byteLimit = (1 << CountBits(versionClass, TMode::Byte)) - 1;

  // best[i]: the fewest bits of data[0, i); weight[i]: the alphanumeric characters data[0, i)
  // would take (only differences within a run of alphanumeric-encodable bytes are used).
  std::vector<std::int32_t> best(data.size() + 1), weight(data.size() + 1);
  std::vector<TStep> step(data.size() + 1);
  TWindow numeric[3] = {TWindow(data.size() / 3 + 1), TWindow(data.size() / 3 + 1),
                        TWindow(data.size() / 3 + 1)};
  TWindow alnum[2] = {TWindow(data.size() + 1), TWindow(data.size() + 1)};
  TWindow bytes(data.size() + 1);
  auto push = [&](std::int32_t i) {
    numeric[i % 3].Push(i, 3 * best[i] - 10 * i);
    alnum[weight[i] % 2].Push(i, 2 * best[i] - 11 * weight[i]);
    bytes.Push(i, best[i] - 8 * i);
  };
  push(0);
  // The first start each mode can take for a segment ending at i: none before a byte the mode
  // cannot encode. Under GS1 an alphanumeric FNC1 ('%') followed by another '%' would read as a
  // literal '%' ("%%"), so a GS and a '%' or GS after it cannot share an alphanumeric segment.
  std::int32_t numericFirst = 0, alnumFirst = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    const char c = data[static_cast<std::size_t>(i - 1)];
    int w = kAlphanumericValues[static_cast<unsigned char>(c)] >= 0 ? 1 : 0;
    if (gs1 && c == '%') w = 2;
    if (gs1 && c == kGs) w = 1;
    weight[i] = weight[i - 1] + w;
    if (c < '0' || c > '9') numericFirst = i;
    if (w == 0) {
      alnumFirst = i;
    } else if (gs1 && (c == '%' || c == kGs) && i >= 2 &&
               data[static_cast<std::size_t>(i - 2)] == kGs) {
      alnumFirst = std::max(alnumFirst, i - 1);
    }

    std::int32_t cost = 0;
    TStep chosen{0, TMode::Byte};
    bool found = false;
    auto consider = [&](std::int32_t candidateCost, std::int32_t start, TMode mode) {
      if (!found || candidateCost < cost) cost = candidateCost, chosen = {start, mode};
      found = true;
    };
    for (int group = 0; group < 3; ++group) {
      const TCandidate* f =
          numeric[group].Front(numericFirst, [&](std::int32_t j) { return i - j > numLimit; });
      if (f == nullptr) continue;
      const int r = (i - f->Start) % 3;
      consider((f->Key + 10 * i - 10 * r + 3 * kNumericTail[r]) / 3 + numHeader, f->Start,
               TMode::Numeric);
    }
    for (int group = 0; group < 2; ++group) {
      const TCandidate* f = alnum[group].Front(
          alnumFirst, [&](std::int32_t j) { return weight[i] - weight[j] > alnumLimit; });
      if (f == nullptr) continue;
      const int r = (weight[i] - weight[f->Start]) % 2;
      consider((f->Key + 11 * weight[i] + r) / 2 + alnumHeader, f->Start, TMode::Alphanumeric);
    }
    const TCandidate* f = bytes.Front(0, [&](std::int32_t j) { return i - j > byteLimit; });
    consider(f->Key + 8 * i + byteHeader, f->Start, TMode::Byte);

    best[i] = cost;
    step[i] = chosen;
    push(i);
  }

  TSegmentation result{{}, best[data.size()]};
  for (std::int32_t i = n; i > 0; i = step[i].Start) {
    result.Segments.push_back(
        {step[i].Mode, static_cast<std::uint32_t>(step[i].Start), static_cast<std::uint32_t>(i)});
  }
  std::reverse(result.Segments.begin(), result.Segments.end());
  return result;
}

}  // namespace bars::matrix::qr
