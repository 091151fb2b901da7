// The AI table, read from the GS1 Barcode Syntax Dictionary at compile time, its checks, and the
// look-up. A line of the dictionary that breaks a rule fails the build.
#include "gs1/ai_table.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace bars::gs1::detail {
namespace {

// GS1 Barcode Syntax Dictionary (engine/gs1/data/gs1-syntax-dictionary.txt).
constexpr AiRow kAiTable[] = {
#include "gs1/dictionary.inc"
};

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

// The first two digits of an AI as a number, 0 to 99.
constexpr int Prefix(std::string_view ai) {
  return Number(ai.substr(0, 2));
}

constexpr bool AiRangeIsWellFormed(const AiRow& row) {
  if (row.First.size() < 2 || row.First.size() > 4 || row.Last.size() != row.First.size())
    return false;
  if (!std::ranges::all_of(row.First, IsDigit) || !std::ranges::all_of(row.Last, IsDigit))
    return false;
  return row.First <= row.Last;
}

// Whether an AI of the table matches `pattern`, an AI whose last digits may be 'n' (any digit).
// The AIs such a pattern stands for are one run of numbers, so an overlap with a row's range is
// a match.
constexpr bool AiIsInTable(std::string_view pattern) {
  if (pattern.size() < 2 || pattern.size() > 4) return false;
  const std::size_t fixed = pattern.find('n');
  const std::string_view head = pattern.substr(0, fixed);
  if (!std::ranges::all_of(head, IsDigit)) return false;
  if (fixed != std::string_view::npos && pattern.find_first_not_of('n', fixed) != pattern.npos)
    return false;
  const std::size_t wild = pattern.size() - head.size();
  int low = Number(head), high = low;
  for (std::size_t i = 0; i < wild; ++i) {
    low = low * 10;
    high = high * 10 + 9;
  }
  for (const AiRow& row : kAiTable) {
    if (row.First.size() == pattern.size() && Number(row.First) <= high && low <= Number(row.Last))
      return true;
  }
  return false;
}

// `list` split at each of `separators`, every item an AI or pattern of the table.
constexpr bool AisAreInTable(const std::string_view& list, std::string_view separators) {
  for (std::size_t at = 0; at < list.size();) {
    const std::size_t end = std::min(list.find_first_of(separators, at), list.size());
    if (!AiIsInTable(list.substr(at, end - at))) return false;
    at = end + 1;
  }
  return true;
}

constexpr bool RulesAreWellFormed(const AiRow& row) {
  for (std::size_t i = 0; i < kMaxRules; ++i) {
    if (!AisAreInTable(row.Requires[i], ",+") || !AisAreInTable(row.Excludes[i], ",")) return false;
  }
  // Key qualifiers are single AIs, and only a primary key has them.
  if (!row.PrimaryKey && !row.Qualifiers.empty()) return false;
  return AisAreInTable(row.Qualifiers, ",|") && row.Qualifiers.find('n') == std::string_view::npos;
}

// Each check fits the component it is attached to, so that the checks may rely on the length
// and the digits the component guarantees.
constexpr bool LintFits(Lint lint, const Component& c) {
  const bool digits = c.Set == 'N';
  const auto fixedDigits = [&](int n) { return digits && c.Min == n && c.Max == n; };
  switch (lint) {
    case Lint::kCsum:
      return digits && c.Min == c.Max && c.Min >= 2;
    case Lint::kCsumAlpha:
      return c.Set == 'X';
    case Lint::kYymmd0:
    case Lint::kYymmdd:
      return fixedDigits(6);
    case Lint::kYyyymmdd:
      return fixedDigits(8);
    case Lint::kHhmi:
      return fixedDigits(4);
    case Lint::kHh:
    case Lint::kMi:
    case Lint::kSs:
    case Lint::kMediaType:
      return fixedDigits(2);
    case Lint::kYesNo:
    case Lint::kZero:
    case Lint::kWinding:
    case Lint::kIso5218:
      return fixedDigits(1);
    case Lint::kNonZero:
    case Lint::kNoZeroPrefix:
      return digits;
    case Lint::kPieceOfTotal:
      return digits && c.Min == c.Max && c.Min % 2 == 0;
    case Lint::kLatitude:
    case Lint::kLongitude:
      return fixedDigits(10);
    case Lint::kImporterIdx:
      return c.Set == 'X' && c.Min == 1 && c.Max == 1;
    case Lint::kIso3166:
    case Lint::kIso3166999:
    case Lint::kIso4217:
      return fixedDigits(3);
    case Lint::kIso3166Alpha2:
      return c.Set == 'X' && c.Min == 2 && c.Max == 2;
    default:
      return true;
  }
}

constexpr bool ComponentsAreWellFormed(const AiRow& row) {
  const std::span<const Component> parts = row.Parts();
  if (parts.empty() || parts[0].Optional) return false;
  int total = 0;
  bool optionalSeen = false;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Component& c = parts[i];
    if (c.Set != 'N' && c.Set != 'X' && c.Set != 'Y' && c.Set != 'Z') return false;
    if (c.Min < 1 || c.Max > 90 || c.Min > c.Max) return false;
    if (c.Min != c.Max && i + 1 != parts.size()) return false;  // only the last may vary
    if (optionalSeen && !c.Optional) return false;  // no mandatory part after an optional one
    optionalSeen = optionalSeen || c.Optional;
    if (row.Predefined && (c.Optional || c.Min != c.Max)) return false;
    for (Lint lint : c.Lints)
      if (lint != Lint::kNone && !LintFits(lint, c)) return false;
    total += c.Max;
  }
  return total <= 90;
}

