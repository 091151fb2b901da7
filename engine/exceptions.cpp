#include "exceptions.h"

#include <string_view>

namespace bars {

void AssertionFailed(const std::string& text, const char* fileName, int line) {
  std::string_view file = fileName;
  if (auto slash = file.find_last_of("/\\"); slash != std::string_view::npos) {
    file.remove_prefix(slash + 1);
  }
  throw EAssertionFailed(text + " (" + std::string(file) + ", line " + std::to_string(line) + ")");
}

}  // namespace bars
