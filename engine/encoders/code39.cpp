// Not implemented yet.
#include "bars.h"

namespace bars {

std::string TBarcode::EncodeCode39() {
  throw Exception(ClassName() + ": EncodeCode39 not implemented");
}

std::string TBarcode::EncodeCode39Ext() {
  throw Exception(ClassName() + ": EncodeCode39Ext not implemented");
}

}  // namespace bars