// Sorted and unique, and every AI starting with the same two digits is as long as the others:
// a reader splits unbracketed data by that length, so no AI is the start of another.
consteval bool TableIsWellFormed() {
  constexpr std::size_t n = std::size(kAiTable);
  std::array<std::size_t, 100> lengths{};
  for (std::size_t i = 0; i < n; ++i) {
    const AiRow& row = kAiTable[i];
    if (!AiRangeIsWellFormed(row) || !ComponentsAreWellFormed(row)) return false;
    if (!RulesAreWellFormed(row)) return false;
    if (i + 1 < n && !(row.Last < kAiTable[i + 1].First)) return false;
    for (int prefix = Prefix(row.First); prefix <= Prefix(row.Last); ++prefix) {
      std::size_t& length = lengths[static_cast<std::size_t>(prefix)];
      if (length != 0 && length != row.First.size()) return false;
      length = row.First.size();
    }
  }
  return n > 0;
}

static_assert(TableIsWellFormed(),
              "GS1 AI table: AIs of 2 to 4 digits, sorted and unique, one length for each first "
              "two digits; components of 1 to 90 characters, only the last variable, checks that "
              "fit them; req=, ex= and dlpkey naming AIs of the table");

struct Group {
  std::uint16_t Begin = 0, End = 0;  // rows [Begin, End) start with these two digits
  std::uint8_t Length = 0;           // their AIs' length, 0 for none
};

// The rows of each first two digits, so that a look-up searches a handful of rows.
constexpr std::array<Group, 100> kGroups = [] {
  std::array<Group, 100> groups{};
  for (std::size_t i = 0; i < std::size(kAiTable); ++i) {
    const AiRow& row = kAiTable[i];
    for (int prefix = Prefix(row.First); prefix <= Prefix(row.Last); ++prefix) {
      Group& g = groups[static_cast<std::size_t>(prefix)];
      if (g.Length == 0) g.Begin = static_cast<std::uint16_t>(i);
      g.End = static_cast<std::uint16_t>(i + 1);
      g.Length = static_cast<std::uint8_t>(row.First.size());
    }
  }
  return groups;
}();

const Group* GroupOf(std::string_view prefix) {
  if (prefix.size() < 2 || !IsDigit(prefix[0]) || !IsDigit(prefix[1])) return nullptr;
  const Group& g = kGroups[static_cast<std::size_t>((prefix[0] - '0') * 10 + (prefix[1] - '0'))];
  return g.Length == 0 ? nullptr : &g;
}

}  // namespace

std::span<const AiRow> AiTable() {
  return kAiTable;
}

const AiRow* FindAi(std::string_view ai) {
  const Group* g = GroupOf(ai);
  if (g == nullptr || ai.size() != g->Length || !std::ranges::all_of(ai, IsDigit)) return nullptr;
  const AiRow* end = kAiTable + g->End;
  // The first row of the group that does not end before `ai`; it holds `ai` if any row does.
  const AiRow* row = std::lower_bound(
      kAiTable + g->Begin, end, ai, [](const AiRow& r, std::string_view a) { return r.Last < a; });
  return row != end && row->First <= ai ? row : nullptr;
}

std::size_t AiLength(std::string_view prefix) {
  const Group* g = GroupOf(prefix);
  return g == nullptr ? 0 : g->Length;
}

}  // namespace bars::gs1::detail
