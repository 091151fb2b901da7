// Writing out the encodation the search chose: the codewords of each step along its path, the
// ending the symbol's free space calls for, and the pads (ISO/IEC 16022:2006 5.2).
#include <algorithm>

#include "data_matrix_encodation.h"
#include "data_matrix_tables.h"
#include "exceptions.h"

namespace bars::matrix::dm {
namespace {

// The 255-state randomising of Base 256 codewords (ISO/IEC 16022:2006 Annex B.2), by the
// codeword's position counted from 1.
std::uint8_t Randomise255(unsigned byte, std::size_t position) {
  return static_cast<std::uint8_t>((byte + (149 * position) % 255 + 1) & 0xFF);
}

// Pads (ISO/IEC 16022:2006 5.2.3 and Annex B.1): 129 first, then 129 randomised with the
// 253-state algorithm by position.
void AppendPads(std::vector<std::uint8_t>& out, std::size_t capacity) {
  if (out.size() < capacity) out.push_back(kPad);
  while (out.size() < capacity) {
    const unsigned value = kPad + (149 * (out.size() + 1)) % 253 + 1;
    out.push_back(static_cast<std::uint8_t>(value <= 254 ? value : value - 254));
  }
}

// Values of C40, Text or X12 collected into triples, two codewords each (5.2.5.1).
class TTriples {
 public:
  explicit TTriples(std::vector<std::uint8_t>& out) : out_(out) {}
  void Add(int value) {
    values_[count_++] = value;
    if (count_ < 3) return;
    const int packed = 1600 * values_[0] + 40 * values_[1] + values_[2] + 1;
    out_.push_back(static_cast<std::uint8_t>(packed >> 8));
    out_.push_back(static_cast<std::uint8_t>(packed & 0xFF));
    count_ = 0;
  }
  // The values of one byte (or FNC1) in C40 or Text: shift and upper shift included.
  void AddChar(const TTripletCharset& set, unsigned char c, bool fnc1) {
    if (fnc1) {
      Add(1), Add(kShift2Fnc1);
      return;
    }
    if (c >= 128) Add(1), Add(kShift2UpperShift), c -= 128;
    if (set.Set[c] != 0) Add(set.Set[c] - 1);
    Add(set.Value[c]);
  }

 private:
  std::vector<std::uint8_t>& out_;
  int values_[3] = {};
  int count_ = 0;
};

// EDIFACT values, 6 bits each, packed four to three codewords (5.2.8.1); Close appends the
// unlatch value and fills the last codeword with zero bits.
class TQuadruples {
 public:
  explicit TQuadruples(std::vector<std::uint8_t>& out) : out_(out) {}
  void Add(unsigned value) {
    bits_ = bits_ << 6 | (value & 0x3F);
    count_ += 6;
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<std::uint8_t>(bits_ >> count_ & 0xFF));
    }
  }
  void Close() {
    Add(kEdifactUnlatch);
    if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(bits_ << (8 - count_) & 0xFF));
    count_ = 0;
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

}  // namespace

void TEncodation::WriteAsciiChar(int position, std::vector<std::uint8_t>& out) const {
  const auto c = static_cast<unsigned char>(data_[static_cast<std::size_t>(position)]);
  if (Fnc1(position)) {
    out.push_back(kFnc1);
  } else if (c >= 128) {
    out.push_back(kUpperShift);
    out.push_back(static_cast<std::uint8_t>(c - 127));
  } else {
    out.push_back(static_cast<std::uint8_t>(c + 1));
  }
}

void TEncodation::WriteDigitPair(int position, std::vector<std::uint8_t>& out) const {
  out.push_back(
      static_cast<std::uint8_t>(130 + (data_[position] - '0') * 10 + (data_[position + 1] - '0')));
}

void TEncodation::WriteAscii(int position, std::vector<std::uint8_t>& out) const {
  while (position < n_) {
    if (DigitPair(position) && asciiTail_[position + 2] + 1 == asciiTail_[position]) {
      WriteDigitPair(position, out);
      position += 2;
    } else {
      WriteAsciiChar(position++, out);
    }
  }
}

