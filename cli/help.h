#pragma once
// The text of barcode-cli --help.

#include <string>

namespace bars::cli {

// Every option with its default and an example, then the exit statuses; the types, their
// ordinals and quiet zones as the type catalogue has them.
std::string HelpText();

}  // namespace bars::cli
