// One AI's value against its row of the dictionary: split into the components, each of the
// right length, in its character set, and passing its checks. Nothing is built for a message
// unless a check fails: this runs for every element of every symbol. And the pieces every
// message is made of.
#include <algorithm>
#include <array>
#include <bitset>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "exceptions.h"
#include "gs1/check.h"
#include "gs1/lint.h"

namespace bars::gs1::detail {
namespace {

std::string Characters(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " character" : " characters");
}

// The value lengths an AI takes, for the messages: "14", "1 to 20", "6 or 12", "3, 6, 9, 12 or
// 15". An optional component is left out only together with all that follow it.
std::string AllowedLengths(const AiRow& row) {
  std::bitset<91> allowed, reach;
  reach[0] = true;
  for (const Component& c : row.Parts()) {
    if (c.Optional) allowed |= reach;
    std::bitset<91> next;
    for (int n = c.Min; n <= c.Max; ++n) next |= reach << n;
    reach = next;
  }
  allowed |= reach;
  std::vector<std::string> items;
  for (std::size_t n = 1; n < allowed.size(); ++n) {
    if (!allowed[n]) continue;
    std::size_t last = n;
    while (last + 1 < allowed.size() && allowed[last + 1]) ++last;
    items.push_back(last > n + 1 ? std::to_string(n) + " to " + std::to_string(last)
                                 : std::to_string(n));
    if (last == n + 1) items.push_back(std::to_string(last));
    n = last;
  }
  std::string text = items[0];
  for (std::size_t i = 1; i < items.size(); ++i)
    text += (i + 1 == items.size() ? " or " : ", ") + items[i];
  return text;
}

// The GS1 character sets, one bit each, for every byte: N digits, X set 82, Y set 39 and Z set
// 64 (base64url), as the GS1 General Specifications list them.
enum : std::uint8_t { kN = 1, kX = 2, kY = 4, kZ = 8 };
constexpr std::array<std::uint8_t, 256> kSets = [] {
  std::array<std::uint8_t, 256> sets{};
  const auto add = [&](std::string_view chars, std::uint8_t set) {
    for (char c : chars) sets[static_cast<unsigned char>(c)] |= set;
  };
  add("0123456789", kN | kX | kY | kZ);
  add("ABCDEFGHIJKLMNOPQRSTUVWXYZ", kX | kY | kZ);
  add("abcdefghijklmnopqrstuvwxyz", kX | kZ);
  add("!\"%&'()*+,./:;<=>?", kX);
  add("-", kX | kY | kZ);
  add("_", kX | kZ);
  add("#/", kY);
  return sets;
}();
static_assert(std::ranges::count_if(kSets, [](std::uint8_t s) { return s & kX; }) == 82 &&
              std::ranges::count_if(kSets, [](std::uint8_t s) { return s & kY; }) == 39 &&
              std::ranges::count_if(kSets, [](std::uint8_t s) { return s & kZ; }) == 64);

constexpr std::uint8_t SetBit(char set) {
  return set == 'N' ? kN : set == 'X' ? kX : set == 'Y' ? kY : kZ;
}

[[noreturn]] void FailSet(std::string_view who, const std::string& label, char set, char c) {
  if (set == 'N') Fail(who, label + " has a non-digit character " + Quoted({&c, 1}));
  const char* name = set == 'X' ? "82" : set == 'Y' ? "39" : "64";
  Fail(who, label + " has a character outside GS1 set " + name + ": " + Quoted({&c, 1}));
}

// Set 64 data may end in one or two '=' of padding, which must leave the data a multiple of 3
// characters long (GS1's rule for base64url in AI (8030), not RFC 4648's multiple of 4).
void CheckPadding(std::string_view who, const std::string& label, std::string_view data) {
  const std::size_t body = data.find_last_not_of('=') + 1;  // npos + 1 == 0 for all '='
  const std::size_t padding = data.size() - body;
  if (padding > 2)
    Fail(who, label + " has bad padding " + Quoted(data.substr(body)) + ": at most two \"=\"");
  if (padding > 0 && data.size() % 3 != 0)
    Fail(who, label + " has bad padding " + Quoted(data.substr(body)) +
                  ": with it the data must be a multiple of 3 characters long");
}

}  // namespace

void CheckValue(const AiRow& row, std::string_view ai, std::string_view value, int currentYear,
                std::string_view who) {
  if (value.empty()) Fail(who, Label(ai) + " has no data");
  struct Part {
    const Component* component = nullptr;
    std::size_t at = 0, length = 0;
  };
  std::array<Part, kMaxComponents> parts{};
  std::size_t count = 0, at = 0;
  for (const Component& c : row.Parts()) {
    const std::size_t left = value.size() - at;
    if (left == 0 && c.Optional) break;
    const std::size_t length = std::min<std::size_t>(left, c.Max);
    if (length < c.Min)
      Fail(who, Label(ai) + " is too short: " + Characters(value.size()) + ", it takes " +
                    AllowedLengths(row));
    parts[count++] = {&c, at, length};
    at += length;
  }
  if (at < value.size())
    Fail(who, Label(ai) + " is too long: " + Characters(value.size()) + ", it takes " +
                  AllowedLengths(row));

  for (std::size_t i = 0; i < count; ++i) {
    const Part& part = parts[i];
    const Component& c = *part.component;
    std::string_view data = value.substr(part.at, part.length);
    if (c.Set == 'Z' && data.ends_with('=')) {
      CheckPadding(who, Label(ai), data);
      data = data.substr(0, data.find_last_not_of('=') + 1);
    }
    const std::uint8_t bit = SetBit(c.Set);
    for (char ch : data)
      if ((kSets[static_cast<unsigned char>(ch)] & bit) == 0) FailSet(who, Label(ai), c.Set, ch);
    data = value.substr(part.at, part.length);
    for (Lint lint : c.Lints) {
      if (lint == Lint::kNone) continue;
      const Place place{part.at, part.length, value.size()};
      if (std::string problem = CheckComponent(lint, data, place, currentYear); !problem.empty())
        Fail(who, Label(ai) + " " + problem);
    }
  }
}

void Fail(std::string_view symbology, const std::string& what) {
  throw Exception(std::string(symbology) + ": " + what);
}

std::string Printable(std::string_view s) {
  std::string out;
  for (char c : s) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    }
  }
  return out;
}

std::string Quoted(std::string_view s) {
  return "\"" + Printable(s) + "\"";
}

std::string Label(std::string_view ai) {
  return "AI (" + Printable(ai) + ")";
}

int YearOrToday(int currentYear) {
  if (currentYear != 0) return currentYear;
  using namespace std::chrono;
  return static_cast<int>(year_month_day{floor<days>(system_clock::now())}.year());
}

}  // namespace bars::gs1::detail
