// Drawing benchmarks; filled in once the Qt canvas exists.
namespace bench {
void RegisterDrawBenchmarks() {}
}  // namespace bench
