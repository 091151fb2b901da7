#include "catalogue.h"

#include <charconv>

#include "chksum.h"
#include "encoders/encoder_helpers.h"

namespace bars {

std::optional<std::string> TextOfFullNumber(TBarcodeType typ, std::string_view number) {
  const TBCdata* row = CatalogueRow(typ);
  if (row == nullptr || row->FullLength == 0) return std::nullopt;
  while (!number.empty() && static_cast<unsigned char>(number.front()) <= 32)
    number.remove_prefix(1);
  while (!number.empty() && static_cast<unsigned char>(number.back()) <= 32)
    number.remove_suffix(1);
  if (number.size() != row->FullLength ||
      number.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const std::string named = std::string(row->TypeName) + " " + std::string(number);
  const bool upcE = row->Reader.Family == TReaderFamily::UpcE;
  if (upcE) {
    const char system = typ == bcCodeUPC_E1 ? '1' : '0';
    if (number.front() != system) {
      throw Exception(named + ": number system should be " + system + ", not " + number.front());
    }
  }
  // UPC-E's check digit is that of the UPC-A number its six digits expand to.
  const std::string_view data = number.substr(upcE ? 1 : 0, number.size() - (upcE ? 2 : 1));
  const char expected = upcE ? UpcECheckDigit(number.front(), data) : AppendModulo10(data).back();
  if (number.back() != expected)
    throw Exception(named + ": check digit should be " + expected + ", not " + number.back());
  return std::string(data);
}

std::optional<TBarcodeType> ParseBarcodeType(std::string_view name) {
  for (const TBCdata& row : BCdata) {
    if (catalogue_detail::SameIgnoringCase(name, row.TypeName) ||
        catalogue_detail::SameIgnoringCase(name, row.ItemText))
      return row.Typ;
  }
  unsigned ordinal = 0;
  auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), ordinal);
  if (!name.empty() && ec == std::errc() && end == name.data() + name.size() &&
      ordinal < kBarcodeTypeCount)
    return static_cast<TBarcodeType>(ordinal);
  return std::nullopt;
}

}  // namespace bars
