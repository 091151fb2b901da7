#pragma once
// The type catalogue: the one registry of the symbologies. One row per type holds every fact the
// engine, the window and the command line need about it; the window's list, the command line's
// type names, BuildPattern's dispatch and the tests all read it. There is no second list of types.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "encoding.h"

namespace bars {

// The reader families: symbologies a reader tells apart (several types may share one).
enum class TReaderFamily : std::uint8_t {
  Itf,  // Interleaved 2 of 5
  Industrial2of5,
  Matrix2of5,
  Code39,
  Code128,
  Code93,
  Msi,
  PostNet,
  Codabar,
  Ean8,
  Ean13,
  UpcA,
  UpcE,
  EanAddOn,  // a 2- or 5-digit add-on standing alone
  QrCode,
  DataMatrix,
};

// The code set a one-set Code 128 type encodes in.
enum class TCode128Set : std::uint8_t { None, A, B, C };

// An encoder: made from a function, never from a pointer, so that no row can lack one (a check
// that needs no comparison of function addresses, which not every compiler evaluates at compile
// time).
class TEncoderRef {
 public:
  constexpr TEncoderRef(TSymbol (&encode)(const TEncodeRequest&)) : encode_(&encode) {}
  constexpr TEncoder Function() const { return encode_; }

 private:
  TEncoder encode_;
};

// What readers need to know of a type.
struct TReaderFacts {
  TReaderFamily Family;
  std::string_view SymbologyId;  // ISO/IEC 15424, the symbol's usual one ("]E0"); an encoder
                                 // may report another modifier for what a symbol holds
  std::uint8_t MinLength;        // the fewest data characters readers accept in one symbol
  bool Fnc1First;                // FNC1 in first position: the data are GS1 element strings
};

struct TBCdata {
  TBarcodeType Typ;           // the row's own type: rows stand in ordinal order
  std::string_view TypeName;  // display name, drawn by bcoTyp; the command line's type name
  std::string_view ItemText;  // the utility's list text for this type
  bool NumericOnly;           // Text may hold only '0'..'9' (BuildPattern trims and checks it)
  double RatioMin;            // Ratio bounds enforced before encoding; 0 = unbounded
  double RatioMax;
  TEncoderRef Encode;
  TCode128Set CodeSet;          // the one Code 128 code set of the type; None for the others
  std::int32_t MaxTypedLength;  // the utility's code field takes this many characters, one
                                // less with Checksum on (the engine adds the check digit)
  bool Listed;                  // offered in the utility's type list
  bool TakesAddOn;              // an attached 2- or 5-digit add-on may follow the symbol
  std::uint8_t FullLength;      // digits of the full GS1 number as printed, check digit
                                // included (UPC-E: with its number system); 0 when none
  std::uint8_t QuietLeft;       // the standard's least quiet zone before the symbol, in modules
  std::uint8_t QuietRight;      // and after it (after an attached add-on: kAddOnQuietRight)
  bool EanUpc;                  // an EAN/UPC symbol or add-on, whose X-dimension GS1 bounds
  bool TwoDimensional;          // a module matrix, not bars: Ratio and Height mean nothing to
                                // it, and its quiet zone (QuietLeft) is on every side
  TReaderFacts Reader;
  std::string_view Note = {};  // what sets the type apart, for help texts; empty for the
                               // window's own types
};

// The quiet zone after an attached add-on, in modules (GS1 General Specifications).
inline constexpr std::uint8_t kAddOnQuietRight = 5;

namespace catalogue_detail {
using S = TCode128Set;
using F = TReaderFamily;
inline constexpr bool kListed = true, kUnlisted = false, kAddOn = true, kNoAddOn = false;
inline constexpr bool kEanUpc = true, kOther = false, kFnc1 = true, kNoFnc1 = false;
inline constexpr bool kLinear = false, kMatrix = true;
inline constexpr std::int32_t kAnyLength = 255;
}  // namespace catalogue_detail

// Indexed by the ordinal of TBarcodeType.
inline constexpr std::array<TBCdata, kBarcodeTypeCount> BCdata = [] {
  using namespace catalogue_detail;
  constexpr auto any = kAnyLength;
  return std::array<TBCdata, kBarcodeTypeCount>{{
      // clang-format off
      // type, name, list text, numeric, ratio bounds, encoder, Code 128 set, typed length,
      // listed, add-on, full number length, quiet zones left and right in modules, EAN/UPC
      // family, two-dimensional, and for readers: family, symbology identifier, least length,
      // FNC1 first.
      // Quiet zones: ISO/IEC 16390 (2 of 5), 16388 (Code 39), 15417 (Code 128), AIM USS-93,
      // AIM USS-Codabar, MSI 12, POSTNET 1/8 inch at 22 bars an inch (9 modules), GS1 General
      // Specifications (EAN/UPC, add-ons), ISO/IEC 18004 (QR Code 4 on every side), 16022
      // (Data Matrix 1). Identifiers: ISO/IEC 15424 (]X0: none assigned).
      // Least lengths: what readers accept by default (Interleaved 2 of 5 from 6 digits).
      {bcCode_2_5_interleaved, "2_5_interleaved", "Code_2_5_interleaved", true, 2.0, 3.0,
       Encode25Interleaved, S::None, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Itf, "]I0", 6, kNoFnc1}},
      {bcCode_2_5_industrial, "2_5_industrial", "Code_2_5_industrial", true, 2.0, 3.0,
       Encode25Industrial, S::None, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Industrial2of5, "]S0", 1, kNoFnc1}},
      {bcCode_2_5_matrix, "2_5_matrix", "Code_2_5_matrix", true, 2.25, 3.0,
       Encode25Matrix, S::None, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Matrix2of5, "]X0", 1, kNoFnc1}},
      {bcCode39, "Code39", "Code39", false, 2.0, 3.0,
       EncodeCode39, S::None, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code39, "]A0", 1, kNoFnc1}},
      {bcCode39Extended, "Code39 Extended", "Code39Extended", false, 2.0, 3.0,
       EncodeCode39Ext, S::None, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code39, "]A4", 1, kNoFnc1}},
      {bcCode128A, "Code128A", "Code128A", false, 0, 0,
       EncodeCode128, S::A, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code128, "]C0", 1, kNoFnc1}},
      {bcCode128B, "Code128B", "Code128B", false, 0, 0,
       EncodeCode128, S::B, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code128, "]C0", 1, kNoFnc1}},
      {bcCode128C, "Code128C", "Code128C", true, 0, 0,
       EncodeCode128, S::C, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code128, "]C0", 1, kNoFnc1}},
      {bcCode93, "Code93", "Code93", false, 0, 0,
       EncodeCode93, S::None, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code93, "]G0", 1, kNoFnc1}},
      {bcCode93Extended, "Code93 Extended", "Code93Extended", false, 0, 0,
       EncodeCode93Ext, S::None, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code93, "]G0", 1, kNoFnc1}},
      {bcCodeMSI, "MSI", "CodeMSI", true, 0, 0,
       EncodeMSI, S::None, any, kListed, kNoAddOn, 0, 12, 12, kOther, kLinear,
       {F::Msi, "]M0", 1, kNoFnc1}},
      {bcCodePostNet, "PostNet", "CodePostNet", true, 0, 0,
       EncodePostNet, S::None, any, kListed, kNoAddOn, 0, 9, 9, kOther, kLinear,
       {F::PostNet, "]X0", 1, kNoFnc1}},
      {bcCodeCodabar, "Codebar", "CodeCodabar", false, 2.0, 3.0,
       EncodeCodabar, S::None, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Codabar, "]F0", 2, kNoFnc1}},
      {bcCodeEAN8, "EAN8", "CodeEAN8", true, 2.0, 3.0,
       EncodeEAN8, S::None, 8, kListed, kNoAddOn, 8, 7, 7, kEanUpc, kLinear,
       {F::Ean8, "]E4", 1, kNoFnc1}},
      {bcCodeEAN13, "EAN13", "CodeEAN13", true, 2.0, 3.0,
       EncodeEAN13, S::None, 13, kListed, kAddOn, 13, 11, 7, kEanUpc, kLinear,
       {F::Ean13, "]E0", 1, kNoFnc1}},
      {bcCodeUPC_A, "UPC_A", "CodeUPC_A", true, 2.0, 3.0,
       EncodeUPCA, S::None, any, kListed, kAddOn, 12, 9, 9, kEanUpc, kLinear,
       {F::UpcA, "]E0", 1, kNoFnc1}},
      {bcCodeUPC_E0, "UPC_E0", "CodeUPC_E0", true, 2.0, 3.0,
       EncodeUPCE, S::None, any, kListed, kAddOn, 8, 9, 7, kEanUpc, kLinear,
       {F::UpcE, "]E0", 1, kNoFnc1}},
      {bcCodeUPC_E1, "UPC_E1", "CodeUPC_E1", true, 2.0, 3.0,
       EncodeUPCE, S::None, any, kListed, kAddOn, 8, 9, 7, kEanUpc, kLinear,
       {F::UpcE, "]E0", 1, kNoFnc1}},
      {bcCodeUPC_Supp2, "UPC Supp2", "CodeUPC_Supp2", true, 2.0, 3.0,
       EncodeSupp2, S::None, any, kListed, kNoAddOn, 0, 7, 5, kEanUpc, kLinear,
       {F::EanAddOn, "]E1", 1, kNoFnc1}},
      {bcCodeUPC_Supp5, "UPC Supp5", "CodeUPC_Supp5", true, 2.0, 3.0,
       EncodeSupp5, S::None, any, kListed, kNoAddOn, 0, 7, 5, kEanUpc, kLinear,
       {F::EanAddOn, "]E2", 1, kNoFnc1}},
      {bcCodeEAN128A, "EAN128A", "CodeEAN128A", false, 0, 0,
       EncodeCode128, S::A, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code128, "]C1", 0, kFnc1}},
      {bcCodeEAN128B, "EAN128B", "CodeEAN128B", false, 0, 0,
       EncodeCode128, S::B, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code128, "]C1", 0, kFnc1}},
      {bcCodeEAN128C, "EAN128C", "CodeEAN128C", true, 0, 0,
       EncodeCode128, S::C, any, kListed, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code128, "]C1", 0, kFnc1}},
      {bcCode128, "Code128", "Code128Auto", false, 0, 0,
       EncodeCode128Auto, S::None, any, kUnlisted, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code128, "]C0", 1, kNoFnc1},
       "chooses the code sets for the shortest symbol and takes any byte"},
      {bcGS1_128, "GS1-128", "CodeGS1_128", false, 0, 0,
       EncodeGS1_128, S::None, any, kUnlisted, kNoAddOn, 0, 10, 10, kOther, kLinear,
       {F::Code128, "]C1", 0, kFnc1},
       "takes Application Identifier data in brackets, or a GS1 Digital Link URI, and checks "
       "it against the GS1 rules"},
      {bcQRCode, "QR Code", "QRCode", false, 0, 0,
       EncodeQRCodeSymbol, S::None, any, kUnlisted, kNoAddOn, 0, 4, 4, kOther, kMatrix,
       {F::QrCode, "]Q1", 0, kNoFnc1},
       "is two-dimensional: UTF-8 text (as ISO/IEC 8859-1 where that suffices, else under ECI "
       "26) in the smallest version at the level asked"},
      {bcDataMatrix, "Data Matrix", "DataMatrix", false, 0, 0,
       EncodeDataMatrixSymbol, S::None, any, kUnlisted, kNoAddOn, 0, 1, 1, kOther, kMatrix,
       {F::DataMatrix, "]d1", 0, kNoFnc1},
       "is two-dimensional: UTF-8 text as for QR Code in the smallest symbol of the shape "
       "asked"},
      {bcGS1DataMatrix, "GS1 DataMatrix", "GS1DataMatrix", false, 0, 0,
       EncodeGS1DataMatrixSymbol, S::None, any, kUnlisted, kNoAddOn, 0, 1, 1, kOther, kMatrix,
       {F::DataMatrix, "]d2", 0, kFnc1},
       "is Data Matrix with FNC1 first, from GS1 data as GS1-128 takes it"},
      {bcGS1QRCode, "GS1 QR Code", "GS1QRCode", false, 0, 0,
       EncodeGS1QRCodeSymbol, S::None, any, kUnlisted, kNoAddOn, 0, 4, 4, kOther, kMatrix,
       {F::QrCode, "]Q3", 0, kFnc1},
       "is QR Code with FNC1 first, likewise"},
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

