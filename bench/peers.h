#pragma once
// The symbols measured, each with the data our engine encodes and the same symbol's data and
// options for libzint, so that each of our figures has a peer figure from the same run.

#include <string_view>

#include "bars.h"

namespace bench {

struct Peer {
  std::string_view name;      // benchmark name part
  bars::TBarcodeType typ;     // our type
  std::string_view text;      // our Text
  bool checksum;              // our Checksum
  int zintSymbology;          // 0: no peer
  std::string_view zintData;  // the same symbol for libzint
  int zintOption2;            // zint option_2 (check digit choice), 0 = default
};

// Filled in bench_encode.cpp; the zint numbers are zint's symbology identifiers.
extern const Peer kPeers[];
extern const std::size_t kPeerCount;

}  // namespace bench
