// Compile-time checks of the AI table, and the look-up. A typo in a row fails the build.
#include <algorithm>
#include <string_view>

#include "gs1/ai_table.h"

namespace bars::gs1::detail {
namespace {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

constexpr bool AiRangeIsWellFormed(const AiRow& row) {
  if (row.First.size() < 2 || row.First.size() > 4 || row.Last.size() != row.First.size())
    return false;
  if (!std::ranges::all_of(row.First, IsDigit) || !std::ranges::all_of(row.Last, IsDigit))
    return false;
  return row.First <= row.Last;
}

// No AI may be the start of another: a reader splits unbracketed data by the AIs alone.
constexpr bool OverlapsAsPrefix(const AiRow& shorter, const AiRow& longer) {
  const std::size_t n = shorter.First.size();
  return Number(longer.First.substr(0, n)) <= Number(shorter.Last) &&
         Number(shorter.First) <= Number(longer.Last.substr(0, n));
}

// Whether an AI of the table matches `pattern`, an AI whose last digits may be 'n' (any digit).
// The AIs such a pattern stands for are one run of numbers, so an overlap with a row's range is
// a match.
constexpr bool AiIsInTable(std::string_view pattern) {
  const std::size_t fixed = pattern.find('n');
  const std::string_view head = pattern.substr(0, fixed);
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

// "01,02,394n": AIs or patterns, each matching at least one AI of the table.
constexpr bool ExcludesAreWellFormed(std::string_view list) {
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    if (item.size() < 2 || item.size() > 4) return false;
    if (!std::ranges::all_of(item, [](char c) { return IsDigit(c) || c == 'n'; })) return false;
    if (!AiIsInTable(item)) return false;
    list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
  }
  return true;
}

// Each check fits the component it is attached to, so that the checks may rely on the length
// and the digits the component guarantees.
constexpr bool LintFits(Lint lint, const Component& c) {
  const bool digits = c.Set == 'N';
  const auto fixedDigits = [&](int n) { return digits && c.Min == n && c.Max == n; };
  switch (lint) {
    case kCsum:
      return digits && c.Min == c.Max && c.Min >= 2;
    case kCsumAlpha:
      return c.Set == 'X';
    case kYymmd0:
    case kYymmdd:
      return fixedDigits(6);
    case kYyyymmdd:
      return fixedDigits(8);
    case kHhmi:
      return fixedDigits(4);
    case kHh:
    case kMi:
    case kSs:
    case kMediaType:
      return fixedDigits(2);
    case kYesNo:
    case kZero:
    case kWinding:
    case kIso5218:
      return fixedDigits(1);
    case kNonZero:
    case kNoZeroPrefix:
      return digits;
    case kPieceOfTotal:
      return digits && c.Min == c.Max && c.Min % 2 == 0;
    case kLatitude:
    case kLongitude:
      return fixedDigits(10);
    case kImporterIdx:
      return c.Set == 'X' && c.Min == 1 && c.Max == 1;
    default:
      return true;
  }
}

constexpr bool ComponentsAreWellFormed(const AiRow& row) {
  const Components& parts = row.Parts;
  if (parts.Count == 0 || parts.Items[0].Optional) return false;
  int total = 0;
  bool optionalSeen = false;
  for (std::size_t i = 0; i < parts.Count; ++i) {
    const Component& c = parts.Items[i];
    if (c.Set != 'N' && c.Set != 'X' && c.Set != 'Y' && c.Set != 'Z') return false;
    if (c.Min < 1 || c.Max > 90 || c.Min > c.Max) return false;
    if (c.Min != c.Max && i + 1 != parts.Count) return false;  // only the last may vary
    if (optionalSeen && !c.Optional) return false;  // no mandatory part after an optional one
    optionalSeen = optionalSeen || c.Optional;
    if (row.Predefined && (c.Optional || c.Min != c.Max)) return false;
    for (Lint lint : c.Lints)
      if (lint != kNone && !LintFits(lint, c)) return false;
    total += c.Max;
  }
  return total <= 90;
}

consteval bool TableIsWellFormed() {
  constexpr std::size_t n = std::size(kAiTable);
  for (std::size_t i = 0; i < n; ++i) {
    const AiRow& row = kAiTable[i];
    if (!AiRangeIsWellFormed(row) || !ComponentsAreWellFormed(row)) return false;
    if (!ExcludesAreWellFormed(row.Excludes)) return false;
    if (i + 1 < n && !(row.Last < kAiTable[i + 1].First)) return false;  // sorted, unique
    for (std::size_t j = 0; j < n; ++j) {
      const AiRow& other = kAiTable[j];
      if (other.First.size() > row.First.size() && OverlapsAsPrefix(row, other)) return false;
    }
  }
  return true;
}

static_assert(TableIsWellFormed(),
              "GS1 AI table: AIs of 2 to 4 digits, sorted and unique, none the start of another; "
              "components of 1 to 90 characters, only the last variable, checks that fit them");

}  // namespace

const AiRow* FindAi(std::string_view ai) {
  if (!std::ranges::all_of(ai, IsDigit)) return nullptr;
  const auto* row = std::ranges::find_if(kAiTable, [ai](const AiRow& r) {
    return ai.size() == r.First.size() && r.First <= ai && ai <= r.Last;
  });
  return row == std::end(kAiTable) ? nullptr : row;
}

}  // namespace bars::gs1::detail
