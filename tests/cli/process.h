#pragma once
// Runs a program as a child process with its standard streams on pipes, and a temporary
// directory that removes itself.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace bars::test {

struct ProcessResult {
  int exitCode = -1;  // -1: did not exit normally
  std::string out;
  std::string err;
};

// Runs `program` with `args`, feeding `input` on standard input. The environment is this
// process's without DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM (no display at all), plus
// `extraEnv` ("NAME=value").
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "",
                         const std::vector<std::string>& extraEnv = {});

// Starts `program` with `args` and returns at once: standard input, output and error on
// /dev/null, the environment as RunProcess gives it. The caller waits for the child.
pid_t StartProcess(const std::string& program, const std::vector<std::string>& args);

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  // Names of the entries, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::filesystem::path path_;
};

}  // namespace bars::test
