#include "output.h"

#include <cstring>

namespace bars::cli {

std::string WriteFailure(const std::string& path, int error) {
  return "Cannot write '" + path + "': " + std::strerror(error);
}

namespace {
constexpr std::size_t kMaxQueued = 16;  // pictures drawn ahead of the writing
}  // namespace

TWriterThread::TWriterThread(TFileWriter& files, TReport report)
    : files_(files), report_(report), thread_([this] { Run(); }) {}

TWriterThread::~TWriterThread() {
  Finish();
}

void TWriterThread::Write(std::string path, std::string bytes, std::string failurePrefix) {
  Push({std::move(path), std::move(bytes), std::move(failurePrefix)});
}

void TWriterThread::Report(std::string line) {
  Push({"", "", std::move(line)});
}

void TWriterThread::Push(Job job) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return jobs_.size() < kMaxQueued; });
  jobs_.push_back(std::move(job));
  changed_.notify_all();
}

bool TWriterThread::Finish() {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
    changed_.notify_all();
  }
  if (thread_.joinable()) thread_.join();
  return !failed_;
}

void TWriterThread::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return !jobs_.empty() || closing_; });
    if (jobs_.empty()) return;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    changed_.notify_all();
    lock.unlock();
    std::string failure;
    if (!job.path.empty()) {
      if (const int error = files_.Write(job.path, job.bytes); error != 0)
        failure = WriteFailure(job.path, error);
    }
    if (job.path.empty()) report_(std::move(job.message));
    if (!failure.empty()) report_(job.message + failure);
    lock.lock();
    if (!failure.empty()) failed_ = true;
  }
}

}  // namespace bars::cli
