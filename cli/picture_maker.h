#pragma once
// What draws and encodes barcode-cli's pictures. barcode-cli itself is free of Qt: it draws
// bitmaps and SVG documents without text at right angles (TRasterPictureMaker), which is what
// most calls ask for, and hands a run that needs more (text, other angles, PDF, --verify) to
// barcode-cli-qt (launch.h), the same command line linked with Qt, whose maker draws everything
// (such an SVG the same way, so that --verify does not change the file).

#include <cstdint>
#include <exception>
#include <memory>
#include <new>
#include <string>

#include "bars.h"
#include "format.h"
#include "frame.h"

namespace bars::cli {

using PictureFormat = TPictureFormat;

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

// Runs `make`, which fills `picture`, after clearing it; every failure it raises (the
// engine's, memory, any other) becomes picture.failure, and the bytes are dropped.
template <typename F>
void MakeOrSayWhy(TPicture& picture, F&& make) noexcept {
  picture.bytes.clear();
  picture.failure.clear();
  picture.unchecked.clear();
  try {
    make();
    return;
  } catch (const Exception& e) {
    picture.failure = e.Message();
  } catch (const std::bad_alloc&) {
    picture.failure = "Out of memory";
  } catch (const std::exception& e) {
    picture.failure = e.what();
  }
  picture.bytes.clear();
}

class TPictureMaker {
 public:
  virtual ~TPictureMaker() = default;
  // Draws `barcode` (Text, type and look as configured) into `picture`, replacing its content.
  // Never raises: every failure, the engine's included, ends up in picture.failure.
  virtual void Make(TBarcode& barcode, TPicture& picture) = 0;
};

// The frame the settings ask for.
TPictureLayout LayoutFor(const TPictureSettings& settings, const TBarcode& barcode);

// A maker of PNG, BMP and SVG pictures without text at right angles, drawn and encoded without
// Qt; any other picture fails with the reason.
std::unique_ptr<TPictureMaker> MakeRasterPictureMaker(const TPictureSettings& settings);

}  // namespace bars::cli
