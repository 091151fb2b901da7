#pragma once
// The fewest Data Matrix data codewords for a text over every sequence of encodation schemes
// (ISO/IEC 16022:2006 5.2: ASCII, C40, Text, X12, EDIFACT, Base 256), and those codewords
// written out for one symbol size with the ending and pads that size's free space calls for.

#include <cstdint>
#include <string_view>
#include <vector>

namespace bars::matrix::dm {

class TEncodation {
 public:
  // Searches every encodation of `data` (bytes; with `gs1` each GS byte stands for FNC1 and an
  // FNC1 leads the data; `eci` >= 0 puts that ECI designator first). `data` must outlive this.
  TEncodation(std::string_view data, bool gs1, std::int32_t eci);

  // The fewest data codewords any symbol needs: every symbol holding at least this many data
  // codewords holds the text.
  int Needed() const noexcept { return best_.Total; }

  // The `capacity` data codewords (capacity >= Needed()) of the symbol: the shortest
  // encodation, ended as the space left allows, then the pads.
  std::vector<std::uint8_t> Codewords(int capacity) const;

 private:
  // The DP's states at each position: ASCII, then C40, Text and X12 with 0..2 values of an
  // unfinished triple, then EDIFACT with 0..3 values of an unfinished quadruple.
  enum EState : std::uint8_t {
    kAscii = 0,
    kC40 = 1,
    kText = 4,
    kX12 = 7,
    kEdifact = 10,
    kStates = 14,
  };
  // How a state was reached.
  enum class EHow : std::uint8_t {
    Start,
    AsciiByte,
    AsciiPair,
    Latch,
    Unlatch,
    TripletChar,
    EdifactChar,
    Base256,
  };
  struct TLink {
    std::int32_t Cost;
    std::int32_t From;  // position * kStates + state of the predecessor
    EHow How;
  };
  // The ways the data can end (see Codewords), each after the state in `State`.
  enum class EEnd : std::uint8_t {
    Ascii,         // in ASCII: pads follow
    Triplet,       // C40/Text/X12 at a triple boundary: unlatch unless full
    TripletAscii,  // C40/Text/X12 at a triple boundary, one ASCII codeword of data left
    Edifact,       // EDIFACT at a quadruple boundary: unlatch unless 2 or fewer are left
    EdifactAscii,  // the same with 1 or 2 ASCII codewords of data left
    Base256,       // a Base 256 segment to the end of the data
  };
  struct TEnd {
    EEnd Kind;
    std::int32_t State;  // position * kStates + state
    std::int32_t Total;  // the data codewords it takes
  };

  void Search();
  void Relax(std::int32_t to, std::int32_t cost, std::int32_t from, EHow how) {
    // On a tie the later step wins: digit pairs then form from the left.
    TLink& link = links_[static_cast<std::size_t>(to)];
    if (cost <= link.Cost) link = {cost, from, how};
  }
  void ChooseEnds();
  const TLink& At(int position, int state) const {
    return links_[static_cast<std::size_t>(position * kStates + state)];
  }
  bool Fnc1(int position) const { return gs1_ && data_[position] == '\x1D'; }
  bool DigitPair(int position) const;
  // The codewords of data_[position..] in ASCII alone, as few as digit pairs make them.
  void WriteAscii(int position, std::vector<std::uint8_t>& out) const;
  void WriteAsciiChar(int position, std::vector<std::uint8_t>& out) const;
  void WriteDigitPair(int position, std::vector<std::uint8_t>& out) const;
  // A Base 256 segment of data_[start..start + length), randomised; `toTheEnd` when it fills
  // the symbol, so that its length may be 0.
  void WriteBase256(int start, int length, bool toTheEnd, std::vector<std::uint8_t>& out) const;
  void WritePath(const TEnd& end, int capacity, std::vector<std::uint8_t>& out) const;

  std::string_view data_;
  int n_;
  bool gs1_;
  std::vector<std::uint8_t> prefix_;     // FNC1 or the ECI, in ASCII before the data
  std::vector<TLink> links_;             // (n + 1) x kStates
  std::vector<std::int32_t> asciiTail_;  // fewest ASCII codewords for data_[i..]
  TEnd best_{};                          // the fewest codewords and the ending they take
};

}  // namespace bars::matrix::dm
