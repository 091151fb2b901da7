// QR Code and Data Matrix as barcode types, plain and with GS1 data: the barcode's options
// handed to the encoders of engine/matrix, and what their symbols carry.
#include "encoding.h"
#include "gs1_input.h"
#include "matrix/data_matrix.h"
#include "matrix/eci.h"
#include "matrix/qr_code.h"

namespace bars {
namespace {

// The bytes a symbol's data characters carry for Text, and the designator they are under; the
// encoders are handed exactly these, so that they apply no other rule.
matrix::TEciData CarriedBytes(const TEncodeRequest& request, std::string_view symbology) {
  return matrix::ApplyEci(request.Text, request.Options->Eci, request.ClassName, symbology);
}

// A matrix symbol carrying `data`, with Text as its human-readable text.
TSymbol MatrixSymbol(TModuleMatrix matrix, const TEncodeRequest& request, matrix::TEciData data) {
  TSymbol symbol;
  symbol.Matrix = std::move(matrix);
  symbol.Data = std::move(data.Bytes);
  symbol.Eci = data.Eci;
  symbol.HumanReadable = request.Text;
  return symbol;
}

matrix::TQrOptions QrOptions(const TEncodeRequest& request, std::int32_t eci) {
  const TSymbolOptions& options = *request.Options;
  matrix::TQrOptions qr;
  qr.Ecc = options.QrEcc;
  qr.EccFixed = options.QrEccFixed;
  qr.Version = options.QrVersion;
  qr.Mask = options.QrMask;
  qr.Eci = eci;
  qr.ClassName = request.ClassName;
  return qr;
}

matrix::TDmOptions DmOptions(const TEncodeRequest& request, std::int32_t eci) {
  const TSymbolOptions& options = *request.Options;
  matrix::TDmOptions dm;
  dm.Shape = options.DmShape;
  dm.Dmre = options.Dmre;
  dm.Rows = options.DmRows;
  dm.Columns = options.DmColumns;
  dm.Eci = eci;
  dm.ClassName = request.ClassName;
  return dm;
}

// GS1 data carry no ECI: one asked for is handed on for the encoder to refuse.
std::int32_t Gs1Eci(const TEncodeRequest& request) {
  return request.Options->Eci == kEciAuto ? kEciNone : request.Options->Eci;
}

// A matrix symbol of GS1 data: the element string as a reader returns it, the bracketed form
// printed.
TSymbol Gs1MatrixSymbol(TModuleMatrix matrix, TGs1Input input) {
  TSymbol symbol;
  symbol.Matrix = std::move(matrix);
  symbol.Data = std::move(input.ElementString);
  symbol.HumanReadable = std::move(input.HumanReadable);
  return symbol;
}

}  // namespace

TSymbol EncodeQRCodeSymbol(const TEncodeRequest& request) {
  matrix::TEciData data = CarriedBytes(request, "QR Code");
  matrix::TQrSymbol made = matrix::EncodeQrCode(data.Bytes, QrOptions(request, data.Eci));
  const bool eci = data.Eci != kEciNone;
  TSymbol symbol = MatrixSymbol(std::move(made.Matrix), request, std::move(data));
  // ISO/IEC 15424: modifier 2 when an ECI is in the data.
  if (eci) symbol.SymbologyId = "]Q2";
  symbol.Qr = TQrFacts{made.Version, made.Ecc, made.Mask};
  return symbol;
}

TSymbol EncodeDataMatrixSymbol(const TEncodeRequest& request) {
  matrix::TEciData data = CarriedBytes(request, "Data Matrix");
  matrix::TDmSymbol made = matrix::EncodeDataMatrix(data.Bytes, DmOptions(request, data.Eci));
  const bool eci = data.Eci != kEciNone;
  TSymbol symbol = MatrixSymbol(std::move(made.Matrix), request, std::move(data));
  if (eci) symbol.SymbologyId = "]d4";
  return symbol;
}

TSymbol EncodeGS1QRCodeSymbol(const TEncodeRequest& request) {
  TGs1Input input = ParseGs1Input(request, "GS1 QR Code", false);
  matrix::TQrOptions qr = QrOptions(request, Gs1Eci(request));
  qr.Gs1 = true;
  matrix::TQrSymbol made = matrix::EncodeQrCode(input.ElementString, qr);
  TSymbol symbol = Gs1MatrixSymbol(std::move(made.Matrix), std::move(input));
  symbol.Qr = TQrFacts{made.Version, made.Ecc, made.Mask};
  return symbol;
}

TSymbol EncodeGS1DataMatrixSymbol(const TEncodeRequest& request) {
  TGs1Input input = ParseGs1Input(request, "GS1 DataMatrix", false);
  matrix::TDmOptions dm = DmOptions(request, Gs1Eci(request));
  dm.Gs1 = true;
  matrix::TDmSymbol made = matrix::EncodeDataMatrix(input.ElementString, dm);
  return Gs1MatrixSymbol(std::move(made.Matrix), std::move(input));
}

}  // namespace bars
