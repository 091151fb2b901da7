#include "verify.h"

#include <ZXing/ReadBarcode.h>

#include <QPainter>
#include <QTransform>
#include <cmath>

#include "gs1.h"

namespace bars::cli {
namespace {

using ZXing::BarcodeFormat;

std::optional<BarcodeFormat> ReaderFormat(TBarcodeType type) {
  switch (type) {
    case bcCodeEAN13:
      return BarcodeFormat::EAN13;
    case bcCodeEAN8:
      return BarcodeFormat::EAN8;
    case bcCodeUPC_A:
      return BarcodeFormat::UPCA;
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
      return BarcodeFormat::UPCE;
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C:
    case bcCode128:
    case bcGS1_128:
      return BarcodeFormat::Code128;
    case bcCode39:
    case bcCode39Extended:
      return BarcodeFormat::Code39;
    case bcCode93:
    case bcCode93Extended:
      return BarcodeFormat::Code93;
    case bcCodeCodabar:
      return BarcodeFormat::Codabar;
    case bcCode_2_5_interleaved:
      return BarcodeFormat::ITF;
    default:
      // Industrial and Matrix 2 of 5, MSI, PostNet and the add-ons standing alone.
      return std::nullopt;
  }
}

// Code 128 with FNC1 first: never empty to a reader.
bool IsGs1(TBarcodeType type) {
  return type == bcCodeEAN128A || type == bcCodeEAN128B || type == bcCodeEAN128C ||
         type == bcGS1_128;
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

// `picture` turned by -angle degrees onto white, for a reader that scans rows and columns.
QImage Upright(const QImage& picture, double angle) {
  // Angle turns counter-clockwise on the screen; QTransform's positive turn is clockwise.
  QTransform back;
  back.rotate(angle);
  const QRect bounds = back.mapRect(picture.rect());
  QImage upright(bounds.size(), QImage::Format_RGB32);
  upright.fill(Qt::white);
  QPainter painter(&upright);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.translate(-bounds.topLeft());
  painter.setTransform(back, true);
  painter.drawImage(0, 0, picture);
  return upright;
}

}  // namespace

std::optional<std::string> ExpectedReading(TBarcode& barcode) {
  barcode.BuildPattern();
  const std::string& text = barcode.Text();
  const bool checksum = barcode.Checksum();
  const TCheckSumMethod method = barcode.CheckSumMethod();
  std::string reading;
  switch (barcode.Typ()) {
    // EAN-13 and EAN-8 keep the check digit out of Text; the bars carry it.
    case bcCodeEAN13:
      reading = checksum ? ApplyCheckSumMethod(method, ZeroPadded(text, 12)) : ZeroPadded(text, 13);
      break;
    case bcCodeEAN8:
      reading = checksum ? ApplyCheckSumMethod(method, ZeroPadded(text, 7)) : ZeroPadded(text, 8);
      break;
    // UPC-E is read as number system, six digits and check digit; Text holds the last seven.
    case bcCodeUPC_E0:
      reading = "0" + text;
      break;
    case bcCodeUPC_E1:
      reading = "1" + text;
      break;
    // EAN-128 keeps its modulo-10 digit out of Text too.
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C:
      reading = checksum ? ApplyCheckSumMethod(method, text) : text;
      break;
    case bcGS1_128:
      // As a reader passes GS1 data on: no brackets, GS for the FNC1 between elements.
      reading = gs1::ElementString(gs1::ParseBracketed(text));
      break;
    default:
      if (!ReaderFormat(barcode.Typ())) return std::nullopt;
      // UPC-A, Code 128, Code 39 and 93, Codabar (the reader drops start and stop) and
      // Interleaved 2 of 5 as Text stands after the build.
      reading = text;
      break;
  }
  if (!barcode.AddOn().empty()) reading += " " + barcode.AddOn();
  return Latin1ToUtf8(reading);
}

TVerification VerifyPicture(const QImage& picture, TBarcode& barcode) {
  const std::optional<BarcodeFormat> format = ReaderFormat(barcode.Typ());
  if (!format) return {TVerdict::NoReader, "ZXing-C++ does not read " + barcode.GetTypName()};
  const std::string expected = *ExpectedReading(barcode);
  // The reader refuses symbols shorter than these, however well printed.
  const std::size_t shortest = *format == BarcodeFormat::ITF       ? 6
                               : *format == BarcodeFormat::Codabar ? 2
                               : IsGs1(barcode.Typ())              ? 0
                                                                   : 1;
  if (barcode.Text().size() < shortest) {
    return {TVerdict::NoReader, "ZXing-C++ does not read " + barcode.GetTypName() +
                                    " of fewer than " + std::to_string(shortest) +
                                    (shortest == 1 ? " character" : " characters")};
  }
  const double turn = std::fmod(barcode.Angle(), 90.0);
  const QImage grey = (turn == 0 ? picture : Upright(picture, barcode.Angle()))
                          .convertToFormat(QImage::Format_Grayscale8);
  const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                              ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
  const ZXing::Result result = ZXing::ReadBarcode(view, HintsFor(barcode, *format));
  if (result.isValid() && result.text() == expected) return {TVerdict::Read, ""};
  const std::string read = result.isValid() ? "read " + Shown(result.text()) : "read nothing";
  return {TVerdict::Mismatch,
          "--verify: ZXing-C++ " + read + ", but " + Shown(expected) + " was encoded"};
}

}  // namespace bars::cli
