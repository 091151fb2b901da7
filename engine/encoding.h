#pragma once
// The encoders: one function per symbology family, from the text and the settings to the module
// pattern (one pattern character per bar or space, see bars.h) and, for the types that rewrite
// it, the Text the barcode keeps. They hold no state; BuildPattern calls the one that the type
// catalogue names for the barcode's Typ and applies the rewritten Text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "exceptions.h"

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
  bcCode128,  // Code 128 with the code sets chosen for the shortest symbol
  bcGS1_128,  // GS1-128 from bracketed Application Identifier data
};

// Every type has a catalogue row: a new enumerator goes before this line and gets its row.
inline constexpr std::size_t kBarcodeTypeCount = bcGS1_128 + 1;

enum TCheckSumMethod : std::uint8_t { csmNone, csmModulo10 };

// What one encoder is given.
struct TEncodeRequest {
  std::string_view Text;
  TBarcodeType Typ;
  bool Checksum;
  TCheckSumMethod CheckSumMethod;
  std::string_view ClassName;  // the barcode's class name, for messages that name it
};

// What one encoder gives back.
struct TEncoded {
  std::string Pattern;
  std::optional<std::string> Text;  // the Text the barcode keeps, when the type rewrites it
};

using TEncoder = TEncoded (*)(const TEncodeRequest&);

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
TEncoded Encode25Interleaved(const TEncodeRequest& request);  // pads an odd count with '0'
TEncoded Encode25Industrial(const TEncodeRequest& request);
TEncoded Encode25Matrix(const TEncodeRequest& request);
TEncoded EncodeCode39(const TEncodeRequest& request);
TEncoded EncodeCode39Ext(const TEncodeRequest& request);
// Code 128 A, B, C and EAN-128 A, B, C in one code set each, told apart by request.Typ.
TEncoded EncodeCode128(const TEncodeRequest& request);
// Code 128 in the fewest symbol characters, any byte 0..255; Text is never rewritten.
TEncoded EncodeCode128Auto(const TEncodeRequest& request);
// GS1-128 from bracketed AI data such as "(01)09501101530003(10)AB-123"; Text is kept.
TEncoded EncodeGS1_128(const TEncodeRequest& request);
TEncoded EncodeCode93(const TEncodeRequest& request);
TEncoded EncodeCode93Ext(const TEncodeRequest& request);
TEncoded EncodeMSI(const TEncodeRequest& request);
TEncoded EncodePostNet(const TEncodeRequest& request);
TEncoded EncodeCodabar(const TEncodeRequest& request);
TEncoded EncodeEAN8(const TEncodeRequest& request);
TEncoded EncodeEAN13(const TEncodeRequest& request);
TEncoded EncodeUPCA(const TEncodeRequest& request);  // Text padded, with its check digit
// UPC-E in number system 0 or 1 (by request.Typ); Text becomes seven digits.
TEncoded EncodeUPCE(const TEncodeRequest& request);
TEncoded EncodeSupp2(const TEncodeRequest& request);
TEncoded EncodeSupp5(const TEncodeRequest& request);

// The gap and the add-on symbol of `digits` (2 or 5 digits, already checked) that follow an
// EAN-13, UPC-A or UPC-E symbol and are read with it.
std::string AttachedAddOnPattern(std::string_view digits);

}  // namespace bars
