// Code 128 with the code sets chosen for the shortest symbol: the fewest symbol characters over
// every choice of start set, set changes, shifts and FNC4 extensions (ISO/IEC 15417), found by
// a shortest-path search over the positions of the data rather than the standard's informative
// rules of thumb, which are not always shortest.
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "code128_shortest.h"
#include "code128_tables.h"
#include "encoding.h"

namespace bars {
namespace {

using namespace code128;

// Symbol character values with the meaning they have in code sets A and B (ISO/IEC 15417).
constexpr int kShift = 98;   // the next character is in the other of sets A and B
constexpr int kCodeC = 99;   // from set A or B
constexpr int kCodeB = 100;  // from set A or C; FNC4 in set B
constexpr int kCodeA = 101;  // from set B or C; FNC4 in set A
constexpr int kStartA = 103;

constexpr int SwitchTo(CodeSet set) {
  return set == CodeSet::A ? kCodeA : set == CodeSet::B ? kCodeB : kCodeC;
}

constexpr int Fnc4In(CodeSet set) {
  return set == CodeSet::A ? kCodeA : kCodeB;
}

// Whether set A (controls, digits, capitals) or B (digits, capitals, lower case) holds the
// 7-bit character `base`; together they hold all of 0..127.
constexpr bool Holds(CodeSet set, int base) {
  return set == CodeSet::A ? base < 96 : base >= 32;
}

constexpr int ValueIn(CodeSet set, int base) {
  return set == CodeSet::A && base < 32 ? base + 64 : base - 32;
}

constexpr CodeSet Other(CodeSet set) {
  return set == CodeSet::A ? CodeSet::B : CodeSet::A;
}

constexpr bool IsDigit(int c) {
  return c >= '0' && c <= '9';
}

// A search state: the code set in force and whether FNC4 FNC4 has latched the extended
// characters (128..255) on.
struct State {
  CodeSet set;
  bool extended;
  constexpr int Index() const { return 2 * static_cast<int>(set) + (extended ? 1 : 0); }
};
constexpr int kStates = 6;
constexpr State StateOf(int index) {
  return {static_cast<CodeSet>(index / 2), index % 2 == 1};
}

enum class Move : std::uint8_t { Start, SwitchSet, ToggleExtended, Char, ShiftedChar, Pair, Fnc1 };

constexpr int kUnreached = std::numeric_limits<int>::max();

// How the cheapest way to a state at a position arrived: the move and the state it left. The
// position it left follows from the move, so one byte per state and position holds the path.
struct Arrival {
  std::uint8_t bits = 0;
  static Arrival Of(Move move, int fromState) {
    return {static_cast<std::uint8_t>(static_cast<int>(move) << 3 | fromState)};
  }
  Move How() const { return static_cast<Move>(bits >> 3); }
  int FromState() const { return bits & 7; }
};

constexpr std::size_t Consumed(Move move) {
  switch (move) {
    case Move::Char:
    case Move::ShiftedChar:
    case Move::Fnc1:
      return 1;
    case Move::Pair:
      return 2;
    default:
      return 0;
  }
}

// Symbol characters a data character costs in `state`: itself, one FNC4 when its extension
// differs from the latch, one SHIFT when only the other of sets A and B holds it.
int CharCost(State state, int c, bool& shifted) {
  const int base = c & 0x7F;
  shifted = !Holds(state.set, base);
  return 1 + (shifted ? 1 : 0) + ((c >= 128) != state.extended ? 1 : 0);
}

// Appends the values of one move, last first.
void AppendReversed(Move move, State state, const std::vector<int>& data, std::size_t at,
                    std::vector<int>& reversed) {
  const int c = at < data.size() ? data[at] : 0;
  switch (move) {
    case Move::Start:
      reversed.push_back(kStartA + static_cast<int>(state.set));
      break;
    case Move::SwitchSet:
      reversed.push_back(SwitchTo(state.set));
      break;
    case Move::ToggleExtended:
      reversed.insert(reversed.end(), 2, Fnc4In(state.set));
      break;
    case Move::Fnc1:
      reversed.push_back(kFnc1);
      break;
    case Move::Pair:
      reversed.push_back(10 * (c - '0') + (data[at + 1] - '0'));
      break;
    case Move::Char:
    case Move::ShiftedChar: {
      // FNC4 first, then SHIFT: the FNC4 belongs to the set in force.
      const bool shifted = move == Move::ShiftedChar;
      reversed.push_back(ValueIn(shifted ? Other(state.set) : state.set, c & 0x7F));
      if (shifted) reversed.push_back(kShift);
      if ((c >= 128) != state.extended) reversed.push_back(Fnc4In(state.set));
      break;
    }
  }
}

// The values of the moves on the cheapest path to `endState` after all of `data`, from the
// start character on.
std::vector<int> ValuesOfPath(const std::vector<int>& data,
                              const std::vector<std::array<Arrival, kStates>>& arrivals,
                              int endState) {
  std::vector<int> values;
  values.reserve(data.size() + 8);
  std::size_t at = data.size();
  for (int state = endState;;) {
    const Arrival arrival = arrivals[at][static_cast<std::size_t>(state)];
    at -= Consumed(arrival.How());
    AppendReversed(arrival.How(), StateOf(state), data, at, values);
    if (arrival.How() == Move::Start) break;
    state = arrival.FromState();
  }
  std::reverse(values.begin(), values.end());
  return values;
}

}  // namespace

namespace code128 {

std::vector<int> ShortestValues(const std::vector<int>& data) {
  const std::size_t n = data.size();
  std::vector<std::array<Arrival, kStates>> arrivals(n + 1);
  // The costs of positions i, i + 1 and i + 2 (a digit pair reaches two ahead), in turn.
  std::array<std::array<int, kStates>, 3> costs;
  for (auto& row : costs) row.fill(kUnreached);
  auto costsAt = [&](std::size_t i) -> std::array<int, kStates>& { return costs[i % 3]; };
  auto relax = [&](std::size_t to, int toState, int cost, Move move, int fromState) {
    int& known = costsAt(to)[static_cast<std::size_t>(toState)];
    if (cost >= known) return;
    known = cost;
    arrivals[to][static_cast<std::size_t>(toState)] = Arrival::Of(move, fromState);
  };
  for (CodeSet set : {CodeSet::B, CodeSet::C, CodeSet::A}) {
    relax(0, State{set, false}.Index(), 0, Move::Start, 0);
  }
  for (std::size_t i = 0;; ++i) {
    std::array<int, kStates>& here = costsAt(i);
    // Moves that consume no data: a cheapest run of them is at most a set change, a latch
    // change (sets A and B only) and another set change, as two changes in a row cost more
    // than one and two latch changes undo each other.
    auto switchSets = [&] {
      for (int s = 0; s < kStates; ++s) {
        const int cost = here[static_cast<std::size_t>(s)];
        if (cost == kUnreached) continue;
        const State state = StateOf(s);
        for (CodeSet to : {CodeSet::A, CodeSet::B, CodeSet::C}) {
          if (to != state.set)
            relax(i, State{to, state.extended}.Index(), cost + 1, Move::SwitchSet, s);
        }
      }
    };
    switchSets();
    for (CodeSet set : {CodeSet::A, CodeSet::B}) {
      const int off = State{set, false}.Index(), on = State{set, true}.Index();
      const int costOff = here[static_cast<std::size_t>(off)];
      const int costOn = here[static_cast<std::size_t>(on)];
      if (costOff != kUnreached) relax(i, on, costOff + 2, Move::ToggleExtended, off);
      if (costOn != kUnreached) relax(i, off, costOn + 2, Move::ToggleExtended, on);
    }
    switchSets();
    if (i == n) break;
    const int c = data[i];
    for (int s = 0; s < kStates; ++s) {
      const int cost = here[static_cast<std::size_t>(s)];
      if (cost == kUnreached) continue;
      const State state = StateOf(s);
      if (c == kFnc1Data) {
        relax(i + 1, s, cost + 1, Move::Fnc1, s);
      } else if (state.set == CodeSet::C) {
        // Set C carries digit pairs only; the extension latch does not touch them.
        if (IsDigit(c) && i + 1 < n && IsDigit(data[i + 1]))
          relax(i + 2, s, cost + 1, Move::Pair, s);
      } else {
        bool shifted = false;
        const int charCost = CharCost(state, c, shifted);
        relax(i + 1, s, cost + charCost, shifted ? Move::ShiftedChar : Move::Char, s);
      }
    }
    here.fill(kUnreached);  // becomes position i + 3
  }
  const std::array<int, kStates>& last = costsAt(n);
  int best = 0;
  for (int s = 1; s < kStates; ++s) {
    if (last[static_cast<std::size_t>(s)] < last[static_cast<std::size_t>(best)]) best = s;
  }
  return ValuesOfPath(data, arrivals, best);
}

std::string PatternOfValues(const std::vector<int>& values) {
  // Start, data and control characters, the check character, the stop.
  TPatternBuilder pattern(6 * (values.size() + 1) + kStopPattern.size());
  CheckSum sum(static_cast<unsigned>(values.front()));
  pattern.Append(View(kStartPatterns[static_cast<std::size_t>(values.front() - kStartA)]));
  for (std::size_t i = 1; i < values.size(); ++i) {
    pattern.Append(View(kCode128Patterns[static_cast<std::size_t>(values[i])]));
    sum.Add(values[i]);
  }
  pattern.Append(View(kCode128Patterns[sum.Value()]));
  pattern.Append(View(kStopPattern));
  return pattern.Take();
}

}  // namespace code128

TSymbol EncodeCode128Auto(const TEncodeRequest& request) {
  std::vector<int> data(request.Text.size());
  for (std::size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<unsigned char>(request.Text[i]);
  return LinearSymbol(request, code128::PatternOfValues(code128::ShortestValues(data)),
                      request.Text);
}

}  // namespace bars
