// GS1-128: Code 128 with FNC1 after the start, carrying GS1 element strings checked against the
// Application Identifiers (gs1.h), with an FNC1 after every variable-length element that another
// follows, in the fewest symbol characters.
#include <vector>

#include "code128_shortest.h"
#include "encoding.h"
#include "gs1.h"

namespace bars {

TEncoded EncodeGS1_128(const TEncodeRequest& request) {
  const std::vector<gs1::Element> elements = gs1::ParseBracketed(request.Text);
  std::vector<int> data{code128::kFnc1Data};
  for (std::size_t i = 0; i < elements.size(); ++i) {
    for (std::string_view part :
         {std::string_view(elements[i].Ai), std::string_view(elements[i].Value)}) {
      for (char c : part) data.push_back(static_cast<unsigned char>(c));
    }
    if (elements[i].Separated && i + 1 < elements.size()) data.push_back(code128::kFnc1Data);
  }
  return {code128::PatternOfValues(code128::ShortestValues(data)), std::nullopt};
}

}  // namespace bars
