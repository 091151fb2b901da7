#include "report.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "digital_link.h"

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

// The GS1 element strings a symbol carries: a GS1 type's data, or the Digital Link URI a plain
// QR Code or Data Matrix holds; nothing for other data.
std::optional<std::vector<gs1::Element>> Gs1Elements(const TBarcode& barcode,
                                                     const TSymbol& symbol) {
  const TBCdata& row = BCdata[barcode.Typ()];
  gs1::ParseOptions lenient;  // the symbol was checked as it was made
  lenient.RequisiteCheck = false;
  lenient.Gs1_128Limit = false;
  try {
    if (row.Reader.Fnc1First) return gs1::ParseElementString(symbol.Data, lenient);
    const std::string_view text = barcode.Text();
    if (row.TwoDimensional && (text.starts_with("http://") || text.starts_with("https://")))
      return gs1::ParseDigitalLink(text, lenient);
  } catch (const Exception&) {
    // EAN-128's free data, or a web address that is no Digital Link.
  }
  return std::nullopt;
}

// ,"element_string":..,"digital_link":.. for GS1 data, the link null where it has no primary
// key; nothing otherwise.
std::string Gs1Fields(const TBarcode& barcode, const TSymbol& symbol) {
  const auto elements = Gs1Elements(barcode, symbol);
  if (!elements) return "";
  std::string link = "null";
  if (!BCdata[barcode.Typ()].Reader.Fnc1First) {
    link = JsonString(barcode.Text());
  } else {
    try {
      link = JsonString(gs1::DigitalLinkUri(*elements));
    } catch (const Exception&) {
      // No primary key: no Digital Link.
    }
  }
  return ",\"element_string\":" + JsonString(gs1::HumanReadable(*elements)) +
         ",\"digital_link\":" + link;
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
  record += Gs1Fields(barcode, symbol);
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
