// The barcode object: defaults, property writes with change notification, Assign.
#include "bars.h"

namespace bars {
namespace {

// Stores `value` and notifies when it differs from `field`.
template <typename T>
void StoreAndNotify(TBarcode& self, T& field, const T& value) {
  if (field == value) return;
  field = value;
  self.NotifyChange();
}

}  // namespace

TBarcode::TBarcode(TComponent* owner) : TComponent(owner) {}

TBarcode::~TBarcode() = default;

void TBarcode::Assign(const TComponent* source) {
  const auto* other = dynamic_cast<const TBarcode*>(source);
  if (!other || other == this) return;
  height_ = other->height_;
  text_ = other->text_;
  top_ = other->top_;
  left_ = other->left_;
  modul_ = other->modul_;
  ratio_ = other->ratio_;
  typ_ = other->typ_;
  checksum_ = other->checksum_;
  showText_ = other->showText_;
  angle_ = other->angle_;
  color_ = other->color_;
  colorBar_ = other->colorBar_;
  checkSumMethod_ = other->checkSumMethod_;
  onChange_ = other->onChange_;
  addOn_ = other->addOn_;
  symbolOptions_ = other->symbolOptions_;
}

void TBarcode::NotifyChange() {
  if (onChange_) onChange_(*this);
}

std::string TBarcode::GetTypName() const {
  const TBCdata* row = CatalogueRow(typ_);
  return row ? std::string(row->TypeName) : std::string();
}

void TBarcode::SetHeight(std::int32_t value) {
  StoreAndNotify(*this, height_, value);
}
void TBarcode::SetTop(std::int32_t value) {
  StoreAndNotify(*this, top_, value);
}
void TBarcode::SetLeft(std::int32_t value) {
  StoreAndNotify(*this, left_, value);
}
void TBarcode::SetRatio(double value) {
  StoreAndNotify(*this, ratio_, value);
}
void TBarcode::SetTyp(TBarcodeType value) {
  StoreAndNotify(*this, typ_, value);
}
void TBarcode::SetChecksum(bool value) {
  StoreAndNotify(*this, checksum_, value);
}
void TBarcode::SetAngle(double value) {
  StoreAndNotify(*this, angle_, value);
}
void TBarcode::SetShowText(TBarcodeOption value) {
  StoreAndNotify(*this, showText_, value);
}
void TBarcode::SetShowTextPosition(TShowTextPosition value) {
  StoreAndNotify(*this, showTextPosition_, value);
}

void TBarcode::SetText(std::string_view value) {
  if (text_ == value) return;
  text_.assign(value);
  NotifyChange();
}

void TBarcode::SetAddOn(std::string_view value) {
  if (addOn_ == value) return;
  addOn_.assign(value);
  NotifyChange();
}

void TBarcode::SetSymbolOptions(const TSymbolOptions& value) {
  StoreAndNotify(*this, symbolOptions_, value);
}

void TBarcode::SetModul(std::int32_t value) {
  if (value < 1 || value > 49) return;
  modul_ = value;
  NotifyChange();
}

void TBarcode::SetShowTextFont(const TFont& font) {
  showTextFont_.Assign(font);
  NotifyChange();
}

}  // namespace bars
