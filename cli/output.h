#pragma once
// Picture files that appear whole or not at all, made durable once at the end of a run.
//
// Each file is written under no name at all (an unnamed temporary file in the target's
// directory) and linked to its name only when every byte is in it; a file that already exists
// is replaced by a rename. So a reader of the directory, or a run that is killed, never sees a
// partial picture. Nothing is forced to the disk per file: Sync, after the last one, flushes the
// file systems written to, once each.

#include <sys/types.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace bars::cli {

class TFileWriter {
 public:
  TFileWriter() = default;
  TFileWriter(const TFileWriter&) = delete;
  TFileWriter& operator=(const TFileWriter&) = delete;
  ~TFileWriter();

  // Writes `bytes` to `path`, replacing a file there (whose permissions the new one keeps).
  // Returns "" or "Cannot write '<path>': <reason>"; nothing is left behind then and an
  // existing file stays as it was.
  std::string Write(const std::string& path, std::string_view bytes);

  // Flushes everything written so far to the disk: one syncfs per file system (a single file:
  // fsync of it and of its directory). Returns "" or the reason it failed.
  std::string Sync();

 private:
  // Remembers a file written and its directory, for Sync.
  void Remember(const std::string& path, const std::string& directory);

  struct FileSystem {
    dev_t device;
    int directory;  // an open descriptor of a directory on it
  };
  std::vector<FileSystem> fileSystems_;
  std::string lastDirectory_;
  std::string lastPath_;
  std::size_t written_ = 0;
  bool anyDirectory_ = false;
  bool unknownFileSystem_ = false;  // a directory that could not be opened for Sync
  bool namedTemporaries_ = false;   // no unnamed files here: fall back to named ones
};

// A batch's files written by a thread of their own, in the order given, while the caller draws
// the next pictures: for small files the kernel's work is as large as the drawing. Messages
// for standard error go through it as well, so that they keep the order of the lines.
class TWriterThread {
 public:
  using TReport = void (*)(std::string line);

  TWriterThread(TFileWriter& files, TReport report);
  TWriterThread(const TWriterThread&) = delete;
  TWriterThread& operator=(const TWriterThread&) = delete;
  ~TWriterThread();

  // Queues `bytes` for `path`; a failure is reported as `failurePrefix` and the reason. Waits
  // while many files are queued.
  void Write(std::string path, std::string bytes, std::string failurePrefix);
  // Queues a message.
  void Report(std::string line);
  // Waits until everything queued is done; true when every file was written.
  bool Finish();

 private:
  struct Job {
    std::string path;  // empty: only `message` to report
    std::string bytes;
    std::string message;
  };
  void Push(Job job);
  void Run();

  TFileWriter& files_;
  TReport report_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  bool closing_ = false;
  bool failed_ = false;
  std::thread thread_;
};

}  // namespace bars::cli
