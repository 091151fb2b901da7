#pragma once
// What barcode-cli asks of its picture module. The command line links the engine alone, so that
// --pattern and --json start without loading Qt; the pictures are drawn and encoded by a module
// (barcode-cli-pictures.so, Qt and, when built with it, ZXing-C++) loaded on the first picture.
// Both sides are built together from these declarations; the module refuses a caller of
// another version.

#include <cstdint>
#include <string>

#include "bars.h"

namespace bars::cli {

enum class PictureFormat : std::uint8_t { Bmp, Png, Svg, Pdf };

// What every picture of one run shares.
struct TPictureSettings {
  PictureFormat format = PictureFormat::Png;
  int margin = 0;          // white pixels on every side
  bool quietZones = true;  // the standard quiet zones around the whole drawing; else the
                           // window's Width x Height box
  int dpi = 96;            // written into PNG and BMP, the page size of SVG and PDF
  bool verify = false;     // read each picture back before handing it out
  bool text = false;       // text is drawn (fonts need Qt's GUI application)
};

// One picture file, or why there is none.
struct TPicture {
  std::string bytes;      // the file's content
  std::string failure;    // the one-line reason there is none; empty on success
  std::string unchecked;  // --verify: why it was not read back (no reader for it)
};

class TPictureMaker {
 public:
  virtual ~TPictureMaker() = default;
  // Draws `barcode` (Text, type and look as configured) into `picture`, replacing its content.
  // Never raises: every failure, the engine's included, ends up in picture.failure.
  virtual void Make(TBarcode& barcode, TPicture& picture) = 0;
};

// The module's entry point, found by this name: a new maker for `settings`, or nullptr with
// the reason in `failure` (another version than `version`, Qt failing to start).
using TPictureMakerEntry = TPictureMaker* (*)(const char* version, const TPictureSettings& settings,
                                              std::string& failure);
inline constexpr const char* kPictureMakerEntry = "barcode_cli_picture_maker";
inline constexpr const char* kPictureModuleName = "barcode-cli-pictures.so";

}  // namespace bars::cli
