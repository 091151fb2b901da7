// BuildPattern and the text services shared by the encoders.
#include "bars.h"
#include "chksum.h"

namespace bars {
namespace {

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

bool AllDigits(std::string_view s) {
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::string TBarcode::BuildPattern() {
  return std::move(Build(false).Pattern);
}

TSymbol TBarcode::BuildSymbol() {
  return Build(true);
}

TSymbol TBarcode::Build(bool content) {
  const TBCdata* row = CatalogueRow(typ_);
  // A matrix has no bars whose widths Ratio could set (or spoil).
  if (!row || !row->TwoDimensional) ComputeModuleWidths();
  if (row && row->NumericOnly) {
    // The trimmed Text is stored directly (no notification) and stays even if the check fails.
    std::size_t first = 0, last = text_.size();
    while (first < last && IsBlankOrControl(text_[first])) ++first;
    while (last > first && IsBlankOrControl(text_[last - 1])) --last;
    if (first > 0 || last < text_.size()) text_ = text_.substr(first, last - first);
    if (!AllDigits(text_)) throw Exception("Barcode must be numeric");
  }
  if (!row) throw Exception(ClassName() + ": wrong BarcodeType");
  if (!addOn_.empty()) CheckAddOn(*row);

  const std::string className = ClassName();
  // Through a local: g++ 12 with -fsanitize=undefined miscompiles a call through an indexed
  // table of functions that return a class (bogus bounds report, then a crash).
  const TEncoder encode = row->Encode.Function();
  TSymbol symbol =
      encode({text_, typ_, checksum_, checkSumMethod_, className, &symbolOptions_, content});
  if (symbol.SymbologyId.empty()) symbol.SymbologyId = row->Reader.SymbologyId;
  if (!addOn_.empty()) {
    symbol.Pattern += AttachedAddOnPattern(addOn_);
    if (content) {
      symbol.AddOn = addOn_;
      symbol.HumanReadable += " " + addOn_;
    }
    symbol.SymbologyId = "]E3";  // ISO/IEC 15424: the main symbol and its add-on in one
  }
  if (symbol.Text) text_ = *symbol.Text;
  return symbol;
}

TSymbol LinearSymbol(const TEncodeRequest& request, std::string pattern, std::string_view carried) {
  TSymbol symbol;
  symbol.Pattern = std::move(pattern);
  if (request.Content) {
    symbol.HumanReadable = carried;
    symbol.Data = carried;
  }
  return symbol;
}

TSymbol RewritingSymbol(const TEncodeRequest& request, std::string pattern, std::string text) {
  TSymbol symbol = LinearSymbol(request, std::move(pattern), text);
  symbol.Text = std::move(text);
  return symbol;
}

void TBarcode::CheckAddOn(const TBCdata& row) const {
  if (!row.TakesAddOn) {
    throw Exception(ClassName() + ": an add-on follows EAN13, UPC_A, UPC_E0 or UPC_E1 only, not " +
                    std::string(row.TypeName));
  }
  if ((addOn_.size() != 2 && addOn_.size() != 5) || !AllDigits(addOn_))
    throw Exception(ClassName() + ": AddOn must be 2 or 5 digits <" + addOn_ + ">");
}

Exception BadData(const TEncodeRequest& request, std::string_view family) {
  return Exception(std::string(request.ClassName) + ":" + std::string(family) + " bad Data <" +
                   std::string(request.Text) + ">");
}

std::string ApplyCheckSumMethod(TCheckSumMethod method, std::string_view s) {
  if (method == csmModulo10) return AppendModulo10(s);
  return std::string(s);
}

std::string TBarcode::ApplyCheckSumMethod(std::string_view s) const {
  return bars::ApplyCheckSumMethod(checkSumMethod_, s);
}

std::string ZeroPadded(std::string_view text, std::size_t length) {
  if (text.size() >= length) return std::string(text);
  std::string padded(length - text.size(), '0');
  padded += text;
  return padded;
}

std::string TBarcode::ZeroPaddedText(std::size_t length) const {
  return ZeroPadded(text_, length);
}

}  // namespace bars
