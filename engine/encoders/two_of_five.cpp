// Not implemented yet.
#include "bars.h"

namespace bars {

std::string TBarcode::Encode25Interleaved() {
  throw Exception(ClassName() + ": Encode25Interleaved not implemented");
}

std::string TBarcode::Encode25Industrial() {
  throw Exception(ClassName() + ": Encode25Industrial not implemented");
}

std::string TBarcode::Encode25Matrix() {
  throw Exception(ClassName() + ": Encode25Matrix not implemented");
}

}  // namespace bars
