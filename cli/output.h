#pragma once
// barcode-cli's picture files: each through the one safe-write (file_writer.h), a batch's by a
// thread of their own.

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "file_writer.h"

namespace bars::cli {

// "Cannot write '<path>': <reason>" for the errno value `error`.
std::string WriteFailure(const std::string& path, int error);

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
