// Encodes GS1's sample EAN-13 with the installed engine and prints its width in pixels.
#include <iostream>

#include "bars.h"

int main() {
  bars::TBarcode bc;
  bc.SetTyp(bars::bcCodeEAN13);
  bc.SetChecksum(true);
  bc.SetText("400638133393");
  try {
    std::cout << bc.Width() << '\n';
  } catch (const bars::Exception& e) {
    std::cerr << e.Message() << '\n';
    return 1;
  }
}
