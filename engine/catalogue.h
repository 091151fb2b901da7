#pragma once
// The type catalogue: the one registry of the symbologies. One row per type holds every fact the
// engine, the window and the command line need about it; the window's list, the command line's
// type names, BuildPattern's dispatch and the tests all read it. There is no second list of types.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "encoding.h"

namespace bars {

// What the human-readable code adds to Text.
enum class TPrintedCode : std::uint8_t {
  Text,  // Text as the build left it (types that keep their check digit in Text, or have none)
  TextAndCheck,  // with Checksum on, Text and the check digit that only the bars carry
};

struct TBCdata {
  TBarcodeType Typ;           // the row's own type: rows stand in ordinal order
  std::string_view TypeName;  // display name, drawn by bcoTyp; the command line's type name
  std::string_view ItemText;  // the utility's list text for this type
  bool NumericOnly;           // Text may hold only '0'..'9' (BuildPattern trims and checks it)
  double RatioMin;            // Ratio bounds enforced before encoding; 0 = unbounded
  double RatioMax;
  TEncoder Encode;
  TPrintedCode PrintedCode;
  std::int32_t MaxTypedLength;  // the utility's code field takes this many characters, one
                                // less with Checksum on (the engine adds the check digit)
  bool Listed;                  // offered in the utility's type list
  bool TakesAddOn;              // an attached 2- or 5-digit add-on may follow the symbol
  std::uint8_t GtinLength;      // digits of the full GS1 number, check digit included; 0 when
                                // the type carries none
  std::uint8_t QuietLeft;       // the standard's least quiet zone before the symbol, in modules
  std::uint8_t QuietRight;      // and after it (after an attached add-on: kAddOnQuietRight)
  bool EanUpc;                  // an EAN/UPC symbol or add-on, whose X-dimension GS1 bounds
};

// The quiet zone after an attached add-on, in modules (GS1 General Specifications).
inline constexpr std::uint8_t kAddOnQuietRight = 5;

namespace catalogue_detail {
using P = TPrintedCode;
inline constexpr bool kListed = true, kUnlisted = false, kAddOn = true, kNoAddOn = false;
inline constexpr bool kEanUpc = true, kOther = false;
inline constexpr std::int32_t kAnyLength = 255;
}  // namespace catalogue_detail

// Indexed by the ordinal of TBarcodeType.
inline constexpr std::array<TBCdata, kBarcodeTypeCount> BCdata = [] {
  using namespace catalogue_detail;
  constexpr auto any = kAnyLength;
  return std::array<TBCdata, kBarcodeTypeCount>{{
      // clang-format off
      // type, name, list text, numeric, ratio bounds, encoder, printed code, typed length,
      // listed, add-on, GTIN length, quiet zones left and right in modules, EAN/UPC family.
      // Quiet zones: ISO/IEC 16390 (2 of 5), 16388 (Code 39), 15417 (Code 128), AIM USS-93,
      // AIM USS-Codabar, MSI 12, POSTNET 1/8 inch at 22 bars an inch (9 modules), GS1 General
      // Specifications (EAN/UPC, add-ons)
      {bcCode_2_5_interleaved, "2_5_interleaved", "Code_2_5_interleaved", true, 2.0, 3.0,
       Encode25Interleaved, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode_2_5_industrial, "2_5_industrial", "Code_2_5_industrial", true, 2.0, 3.0,
       Encode25Industrial, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode_2_5_matrix, "2_5_matrix", "Code_2_5_matrix", true, 2.25, 3.0,
       Encode25Matrix, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode39, "Code39", "Code39", false, 2.0, 3.0,
       EncodeCode39, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode39Extended, "Code39 Extended", "Code39Extended", false, 2.0, 3.0,
       EncodeCode39Ext, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode128A, "Code128A", "Code128A", false, 0, 0,
       EncodeCode128, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode128B, "Code128B", "Code128B", false, 0, 0,
       EncodeCode128, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode128C, "Code128C", "Code128C", true, 0, 0,
       EncodeCode128, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode93, "Code93", "Code93", false, 0, 0,
       EncodeCode93, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode93Extended, "Code93 Extended", "Code93Extended", false, 0, 0,
       EncodeCode93Ext, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCodeMSI, "MSI", "CodeMSI", true, 0, 0,
       EncodeMSI, P::Text, any, kListed, kNoAddOn, 0, 12, 12, kOther},
      {bcCodePostNet, "PostNet", "CodePostNet", true, 0, 0,
       EncodePostNet, P::Text, any, kListed, kNoAddOn, 0, 9, 9, kOther},
      {bcCodeCodabar, "Codebar", "CodeCodabar", false, 2.0, 3.0,
       EncodeCodabar, P::Text, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCodeEAN8, "EAN8", "CodeEAN8", true, 2.0, 3.0,
       EncodeEAN8, P::TextAndCheck, 8, kListed, kNoAddOn, 8, 7, 7, kEanUpc},
      {bcCodeEAN13, "EAN13", "CodeEAN13", true, 2.0, 3.0,
       EncodeEAN13, P::TextAndCheck, 13, kListed, kAddOn, 13, 11, 7, kEanUpc},
      {bcCodeUPC_A, "UPC_A", "CodeUPC_A", true, 2.0, 3.0,
       EncodeUPCA, P::Text, any, kListed, kAddOn, 12, 9, 9, kEanUpc},
      {bcCodeUPC_E0, "UPC_E0", "CodeUPC_E0", true, 2.0, 3.0,
       EncodeUPCE, P::Text, any, kListed, kAddOn, 0, 9, 7, kEanUpc},
      {bcCodeUPC_E1, "UPC_E1", "CodeUPC_E1", true, 2.0, 3.0,
       EncodeUPCE, P::Text, any, kListed, kAddOn, 0, 9, 7, kEanUpc},
      {bcCodeUPC_Supp2, "UPC Supp2", "CodeUPC_Supp2", true, 2.0, 3.0,
       EncodeSupp2, P::Text, any, kListed, kNoAddOn, 0, 7, 5, kEanUpc},
      {bcCodeUPC_Supp5, "UPC Supp5", "CodeUPC_Supp5", true, 2.0, 3.0,
       EncodeSupp5, P::Text, any, kListed, kNoAddOn, 0, 7, 5, kEanUpc},
      {bcCodeEAN128A, "EAN128A", "CodeEAN128A", false, 0, 0,
       EncodeCode128, P::TextAndCheck, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCodeEAN128B, "EAN128B", "CodeEAN128B", false, 0, 0,
       EncodeCode128, P::TextAndCheck, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCodeEAN128C, "EAN128C", "CodeEAN128C", true, 0, 0,
       EncodeCode128, P::TextAndCheck, any, kListed, kNoAddOn, 0, 10, 10, kOther},
      {bcCode128, "Code128", "Code128Auto", false, 0, 0,
       EncodeCode128Auto, P::Text, any, kUnlisted, kNoAddOn, 0, 10, 10, kOther},
      {bcGS1_128, "GS1-128", "CodeGS1_128", false, 0, 0,
       EncodeGS1_128, P::Text, any, kUnlisted, kNoAddOn, 0, 10, 10, kOther},
      // clang-format on
  }};
}();

namespace catalogue_detail {

constexpr char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// Rows in ordinal order, each with an encoder, sane ratio bounds and a typed length; names
// unique among all names and list texts, ignoring case, since a name finds its type either way.
constexpr bool CatalogueIsComplete() {
  bool listedSoFar = true;
  for (std::size_t i = 0; i < BCdata.size(); ++i) {
    const TBCdata& row = BCdata[i];
    if (row.Typ != i || row.Encode == nullptr || row.TypeName.empty() || row.ItemText.empty())
      return false;
    if (row.RatioMin > row.RatioMax || row.MaxTypedLength < 2 || row.QuietLeft == 0 ||
        row.QuietRight == 0)
      return false;
    // The listed types come first, so that a list index is the type's ordinal.
    if (row.Listed && !listedSoFar) return false;
    listedSoFar = row.Listed;
    for (std::size_t j = 0; j < i; ++j) {
      for (std::string_view a : {row.TypeName, row.ItemText}) {
        for (std::string_view b : {BCdata[j].TypeName, BCdata[j].ItemText}) {
          if (SameIgnoringCase(a, b)) return false;
        }
      }
    }
  }
  return true;
}
static_assert(CatalogueIsComplete(),
              "type catalogue: one row per type in ordinal order, each with its encoder and "
              "unique names");

constexpr std::size_t ListedCount() {
  std::size_t n = 0;
  for (const TBCdata& row : BCdata) n += row.Listed;
  return n;
}

}  // namespace catalogue_detail

// The utility's list holds the first kListedTypeCount types, in ordinal order.
inline constexpr std::size_t kListedTypeCount = catalogue_detail::ListedCount();
static_assert(kListedTypeCount == 23);

// The catalogue row of `typ`, or nullptr for an ordinal beyond the catalogue.
constexpr const TBCdata* CatalogueRow(TBarcodeType typ) {
  return typ < kBarcodeTypeCount ? &BCdata[typ] : nullptr;
}

// Finds a type by its catalogue name, its list text or its ordinal ("14"), ignoring case.
std::optional<TBarcodeType> ParseBarcodeType(std::string_view name);

}  // namespace bars
