#include "report.h"

#include <charconv>
#include <cstdio>

namespace bars::cli {
namespace {

// The shortest text that reads back as the same double; always a valid JSON number for the
// finite values a barcode holds.
std::string JsonNumber(double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : "null";
}

}  // namespace

std::string JsonString(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(byte));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + '"';
}

std::string JsonRecord(TBarcode& barcode) {
  const std::string pattern = barcode.BuildPattern();
  const std::int32_t width = barcode.Width();
  return "{\"type\":" + JsonString(barcode.GetTypName()) +
         ",\"text\":" + JsonString(barcode.Text()) + ",\"pattern\":" + JsonString(pattern) +
         ",\"width\":" + std::to_string(width) + ",\"height\":" + std::to_string(barcode.Height()) +
         ",\"ratio\":" + JsonNumber(barcode.Ratio()) +
         (barcode.AddOn().empty() ? "" : ",\"addOn\":" + JsonString(barcode.AddOn())) + "}";
}

std::string TypeList() {
  std::string out;
  for (std::size_t i = 0; i < BCdata.size(); ++i) {
    const TBCdata& row = BCdata[i];
    out += std::to_string(i) + '\t' + std::string(row.TypeName) + '\t' + std::string(row.ItemText) +
           '\t' + (row.NumericOnly ? "yes" : "no") + '\t' + (row.TakesAddOn ? "yes" : "no") + '\n';
  }
  return out;
}

}  // namespace bars::cli
