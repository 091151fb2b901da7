// Encodes GS1's sample EAN-13 with the installed engine and prints its width in pixels; parses
// a GS1 element string too, so that the GS1 header and its functions are checked as installed.
#include <barcode/bars.h>
#include <barcode/gs1.h>

#include <iostream>

#include "graphics.h"

int main() {
  bars::TBarcode bc;
  bc.SetTyp(bars::bcCodeEAN13);
  bc.SetChecksum(true);
  bc.SetText("400638133393");
  try {
    if (bars::gs1::ParseBracketed("(01)09501101530003(10)AB-123").size() != 2) return 1;
    const auto width = bc.Width();
    std::cout << width << '\n';
    return width == client::kEan13Modules ? 0 : 1;
  } catch (const bars::Exception& e) {
    std::cerr << e.Message() << '\n';
    return 1;
  }
}
