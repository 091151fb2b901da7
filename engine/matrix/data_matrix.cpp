// The Data Matrix entry point: which bytes and ECI, which symbol size, and the errors a user
// sees.
#include "data_matrix.h"

#include <string>

#include "data_matrix_encodation.h"
#include "data_matrix_layout.h"
#include "data_matrix_tables.h"
#include "exceptions.h"

namespace bars::matrix {
namespace {

using dm::kSizes;
using dm::TDmSize;

std::string SizeName(int rows, int columns) {
  return std::to_string(rows) + "x" + std::to_string(columns);
}

bool Allowed(const TDmSize& size, const TDmOptions& options) {
  if (size.Dmre && !options.Dmre) return false;
  switch (options.Shape) {
    case TDmShape::Square:
      return size.Square();
    case TDmShape::Rectangle:
      return !size.Square();
    case TDmShape::Any:
      break;
  }
  return true;
}

// The smallest allowed size holding `needed` data codewords: by area, a square before a
// rectangle of the same area, else the table's order (ISO/IEC 16022 before DMRE). Null if none.
const TDmSize* Smallest(const TDmOptions& options, int needed) {
  const TDmSize* best = nullptr;
  for (const TDmSize& size : kSizes) {
    if (!Allowed(size, options) || size.DataCodewords < needed) continue;
    const int area = size.Rows * size.Columns;
    if (!best || area < best->Rows * best->Columns ||
        (area == best->Rows * best->Columns && size.Square() && !best->Square()))
      best = &size;
  }
  return best;
}

const TDmSize& Largest(const TDmOptions& options) {
  if (options.Shape != TDmShape::Rectangle) return kSizes[dm::kLargestSquare];
  return kSizes[options.Dmre ? dm::kLargestDmre : dm::kLargestRectangle];
}

}  // namespace

TDmSymbol EncodeDataMatrix(std::string_view text, const TDmOptions& options) {
  const std::string prefix = std::string(options.ClassName) + ": Data Matrix ";
  const TDmSize* pinned = nullptr;
  if (options.Rows != 0 || options.Columns != 0) {
    for (const TDmSize& size : kSizes) {
      if (size.Rows == options.Rows && size.Columns == options.Columns) pinned = &size;
    }
    if (!pinned)
      throw Exception(prefix + SizeName(options.Rows, options.Columns) + " is not a symbol size");
  }

  TEciData data;
  if (options.Gs1) {
    if (options.Eci >= 0) {
      throw Exception(prefix + "GS1 data cannot carry an ECI (Eci " + std::to_string(options.Eci) +
                      ")");
    }
    if (options.Eci != kEciAuto && options.Eci != kEciNone)
      ApplyEci(text, options.Eci, options.ClassName, "Data Matrix");  // raises its message
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c != 0x1D && (c < 32 || c > 126)) {
        throw Exception(prefix + "GS1 element string has byte " + std::to_string(c) +
                        " at position " + std::to_string(i + 1) +
                        ", outside printable ASCII and GS");
      }
    }
    data = {std::string(text), kEciNone};
  } else {
    data = ApplyEci(text, options.Eci, options.ClassName, "Data Matrix");
  }

  // Two digits a codeword is the most any encodation packs: longer texts need no search.
  const std::size_t most = 2 * std::size_t{kSizes[dm::kLargestSquare].DataCodewords};
  if (data.Bytes.size() > most) {
    throw Exception(prefix + "Text is too long: " + std::to_string(data.Bytes.size()) +
                    " bytes, more than any symbol holds (144x144: " + std::to_string(most) +
                    " digits)");
  }
  const dm::TEncodation encodation(data.Bytes, options.Gs1, data.Eci);
  const int needed = encodation.Needed();
  const TDmSize* size = pinned ? pinned : Smallest(options, needed);
  if (pinned && needed > pinned->DataCodewords) {
    const std::string name = SizeName(pinned->Rows, pinned->Columns);
    throw Exception(prefix + "Text is too long for " + name + ": it needs " +
                    std::to_string(needed) + " data codewords, " + name + " holds " +
                    std::to_string(pinned->DataCodewords));
  }
  if (!size) {
    const TDmSize& largest = Largest(options);
    throw Exception(prefix + "Text is too long: it needs " + std::to_string(needed) +
                    " data codewords, the largest " +
                    (options.Shape == TDmShape::Rectangle ? "rectangle, " : "symbol, ") +
                    SizeName(largest.Rows, largest.Columns) + ", holds " +
                    std::to_string(largest.DataCodewords));
  }
  const std::vector<std::uint8_t> codewords = encodation.Codewords(size->DataCodewords);
  return {dm::LayOutSymbol(*size, codewords), size->DataCodewords, needed};
}

}  // namespace bars::matrix
