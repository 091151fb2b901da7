// Not implemented yet.
#include "bars.h"

namespace bars {

std::string TBarcode::EncodePostNet() {
  throw Exception(ClassName() + ": EncodePostNet not implemented");
}

}  // namespace bars
