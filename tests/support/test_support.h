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
