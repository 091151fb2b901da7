#pragma once
// The shortest Code 128 symbol of a data sequence, shared by Code 128 and GS1-128.
#include <string>
#include <vector>

namespace bars::code128 {

// A data element that stands for FNC1 rather than a byte (bytes are 0..255).
inline constexpr int kFnc1Data = 256;

// The symbol character values (start character first, no check character or stop) of the
// fewest-character encoding of `data`: code sets, shifts, set changes and FNC4 (single, or
// doubled to latch the extended characters) chosen over every possibility.
std::vector<int> ShortestValues(const std::vector<int>& data);

// The pattern of `values` (as ShortestValues gives them) with the check character and the stop.
std::string PatternOfValues(const std::vector<int>& values);

}  // namespace bars::code128
