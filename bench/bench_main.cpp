// Runs every benchmark and prints, beside Google Benchmark's table, our time against libzint's
// for each symbol measured by both.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QtGlobal>

#include "ratio_reporter.h"

namespace bench {
void RegisterEncodeBenchmarks();
void RegisterDrawBenchmarks();
}  // namespace bench

int main(int argc, char** argv) {
  // Fonts need an application object; no display is needed or used.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  bench::RegisterEncodeBenchmarks();
  bench::RegisterDrawBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
