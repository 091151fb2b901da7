// GS1-128: Code 128 with FNC1 after the start, carrying GS1 element strings checked against the
// Application Identifiers (gs1.h), with an FNC1 after every variable-length element that another
// follows, in the fewest symbol characters.
#include <vector>

#include "code128_shortest.h"
#include "encoding.h"
#include "gs1_input.h"

namespace bars {

TSymbol EncodeGS1_128(const TEncodeRequest& request) {
  TGs1Input input = ParseGs1Input(request, "GS1-128", true);
  std::vector<int> data{code128::kFnc1Data};
  for (char c : input.ElementString) {
    data.push_back(c == gs1::kSeparator ? code128::kFnc1Data : static_cast<unsigned char>(c));
  }
  TSymbol symbol;
  symbol.Pattern = code128::PatternOfValues(code128::ShortestValues(data));
  symbol.HumanReadable = std::move(input.HumanReadable);
  symbol.Data = std::move(input.ElementString);
  return symbol;
}

}  // namespace bars
