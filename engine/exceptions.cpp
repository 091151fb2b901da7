#include "exceptions.h"

#include <string_view>

namespace bars {

void AssertionFailed(const std::string& text, std::source_location where) {
  std::string_view file = where.file_name();
  if (auto slash = file.find_last_of("/\\"); slash != std::string_view::npos) {
    file.remove_prefix(slash + 1);
  }
  throw EAssertionFailed(text + " (" + std::string(file) + ", line " + std::to_string(where.line()) +
                         ")");
}

}  // namespace bars
