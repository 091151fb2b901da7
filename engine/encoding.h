#pragma once
// The encoders: one function per symbology family, from the text and the settings to the symbol
// (the module pattern, one pattern character per bar or space, see bars.h) and what it carries:
// the data a reader returns, the human-readable text and, for the types that rewrite it, the
// Text the barcode keeps. They hold no state; BuildSymbol calls the one that the type catalogue
// names for the barcode's Typ and applies the rewritten Text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "exceptions.h"
#include "module_matrix.h"

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
  // Types added after the first 23: their ordinals follow, so stored ordinals keep their meaning.
  bcCode128,        // Code 128 with the code sets chosen for the shortest symbol
  bcGS1_128,        // GS1-128 from bracketed Application Identifier data
  bcQRCode,         // QR Code Model 2, two-dimensional
  bcDataMatrix,     // Data Matrix ECC 200, two-dimensional
  bcGS1DataMatrix,  // Data Matrix with FNC1 first, from bracketed AI data or a Digital Link URI
  bcGS1QRCode,      // QR Code with FNC1 first, likewise
  // A new type goes here, before the count, and gets its catalogue row.
  bcTypeCount  // not a type: the number of types
};

inline constexpr std::size_t kBarcodeTypeCount = bcTypeCount;

enum TCheckSumMethod : std::uint8_t { csmNone, csmModulo10 };

// QR Code's error correction levels, weakest first (about 7, 15, 25 and 30 % restored).
enum class TQrEcc : std::uint8_t { L, M, Q, H };

// The shapes a Data Matrix symbol may take when its size is not pinned.
enum class TDmShape : std::uint8_t {
  Square,
  Rectangle,
  Any,  // the smallest area, a square where a rectangle is no smaller
};

// Eci settings beside a designator 0..999999.
inline constexpr std::int32_t kEciAuto = -1;  // Text is UTF-8: as ISO/IEC 8859-1 bytes without
                                              // an ECI when they suffice, else under ECI 26
inline constexpr std::int32_t kEciNone = -2;  // Text's bytes as they are, without an ECI

// Settings of the two-dimensional types and of the GS1 checks; the types they do not concern
// ignore them.
struct TSymbolOptions {
  TQrEcc QrEcc = TQrEcc::M;    // QR: the least level, raised while the data fit the same version
  bool QrEccFixed = false;     // QR: keep QrEcc exactly
  std::int32_t QrVersion = 0;  // QR: 1..40 pins the version; 0 the smallest that fits
  std::int32_t QrMask = -1;    // QR: 0..7 pins the mask; -1 the lowest penalty
  TDmShape DmShape = TDmShape::Square;  // Data Matrix: the shapes chosen from
  bool Dmre = false;                    // Data Matrix: also the rectangles of ISO/IEC 21471 (DMRE)
  std::int32_t DmRows = 0;              // Data Matrix: both set pin the size, rows x columns
  std::int32_t DmColumns = 0;
  std::int32_t Eci = kEciAuto;  // the character set's ECI designator, kEciAuto or kEciNone
  // GS1 types: each AI's requisite AIs must be in the same data; off for a label whose other
  // symbols carry them.
  bool Gs1RequisiteCheck = true;
  friend bool operator==(const TSymbolOptions&, const TSymbolOptions&) = default;
};

inline constexpr TSymbolOptions kDefaultSymbolOptions{};

// What one encoder is given.
struct TEncodeRequest {
  std::string_view Text;
  TBarcodeType Typ;
  bool Checksum;
  TCheckSumMethod CheckSumMethod;
  std::string_view ClassName;  // the barcode's class name, for messages that name it
  const TSymbolOptions* Options = &kDefaultSymbolOptions;
  // Whether Data and HumanReadable are wanted: a caller that draws no text or only measures
  // asks for the pattern (and a rewritten Text) alone.
  bool Content = true;
};

// What a QR Code symbol was made with.
struct TQrFacts {
  std::int32_t Version;  // 1..40
  TQrEcc Ecc;            // the level used: the one asked, or higher where that fit as well
  std::int32_t Mask;     // 0..7
};

// A built symbol and what it carries.
struct TSymbol {
  // A linear symbol's elements, one pattern character each; empty for a two-dimensional one.
  std::string Pattern;
  // A two-dimensional symbol's modules, without its quiet zone; empty for a linear one.
  TModuleMatrix Matrix;
  // What a reader returns for the symbol, as bytes: its data characters with the check digits
  // that are data (EAN/UPC, EAN-128's modulo 10, MSI's), without the symbol check characters a
  // reader validates and drops (Code 128's, Code 93's, Code 39's modulo 43, UPC-E's number system
  // and check digit included as the 8 digits a reader gives); GS1 data as the element string,
  // a GS byte for each FNC1 after the first.
  std::string Data;
  // The digits of an attached add-on, read together with the symbol; empty without one.
  std::string AddOn;
  // The code written with the symbol (ShowText bcoCode), the add-on after a blank.
  std::string HumanReadable;
  // The symbology identifier (ISO/IEC 15424) a reader reports with Data, e.g. "]E0", "]C1";
  // static text.
  std::string_view SymbologyId;
  // The ECI designator Data are under (two-dimensional types), or kEciNone for the symbology's
  // default, ISO/IEC 8859-1.
  std::int32_t Eci = kEciNone;
  // The version, level and mask of a QR Code symbol.
  std::optional<TQrFacts> Qr;
  // The Text the barcode keeps after the build, when the type rewrites it (padding, a check
  // digit); nothing when Text stays as given.
  std::optional<std::string> Text;
};

