// libFuzzer target for GS1 element strings: its bytes are the bracketed text. Parsing either
// raises the engine's Exception with a "GS1-128: " (or, for a requisite AI, "GS1: ") message or
// gives elements that fit one symbol, that read the same from the data a reader returns, and
// that the GS1-128 encoder turns into a symbol, the same one twice.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bars.h"
#include "gs1.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail = "") {
  std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<bars::gs1::Element> elements;
  try {
    elements = bars::gs1::ParseBracketed(text, 2026);
  } catch (const bars::Exception& e) {
    if (!e.Message().starts_with("GS1-128: ") && !e.Message().starts_with("GS1: "))
      Fail("message without its prefix", e.Message());
    return 0;
  }
  if (elements.empty()) Fail("accepted without elements", text);
  if (bars::gs1::DataLength(elements) > bars::gs1::kMaxDataLength) Fail("too long accepted", text);
  try {
    const std::string read = bars::gs1::ElementString(elements);
    if (bars::gs1::ParseElementString(read, {.CurrentYear = 2026}) != elements)
      Fail("other elements from a reader's data", text);
  } catch (const bars::Exception& e) {
    Fail("a reader's data refused", text + " -> " + e.Message());
  }
  bars::TBarcode bc;
  bc.SetTyp(bars::bcGS1_128);
  bc.SetText(text);
  try {
    const std::string pattern = bc.BuildPattern();
    if (pattern.empty() || bc.BuildPattern() != pattern) Fail("build not repeatable", text);
    if (bc.Text() != text) Fail("Text rewritten", text);
  } catch (const bars::Exception& e) {
    // Only the clock's year can differ from the one given above (29 February of year 00).
    if (e.Message().find("date") == std::string::npos) Fail("parsed, then refused", e.Message());
  }
  return 0;
}
