#pragma once
// The command line's run, shared by barcode-cli and barcode-cli-qt.

#include <functional>
#include <memory>

#include "options.h"
#include "picture_maker.h"

namespace bars::cli {

// The maker of a run's pictures (called once, for a run that writes pictures). It may raise
// ModuleError (launch.h), or replace the process with another program.
using TMakerFor = std::function<std::unique_ptr<TPictureMaker>(const Options& options)>;

// Carries out the command line `argv`: parses it, prints help, the version or the type list,
// or encodes each code into its pattern, JSON record or picture file (with --sync, on the disk
// before returning). Returns the exit status: 0, 1 for a failure of a code or a file, 2 for a
// bad command line. A run that drew pictures ends the process itself.
int Run(int argc, char** argv, const TMakerFor& makeMaker);

}  // namespace bars::cli
