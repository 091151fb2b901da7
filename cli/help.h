#pragma once
// The text of barcode-cli --help.

#include <string_view>

namespace bars::cli {

// Every option with its default and an example, then the exit statuses.
std::string_view HelpText();

}  // namespace bars::cli
