#pragma once
// The text outputs of barcode-cli: the JSON record of a symbol and the type list.

#include <string>
#include <string_view>

#include "bars.h"

namespace bars::cli {

// A JSON string literal of `bytes` taken as Latin-1: quote and backslash escaped, control
// characters and bytes 0x7F and above as \u00XX, so that any Text gives valid JSON.
std::string JsonString(std::string_view bytes);

// As JsonString, for bytes known to be UTF-8: the characters beyond ASCII stay as they are.
std::string JsonUtf8String(std::string_view utf8);

// {"type":..,"text":..,"pattern":..,"width":..,"height":..,"ratio":..} of the barcode after a
// build, and "addOn" when it has one: type is the catalogue name, text and ratio as the build
// left them, width and height in pixels (add-on included). A two-dimensional symbol adds
// "rows", "columns" and "matrix" (a string of '1' and '0' a row), QR Code "version", "ecc" and
// "mask"; their Text is UTF-8 unless an ECI is set. GS1 data, and a Digital Link in a plain QR
// Code or Data Matrix, add "element_string" (bracketed) and "digital_link" (null without a
// primary key). Raises what BuildSymbol raises.
std::string JsonRecord(TBarcode& barcode);

// One line per catalogue row: ordinal, catalogue name, window name, "yes" or "no" for
// numeric-only and for taking an add-on, separated by tabs.
std::string TypeList();

// What --pattern prints: the module pattern and a newline, or a matrix as one line of '1'
// (dark) and '0' a row. Raises what BuildSymbol raises.
std::string PatternLines(TBarcode& barcode);

}  // namespace bars::cli
