#include "encoding.h"
namespace bars {
TEncoded EncodeGS1_128(const TEncodeRequest& request) {
  throw BadData(request, "GS1-128");
}
}  // namespace bars
