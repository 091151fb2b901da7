#pragma once
// Finding and loading barcode-cli's picture module (see picture_maker.h).

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "picture_maker.h"

namespace bars::cli {

// The picture module cannot be found, loaded or started; the message is the one-line reason.
class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The places the module is looked for, in order: beside the executable (the build tree), then
// the installed module directory relative to the executable's directory (a moved installation),
// then that directory where it was installed. `executableDirectory` is where the running
// program's file really is, links resolved.
std::vector<std::string> PictureModuleCandidates(const std::string& executableDirectory);

// Loads the first module found among the candidates and makes a maker for `settings`. Raises
// ModuleError naming the places looked in, or the loader's or the module's reason.
std::unique_ptr<TPictureMaker> LoadPictureMaker(const TPictureSettings& settings);

}  // namespace bars::cli
