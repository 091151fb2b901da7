#pragma once
// A console reporter that also remembers each benchmark's time and, at the end, prints for every
// "<what>/ours" that has a "<what>/zint" beside it the ratio zint time / our time.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With repetitions only the median counts; without, the single run.
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      std::string name = run.run_name.str();
      if (auto slash = name.find("/repeats:"); slash != std::string::npos) name.resize(slash);
      times_[name] =
          run.GetAdjustedCPUTime();  // single-threaded: CPU time is steadier on a busy machine
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %12s %12s %10s\n", "peer figures (CPU ns)", "ours", "libzint",
                "zint/ours");
    for (const auto& [name, ours] : times_) {
      const auto cut = name.rfind("/ours");
      if (cut == std::string::npos || cut + 5 != name.size()) continue;
      const auto peer = times_.find(name.substr(0, cut) + "/zint");
      if (peer == times_.end()) continue;
      std::printf("%-40s %12.1f %12.1f %9.2fx\n", name.substr(0, cut).c_str(), ours, peer->second,
                  peer->second / ours);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace bench