void TEncodation::WritePath(const TEnd& end, int capacity, std::vector<std::uint8_t>& out) const {
  std::vector<std::int32_t> path;
  for (std::int32_t s = end.State; s >= 0; s = links_[static_cast<std::size_t>(s)].From)
    path.push_back(s);
  std::reverse(path.begin(), path.end());

  out = prefix_;
  TTriples triples(out);
  TQuadruples quadruples(out);
  for (std::size_t k = 1; k < path.size(); ++k) {
    const int position = path[k - 1] / kStates, from = path[k - 1] % kStates;
    const int to = path[k] % kStates;
    const auto c = static_cast<unsigned char>(data_[static_cast<std::size_t>(position)]);
    switch (links_[static_cast<std::size_t>(path[k])].How) {
      case EHow::AsciiByte:
        WriteAsciiChar(position, out);
        break;
      case EHow::AsciiPair:
        WriteDigitPair(position, out);
        break;
      case EHow::Latch:
        out.push_back(to == kC40    ? kLatchC40
                      : to == kText ? kLatchText
                      : to == kX12  ? kLatchX12
                                    : kLatchEdifact);
        break;
      case EHow::Unlatch:
        if (from >= kEdifact) {
          quadruples.Close();
        } else {
          out.push_back(kUnlatch);
        }
        break;
      case EHow::TripletChar:
        if (from >= kX12) {
          triples.Add(X12Value(c));
        } else {
          triples.AddChar(from >= kText ? kTextSet : kC40Set, c, Fnc1(position));
        }
        break;
      case EHow::EdifactChar:
        quadruples.Add(c);
        break;
      case EHow::Base256:
        WriteBase256(position, path[k] / kStates - position, false, out);
        break;
      case EHow::Start:
        break;
    }
  }

  const std::size_t used = out.size(), room = static_cast<std::size_t>(capacity);
  const int endPosition = end.State / kStates;
  switch (end.Kind) {
    case EEnd::Ascii:
      break;
    case EEnd::Triplet:
      if (used < room) out.push_back(kUnlatch);
      break;
    case EEnd::TripletAscii:
      // With one codeword left a reader takes it as ASCII without an unlatch.
      if (used + 1 < room) out.push_back(kUnlatch);
      WriteAscii(endPosition, out);
      break;
    case EEnd::Edifact:
    case EEnd::EdifactAscii:
      // At a quadruple boundary with two codewords or fewer left a reader is back in ASCII.
      if (used + 3 <= room) quadruples.Close();
      WriteAscii(endPosition, out);
      break;
    case EEnd::Base256:
      WriteBase256(endPosition, n_ - endPosition, used + 2 + (n_ - endPosition) == room, out);
      break;
  }
  if (out.size() > room) BARS_ASSERTION_FAILED("Data Matrix codewords exceed the symbol");
  AppendPads(out, room);
}

void TEncodation::WriteBase256(int start, int length, bool toTheEnd,
                               std::vector<std::uint8_t>& out) const {
  out.push_back(kLatchBase256);
  const std::size_t first = out.size();
  // The length field (5.2.9.1): 0 for "to the end of the symbol", one codeword up to 249, two
  // beyond.
  if (toTheEnd && length > 249) {
    out.push_back(0);
  } else if (length > 249) {
    out.push_back(static_cast<std::uint8_t>(length / 250 + 249));
    out.push_back(static_cast<std::uint8_t>(length % 250));
  } else {
    out.push_back(static_cast<std::uint8_t>(length));
  }
  out.insert(out.end(), data_.begin() + start, data_.begin() + start + length);
  for (std::size_t i = first; i < out.size(); ++i) out[i] = Randomise255(out[i], i + 1);
}

std::vector<std::uint8_t> TEncodation::Codewords(int capacity) const {
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(capacity));
  if (capacity < best_.Total) BARS_ASSERTION_FAILED("Data Matrix data does not fit the symbol");
  WritePath(best_, capacity, out);
  return out;
}

}  // namespace bars::matrix::dm
