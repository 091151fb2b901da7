// Module widths, the pattern language and the Width property.
#include <algorithm>
#include <cmath>

#include "bars.h"
#include "rounding.h"

namespace bars {

void TBarcode::ComputeModuleWidths() {
  // Every build asks; the widths change only with these three (a NaN Ratio never matches).
  if (typ_ == widthsTyp_ && modul_ == widthsModul_ && ratio_ == widthsRatio_) return;
  if (const TBCdata* row = CatalogueRow(typ_); row && row->RatioMax > 0) {
    // Both corrections go through the property write: they last and they notify.
    if (ratio_ < row->RatioMin) SetRatio(row->RatioMin);
    if (ratio_ > row->RatioMax) SetRatio(row->RatioMax);
  }
  const double product = static_cast<double>(modul_) * ratio_;
  if (!std::isfinite(product)) {
    throw Exception(ClassName() + ": Ratio must be a finite number");
  }
  const auto w1 = ToInt32(RoundHalfEven(product));
  const auto w2 = w1 ? ToInt32(std::int64_t{3} * *w1 / 2) : std::nullopt;
  const auto w3 = w1 ? ToInt32(std::int64_t{2} * *w1) : std::nullopt;
  if (!w3 || !w2) {
    throw Exception(ClassName() + ": module width out of range (Modul x Ratio)");
  }
  moduleWidths_[0] = modul_;
  moduleWidths_[1] = *w1;
  moduleWidths_[2] = *w2;
  moduleWidths_[3] = *w3;
  widthsTyp_ = typ_;
  widthsModul_ = modul_;
  widthsRatio_ = ratio_;
}

void TBarcode::ThrowInternalError() const {
  throw Exception(ClassName() + ": internal Error");
}

std::string PatternFromWidths(std::string_view widthDigits) {
  std::string pattern(widthDigits.size(), '\0');
  for (std::size_t i = 0; i < widthDigits.size(); ++i) {
    pattern[i] = PatternCharOfWidthDigit(widthDigits[i], i);
  }
  return pattern;
}

std::int32_t TBarcode::GetWidth() {
  const TSymbol symbol = Build(false);
  if (!symbol.Matrix.Empty()) return ModulesToPixels(symbol.Matrix.Columns());
  return PatternWidth(symbol.Pattern);
}

std::int32_t TBarcode::SymbolHeight() {
  const TBCdata* row = CatalogueRow(typ_);
  if (!row || !row->TwoDimensional) return height_;
  return ModulesToPixels(Build(false).Matrix.Rows());
}

std::int32_t TBarcode::ModulesToPixels(std::int32_t modules) const {
  const std::int64_t pixels = std::int64_t{modul_} * modules;
  if (pixels > INT32_MAX) throw Exception(ClassName() + ": symbol width out of range");
  return static_cast<std::int32_t>(pixels);
}

std::int32_t TBarcode::PatternWidth(const std::string& pattern) const {
  std::int64_t total = 0;
  for (char c : pattern) {
    total += DecodePatternChar(c).Width;
    // Elements are at most 2^32 wide, so checking once per element keeps the sum in 64 bits.
    if (total > INT32_MAX || total < INT32_MIN) {
      throw Exception(ClassName() + ": symbol width out of range");
    }
  }
  return static_cast<std::int32_t>(total);
}

TExtent TBarcode::PatternExtent(const std::string& pattern, std::int32_t width) const {
  const bool positiveWidths = std::all_of(std::begin(moduleWidths_), std::end(moduleWidths_),
                                          [](std::int32_t w) { return w > 0; });
  if (positiveWidths) return {0, pattern.empty() ? -1 : std::int64_t{width} - 1};
  TExtent extent{INT64_MAX, INT64_MIN};
  std::int64_t x = 0;
  for (char c : pattern) {
    const std::int64_t right = x + DecodePatternChar(c).Width - 1;
    extent.First = std::min({extent.First, x, right});
    extent.Last = std::max({extent.Last, x, right});
    x = right + 1;
  }
  return extent;
}

void TBarcode::SetWidth(std::int32_t requested) {
  const std::int32_t total = GetWidth();
  if (total <= 0) return;
  // 64-bit product: Modul x requested may exceed 32 bits for large requests.
  const std::int64_t modul = std::int64_t{modul_} * requested / total;
  if (modul < 1 || modul > 49) return;
  SetModul(static_cast<std::int32_t>(modul));
}

}  // namespace bars
