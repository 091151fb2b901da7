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

// A batch's files written by two threads of their own while the next pictures are drawn:
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
  // Takes the next place in the order for a file of `path` whose bytes are still being made,
  // and returns its ticket for Fill or Fail. Waits while many files are queued.
  std::size_t Reserve(std::string path, std::string failurePrefix);
  // The bytes of a reserved file.
  void Fill(std::size_t ticket, std::string bytes);
  // No file for a reserved place: `line` is reported there instead, as a failure.
  void Fail(std::size_t ticket, std::string line);
  // Waits until everything queued is done and reported; true when every file was written.
  bool Finish();

 private:
  struct Job {
    std::string path;  // empty: only `message` to report
    std::string bytes;
    std::string message;  // the message, or the prefix of a failure's
    enum class State : std::uint8_t { Making, Waiting, Writing, Done } state = State::Waiting;
  };
  // Queues `job` and returns its ticket.
  std::size_t Push(Job job);
  // The job of `ticket`, still queued. Called with the lock held.
  Job& Ticketed(std::size_t ticket) { return jobs_[ticket - dropped_]; }
  void Run();
  // The first waiting job that no job before it writes to the same path; nullptr: none.
  Job* Next();
  // Reports and drops the done jobs at the front, in order. Called with the lock held.
  void ReportDone(std::unique_lock<std::mutex>& lock);

  TFileWriter& files_;
  TReport report_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;     // in the order queued; dropped once reported
  std::size_t dropped_ = 0;  // jobs dropped so far: the ticket of jobs_.front()
  bool closing_ = false;
  bool failed_ = false;
  bool reporting_ = false;  // a thread is reporting the front jobs
  std::vector<std::thread> threads_;
};

}  // namespace bars::cli
