// The bracketed element-string parser: splits the text into AIs and values, checks each value
// against its AI's components, then the elements against each other and the symbol's capacity.
#include <algorithm>
#include <bitset>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "exceptions.h"
#include "gs1.h"
#include "gs1/ai_table.h"
#include "gs1/lint.h"

namespace bars::gs1 {
namespace {

using detail::AiRow;
using detail::Component;

[[noreturn]] void Fail(const std::string& what) {
  throw Exception("GS1-128: " + what);
}

// `s` as typed where printable ASCII, other bytes as \xNN.
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

std::string Characters(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " character" : " characters");
}

// The value lengths an AI takes, for the messages: "14", "1 to 20", "6 or 12", "3, 6, 9, 12 or
// 15". An optional component is left out only together with all that follow it.
std::string AllowedLengths(const AiRow& row) {
  std::bitset<91> allowed, reach;
  reach[0] = true;
  for (const Component& c : row.Parts) {
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

constexpr std::string_view kSet82Symbols = "!\"%&'()*+,-./:;<=>?_";

bool IsAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool InSet(char set, char c) {
  switch (set) {
    case 'N':
      return c >= '0' && c <= '9';
    case 'X':
      return IsAlnum(c) || kSet82Symbols.find(c) != kSet82Symbols.npos;
    case 'Y':
      return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '#' || c == '-' || c == '/';
    default:
      return IsAlnum(c) || c == '-' || c == '_';  // 'Z': base64url
  }
}

// The first character of `data` outside the component's character set, or npos. Set 64 data
// may end in up to two '=' of padding, after at least one character.
std::size_t FirstOutsideSet(char set, std::string_view data) {
  std::size_t end = data.size();
  if (set == 'Z')
    for (int pad = 0; pad < 2 && end > 0 && data[end - 1] == '='; ++pad) --end;
  for (std::size_t i = 0; i < end; ++i)
    if (!InSet(set, data[i])) return i;
  return end == 0 ? 0 : data.npos;  // padding alone is no data
}

std::string SetProblem(char set, char c) {
  if (set == 'N') return " has a non-digit character " + Quoted({&c, 1});
  const char* name = set == 'X' ? "82" : set == 'Y' ? "39" : "64";
  return " has a character outside GS1 set " + std::string(name) + ": " + Quoted({&c, 1});
}

std::string Place(std::size_t at, std::size_t length, std::size_t valueLength) {
  if (at == 0 && length == valueLength) return "";
  if (length == 1) return "character " + std::to_string(at + 1);
  return "characters " + std::to_string(at + 1) + " to " + std::to_string(at + length);
}

// Splits `value` into the AI's components and checks each: length, character set, content.
void CheckValue(const AiRow& row, std::string_view ai, std::string_view value, int currentYear) {
  const std::string label = Label(ai);
  if (value.empty()) Fail(label + " has no data");
  struct Part {
    const Component* component;
    std::size_t at, length;
  };
  std::vector<Part> parts;
  std::size_t at = 0;
  for (const Component& c : row.Parts) {
    const std::size_t left = value.size() - at;
    if (left == 0 && c.Optional) break;
    const std::size_t length = std::min<std::size_t>(left, c.Max);
    if (length < c.Min)
      Fail(label + " is too short: " + Characters(value.size()) + ", it takes " +
           AllowedLengths(row));
    parts.push_back({&c, at, length});
    at += length;
  }
  if (at < value.size())
    Fail(label + " is too long: " + Characters(value.size()) + ", it takes " + AllowedLengths(row));

  for (const Part& part : parts) {
    const std::string_view data = value.substr(part.at, part.length);
    if (const std::size_t bad = FirstOutsideSet(part.component->Set, data); bad < data.size())
      Fail(label + SetProblem(part.component->Set, data[bad]));
    const std::string where = Place(part.at, part.length, value.size());
    for (detail::Lint lint : part.component->Lints) {
      if (lint == detail::kNone) continue;
      if (std::string problem = detail::CheckComponent(lint, data, where, currentYear);
          !problem.empty())
        Fail(label + " " + problem);
    }
  }
}

// Whether `ai` matches an exclusion pattern, in which 'n' stands for any digit.
bool Matches(std::string_view pattern, std::string_view ai) {
  if (pattern.size() != ai.size()) return false;
  for (std::size_t i = 0; i < ai.size(); ++i)
    if (pattern[i] != 'n' && pattern[i] != ai[i]) return false;
  return true;
}

bool Excludes(const AiRow& row, std::string_view other) {
  std::string_view list = row.Excludes;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    if (Matches(list.substr(0, comma), other)) return true;
    list = comma == list.npos ? std::string_view{} : list.substr(comma + 1);
  }
  return false;
}

// The checks between elements: one value per AI, no excluded pair, the symbol's capacity.
void CheckTogether(const std::vector<Element>& elements) {
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const Element& a = elements[i];
    for (std::size_t j = i + 1; j < elements.size(); ++j) {
      const Element& b = elements[j];
      if (a.Ai == b.Ai) {
        if (a.Value != b.Value) Fail(Label(a.Ai) + " appears twice with different values");
        continue;  // an AI does not exclude itself, even through a pattern
      }
      if (Excludes(*detail::FindAi(a.Ai), b.Ai) || Excludes(*detail::FindAi(b.Ai), a.Ai))
        Fail("AIs (" + a.Ai + ") and (" + b.Ai + ") must not be used together");
    }
  }
  if (const std::size_t total = DataLength(elements); total > kMaxDataLength) {
    std::size_t running = 0;
    std::string culprit;
    for (const Element& e : elements) {
      running += e.Ai.size() + e.Value.size();
      if (running > kMaxDataLength) {
        culprit = e.Ai;
        break;
      }
      running += e.Separated ? 1 : 0;
    }
    Fail(std::to_string(total) + " data characters, more than the " +
         std::to_string(kMaxDataLength) + " that fit (the limit is passed at " + Label(culprit) +
         ")");
  }
}

int CurrentYear() {
  using namespace std::chrono;
  return static_cast<int>(year_month_day{floor<days>(system_clock::now())}.year());
}

}  // namespace

