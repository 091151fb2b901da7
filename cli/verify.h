#pragma once
// Reading pictures back with ZXing-C++ before they are written: what a symbol's bars carry as
// that reader reports it, and whether a picture reads as that.

#include <QImage>
#include <cstdint>
#include <optional>
#include <string>

#include "bars.h"

namespace bars::cli {

// The reader's text for `barcode`'s symbol as it stands (UTF-8, GS1 data without brackets and
// with a GS after each variable-length element that another follows, an attached add-on after
// a blank; for a two-dimensional symbol the bytes it carries, which the reader gives raw), or
// nothing for a type ZXing-C++ does not read. Builds the pattern, so that Text is
// what the bars stand for; raises what BuildPattern raises.
std::optional<std::string> ExpectedReading(TBarcode& barcode);

enum class TVerdict : std::uint8_t { Read, NoReader, Mismatch };

struct TVerification {
  TVerdict verdict;
  std::string message;  // Mismatch: both contents; NoReader: why not. One line.
};

// Reads `picture` of `barcode` (Angle as drawn; a picture at an angle that is not a right one is
// turned back upright first) and compares the reader's text with ExpectedReading. NoReader for
// the types ZXing-C++ does not read and for symbols shorter than it reads (Interleaved 2 of 5
// of fewer than 6 digits, Codabar of fewer than 2 characters, an empty Code 39, 93 or 128).
// Raises what BuildPattern raises.
TVerification VerifyPicture(const QImage& picture, TBarcode& barcode);

}  // namespace bars::cli
