#pragma once
// The command line of barcode-cli, parsed into settings. Parsing only reads the arguments: it
// opens no file and draws nothing, so a bad command line leaves no trace.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bars.h"
#include "picture_maker.h"

namespace bars::cli {

// A command line that cannot be carried out; the message is the one-line reason.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class Action : std::uint8_t { Run, Help, Version, ListTypes };
enum class Output : std::uint8_t { None, Picture, Pattern, Json };

// The window's settings are the defaults.
struct Options {
  Action action = Action::Run;

  TBarcodeType type = bcCodeEAN13;
  std::string data;
  std::string addOn;  // digits of an attached add-on; empty for none
  bool checksum = true;
  TCheckSumMethod checkSumMethod = csmModulo10;
  std::int32_t modul = 2;
  double ratio = 2.0;
  std::int32_t height = 50;
  double angle = 0.0;
  TBarcodeOption showText = bcoNone;
  TShowTextPosition textPosition = stpBottomCenter;
  TColor color = clWhite;
  TColor barColor = clBlack;
  std::optional<std::string> fontFamily;
  std::optional<std::int32_t> fontSize;  // points
  int margin = 0;
  bool quietZones = true;  // --quiet-zones standard (the default) or none
  int dpi = 96;
  bool verify = false;
  TSymbolOptions symbolOptions;  // QR Code and Data Matrix: level, size, mask, shape, ECI;
                                 // the GS1 requisite check
  // --digital-link: the stem under which bracketed GS1 data become the URI a QR Code or Data
  // Matrix carries; nothing without it.
  std::optional<std::string> digitalLinkStem;
  bool sync = false;  // the files and their directories on the disk before the run ends

  Output output = Output::None;
  std::string outputPath;  // "-" is standard output; in batch mode a template with %n
  PictureFormat format = PictureFormat::Png;
  std::optional<std::string> batch;  // file name, "-" for standard input

  // Remarks for standard error, one line each: a size in millimetres that whole pixels miss by
  // more than 10 %, an EAN/UPC X-dimension outside GS1's range.
  std::vector<std::string> notes;
};

// The X-dimension range GS1 allows EAN/UPC symbols, 80 % to 200 % of the nominal 0.330 mm
// (GS1's table of EAN/UPC symbol sizes).
inline constexpr double kGs1NominalXdimMm = 0.330;
inline constexpr double kGs1XdimMinMm = 0.8 * kGs1NominalXdimMm;
inline constexpr double kGs1XdimMaxMm = 2.0 * kGs1NominalXdimMm;

// Parses the arguments after the program name. Raises UsageError for an unknown option, a
// missing or malformed value, a value out of range (a size in millimetres below one pixel at the
// resolution among them), or options that exclude each other.
Options ParseArguments(const std::vector<std::string>& args);

// A barcode configured as `options` say, with `text` as its Text, Left and Top 0. A full GS1
// number (EAN-13 of 13 digits, EAN-8 of 8, UPC-A of 12, UPC-E of 8) given with a modulo-10 check
// digit to compute has its check digit checked and dropped, since the engine adds it again
// (TextOfFullNumber); a wrong one raises bars::Exception naming the digit it should be. With
// digitalLinkStem, `text` is bracketed GS1 data whose Digital Link URI becomes Text; raises the
// GS1 checks' bars::Exception.
void Configure(TBarcode& barcode, const Options& options, const std::string& text);

// The picture path of batch line `line`: every %n of the template becomes the line number and
// every %% a single %.
std::string BatchOutputPath(const std::string& pattern, std::size_t line);

// The picture settings the options give.
TPictureSettings PictureSettings(const Options& options);

}  // namespace bars::cli
