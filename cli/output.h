#pragma once
// barcode-cli's picture files: each through the one safe-write (file_writer.h), a batch's by a
// thread of their own.

#include <condition_variable>
#include <cstdint>
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

// A batch's files written by two threads of their own while the caller draws the next pictures:
// for small files the kernel's work is as large as the drawing, and two threads get through the
// file system's part of it faster than one. Failures and messages for standard error go through
// it as well, reported in the order they were queued, so that they keep the order of the lines;
// files of one name are written in that order too.
class TBatchWriter {
 public:
  using TReport = void (*)(std::string line);

  TBatchWriter(TFileWriter& files, TReport report);
  TBatchWriter(const TBatchWriter&) = delete;
  TBatchWriter& operator=(const TBatchWriter&) = delete;
  ~TBatchWriter();

  // Queues `bytes` for `path`; a failure is reported as `failurePrefix` and the reason. Waits
  // while many files are queued.
  void Write(std::string path, std::string bytes, std::string failurePrefix);
  // Queues a message.
  void Report(std::string line);
  // Waits until everything queued is done and reported; true when every file was written.
  bool Finish();

 private:
  struct Job {
    std::string path;  // empty: only `message` to report
    std::string bytes;
    std::string message;  // the message, or the prefix of a failure's
    enum class State : std::uint8_t { Waiting, Writing, Done } state = State::Waiting;
  };
  void Push(Job job);
  void Run();
  // The first waiting job that no job before it writes to the same path; nullptr: none.
  Job* Next();
  // Reports and drops the done jobs at the front, in order. Called with the lock held.
  void ReportDone(std::unique_lock<std::mutex>& lock);

  TFileWriter& files_;
  TReport report_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;  // in the order queued; dropped once reported
  bool closing_ = false;
  bool failed_ = false;
  bool reporting_ = false;  // a thread is reporting the front jobs
  std::vector<std::thread> threads_;
};

}  // namespace bars::cli
