#pragma once
// The text outputs of barcode-cli: the JSON record of a symbol and the type list.

#include <string>
#include <string_view>

#include "bars.h"

namespace bars::cli {

// A JSON string literal of `bytes` taken as Latin-1: quote and backslash escaped, control
// characters and bytes 0x7F and above as \u00XX, so that any Text gives valid JSON.
std::string JsonString(std::string_view bytes);

// {"type":..,"text":..,"pattern":..,"width":..,"height":..,"ratio":..} of the barcode after a
// build, and "addOn" when it has one: type is the catalogue name, text and ratio as the build
// left them, width in pixels (add-on included). Raises what BuildPattern raises.
std::string JsonRecord(TBarcode& barcode);

// One line per catalogue row: ordinal, catalogue name, window name, "yes" or "no" for
// numeric-only and for taking an add-on, separated by tabs.
std::string TypeList();

}  // namespace bars::cli
