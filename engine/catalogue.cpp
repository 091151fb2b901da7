#include "catalogue.h"

#include <charconv>

namespace bars {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<TBarcodeType> ParseBarcodeType(std::string_view name) {
  for (std::size_t i = 0; i < kBarcodeTypeCount; ++i) {
    if (EqualsIgnoringCase(name, BCdata[i].TypeName) ||
        EqualsIgnoringCase(name, BCdata[i].ItemText))
      return static_cast<TBarcodeType>(i);
  }
  unsigned ordinal = 0;
  auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), ordinal);
  if (!name.empty() && ec == std::errc() && end == name.data() + name.size() &&
      ordinal < kBarcodeTypeCount)
    return static_cast<TBarcodeType>(ordinal);
  return std::nullopt;
}

}  // namespace bars
