#include "launch.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "raster.h"

namespace bars::cli {
namespace {

// Carries the build's mark from barcode-cli to barcode-cli-qt.
constexpr const char* kBuildVariable = "BARCODE_CLI_BUILD";
// Made once per build tree (CMake): a program of another build, of this version or any other,
// carries another.
constexpr const char* kBuild = BARCODE_VERSION "-" BARCODE_CLI_BUILD_ID;

// The running program's file, links resolved; empty when unknown.
std::string ExecutablePath() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  return n <= 0 ? "" : std::string(path, static_cast<std::size_t>(n));
}

std::string DirectoryOf(const std::string& file) {
  const std::size_t slash = file.find_last_of('/');
  return slash == std::string::npos ? "" : file.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

bool PicturesNeedQt(const Options& options) {
  return options.output == Output::Picture &&
         (options.format == PictureFormat::Pdf || options.verify ||
          !DrawnWithoutPainter(options.showText, options.angle));
}

std::vector<std::string> QtProgramCandidates(const std::string& executableDirectory) {
  std::vector<std::string> candidates;
  const std::string name = kQtProgramName;
  if (!executableDirectory.empty()) {
    candidates.push_back(executableDirectory + "/" + name);
    candidates.push_back(executableDirectory + "/" BARCODE_CLI_MODULE_RELDIR "/" + name);
  }
  const std::string installed = BARCODE_CLI_MODULE_DIR "/" + name;
  if (std::find(candidates.begin(), candidates.end(), installed) == candidates.end())
    candidates.push_back(installed);
  return candidates;
}

void RunQtProgram(char** argv) {
  const std::vector<std::string> candidates = QtProgramCandidates(DirectoryOf(ExecutablePath()));
  for (const std::string& path : candidates) {
    if (access(path.c_str(), F_OK) != 0) continue;
    setenv(kBuildVariable, kBuild, 1);
    execv(path.c_str(), argv);
    throw ModuleError("Cannot start the picture module " + path + ": " + std::strerror(errno));
  }
  std::string places;
  for (const std::string& path : candidates) places += (places.empty() ? "" : ", ") + path;
  throw ModuleError("Cannot find the picture module " + std::string(kQtProgramName) +
                    " (looked for " + places + ")");
}

void CheckCaller() {
  const char* caller = std::getenv(kBuildVariable);
  if (caller == nullptr) return;
  const std::string build = caller;
  unsetenv(kBuildVariable);
  if (build != kBuild) {
    throw ModuleError("Cannot start the picture module " + ExecutablePath() + ": it is of build " +
                      kBuild + ", barcode-cli of build " + build);
  }
}

}  // namespace bars::cli
