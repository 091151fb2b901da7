#pragma once
// The GS1 Application Identifiers as constant data, read at compile time from the GS1 Barcode
// Syntax Dictionary (engine/gs1/data): for each AI or range of AIs, whether its length is
// predefined (no FNC1 after it), the components its data field is made of and their checks, the
// AIs it needs and those it must not be combined with, and its part in GS1 Digital Link URIs.
// The rows are built and checked in ai_table.cpp.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace bars::gs1::detail {

// The content checks a component may carry: the GS1 Barcode Syntax Tests ("linters").
enum class Lint : std::uint8_t {
  kNone,
  kCsum,            // GS1 mod-10 check digit in the last place
  kCsumAlpha,       // GS1 check-character pair in the last two places
  kYymmd0,          // YYMMDD, day 00 allowed
  kYymmdd,          // YYMMDD
  kYyyymmdd,        // YYYYMMDD
  kHhmi,            // HHMM
  kHh,              // hour 00..23
  kMi,              // minute 00..59
  kSs,              // second 00..59
  kYesNo,           // 0 or 1
  kZero,            // the digit 0
  kNonZero,         // not all zeros
  kWinding,         // 0, 1 or 9
  kPieceOfTotal,    // piece number then total, equal widths
  kHyphen,          // only '-'
  kNoZeroPrefix,    // no leading 0
  kHasNonDigit,     // at least one non-digit
  kPcEnc,           // well-formed percent escapes
  kLatitude,        // 0..1800000000
  kLongitude,       // 0..3600000000
  kIso5218,         // 0, 1, 2 or 9
  kMediaType,       // AIDC media type 01..10, 80..99
  kPosInSeqSlash,   // position/total
  kImporterIdx,     // one of - 0-9 A-Z _ a-z
  kIso3166,         // ISO 3166-1 numeric country code
  kIso3166999,      // the same, or 999
  kIso3166Alpha2,   // ISO 3166-1 alpha-2 country code
  kIso4217,         // ISO 4217 numeric currency code
  kIban,            // ISO 13616 IBAN
  kPackageType,     // GS1 package type code (UN/ECE Recommendation 21 and GS1's own)
  kGcpPos1,         // starts with the digits of a GS1 Company Prefix
  kGcpPos2,         // the same after one digit
  kCouponCode,      // North American coupon code (GS1 US)
  kCouponPosOffer,  // positive offer file coupon (GS1 US)
};

struct LintName {
  std::string_view Name;
  Lint Value;
};

// The dictionary's name of each check.
inline constexpr LintName kLintNames[] = {
    {"csum", Lint::kCsum},
    {"csumalpha", Lint::kCsumAlpha},
    {"yymmd0", Lint::kYymmd0},
    {"yymmdd", Lint::kYymmdd},
    {"yyyymmdd", Lint::kYyyymmdd},
    {"hhmi", Lint::kHhmi},
    {"hh", Lint::kHh},
    {"mi", Lint::kMi},
    {"ss", Lint::kSs},
    {"yesno", Lint::kYesNo},
    {"zero", Lint::kZero},
    {"nonzero", Lint::kNonZero},
    {"winding", Lint::kWinding},
    {"pieceoftotal", Lint::kPieceOfTotal},
    {"hyphen", Lint::kHyphen},
    {"nozeroprefix", Lint::kNoZeroPrefix},
    {"hasnondigit", Lint::kHasNonDigit},
    {"pcenc", Lint::kPcEnc},
    {"latitude", Lint::kLatitude},
    {"longitude", Lint::kLongitude},
    {"iso5218", Lint::kIso5218},
    {"mediatype", Lint::kMediaType},
    {"posinseqslash", Lint::kPosInSeqSlash},
    {"importeridx", Lint::kImporterIdx},
    {"iso3166", Lint::kIso3166},
    {"iso3166999", Lint::kIso3166999},
    {"iso3166alpha2", Lint::kIso3166Alpha2},
    {"iso4217", Lint::kIso4217},
    {"iban", Lint::kIban},
    {"packagetype", Lint::kPackageType},
    {"gcppos1", Lint::kGcpPos1},
    {"gcppos2", Lint::kGcpPos2},
    {"couponcode", Lint::kCouponCode},
    {"couponposoffer", Lint::kCouponPosOffer},
};

inline constexpr std::size_t kMaxLints = 3;
inline constexpr std::size_t kMaxComponents = 5;
inline constexpr std::size_t kMaxRules = 2;  // how often one entry may repeat req= or ex=

// One component of an AI's data field. Set: 'N' digits, 'X' GS1 character set 82, 'Y' set 39,
// 'Z' set 64. Only the last component of a field may have Min < Max.
struct Component {
  char Set = 'N';
  std::uint8_t Min = 0;
  std::uint8_t Max = 0;
  bool Optional = false;
  std::array<Lint, kMaxLints> Lints{};
};

struct AiRow {
  std::string_view First;   // the AI, or the first of a range of AIs of the same length
  std::string_view Last;    // equal to First for a single AI
  bool Predefined = false;  // '*': predefined length, never an FNC1 after it
  bool Attribute = false;   // '?': allowed as a GS1 Digital Link query attribute
  std::array<Component, kMaxComponents> Items{};
  std::size_t Count = 0;
  // req=: each rule "01+21,03+21" is met when all AIs of one of its alternatives are present.
  std::array<std::string_view, kMaxRules> Requires{};
  // ex=: AIs or patterns ('n' any digit) that must not appear with it.
  std::array<std::string_view, kMaxRules> Excludes{};
  bool PrimaryKey = false;      // dlpkey: a GS1 Digital Link primary key
  std::string_view Qualifiers;  // its key qualifiers in path order, alternatives split by '|'
  std::string_view Title;

