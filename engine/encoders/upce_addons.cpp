// Not implemented yet.
#include "bars.h"

namespace bars {

std::string TBarcode::EncodeUPCE0() {
  throw Exception(ClassName() + ": EncodeUPCE0 not implemented");
}

std::string TBarcode::EncodeUPCE1() {
  throw Exception(ClassName() + ": EncodeUPCE1 not implemented");
}

std::string TBarcode::EncodeSupp2() {
  throw Exception(ClassName() + ": EncodeSupp2 not implemented");
}

std::string TBarcode::EncodeSupp5() {
  throw Exception(ClassName() + ": EncodeSupp5 not implemented");
}

}  // namespace bars
