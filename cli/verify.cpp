#include "verify.h"

#include <ZXing/ReadBarcode.h>
#include <ZXing/ZXVersion.h>

#include "render.h"

namespace bars::cli {
namespace {

using ZXing::BarcodeFormat;

// ZXing-C++'s format for a reader family; nothing for the families it does not read.
std::optional<BarcodeFormat> ReaderFormat(TReaderFamily family) {
  switch (family) {
    case TReaderFamily::Ean13:
      return BarcodeFormat::EAN13;
    case TReaderFamily::Ean8:
      return BarcodeFormat::EAN8;
    case TReaderFamily::UpcA:
      return BarcodeFormat::UPCA;
    case TReaderFamily::UpcE:
      return BarcodeFormat::UPCE;
    case TReaderFamily::Code128:
      return BarcodeFormat::Code128;
    case TReaderFamily::Code39:
      return BarcodeFormat::Code39;
    case TReaderFamily::Code93:
      return BarcodeFormat::Code93;
    case TReaderFamily::Codabar:
      return BarcodeFormat::Codabar;
    case TReaderFamily::Itf:
      return BarcodeFormat::ITF;
    case TReaderFamily::QrCode:
      return BarcodeFormat::QRCode;
    case TReaderFamily::DataMatrix:
      return BarcodeFormat::DataMatrix;
    case TReaderFamily::Industrial2of5:
    case TReaderFamily::Matrix2of5:
    case TReaderFamily::Msi:
    case TReaderFamily::PostNet:
    case TReaderFamily::EanAddOn:
      break;
  }
  return std::nullopt;
}

// The catalogue row's reader facts; the type is known to be in the catalogue once built.
const TReaderFacts& ReaderOf(const TBarcode& barcode) {
  return CatalogueRow(barcode.Typ())->Reader;
}

// Bytes 0x80..0xFF are Latin-1 characters in every symbology here; the reader answers in UTF-8.
std::string Latin1ToUtf8(std::string_view bytes) {
  std::string utf8;
  for (char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | u >> 6);
      utf8 += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return utf8;
}

// One line: control characters and bytes above '~' as \xHH.
std::string Shown(std::string_view s) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127 || c == '"' || c == '\\') {
      out += "\\x";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

ZXing::DecodeHints HintsFor(const TBarcode& barcode, BarcodeFormat format) {
  ZXing::DecodeHints hints;
  hints.setFormats(format);
  hints.setTryRotate(true);
  hints.setTryCode39ExtendedMode(barcode.Typ() == bcCode39Extended);
  // With Checksum the modulo-43 character is in the bars; the reader checks and drops it.
  hints.setValidateCode39CheckSum(barcode.Checksum());
  // Code 128's bytes are Latin-1 by definition; left alone, the reader guesses the set.
  hints.setCharacterSet("ISO-8859-1");
  if (!barcode.AddOn().empty()) hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
  return hints;
}

}  // namespace

std::optional<std::string> ExpectedReading(TBarcode& barcode) {
  const TSymbol symbol = barcode.BuildSymbol();
  if (!ReaderFormat(ReaderOf(barcode).Family)) return std::nullopt;
  if (!symbol.Matrix.Empty()) return symbol.Data;
  // ZXing-C++ gives an attached add-on after a blank.
  return Latin1ToUtf8(symbol.AddOn.empty() ? symbol.Data : symbol.Data + " " + symbol.AddOn);
}

TVerification VerifyPicture(const QImage& picture, TBarcode& barcode) {
  const std::optional<BarcodeFormat> format = ReaderFormat(ReaderOf(barcode).Family);
  if (!format) return {TVerdict::NoReader, "ZXing-C++ does not read " + barcode.GetTypName()};
  const std::string expected = *ExpectedReading(barcode);
  // Readers refuse symbols shorter than this, however well printed.
  const std::size_t shortest = ReaderOf(barcode).MinLength;
  if (barcode.Text().size() < shortest) {
    return {TVerdict::NoReader, "ZXing-C++ does not read " + barcode.GetTypName() +
                                    " of fewer than " + std::to_string(shortest) +
                                    (shortest == 1 ? " character" : " characters")};
  }
  const QImage grey =
      TurnedUpright(picture, barcode.Angle()).convertToFormat(QImage::Format_Grayscale8);
  const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                              ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
  const ZXing::Result result = ZXing::ReadBarcode(view, HintsFor(barcode, *format));
  // A matrix's bytes are compared as they are: their character set is the ECI's.
  const std::string content = CatalogueRow(barcode.Typ())->TwoDimensional
                                  ? std::string(result.bytes().begin(), result.bytes().end())
                                  : result.text();
  if (result.isValid() && content == expected) return {TVerdict::Read, ""};
#if ZXING_VERSION_MAJOR < 2 || (ZXING_VERSION_MAJOR == 2 && ZXING_VERSION_MINOR < 2)
  // These releases cut a GS1 QR Code's alphanumeric segment short after a literal '%' (mended
  // in 2.2): what they read is then the start of what was encoded, up to that '%'. That is the
  // reader's fault, so the symbol goes unchecked rather than refused.
  if (barcode.Typ() == bcGS1QRCode && result.isValid() && content.find('%') != std::string::npos &&
      expected.starts_with(content)) {
    return {TVerdict::NoReader, "ZXing-C++ before 2.2 misreads '%' in GS1 QR Code data"};
  }
#endif
  const std::string read = result.isValid() ? "read " + Shown(content) : "read nothing";
  return {TVerdict::Mismatch,
          "--verify: ZXing-C++ " + read + ", but " + Shown(expected) + " was encoded"};
}

}  // namespace bars::cli
