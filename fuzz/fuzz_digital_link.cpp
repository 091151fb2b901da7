// libFuzzer target for GS1 Digital Link URIs: its bytes are the URI. Parsing either raises the
// engine's Exception with a "GS1 Digital Link: " (or, for a requisite AI, "GS1: ") message, or
// gives elements that make a URI again under GS1's stem; that URI parses back to the same
// elements, and makes itself once more.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "digital_link.h"
#include "exceptions.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail = "") {
  std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
  std::abort();
}

constexpr bars::gs1::ParseOptions kOptions{
    .Symbology = "GS1 Digital Link", .Gs1_128Limit = false, .CurrentYear = 2026};

std::vector<bars::gs1::Element> Sorted(std::vector<bars::gs1::Element> elements) {
  std::ranges::sort(elements, [](const auto& a, const auto& b) { return a.Ai < b.Ai; });
  return elements;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string uri(reinterpret_cast<const char*>(data), size);
  std::vector<bars::gs1::Element> elements;
  try {
    elements = bars::gs1::ParseDigitalLink(uri, kOptions);
  } catch (const bars::Exception& e) {
    if (!e.Message().starts_with("GS1 Digital Link: ") && !e.Message().starts_with("GS1: "))
      Fail("message without its prefix", e.Message());
    return 0;
  }
  if (elements.empty()) Fail("accepted without elements", uri);
  try {
    const std::string again =
        bars::gs1::DigitalLinkUri(elements, bars::gs1::kDigitalLinkStem, kOptions);
    const std::vector<bars::gs1::Element> back = bars::gs1::ParseDigitalLink(again, kOptions);
    if (Sorted(back) != Sorted(elements)) Fail("other elements from the URI made of them", uri);
    if (bars::gs1::DigitalLinkUri(back, bars::gs1::kDigitalLinkStem, kOptions) != again)
      Fail("URI not stable", uri);
  } catch (const bars::Exception& e) {
    Fail("parsed, then refused", uri + " -> " + e.Message());
  }
  return 0;
}
