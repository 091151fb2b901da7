#pragma once
// The one safe-write of the window and barcode-cli: files that appear whole or not at all, and
// reach the disk when asked.
//
// Each file is written under no name at all (an unnamed temporary file in the target's
// directory; a hidden named one where the file system has none) and given its name only when
// every byte is in it; a file that already exists is replaced by a rename. So a reader of the
// directory, or a program killed half-way, never sees a partial file, and a failed write leaves
// an existing file as it was. Nothing is forced to the disk per file: Sync, after the last one,
// does that once.

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <string_view>

namespace bars {

// Write may be called from several threads at once.
class TFileWriter {
 public:
  TFileWriter() = default;
  TFileWriter(const TFileWriter&) = delete;
  TFileWriter& operator=(const TFileWriter&) = delete;

  // Writes `bytes` to `path`, replacing a file there (whose permissions the new one keeps); a
  // symbolic link is followed to the file it names. Returns 0, or the errno value of the
  // failure, with nothing left behind.
  int Write(const std::string& path, std::string_view bytes);

  // Puts every file written so far, and the directories that name them, on the disk: a single
  // file and its directory by fsync, more files by one syncfs of each file system written to.
  // Returns 0 or the errno value of the failure.
  int Sync();

 private:
  // Write through an unnamed file; ENOSYS where there are none to be had.
  int WriteUnnamed(const std::string& path, std::string_view bytes);
  // Remembers a file written and its directory, for Sync.
  void Remember(const std::string& path, const std::string& directory);

  std::mutex mutex_;                   // over what Remember keeps
  std::set<std::string> directories_;  // of the files written
  std::string lastPath_;
  std::size_t written_ = 0;
  std::atomic<bool> namedTemporaries_ = false;  // no unnamed files here: named ones instead
};

}  // namespace bars
