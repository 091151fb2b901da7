#pragma once
// The content checks of AI components (the GS1 Barcode Syntax Tests).

#include <cstddef>
#include <string>
#include <string_view>

#include "gs1/ai_table.h"

namespace bars::gs1::detail {

// Where a component lies in its AI's value, for the messages.
struct Place {
  std::size_t At = 0, Length = 0, ValueLength = 0;
  // "characters 1 to 4", "character 7", or "" when the component is the whole value.
  std::string Text() const;
};

// Checks one component's `data`, which already has the component's length and character set.
// Returns "" when it passes, else what is wrong, worded to follow "AI (nn) "; `currentYear`
// places two-digit years in a century.
std::string CheckComponent(Lint lint, std::string_view data, const Place& place, int currentYear);

// Whether `date` (YYMMDD) is a real date, day 00 allowed or not, its century chosen by GS1's
// rule relative to `currentYear`.
bool IsYymmdd(std::string_view date, bool dayZeroAllowed, int currentYear);

// The list-based checks (lint_lists.cpp), each returning "" or what is wrong as above.
std::string CheckIso3166(std::string_view code, bool or999);
std::string CheckIso3166Alpha2(std::string_view code);
std::string CheckIso4217(std::string_view code);
std::string CheckPackageType(std::string_view code);
std::string CheckIban(std::string_view iban);
// A GS1 Company Prefix from the start of `data`, after `skip` leading characters (0 or 1).
std::string CheckCompanyPrefix(std::string_view data, std::size_t skip, const Place& place);

// The GS1 US coupon layouts (coupon.cpp) of AIs (8110) and (8112).
std::string CheckCouponCode(std::string_view data, int currentYear);
std::string CheckCouponPositiveOffer(std::string_view data);

}  // namespace bars::gs1::detail
