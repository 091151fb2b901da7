#pragma once
// The content checks of AI components (the GS1 Barcode Syntax Tests).

#include <string>
#include <string_view>

#include "gs1/ai_table.h"

namespace bars::gs1::detail {

// Checks one component's `data`, which already has the component's length and character set.
// Returns "" when it passes, else what is wrong, worded to follow "AI (nn) ". `where` names the
// component's place in the value ("characters 1 to 4"), or is empty when it is the whole value;
// `currentYear` places two-digit years in a century.
std::string CheckComponent(Lint lint, std::string_view data, std::string_view where,
                           int currentYear);

}  // namespace bars::gs1::detail
