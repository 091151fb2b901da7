#pragma once
// The checks shared by every way in to element strings (bracketed text, reader data, GS1 Digital
// Link URIs): each value against its AI, then the elements against each other.

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "gs1.h"
#include "gs1/ai_table.h"

namespace bars::gs1::detail {

// Raises bars::Exception "<symbology>: <what>".
[[noreturn]] void Fail(std::string_view symbology, const std::string& what);

// `s` as typed where printable ASCII, other bytes as \xNN; Quoted adds double quotes.
std::string Printable(std::string_view s);
std::string Quoted(std::string_view s);

// "AI (01)".
std::string Label(std::string_view ai);

// Calls `f` with each item of `list` up to each `separator` (empty items included).
template <typename F>
void ForEachItem(std::string_view list, char separator, F&& f) {
  for (std::size_t at = 0; at <= list.size();) {
    const std::size_t end = std::min(list.find(separator, at), list.size());
    f(list.substr(at, end - at));
    at = end + 1;
  }
}

// `currentYear`, or the clock's year when it is 0.
int YearOrToday(int currentYear);

// Splits `value` into the components of `row` (the row of `ai`) and checks each: its length,
// character set and content. Raises as Fail does.
void CheckValue(const AiRow& row, std::string_view ai, std::string_view value, int currentYear,
                std::string_view symbology);

// The checks between elements, in this order: one value per AI, no excluded pair (ex=), the
// GS1-128 capacity when asked, a serialised key beside a digital signature (8030), and when asked
// each AI's requisite AIs (req=), whose messages start "GS1: ".
void CheckTogether(std::span<const Element> elements, const ParseOptions& options);

}  // namespace bars::gs1::detail
