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

// A JSON string literal of `bytes`: bytes from 0x80 kept where they are UTF-8, else escaped as
// the Latin-1 characters they are.
std::string Json(std::string_view bytes, bool utf8) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F || (byte >= 0x80 && !utf8)) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(byte));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + '"';
}

// Whether Text is UTF-8: a two-dimensional type's, unless an ECI says its bytes are another set.
bool Utf8Text(const TBarcode& barcode) {
  const TBCdata* row = CatalogueRow(barcode.Typ());
  return row && row->TwoDimensional && barcode.SymbolOptions().Eci == kEciAuto;
}

std::string MatrixRow(const TModuleMatrix& matrix, std::int32_t row) {
  std::string line(static_cast<std::size_t>(matrix.Columns()), '0');
  const std::uint8_t* modules = matrix.Row(row);
  for (std::size_t c = 0; c < line.size(); ++c)
    if (modules[c]) line[c] = '1';
  return line;
}

}  // namespace

std::string JsonString(std::string_view bytes) {
  return Json(bytes, false);
}

std::string JsonUtf8String(std::string_view utf8) {
  return Json(utf8, true);
}

std::string PatternLines(TBarcode& barcode) {
  const TSymbol symbol = barcode.BuildSymbol();
  if (symbol.Matrix.Empty()) return symbol.Pattern + '\n';
  std::string lines;
  for (std::int32_t r = 0; r < symbol.Matrix.Rows(); ++r)
    lines += MatrixRow(symbol.Matrix, r) + '\n';
  return lines;
}

std::string JsonRecord(TBarcode& barcode) {
  const TSymbol symbol = barcode.BuildSymbol();
  const std::int32_t width = barcode.Width();
  std::string record =
      "{\"type\":" + JsonString(barcode.GetTypName()) + ",\"text\":" +
      (Utf8Text(barcode) ? JsonUtf8String(barcode.Text()) : JsonString(barcode.Text())) +
      ",\"pattern\":" + JsonString(symbol.Pattern) + ",\"width\":" + std::to_string(width) +
      ",\"height\":" + std::to_string(barcode.SymbolHeight()) +
      ",\"ratio\":" + JsonNumber(barcode.Ratio());
  if (!barcode.AddOn().empty()) record += ",\"addOn\":" + JsonString(barcode.AddOn());
  if (!symbol.Matrix.Empty()) {
    const TModuleMatrix& m = symbol.Matrix;
    record += ",\"rows\":" + std::to_string(m.Rows()) +
              ",\"columns\":" + std::to_string(m.Columns()) + ",\"matrix\":[";
    for (std::int32_t r = 0; r < m.Rows(); ++r)
      record += (r > 0 ? ",\"" : "\"") + MatrixRow(m, r) + "\"";
    record += "]";
  }
  if (symbol.Qr) {
    static constexpr const char* kLevels[] = {"L", "M", "Q", "H"};
    record += ",\"version\":" + std::to_string(symbol.Qr->Version) + ",\"ecc\":\"" +
              kLevels[static_cast<int>(symbol.Qr->Ecc)] +
              "\",\"mask\":" + std::to_string(symbol.Qr->Mask);
  }
  return record + "}";
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
