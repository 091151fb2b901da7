#include "module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

namespace bars::cli {
namespace {

// The directory of the running program's file, links resolved; empty when unknown.
std::string ExecutableDirectory() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "";
  const std::string file(path, static_cast<std::size_t>(n));
  const std::size_t slash = file.find_last_of('/');
  return slash == std::string::npos ? "" : file.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

std::vector<std::string> PictureModuleCandidates(const std::string& executableDirectory) {
  std::vector<std::string> candidates;
  const std::string name = kPictureModuleName;
  if (!executableDirectory.empty()) {
    candidates.push_back(executableDirectory + "/" + name);
    candidates.push_back(executableDirectory + "/" BARCODE_CLI_MODULE_RELDIR "/" + name);
  }
  const std::string installed = BARCODE_CLI_MODULE_DIR "/" + name;
  if (std::find(candidates.begin(), candidates.end(), installed) == candidates.end())
    candidates.push_back(installed);
  return candidates;
}

std::unique_ptr<TPictureMaker> LoadPictureMaker(const TPictureSettings& settings) {
  const std::vector<std::string> candidates = PictureModuleCandidates(ExecutableDirectory());
  for (const std::string& path : candidates) {
    if (access(path.c_str(), F_OK) != 0) continue;
    // Kept loaded until the process ends: Qt does not unload cleanly.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr)
      throw ModuleError("Cannot load the picture module: " + std::string(dlerror()));
    const auto entry = reinterpret_cast<TPictureMakerEntry>(dlsym(module, kPictureMakerEntry));
    if (entry == nullptr)
      throw ModuleError("Cannot load the picture module: " + path + " is not one");
    std::string failure;
    std::unique_ptr<TPictureMaker> maker(entry(BARCODE_VERSION, settings, failure));
    if (!maker) throw ModuleError("Cannot start the picture module " + path + ": " + failure);
    return maker;
  }
  std::string places;
  for (const std::string& path : candidates) places += (places.empty() ? "" : ", ") + path;
  throw ModuleError("Cannot find the picture module " + std::string(kPictureModuleName) +
                    " (looked for " + places + ")");
}

}  // namespace bars::cli
