#include "catalogue.h"

#include <charconv>

namespace bars {

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
