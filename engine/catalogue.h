#pragma once
// The type catalogue: the one registry of the 23 symbologies. The window's list, the command
// line's type names and the tests all read it; there is no second list of types.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace bars {

enum TBarcodeType : std::uint8_t {
  bcCode_2_5_interleaved,
  bcCode_2_5_industrial,
  bcCode_2_5_matrix,
  bcCode39,
  bcCode39Extended,
  bcCode128A,
  bcCode128B,
  bcCode128C,
  bcCode93,
  bcCode93Extended,
  bcCodeMSI,
  bcCodePostNet,
  bcCodeCodabar,
  bcCodeEAN8,
  bcCodeEAN13,
  bcCodeUPC_A,
  bcCodeUPC_E0,
  bcCodeUPC_E1,
  bcCodeUPC_Supp2,
  bcCodeUPC_Supp5,
  bcCodeEAN128A,
  bcCodeEAN128B,
  bcCodeEAN128C,
};

inline constexpr std::size_t kBarcodeTypeCount = 23;

struct TBCdata {
  std::string_view TypeName;  // display name, drawn by bcoTyp
  bool NumericOnly;           // Text may hold only '0'..'9'
  std::string_view ItemText;  // the utility's list text for this type
  double RatioMin;            // Ratio bounds enforced before encoding; 0 = unbounded
  double RatioMax;
};

// Indexed by the ordinal of TBarcodeType.
inline constexpr std::array<TBCdata, kBarcodeTypeCount> BCdata{{
    {"2_5_interleaved", true, "Code_2_5_interleaved", 2.0, 3.0},
    {"2_5_industrial", true, "Code_2_5_industrial", 2.0, 3.0},
    {"2_5_matrix", true, "Code_2_5_matrix", 2.25, 3.0},
    {"Code39", false, "Code39", 2.0, 3.0},
    {"Code39 Extended", false, "Code39Extended", 2.0, 3.0},
    {"Code128A", false, "Code128A", 0, 0},
    {"Code128B", false, "Code128B", 0, 0},
    {"Code128C", true, "Code128C", 0, 0},
    {"Code93", false, "Code93", 0, 0},
    {"Code93 Extended", false, "Code93Extended", 0, 0},
    {"MSI", true, "CodeMSI", 0, 0},
    {"PostNet", true, "CodePostNet", 0, 0},
    {"Codebar", false, "CodeCodabar", 2.0, 3.0},
    {"EAN8", true, "CodeEAN8", 2.0, 3.0},
    {"EAN13", true, "CodeEAN13", 2.0, 3.0},
    {"UPC_A", true, "CodeUPC_A", 2.0, 3.0},
    {"UPC_E0", true, "CodeUPC_E0", 2.0, 3.0},
    {"UPC_E1", true, "CodeUPC_E1", 2.0, 3.0},
    {"UPC Supp2", true, "CodeUPC_Supp2", 2.0, 3.0},
    {"UPC Supp5", true, "CodeUPC_Supp5", 2.0, 3.0},
    {"EAN128A", false, "CodeEAN128A", 0, 0},
    {"EAN128B", false, "CodeEAN128B", 0, 0},
    {"EAN128C", true, "CodeEAN128C", 0, 0},
}};

// The catalogue row of `typ`, or nullptr for an ordinal beyond the catalogue.
constexpr const TBCdata* CatalogueRow(TBarcodeType typ) {
  return typ < kBarcodeTypeCount ? &BCdata[typ] : nullptr;
}

// Finds a type by its catalogue name, its list text or its ordinal ("14"), ignoring case.
std::optional<TBarcodeType> ParseBarcodeType(std::string_view name);

}  // namespace bars
