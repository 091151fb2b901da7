#pragma once
// Helpers shared by the tests.

#include <string>
#include <string_view>

#include "bars.h"

namespace bars::test {

// Patterns in the tests are written in groups separated by blanks; the blanks are not part of
// the pattern.
inline std::string Unspaced(std::string_view grouped) {
  std::string out;
  for (char c : grouped)
    if (c != ' ') out += c;
  return out;
}

// A barcode of `typ` with Checksum, CheckSumMethod and Text set; everything else as created.
inline void Configure(TBarcode& bc, TBarcodeType typ, bool checksum, TCheckSumMethod method,
                      std::string_view text) {
  bc.SetTyp(typ);
  bc.SetChecksum(checksum);
  bc.SetCheckSumMethod(method);
  bc.SetText(text);
}

// The same with the modulo-10 check-digit method, which a new barcode has.
inline void Configure(TBarcode& bc, TBarcodeType typ, bool checksum, std::string_view text) {
  Configure(bc, typ, checksum, csmModulo10, text);
}

// Builds twice: each build gives `pattern` and leaves `textAfter` in Text. The second build sees
// the Text the first one left, so this also checks that the encoders' rewrites are idempotent.
inline void ExpectRepeatableBuild(TBarcode& bc, const std::string& pattern,
                                  std::string_view textAfter, std::string_view source) {
  for (int build = 1; build <= 2; ++build) {
    EXPECT_EQ(bc.BuildPattern(), pattern) << source << ", build " << build;
    EXPECT_EQ(bc.Text(), textAfter) << source << ", build " << build;
  }
}

// Records every OnChange call.
struct ChangeCounter {
  int calls = 0;
  TBarcode* lastSender = nullptr;
  void Attach(TBarcode& bc) {
    bc.SetOnChange([this](TBarcode& sender) {
      ++calls;
      lastSender = &sender;
    });
  }
};

// Runs `f` and returns the message of the bars::Exception it raised, or "" if none.
template <typename F>
std::string MessageOf(F&& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}

}  // namespace bars::test
