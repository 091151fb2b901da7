#pragma once
// Where Qt comes in. barcode-cli links no Qt: it draws bitmaps and SVG documents without text
// at right angles itself. A run whose pictures need Qt (text, other turns, PDF, --verify) is
// carried out by barcode-cli-qt, the same command line linked with Qt: barcode-cli replaces
// itself with it, arguments, standard streams and all, before it has read or written anything.
// Each process holds one engine, and barcode-cli-qt refuses to run for a barcode-cli of another
// build.

#include <stdexcept>
#include <string>
#include <vector>

#include "options.h"

namespace bars::cli {

// The Qt program cannot be found or started; the message is the one-line reason.
class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kQtProgramName = "barcode-cli-qt";

// Whether the run of `options` needs Qt: pictures with text, turned by other than a right
// angle, PDF pages, or read back by --verify.
bool PicturesNeedQt(const Options& options);

// The places barcode-cli-qt is looked for, in order: beside the executable (the build tree),
// then the installed module directory relative to the executable's directory (a moved
// installation), then that directory where it was installed. `executableDirectory` is where
// the running program's file really is, links resolved.
std::vector<std::string> QtProgramCandidates(const std::string& executableDirectory);

// Replaces this process with the first barcode-cli-qt found, given `argv` and this build's
// mark. Returns only by raising ModuleError: none found (naming the places looked in), or it
// cannot be started.
[[noreturn]] void RunQtProgram(char** argv);

// In barcode-cli-qt: raises ModuleError when a barcode-cli of another build started it.
// Started by hand, it runs as barcode-cli does.
void CheckCaller();

}  // namespace bars::cli
