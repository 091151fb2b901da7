// Not implemented yet.
#include "bars.h"

namespace bars {

void TBarcode::PaintTo(TCanvas&) { throw Exception(ClassName() + ": PaintTo not implemented"); }
void TBarcode::PaintBars(const std::string&, TCanvas&) {}
void TBarcode::PaintText(TCanvas&) {}

}  // namespace bars
