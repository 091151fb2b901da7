// The ways in to element strings: the bracketed text people type and the data a reader returns,
// each split into AIs and values and then checked (gs1/check.h); and the ways out.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "gs1.h"
#include "gs1/ai_table.h"
#include "gs1/check.h"

namespace bars::gs1 {

using detail::AiRow;
using detail::Fail;
using detail::Label;
using detail::Quoted;

std::vector<Element> ParseBracketed(std::string_view text) {
  return ParseBracketed(text, ParseOptions{});
}

std::vector<Element> ParseBracketed(std::string_view text, int currentYear) {
  return ParseBracketed(text, ParseOptions{.CurrentYear = currentYear});
}

std::vector<Element> ParseBracketed(std::string_view text, const ParseOptions& options) {
  const std::string_view who = options.Symbology;
  if (text.empty())
    Fail(who, "no data; write element strings as (AI)value, e.g. (01)09501101530003");
  if (text[0] != '(')
    Fail(who, "the text must start with \"(\" and an AI, not " + Quoted(text.substr(0, 1)));
  const int year = detail::YearOrToday(options.CurrentYear);
  std::vector<Element> elements;
  elements.reserve(static_cast<std::size_t>(std::ranges::count(text, '(')));
  std::size_t at = 0;
  while (at < text.size()) {  // text[at] == '('
    const std::size_t close = text.find_first_of("()", at + 1);
    if (close == text.npos || text[close] == '(')
      Fail(who, Quoted(text.substr(at, close - at)) + " has no closing bracket");
    const std::string_view ai = text.substr(at + 1, close - at - 1);
    const AiRow* row = detail::FindAi(ai);
    if (row == nullptr) Fail(who, "unknown " + Label(ai));
    std::string value;
    at = close + 1;
    while (at < text.size() && text[at] != '(') {
      const char c = text[at++];
      if (c == '\\' && at < text.size() && (text[at] == '(' || text[at] == ')')) {
        value += text[at++];
      } else if (c == ')') {
        Fail(who, Label(ai) + " has a \")\" with no \"(\"; write \\) for a bracket in the data");
      } else {
        value += c;
      }
    }
    detail::CheckValue(*row, ai, value, year, who);
    elements.push_back({std::string(ai), std::move(value), !row->Predefined});
  }
  detail::CheckTogether(elements, options);
  return elements;
}

std::vector<Element> ParseElementString(std::string_view data, const ParseOptions& options) {
  const std::string_view who = options.Symbology;
  if (data.empty()) Fail(who, "no data");
  const int year = detail::YearOrToday(options.CurrentYear);
  std::vector<Element> elements;
  std::size_t at = 0;
  while (at < data.size()) {
    // Every AI starting with the same two digits is as long as the others.
    const std::size_t length = detail::AiLength(data.substr(at, 2));
    const std::string_view ai = data.substr(at, length);
    const AiRow* row = length == 0 || ai.size() < length ? nullptr : detail::FindAi(ai);
    if (row == nullptr) Fail(who, "no known AI at the start of " + Quoted(data.substr(at, 4)));
    at += ai.size();
    std::string_view value;
    if (row->Predefined) {
      std::size_t fixed = 0;
      for (const detail::Component& c : row->Parts()) fixed += c.Max;
      value = data.substr(at, fixed);
      at += value.size();
      if (at < data.size() && data[at] == kSeparator) ++at;  // needless, but harmless
    } else {
      value = data.substr(at, data.find(kSeparator, at) - at);
      at += value.size();
      if (at < data.size() && ++at == data.size())
        Fail(who, "the data ends with a separator after " + Label(ai));
    }
    detail::CheckValue(*row, ai, value, year, who);
    elements.push_back({std::string(ai), std::string(value), !row->Predefined});
  }
  detail::CheckTogether(elements, options);
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
