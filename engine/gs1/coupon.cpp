// The North American coupon layouts of AIs (8110) and (8112) (GS1 US coupon guidelines, as the
// GS1 linters couponcode and couponposoffer read them): digits only, fields in a fixed order,
// many of them a length digit (VLI) followed by that many digits plus a fixed number.
#include <string>
#include <string_view>

#include "gs1/lint.h"

namespace bars::gs1::detail {
namespace {

// Reads the coupon part by part; the first problem is kept and every later read does nothing.
class CouponReader {
 public:
  explicit CouponReader(std::string_view data) : data_(data) {}

  bool Ok() const { return problem_.empty(); }
  bool AtEnd() const { return at_ == data_.size(); }
  char Peek() const { return data_[at_]; }
  std::string_view Rest() const { return data_.substr(at_); }
  const std::string& Problem() const { return problem_; }
  void Fail(std::string problem) {
    if (Ok()) problem_ = "coupon " + std::move(problem);
  }

  // The next digit, which must be one of `allowed` (written out as `allowedText`); -1 on failure.
  int Digit(std::string_view part, std::string_view allowed, std::string_view allowedText) {
    if (!Ok()) return -1;
    if (AtEnd()) {
      Fail(std::string(part) + " is missing");
      return -1;
    }
    const char c = data_[at_];
    if (allowed.find(c) == std::string_view::npos) {
      Fail(std::string(part) + " must be " + std::string(allowedText) + ", not \"" + c + "\"");
      return -1;
    }
    ++at_;
    return c - '0';
  }

  // The next `n` digits; "" on failure.
  std::string_view Digits(std::string_view part, std::size_t n) {
    if (!Ok()) return {};
    if (AtEnd()) {
      Fail(std::string(part) + " is missing");
      return {};
    }
    if (data_.size() - at_ < n) {
      Fail(std::string(part) + " is cut short: " + std::to_string(data_.size() - at_) + " of " +
           std::to_string(n) + " digits");
      return {};
    }
    const std::string_view digits = data_.substr(at_, n);
    at_ += n;
    return digits;
  }

  // A length digit of `allowed`, then that many digits and `extra` more.
  std::string_view Counted(std::string_view part, std::string_view allowed,
                           std::string_view allowedText, std::size_t extra) {
    const int vli = Digit(std::string(part) + " length", allowed, allowedText);
    return vli < 0 ? std::string_view{} : Digits(part, static_cast<std::size_t>(vli) + extra);
  }

 private:
  std::string_view data_;
  std::size_t at_ = 0;
  std::string problem_;
};

constexpr std::string_view kAnyDigit = "0123456789";

bool DigitsOnly(CouponReader& r, std::string_view data) {
  const std::size_t bad = data.find_first_not_of(kAnyDigit);
  if (bad != std::string_view::npos)
    r.Fail(std::string("must hold digits only, not \"") + data[bad] + "\"");
  return r.Ok();
}

// A purchase requirement: its length digit and value, its code and its family code.
void PurchaseRequirement(CouponReader& r, const std::string& which) {
  r.Counted(which + " purchase requirement", "12345", "1 to 5", 0);
  r.Digit(which + " purchase requirement code", "012349", "0 to 4 or 9");
  r.Digits(which + " purchase family code", 3);
}

// The company prefix of the second or third purchase: length digit 0 to 6, or 9 for none.
void PurchaseCompanyPrefix(CouponReader& r, const std::string& which) {
  const std::string part = which + " purchase company prefix";
  const int vli = r.Digit(part + " length", "01234569", "0 to 6 or 9");
  if (vli >= 0 && vli != 9) r.Digits(part, static_cast<std::size_t>(vli) + 6);
}

}  // namespace

std::string CheckCouponCode(std::string_view data, int currentYear) {
  CouponReader r(data);
  if (!DigitsOnly(r, data)) return r.Problem();
  r.Counted("company prefix", "0123456", "0 to 6", 6);
  r.Digits("offer code", 6);
  r.Counted("save value", "12345", "1 to 5", 0);
  PurchaseRequirement(r, "first");
  // Optional fields, each once and in this order, each after its field number.
  constexpr std::string_view kFields = "1234569";
  std::size_t next = 0;
  std::string_view expiry;
  while (r.Ok() && !r.AtEnd()) {
    const std::size_t field = kFields.find(r.Peek(), next);
    if (field == std::string_view::npos) break;
    next = field + 1;
    r.Digit("field number", kFields, "a field number");
    switch (kFields[field]) {
      case '1':
        r.Digit("additional purchase rules code", "0123", "0 to 3");
        PurchaseRequirement(r, "second");
        PurchaseCompanyPrefix(r, "second");
        break;
      case '2':
        PurchaseRequirement(r, "third");
        PurchaseCompanyPrefix(r, "third");
        break;
      case '3':
        expiry = r.Digits("expiration date", 6);
        if (r.Ok() && !IsYymmdd(expiry, false, currentYear))
          r.Fail("expiration date is not a valid date");
        break;
      case '4': {
        const std::string_view start = r.Digits("start date", 6);
        if (r.Ok() && !IsYymmdd(start, false, currentYear))
          r.Fail("start date is not a valid date");
        if (r.Ok() && !expiry.empty() && start > expiry)
          r.Fail("start date comes after its expiration date");
        break;
      }
      case '5':
        r.Counted("serial number", kAnyDigit, "0 to 9", 6);
        break;
      case '6':
        r.Counted("retailer company prefix or GLN", "1234567", "1 to 7", 6);
        break;
      default:  // '9'
        r.Digit("save value code", "01256", "0, 1, 2, 5 or 6");
        r.Digit("save value applies to item", "012", "0 to 2");
        r.Digit("store coupon flag", kAnyDigit, "a digit");
        r.Digit("don't multiply flag", "01", "0 or 1");
        break;
    }
  }
  if (r.Ok() && !r.AtEnd())
    r.Fail("has data after its last field: \"" + std::string(r.Rest()) + "\"");
  return r.Problem();
}

std::string CheckCouponPositiveOffer(std::string_view data) {
  CouponReader r(data);
  if (!DigitsOnly(r, data)) return r.Problem();
  r.Digit("format code", "01", "0 or 1");
  r.Counted("funder ID", "0123456", "0 to 6", 6);
  r.Digits("offer code", 6);
  r.Counted("serial number", kAnyDigit, "0 to 9", 6);
  if (r.Ok() && !r.AtEnd())
    r.Fail("has data after its serial number: \"" + std::string(r.Rest()) + "\"");
  return r.Problem();
}

}  // namespace bars::gs1::detail
