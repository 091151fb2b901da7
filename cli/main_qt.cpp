// barcode-cli-qt: barcode-cli's command line linked with Qt, for the runs whose pictures need it
// (launch.h). barcode-cli starts it; started by hand, it does what barcode-cli does.
#include <cstdio>
#include <exception>
#include <memory>

#include "launch.h"
#include "picture.h"
#include "run.h"

int main(int argc, char** argv) {
  using namespace bars::cli;
  try {
    CheckCaller();
  } catch (const ModuleError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return Run(argc, argv, [](const Options& options) -> std::unique_ptr<TPictureMaker> {
    try {
      return std::make_unique<TQtPictureMaker>(PictureSettings(options));
    } catch (const std::exception& e) {
      throw ModuleError(std::string("Cannot start the picture module: ") + e.what());
    }
  });
}
