// QR Code and Data Matrix as barcode types: the barcode's options handed to the encoders of
// engine/matrix, and what their symbols carry.
#include "encoding.h"
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

}  // namespace

TSymbol EncodeQRCodeSymbol(const TEncodeRequest& request) {
  const TSymbolOptions& options = *request.Options;
  matrix::TEciData data = CarriedBytes(request, "QR Code");
  matrix::TQrOptions qr;
  qr.Ecc = options.QrEcc;
  qr.EccFixed = options.QrEccFixed;
  qr.Version = options.QrVersion;
  qr.Mask = options.QrMask;
  qr.Eci = data.Eci;
  qr.ClassName = request.ClassName;
  matrix::TQrSymbol made = matrix::EncodeQrCode(data.Bytes, qr);
  const bool eci = data.Eci != kEciNone;
  TSymbol symbol = MatrixSymbol(std::move(made.Matrix), request, std::move(data));
  // ISO/IEC 15424: modifier 2 when an ECI is in the data.
  if (eci) symbol.SymbologyId = "]Q2";
  symbol.Qr = TQrFacts{made.Version, made.Ecc, made.Mask};
  return symbol;
}

TSymbol EncodeDataMatrixSymbol(const TEncodeRequest& request) {
  const TSymbolOptions& options = *request.Options;
  matrix::TEciData data = CarriedBytes(request, "Data Matrix");
  matrix::TDmOptions dm;
  dm.Shape = static_cast<matrix::TDmShape>(options.DmShape);
  dm.Dmre = options.Dmre;
  dm.Rows = options.DmRows;
  dm.Columns = options.DmColumns;
  dm.Eci = data.Eci;
  dm.ClassName = request.ClassName;
  matrix::TDmSymbol made = matrix::EncodeDataMatrix(data.Bytes, dm);
  const bool eci = data.Eci != kEciNone;
  TSymbol symbol = MatrixSymbol(std::move(made.Matrix), request, std::move(data));
  if (eci) symbol.SymbologyId = "]d4";
  return symbol;
}

}  // namespace bars
