#pragma once
// From data codewords to modules: error correction and the symbol's layout.

#include <cstdint>
#include <span>

#include "data_matrix_tables.h"
#include "module_matrix.h"

namespace bars::matrix::dm {

// The symbol of `size` (an entry of kSizes) carrying `data` (exactly size.DataCodewords
// codewords): the Reed-Solomon blocks added and interleaved, every codeword placed in the data
// regions, and each region framed by its finder and timing patterns.
TModuleMatrix LayOutSymbol(const TDmSize& size, std::span<const std::uint8_t> data);

}  // namespace bars::matrix::dm
