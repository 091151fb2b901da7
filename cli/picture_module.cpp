// The entry point of barcode-cli-pictures.so, the module barcode-cli loads for pictures.
#include <cstring>
#include <exception>
#include <string>

#include "picture.h"

extern "C" __attribute__((visibility("default"))) bars::cli::TPictureMaker*
barcode_cli_picture_maker(const char* version, const bars::cli::TPictureSettings& settings,
                          std::string& failure) {
  // Both sides share their declarations: a module of another build must not be used.
  if (std::strcmp(version, BARCODE_VERSION) != 0) {
    failure =
        std::string("it is of version " BARCODE_VERSION ", barcode-cli of version ") + version;
    return nullptr;
  }
  try {
    return new bars::cli::TQtPictureMaker(settings);
  } catch (const std::exception& e) {
    failure = e.what();
    return nullptr;
  }
}

static_assert(std::is_same_v<decltype(&barcode_cli_picture_maker), bars::cli::TPictureMakerEntry>);