  constexpr std::span<const Component> Parts() const { return {Items.data(), Count}; }
};

// Named so that the compiler's message says which rule of the dictionary a line breaks; never
// defined, so a call leaves a constant expression non-constant.
void DictionaryLineIsNotAiFlagsComponentsAttributesTitle();
void DictionaryNamesAnUnknownLinter();
void DictionaryHasAnUnknownFlag();
void DictionaryHasAnUnknownAttribute();
void DictionaryEntryHasTooManyComponentsLintsOrRules();

namespace dictionary {

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

constexpr std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The next blank-separated word of `rest`, taken off it.
constexpr std::string_view NextWord(std::string_view& rest) {
  rest = Trim(rest);
  std::size_t end = 0;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  const std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  return word;
}

// The text up to the first `separator`, taken off `rest` with the separator.
constexpr std::string_view NextItem(std::string_view& rest, char separator) {
  const std::size_t end = rest.find(separator);
  const std::string_view item = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  return item;
}

constexpr int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') DictionaryLineIsNotAiFlagsComponentsAttributesTitle();
    n = n * 10 + (c - '0');
  }
  return digits.empty() || n > 255 ? -1 : n;
}

constexpr Lint LintNamed(std::string_view name) {
  for (const LintName& entry : kLintNames)
    if (entry.Name == name) return entry.Value;
  DictionaryNamesAnUnknownLinter();
  return Lint::kNone;
}

// "N14,csum,gcppos2", "[N3],iso3166", "X..20": a type (optional in brackets), then its checks.
constexpr Component ParseComponent(std::string_view word) {
  Component c;
  std::string_view type = NextItem(word, ',');
  if (type.size() > 2 && type.front() == '[' && type.back() == ']') {
    c.Optional = true;
    type = type.substr(1, type.size() - 2);
  }
  if (type.empty()) DictionaryLineIsNotAiFlagsComponentsAttributesTitle();
  c.Set = type[0];
  const bool variable = type.substr(1, 2) == "..";
  const int length = Number(type.substr(variable ? 3 : 1));
  if (length < 1) DictionaryLineIsNotAiFlagsComponentsAttributesTitle();
  c.Min = static_cast<std::uint8_t>(variable ? 1 : length);
  c.Max = static_cast<std::uint8_t>(length);
  for (std::size_t n = 0; !word.empty(); ++n) {
    if (n == kMaxLints) DictionaryEntryHasTooManyComponentsLintsOrRules();
    c.Lints[n] = LintNamed(NextItem(word, ','));
  }
  return c;
}

constexpr bool IsFlagCharacter(char c) {
  return std::string_view("*!?\"$%&'()+,-./:;<=>@[\\]^_`{|}~").find(c) != std::string_view::npos;
}

constexpr void AddRule(std::array<std::string_view, kMaxRules>& rules, std::string_view rule) {
  for (std::string_view& slot : rules) {
    if (slot.empty()) {
      slot = rule;
      return;
    }
  }
  DictionaryEntryHasTooManyComponentsLintsOrRules();
}

}  // namespace dictionary

// One line of the dictionary, "AIs [Flags] Components [Attributes] [# Title]", as a row.
consteval AiRow Entry(std::string_view line) {
  using namespace dictionary;
  AiRow row;
  const std::size_t hash = line.find('#');
  if (hash != std::string_view::npos) row.Title = Trim(line.substr(hash + 1));
  std::string_view rest = line.substr(0, hash);
  std::string_view ais = NextWord(rest);
  row.First = NextItem(ais, '-');
  row.Last = ais.empty() ? row.First : ais;
  std::string_view word = NextWord(rest);
  bool flags = !word.empty();
  for (char c : word) flags = flags && IsFlagCharacter(c);
  if (flags) {
    for (char c : word) {
      if (c == '*') {
        row.Predefined = true;
      } else if (c == '?') {
        row.Attribute = true;
      } else {
        DictionaryHasAnUnknownFlag();
      }
    }
    word = NextWord(rest);
  }
  for (; !word.empty() && std::string_view("NXYZ[").find(word[0]) != std::string_view::npos;
       word = NextWord(rest)) {
    if (row.Count == kMaxComponents) DictionaryEntryHasTooManyComponentsLintsOrRules();
    row.Items[row.Count++] = ParseComponent(word);
  }
  for (; !word.empty(); word = NextWord(rest)) {
    const std::string_view key = NextItem(word, '=');
    if (key == "req" && !word.empty()) {
      AddRule(row.Requires, word);
    } else if (key == "ex" && !word.empty()) {
      AddRule(row.Excludes, word);
    } else if (key == "dlpkey") {
      row.PrimaryKey = true;
      row.Qualifiers = word;
    } else {
      DictionaryHasAnUnknownAttribute();
    }
  }
  return row;
}

// Every row of the dictionary, sorted by AI.
std::span<const AiRow> AiTable();

// The row of the AI `ai` (digits as typed), or nullptr if no row holds it.
const AiRow* FindAi(std::string_view ai);

// The length of the AIs that start with the two digits `prefix`, or 0 if there are none: GS1
// gives every AI starting with the same two digits the same length.
std::size_t AiLength(std::string_view prefix);

// Whether `ai` matches `pattern`, an AI whose last digits may be 'n' (any digit).
constexpr bool Matches(std::string_view pattern, std::string_view ai) {
  if (pattern.size() != ai.size()) return false;
  for (std::size_t i = 0; i < ai.size(); ++i)
    if (pattern[i] != 'n' && pattern[i] != ai[i]) return false;
  return true;
}

}  // namespace bars::gs1::detail
