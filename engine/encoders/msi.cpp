// Not implemented yet.
#include "bars.h"

namespace bars {

std::string TBarcode::EncodeMSI() {
  throw Exception(ClassName() + ": EncodeMSI not implemented");
}

}  // namespace bars
