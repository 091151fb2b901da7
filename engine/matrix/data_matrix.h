#pragma once
// Data Matrix ECC 200 (ISO/IEC 16022:2006), with the rectangular extensions (DMRE) of ISO/IEC
// 21471:2020: a text to the module matrix of the smallest symbol of the shape asked for, in the
// fewest codewords any mix of encodation schemes gives.

#include <cstdint>
#include <string_view>

#include "eci.h"
#include "module_matrix.h"

namespace bars::matrix {

// The shapes asked for: the component's own (encoding.h).
using bars::TDmShape;

struct TDmOptions {
  TDmShape Shape = TDmShape::Square;  // Any: the smallest area, ties to the square
  bool Dmre = false;                  // also the rectangular extensions of ISO/IEC 21471
  int Rows = 0, Columns = 0;          // both set: this size exactly (any valid size, DMRE ones
                                      // included); 0: chosen by Shape
  std::int32_t Eci = kEciAuto;        // see eci.h: auto (Latin-1 or UTF-8 under ECI 26),
                                      // kEciNone, or a designator
  bool Gs1 = false;  // FNC1 in first position; Text is a GS1 element string whose GS (0x1D)
                     // bytes stand for FNC1 separators (no ECI then)
  std::string_view ClassName = "TBarcode";  // for messages
};

struct TDmSymbol {
  TModuleMatrix Matrix;
  int DataCodewords = 0;  // the symbol's data capacity
  int UsedCodewords = 0;  // of them, what the text needs at the least (the rest are pads or an
                          // unlatch the free space calls for)
};

// The Data Matrix symbol of `text`. Raises bars::Exception "<ClassName>: Data Matrix ..." when
// the text does not fit the largest symbol of the shape or the size given, when Rows x Columns
// is not a Data Matrix size, for a Text that is not UTF-8 (kEciAuto), for a bad ECI, and for
// GS1 with an ECI or with bytes outside printable ASCII and GS.
TDmSymbol EncodeDataMatrix(std::string_view text, const TDmOptions& options);

}  // namespace bars::matrix
