#include "gs1_input.h"

#include "digital_link.h"

namespace bars {

TGs1Input ParseGs1Input(const TEncodeRequest& request, std::string_view symbology,
                        bool gs1_128Limit) {
  gs1::ParseOptions options;
  options.Symbology = symbology;
  options.RequisiteCheck = request.Options->Gs1RequisiteCheck;
  options.Gs1_128Limit = gs1_128Limit;
  const std::string_view text = request.Text;
  const bool uri = text.starts_with("http://") || text.starts_with("https://");
  TGs1Input input;
  input.Elements = uri ? gs1::ParseDigitalLink(text, options) : gs1::ParseBracketed(text, options);
  input.ElementString = gs1::ElementString(input.Elements);
  input.HumanReadable = uri ? gs1::HumanReadable(input.Elements) : std::string(text);
  return input;
}

}  // namespace bars
