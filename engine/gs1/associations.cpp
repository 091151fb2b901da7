// The checks between elements: repeats, the dictionary's exclusions (ex=) and requisites (req=),
// the symbol's capacity, and the serialised key a digital signature needs.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "gs1/check.h"

namespace bars::gs1::detail {
namespace {

bool Excludes(const AiRow& row, std::string_view other) {
  bool excluded = false;
  for (std::string_view rule : row.Excludes)
    if (!rule.empty())
      ForEachItem(rule, ',', [&](std::string_view p) { excluded = excluded || Matches(p, other); });
  return excluded;
}

bool Present(std::span<const Element> elements, std::string_view pattern) {
  for (const Element& e : elements)
    if (Matches(pattern, e.Ai)) return true;
  return false;
}

// A rule "01+21,03+21" is met when every AI of one of its alternatives is present.
bool Met(std::string_view rule, std::span<const Element> elements) {
  bool met = false;
  ForEachItem(rule, ',', [&](std::string_view alternative) {
    bool all = true;
    ForEachItem(alternative, '+', [&](std::string_view ai) { all = all && Present(elements, ai); });
    met = met || all;
  });
  return met;
}

// "AI (01), (02) or (03)", "AI (01) with (21) and (8040)", "AI (00) with (02) or (00) with (8026)".
std::string Describe(std::string_view rule) {
  std::vector<std::string> alternatives;
  ForEachItem(rule, ',', [&](std::string_view alternative) {
    std::vector<std::string> ais;
    ForEachItem(alternative, '+',
                [&](std::string_view ai) { ais.push_back("(" + std::string(ai) + ")"); });
    std::string text = ais[0];
    for (std::size_t i = 1; i < ais.size(); ++i)
      text += (i == 1 ? " with " : i + 1 == ais.size() ? " and " : ", ") + ais[i];
    alternatives.push_back(text);
  });
  std::string text = "AI " + alternatives[0];
  for (std::size_t i = 1; i < alternatives.size(); ++i)
    text += (i + 1 == alternatives.size() ? " or " : ", ") + alternatives[i];
  return text;
}

// The length of the mandatory components of `row`: a longer value holds its optional serial.
std::size_t MandatoryLength(const AiRow& row) {
  std::size_t length = 0;
  for (const Component& c : row.Parts())
    if (!c.Optional) length += c.Max;
  return length;
}

void CheckCapacity(std::span<const Element> elements, std::string_view who) {
  const std::size_t total = DataLength(elements);
  if (total <= kMaxDataLength) return;
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
  Fail(who, std::to_string(total) + " data characters, more than the " +
                std::to_string(kMaxDataLength) + " that fit (the limit is passed at " +
                Label(culprit) + ")");
}

}  // namespace

void CheckTogether(std::span<const Element> elements, const ParseOptions& options) {
  const std::string_view who = options.Symbology;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const Element& a = elements[i];
    for (std::size_t j = i + 1; j < elements.size(); ++j) {
      const Element& b = elements[j];
      if (a.Ai == b.Ai) {
        if (a.Value != b.Value) Fail(who, Label(a.Ai) + " appears twice with different values");
        continue;  // an AI does not exclude itself, even through a pattern
      }
      if (Excludes(*FindAi(a.Ai), b.Ai) || Excludes(*FindAi(b.Ai), a.Ai))
        Fail(who, "AIs (" + a.Ai + ") and (" + b.Ai + ") must not be used together");
    }
  }
  if (options.Gs1_128Limit) CheckCapacity(elements, who);
  // A digital signature signs one instance: GDTI, GCN and GRAI identify one only with their
  // optional serial part.
  if (Present(elements, "8030")) {
    for (const Element& e : elements) {
      if (e.Ai != "253" && e.Ai != "255" && e.Ai != "8003") continue;
      if (e.Value.size() <= MandatoryLength(*FindAi(e.Ai)))
        Fail(who, "AI (8030) needs AI (" + e.Ai + ") with its serial part");
    }
  }
  if (!options.RequisiteCheck) return;
  for (const Element& e : elements) {
    for (std::string_view rule : FindAi(e.Ai)->Requires)
      if (!rule.empty() && !Met(rule, elements))
        Fail("GS1", Label(e.Ai) + " needs " + Describe(rule));
  }
}

}  // namespace bars::gs1::detail
