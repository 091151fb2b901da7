#pragma once
// Every type and a few symbols as published, typed here and never read from the engine, so that
// the catalogue and what shows it (the window's list, barcode-cli's names, warnings and symbols)
// are checked against them. A new type adds its row.

#include <cstdint>

#include "bars.h"

namespace bars::test {

struct PublishedType {
  TBarcodeType typ;
  const char* typeName;  // drawn by bcoTyp; barcode-cli's type name
  const char* itemText;  // the window's list, in its order: its 23 items, then the later types
  bool numericOnly;
  bool takesAddOn;  // an attached 2- or 5-digit add-on may follow it
  int quietLeft;    // the least quiet zones, in modules
  int quietRight;
  bool eanUpc;     // GS1 bounds its X-dimension (0.264 to 0.660 mm)
  int fullLength;  // digits of its full printed number, check digit included; 0 none
};

// Names and list texts: the window's layout and the component's documentation. Quiet zones:
// GS1 General Specifications (EAN/UPC and add-ons), ISO/IEC 16390 (2 of 5), 16388 (Code 39),
// 15417 (Code 128), AIM USS-93, AIM USS-Codabar, MSI 12 X, POSTNET 1/8 inch (9 modules),
// ISO/IEC 18004 (QR Code, 4 on every side), 16022 (Data Matrix, 1 on every side).
inline constexpr PublishedType kPublishedTypes[] = {
    // clang-format off
    // type, name, list text, numeric only, add-on, quiet zones, EAN/UPC, full number's digits
    {bcCode_2_5_interleaved, "2_5_interleaved", "Code_2_5_interleaved",
     true, false, 10, 10, false, 0},
    {bcCode_2_5_industrial, "2_5_industrial", "Code_2_5_industrial",
     true, false, 10, 10, false, 0},
    {bcCode_2_5_matrix, "2_5_matrix", "Code_2_5_matrix", true, false, 10, 10, false, 0},
    {bcCode39, "Code39", "Code39", false, false, 10, 10, false, 0},
    {bcCode39Extended, "Code39 Extended", "Code39Extended", false, false, 10, 10, false, 0},
    {bcCode128A, "Code128A", "Code128A", false, false, 10, 10, false, 0},
    {bcCode128B, "Code128B", "Code128B", false, false, 10, 10, false, 0},
    {bcCode128C, "Code128C", "Code128C", true, false, 10, 10, false, 0},
    {bcCode93, "Code93", "Code93", false, false, 10, 10, false, 0},
    {bcCode93Extended, "Code93 Extended", "Code93Extended", false, false, 10, 10, false, 0},
    {bcCodeMSI, "MSI", "CodeMSI", true, false, 12, 12, false, 0},
    {bcCodePostNet, "PostNet", "CodePostNet", true, false, 9, 9, false, 0},
    {bcCodeCodabar, "Codebar", "CodeCodabar", false, false, 10, 10, false, 0},
    {bcCodeEAN8, "EAN8", "CodeEAN8", true, false, 7, 7, true, 8},
    {bcCodeEAN13, "EAN13", "CodeEAN13", true, true, 11, 7, true, 13},
    {bcCodeUPC_A, "UPC_A", "CodeUPC_A", true, true, 9, 9, true, 12},
    {bcCodeUPC_E0, "UPC_E0", "CodeUPC_E0", true, true, 9, 7, true, 8},
    {bcCodeUPC_E1, "UPC_E1", "CodeUPC_E1", true, true, 9, 7, true, 8},
    {bcCodeUPC_Supp2, "UPC Supp2", "CodeUPC_Supp2", true, false, 7, 5, true, 0},
    {bcCodeUPC_Supp5, "UPC Supp5", "CodeUPC_Supp5", true, false, 7, 5, true, 0},
    {bcCodeEAN128A, "EAN128A", "CodeEAN128A", false, false, 10, 10, false, 0},
    {bcCodeEAN128B, "EAN128B", "CodeEAN128B", false, false, 10, 10, false, 0},
    {bcCodeEAN128C, "EAN128C", "CodeEAN128C", true, false, 10, 10, false, 0},
    {bcCode128, "Code128", "Code128Auto", false, false, 10, 10, false, 0},
    {bcGS1_128, "GS1-128", "CodeGS1_128", false, false, 10, 10, false, 0},
    {bcQRCode, "QR Code", "QRCode", false, false, 4, 4, false, 0},
    {bcDataMatrix, "Data Matrix", "DataMatrix", false, false, 1, 1, false, 0},
    {bcGS1DataMatrix, "GS1 DataMatrix", "GS1DataMatrix", false, false, 1, 1, false, 0},
    {bcGS1QRCode, "GS1 QR Code", "GS1QRCode", false, false, 4, 4, false, 0},
    // clang-format on
};

// The window lists the first 23, in this order.
inline constexpr std::size_t kWindowListLength = 23;

// After an attached add-on the quiet zone is 5 modules (GS1 General Specifications).
inline constexpr int kQuietAfterAttachedAddOn = 5;

// Published EAN/UPC symbols as pattern characters, blanks between the guards and digits
// (test::Unspaced takes them out). 4006381333931, 96385074 and 036000291452 are GS1's samples.
inline constexpr const char* kEan13_4006381333931 =
    "505 2605 0517 0508 0805 2515 0616 05050 5350 5350 5350 7051 5350 6160 505";
inline constexpr const char* kEan13AllZeros =
    "505 2605 2605 2605 2605 2605 2605 05050 7150 7150 7150 7150 7150 7150 505";
inline constexpr const char* kEan8_96385074 =
    "505 2506 0508 0805 0607 05050 5170 7150 5251 5071 505";
inline constexpr const char* kUpcA_036000291452 =
    "505 2605 0805 0508 2605 2605 2605 05050 6061 7051 6160 5071 5170 6061 505";

}  // namespace bars::test
