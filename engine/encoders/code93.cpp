// Not implemented yet.
#include "bars.h"

namespace bars {

std::string TBarcode::EncodeCode93() {
  throw Exception(ClassName() + ": EncodeCode93 not implemented");
}

std::string TBarcode::EncodeCode93Ext() {
  throw Exception(ClassName() + ": EncodeCode93Ext not implemented");
}

}  // namespace bars
