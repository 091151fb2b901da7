#pragma once
// Reading module matrices back with ZXing-C++: the matrix drawn as grey levels with a quiet zone,
// nothing else in between, so that a failure is the encoder's.

#include <ZXing/ReadBarcode.h>

#include <cstdint>
#include <vector>

#include "module_matrix.h"

namespace bars::test {

// What ZXing-C++ reads in `matrix` drawn `scale` pixels a module inside `quiet` light modules,
// looking for `format` only.
inline ZXing::Result ReadMatrix(const TModuleMatrix& matrix, ZXing::BarcodeFormat format, int quiet,
                                int scale = 2) {
  const int width = (matrix.Columns() + 2 * quiet) * scale;
  const int height = (matrix.Rows() + 2 * quiet) * scale;
  std::vector<std::uint8_t> grey(static_cast<std::size_t>(width) * height, 255);
  for (int r = 0; r < matrix.Rows(); ++r) {
    for (int c = 0; c < matrix.Columns(); ++c) {
      if (!matrix.Dark(r, c)) continue;
      for (int y = 0; y < scale; ++y) {
        std::uint8_t* row = &grey[static_cast<std::size_t>((r + quiet) * scale + y) * width];
        for (int x = 0; x < scale; ++x) row[(c + quiet) * scale + x] = 0;
      }
    }
  }
  const ZXing::ImageView view(grey.data(), width, height, ZXing::ImageFormat::Lum);
  ZXing::DecodeHints hints;
  hints.setFormats(format);
  hints.setTryHarder(false);
  hints.setCharacterSet("ISO-8859-1");
  return ZXing::ReadBarcode(view, hints);
}

}  // namespace bars::test