// Rows in ordinal order (so none is missing), each with sane ratio bounds, a typed length and a
// symbology identifier (every row has an encoder by construction); names
// unique among all names and list texts, ignoring case, since a name finds its type either way.
constexpr bool CatalogueIsComplete() {
  bool listedSoFar = true;
  for (std::size_t i = 0; i < BCdata.size(); ++i) {
    const TBCdata& row = BCdata[i];
    if (row.Typ != i || row.TypeName.empty() || row.ItemText.empty()) return false;
    // An identifier is "]", the symbology's letter and a modifier.
    if (row.Reader.SymbologyId.size() != 3 || row.Reader.SymbologyId[0] != ']') return false;
    if (row.RatioMin > row.RatioMax || row.MaxTypedLength < 2 || row.QuietLeft == 0 ||
        row.QuietRight == 0)
      return false;
    // A matrix has one quiet zone all round, and no bars whose Ratio could be bounded.
    if (row.TwoDimensional &&
        (row.QuietLeft != row.QuietRight || row.RatioMax != 0 || row.TakesAddOn || row.NumericOnly))
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

// The Text that `number` stands for when it is the full GS1 number of `typ` with its check digit
// (FullLength digits: EAN-13 13, EAN-8 8, UPC-A 12, UPC-E 8 with its number system first), once
// the blanks and control characters around it are trimmed as BuildPattern trims them: the
// digits the engine encodes with Checksum on and a modulo-10 method, without the check digit and
// UPC-E's number system. Nothing for any other text or type. Raises Exception
// "<TypeName> <number>: check digit should be <d>, not <e>" for a wrong check digit and
// "<TypeName> <number>: number system should be <n>, not <m>" for a UPC-E of the other type.
std::optional<std::string> TextOfFullNumber(TBarcodeType typ, std::string_view number);

// Finds a type by its catalogue name, its list text or its ordinal ("14"), ignoring case.
std::optional<TBarcodeType> ParseBarcodeType(std::string_view name);

}  // namespace bars
