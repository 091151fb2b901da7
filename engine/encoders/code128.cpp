// Not implemented yet.
#include "bars.h"

namespace bars {

std::string TBarcode::EncodeCode128() {
  throw Exception(ClassName() + ": EncodeCode128 not implemented");
}

}  // namespace bars