// An encoder gives back the symbol with its Data and HumanReadable; AddOn is left to
// BuildSymbol, and an empty SymbologyId means the catalogue row's.
using TEncoder = TSymbol (*)(const TEncodeRequest&);

// A linear symbol whose Data and human-readable text are both `carried` (where the request wants
// them); Text stays as it is.
TSymbol LinearSymbol(const TEncodeRequest& request, std::string pattern, std::string_view carried);
// The same for a type that rewrites Text to `text`, which is carried.
TSymbol RewritingSymbol(const TEncodeRequest& request, std::string pattern, std::string text);

// The pattern character of width digit `digit` ('1'..'4') at `index` (from 0) of a run of width
// digits that starts with a bar: bars '5'..'8' at even indices, spaces '0'..'3' at odd ones.
// Nothing is checked; a digit outside '1'..'4' gives a character outside the pattern language.
constexpr char PatternCharOfWidthDigit(char digit, std::size_t index) {
  return static_cast<char>(index % 2 == 0 ? digit + 4 : digit - 1);
}

// Turns width digits ('1'..'4' per element, bar first, alternating) into pattern characters:
// odd positions become bars '5'..'8', even positions spaces '0'..'3'. Nothing is checked; a
// character outside '1'..'4' yields one that DecodePatternChar rejects.
std::string PatternFromWidths(std::string_view widthDigits);

// `s` with the check digit of `method` appended (csmNone: `s` unchanged). Raises EConvertError
// "'<c>' is not a valid integer value" at the first character c that is not a digit.
std::string ApplyCheckSumMethod(TCheckSumMethod method, std::string_view s);

// `text` left-padded with '0' to `length` characters; never shortened.
std::string ZeroPadded(std::string_view text, std::size_t length);

// "<class>:<family> bad Data <Text>": the request's Text holds a character the symbology cannot
// carry.
Exception BadData(const TEncodeRequest& request, std::string_view family);

// The encoders. Each returns the pattern of request.Text and raises its symbology's errors.
TSymbol Encode25Interleaved(const TEncodeRequest& request);  // pads an odd count with '0'
TSymbol Encode25Industrial(const TEncodeRequest& request);
TSymbol Encode25Matrix(const TEncodeRequest& request);
TSymbol EncodeCode39(const TEncodeRequest& request);
TSymbol EncodeCode39Ext(const TEncodeRequest& request);
// Code 128 A, B, C and EAN-128 A, B, C in one code set each, told apart by request.Typ.
TSymbol EncodeCode128(const TEncodeRequest& request);
// Code 128 in the fewest symbol characters, any byte 0..255; Text is never rewritten.
TSymbol EncodeCode128Auto(const TEncodeRequest& request);
// GS1-128 from bracketed AI data such as "(01)09501101530003(10)AB-123", or a GS1 Digital Link
// URI; Text is kept.
TSymbol EncodeGS1_128(const TEncodeRequest& request);
TSymbol EncodeCode93(const TEncodeRequest& request);
TSymbol EncodeCode93Ext(const TEncodeRequest& request);
TSymbol EncodeMSI(const TEncodeRequest& request);
TSymbol EncodePostNet(const TEncodeRequest& request);
TSymbol EncodeCodabar(const TEncodeRequest& request);
TSymbol EncodeEAN8(const TEncodeRequest& request);
TSymbol EncodeEAN13(const TEncodeRequest& request);
TSymbol EncodeUPCA(const TEncodeRequest& request);  // Text padded, with its check digit
// UPC-E in number system 0 or 1 (by request.Typ); Text becomes seven digits.
TSymbol EncodeUPCE(const TEncodeRequest& request);
TSymbol EncodeSupp2(const TEncodeRequest& request);
TSymbol EncodeSupp5(const TEncodeRequest& request);
// The two-dimensional types, from Text and request.Options; their symbols are module matrices.
TSymbol EncodeQRCodeSymbol(const TEncodeRequest& request);
TSymbol EncodeDataMatrixSymbol(const TEncodeRequest& request);
// The same with FNC1 first, from GS1 data as GS1-128 takes it; ECI is not for them.
TSymbol EncodeGS1QRCodeSymbol(const TEncodeRequest& request);
TSymbol EncodeGS1DataMatrixSymbol(const TEncodeRequest& request);

// The gap and the add-on symbol of `digits` (2 or 5 digits, already checked) that follow an
// EAN-13, UPC-A or UPC-E symbol and are read with it.
std::string AttachedAddOnPattern(std::string_view digits);

}  // namespace bars
