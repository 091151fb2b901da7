// Runs every benchmark and prints, beside Google Benchmark's table, our time against libzint's
// for each symbol measured by both.
#include <benchmark/benchmark.h>

#include "ratio_reporter.h"

namespace bench {
void RegisterEncodeBenchmarks();
void RegisterDrawBenchmarks();
}  // namespace bench

int main(int argc, char** argv) {
  bench::RegisterEncodeBenchmarks();
  bench::RegisterDrawBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
