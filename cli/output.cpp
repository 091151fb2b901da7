#include "output.h"

#include <algorithm>
#include <cstring>

namespace bars::cli {

std::string WriteFailure(const std::string& path, int error) {
  return "Cannot write '" + path + "': " + std::strerror(error);
}

namespace {
constexpr std::size_t kMaxQueued = 16;  // pictures drawn ahead of the writing
constexpr int kThreads = 2;
}  // namespace

TBatchWriter::TBatchWriter(TFileWriter& files, TReport report) : files_(files), report_(report) {
  for (int k = 0; k < kThreads; ++k) threads_.emplace_back([this] { Run(); });
}

TBatchWriter::~TBatchWriter() {
  Finish();
}

void TBatchWriter::Write(std::string path, std::string bytes, std::string failurePrefix) {
  Push({std::move(path), std::move(bytes), std::move(failurePrefix)});
}

void TBatchWriter::Report(std::string line) {
  Push({"", "", std::move(line), Job::State::Done});
}

void TBatchWriter::Push(Job job) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return jobs_.size() < kMaxQueued; });
  jobs_.push_back(std::move(job));
  changed_.notify_all();
}

bool TBatchWriter::Finish() {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
    changed_.notify_all();
  }
  for (std::thread& thread : threads_)
    if (thread.joinable()) thread.join();
  return !failed_;
}

TBatchWriter::Job* TBatchWriter::Next() {
  for (auto job = jobs_.begin(); job != jobs_.end(); ++job) {
    if (job->state != Job::State::Waiting) continue;
    const bool pathBusy = std::any_of(jobs_.begin(), job, [&](const Job& earlier) {
      return earlier.state != Job::State::Done && earlier.path == job->path;
    });
    if (!pathBusy) return &*job;
  }
  return nullptr;
}

void TBatchWriter::ReportDone(std::unique_lock<std::mutex>& lock) {
  if (reporting_) return;  // the other thread reports these, in order
  reporting_ = true;
  while (!jobs_.empty() && jobs_.front().state == Job::State::Done) {
    const std::string message = std::move(jobs_.front().message);
    jobs_.pop_front();
    changed_.notify_all();
    if (message.empty()) continue;
    lock.unlock();
    report_(message);
    lock.lock();
  }
  reporting_ = false;
}

void TBatchWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    ReportDone(lock);
    if (closing_ && jobs_.empty()) return;
    Job* job = Next();
    if (!job) {
      changed_.wait(lock);
      continue;
    }
    job->state = Job::State::Writing;
    const std::string path = job->path;
    const std::string bytes = std::move(job->bytes);
    lock.unlock();
    const int error = files_.Write(path, bytes);
    lock.lock();
    // Jobs are dropped only at the front, once done and reported: this one is still there.
    job->message = error == 0 ? std::string() : job->message + WriteFailure(path, error);
    job->state = Job::State::Done;
    if (error != 0) failed_ = true;
    changed_.notify_all();
  }
}

}  // namespace bars::cli
