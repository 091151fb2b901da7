#pragma once
// EAN/UPC number sets, guards and parity rows, shared by EAN-13, EAN-8, UPC-A, UPC-E and the
// add-ons. Patterns are pattern characters: '0'..'3' spaces and '5'..'8' bars of 1..4 modules.

#include <array>
#include <string_view>

#include "pattern_checks.h"

namespace bars::ean {

// Number sets A (odd parity), B (even parity) and C (right half), ISO/IEC 15420.
inline constexpr std::array<std::string_view, 10> kSetA = {"2605", "1615", "1516", "0805", "0526",
                                                           "0625", "0508", "0706", "0607", "2506"};
inline constexpr std::array<std::string_view, 10> kSetB = {"0517", "0616", "1606", "0535", "1705",
                                                           "0715", "3505", "1525", "2515", "1507"};
inline constexpr std::array<std::string_view, 10> kSetC = {"7150", "6160", "6061", "5350", "5071",
                                                           "5170", "5053", "5251", "5152", "7051"};

inline constexpr std::string_view kGuardNormal = "505";  // start and end guard
inline constexpr std::string_view kGuardCentre = "05050";

// First-digit parities of EAN-13, ISO/IEC 15420: row d (6 letters) for leading digit d.
inline constexpr std::string_view kEan13Parity =
    "AAAAAAAABABBAABBABAABBBAABAABBABBAABABBBAAABABABABABBAABBABA";

namespace detail {
constexpr bool DigitSetsAreStandard() {
  for (int d = 0; d < 10; ++d) {
    for (auto set : {kSetA, kSetB, kSetC}) {
      if (set[d].size() != 4 || checks::PatternModules(set[d]) != 7) return false;
    }
    if (checks::IsBar(kSetA[d][0]) || checks::IsBar(kSetB[d][0]) || !checks::IsBar(kSetC[d][0]))
      return false;
    // Set B is set C read backwards.
    for (int i = 0; i < 4; ++i) {
      if (kSetB[d][i] != kSetC[d][3 - i]) return false;
    }
  }
  return true;
}
}  // namespace detail
static_assert(detail::DigitSetsAreStandard(), "EAN/UPC number sets must be 7 modules, 2 bars each");
static_assert(kEan13Parity.size() == 60);

}  // namespace bars::ean
