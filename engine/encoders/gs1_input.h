#pragma once
// What every GS1 type takes as Text: bracketed AI data, "(01)09501101530003(10)AB-123", or a
// GS1 Digital Link URI, "https://id.gs1.org/01/09501101530003/10/AB-123", checked alike.

#include <string>
#include <string_view>
#include <vector>

#include "encoding.h"
#include "gs1.h"

namespace bars {

// The checked element strings of request.Text and their human-readable form.
struct TGs1Input {
  std::vector<gs1::Element> Elements;
  std::string ElementString;  // as the symbol carries it, GS for each FNC1 after the first
  std::string HumanReadable;  // the bracketed form: Text as typed, or that of a URI's elements
};

// Parses request.Text as bracketed data, or as a Digital Link URI when it starts with
// "http://" or "https://", with the requisite check of request.Options; messages start with
// `symbology`. `gs1_128Limit`: at most the 48 data characters of one GS1-128 symbol. Raises
// bars::Exception for every fault the GS1 checks find.
TGs1Input ParseGs1Input(const TEncodeRequest& request, std::string_view symbology,
                        bool gs1_128Limit);

}  // namespace bars
