#pragma once
// QR Code Model 2 (ISO/IEC 18004:2015), versions 1-40 at levels L, M, Q and H: a Text turned
// into the symbol's module matrix, in the fewest data bits numeric, alphanumeric and byte modes
// allow, in the smallest version that holds them, under the mask the standard's penalty rules
// prefer.

#include <cstdint>
#include <string_view>

#include "eci.h"
#include "module_matrix.h"

namespace bars::matrix {

// Error correction levels: the component's own (encoding.h).
using bars::TQrEcc;

struct TQrOptions {
  TQrEcc Ecc = TQrEcc::M;  // the least level: raised while the data still fits the same version
  bool EccFixed = false;   // keep Ecc exactly
  int Version = 0;         // 1..40 pins the version; 0: the smallest that fits
  int Mask = -1;           // 0..7 pins the mask pattern; -1: the lowest penalty
  std::int32_t Eci = kEciAuto;  // see eci.h: auto (Latin-1 or UTF-8 under ECI 26), kEciNone, or N
  bool Gs1 = false;             // FNC1 in first position; Text is a GS1 element string whose GS
                                // (0x1D) bytes stand for the FNC1 separators (no ECI then)
  std::string_view ClassName = "TBarcode";  // for messages
};

struct TQrSymbol {
  TModuleMatrix Matrix;  // (17 + 4 * Version) modules square, without the quiet zone
  int Version = 0;
  TQrEcc Ecc = TQrEcc::M;  // the level used: Ecc asked, or higher where it fit the same version
  int Mask = 0;
};

// The symbol of `text` under `options`. Raises bars::Exception, its message starting with
// "<ClassName>: QR Code ", for an option out of range, a Text ApplyEci refuses, an ECI with
// Gs1, and data too long for version 40 (or the pinned version) at the level asked.
TQrSymbol EncodeQrCode(std::string_view text, const TQrOptions& options);

// The fewest bits the data of `text` takes under `options` (its Eci and Gs1; the level, mask
// and Options.Version are not used) in a symbol of `version` 1..40: mode indicators, character
// counts, ECI and FNC1 headers, without the terminator. Raises as EncodeQrCode does.
int QrDataBits(std::string_view text, const TQrOptions& options, int version);

}  // namespace bars::matrix
