// BuildPattern and the text services shared by the encoders.
#include "bars.h"
#include "chksum.h"

namespace bars {

const TBarcode::Encoder TBarcode::kEncoders[kBarcodeTypeCount] = {
    &TBarcode::Encode25Interleaved,  // bcCode_2_5_interleaved
    &TBarcode::Encode25Industrial,   // bcCode_2_5_industrial
    &TBarcode::Encode25Matrix,       // bcCode_2_5_matrix
    &TBarcode::EncodeCode39,         // bcCode39
    &TBarcode::EncodeCode39Ext,      // bcCode39Extended
    &TBarcode::EncodeCode128,        // bcCode128A
    &TBarcode::EncodeCode128,        // bcCode128B
    &TBarcode::EncodeCode128,        // bcCode128C
    &TBarcode::EncodeCode93,         // bcCode93
    &TBarcode::EncodeCode93Ext,      // bcCode93Extended
    &TBarcode::EncodeMSI,            // bcCodeMSI
    &TBarcode::EncodePostNet,        // bcCodePostNet
    &TBarcode::EncodeCodabar,        // bcCodeCodabar
    &TBarcode::EncodeEAN8,           // bcCodeEAN8
    &TBarcode::EncodeEAN13,          // bcCodeEAN13
    &TBarcode::EncodeUPCA,           // bcCodeUPC_A
    &TBarcode::EncodeUPCE0,          // bcCodeUPC_E0
    &TBarcode::EncodeUPCE1,          // bcCodeUPC_E1
    &TBarcode::EncodeSupp2,          // bcCodeUPC_Supp2
    &TBarcode::EncodeSupp5,          // bcCodeUPC_Supp5
    &TBarcode::EncodeCode128,        // bcCodeEAN128A
    &TBarcode::EncodeCode128,        // bcCodeEAN128B
    &TBarcode::EncodeCode128,        // bcCodeEAN128C
};

namespace {

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string TBarcode::BuildPattern() {
  ComputeModuleWidths();
  if (const TBCdata* row = CatalogueRow(typ_); row && row->NumericOnly) {
    // The trimmed Text is stored directly (no notification) and stays even if the check fails.
    std::size_t first = 0, last = text_.size();
    while (first < last && IsBlankOrControl(text_[first])) ++first;
    while (last > first && IsBlankOrControl(text_[last - 1])) --last;
    if (first > 0 || last < text_.size()) text_ = text_.substr(first, last - first);
    for (char c : text_) {
      if (c < '0' || c > '9') throw Exception("Barcode must be numeric");
    }
  }
  if (typ_ > bcCodeEAN128C) throw Exception(ClassName() + ": wrong BarcodeType");
  // Through a local: g++ 12 with -fsanitize=undefined miscompiles a call through an indexed
  // array of member-function pointers that return a class (bogus bounds report, then a crash).
  const Encoder encoder = kEncoders[typ_];
  return (this->*encoder)();
}

Exception TBarcode::BadData(std::string_view family) const {
  return Exception(ClassName() + ":" + std::string(family) + " bad Data <" + text_ + ">");
}

std::string TBarcode::ApplyCheckSumMethod(std::string_view s) const {
  if (checkSumMethod_ == csmModulo10) return AppendModulo10(s);
  return std::string(s);
}

std::string TBarcode::ZeroPaddedText(std::size_t length) const {
  if (text_.size() >= length) return text_;
  std::string padded(length - text_.size(), '0');
  padded += text_;
  return padded;
}

}  // namespace bars