std::vector<Element> ParseBracketed(std::string_view text) {
  return ParseBracketed(text, CurrentYear());
}

std::vector<Element> ParseBracketed(std::string_view text, int currentYear) {
  if (text.empty()) Fail("no data; write element strings as (AI)value, e.g. (01)09501101530003");
  if (text[0] != '(')
    Fail("the text must start with \"(\" and an AI, not " + Quoted(text.substr(0, 1)));
  std::vector<Element> elements;
  std::size_t at = 0;
  while (at < text.size()) {  // text[at] == '('
    const std::size_t close = text.find_first_of("()", at + 1);
    if (close == text.npos || text[close] == '(')
      Fail(Quoted(text.substr(at, close - at)) + " has no closing bracket");
    const std::string_view ai = text.substr(at + 1, close - at - 1);
    const AiRow* row = detail::FindAi(ai);
    if (row == nullptr) Fail("unknown " + Label(ai));
    std::string value;
    at = close + 1;
    while (at < text.size() && text[at] != '(') {
      const char c = text[at++];
      if (c == '\\' && at < text.size() && (text[at] == '(' || text[at] == ')')) {
        value += text[at++];
      } else if (c == ')') {
        Fail(Label(ai) + " has a \")\" with no \"(\"; write \\) for a bracket in the data");
      } else {
        value += c;
      }
    }
    CheckValue(*row, ai, value, currentYear);
    elements.push_back({std::string(ai), std::move(value), !row->Predefined});
  }
  CheckTogether(elements);
  return elements;
}

std::string ElementString(std::span<const Element> elements) {
  std::string data;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    data += elements[i].Ai;
    data += elements[i].Value;
    if (elements[i].Separated && i + 1 < elements.size()) data += kSeparator;
  }
  return data;
}

std::size_t DataLength(std::span<const Element> elements) {
  return ElementString(elements).size();
}

std::string HumanReadable(std::span<const Element> elements) {
  std::string text;
  for (const Element& e : elements) text += "(" + e.Ai + ")" + e.Value;
  return text;
}

}  // namespace bars::gs1
