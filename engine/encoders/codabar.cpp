// Not implemented yet.
#include "bars.h"

namespace bars {

std::string TBarcode::EncodeCodabar() {
  throw Exception(ClassName() + ": EncodeCodabar not implemented");
}

}  // namespace bars
