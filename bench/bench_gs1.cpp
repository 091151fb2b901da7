// GS1 element strings: parsing and every check of the dictionary, from the bracketed text and
// from a reader's data; GS1 Digital Link URIs both ways; and a whole GS1-128 symbol beside
// libzint's (which checks the AIs too).
#include <benchmark/benchmark.h>

#include <string>

#include "bars.h"
#include "digital_link.h"
#include "gs1.h"

#ifdef HAVE_ZINT
#include <zint.h>
#endif

namespace bench {
namespace {

constexpr const char* kText = "(01)09501101530003(17)250101(10)AB-123";

void BM_Gs1ParseBracketed(benchmark::State& state) {
  const bars::gs1::ParseOptions options{.CurrentYear = 2025};
  for (auto _ : state) benchmark::DoNotOptimize(bars::gs1::ParseBracketed(kText, options));
}
BENCHMARK(BM_Gs1ParseBracketed)->Name("gs1/parse/bracketed");

// As the encoder calls it: the year from the clock.
void BM_Gs1ParseBracketedToday(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(bars::gs1::ParseBracketed(kText));
}
BENCHMARK(BM_Gs1ParseBracketedToday)->Name("gs1/parse/bracketed_clock");

void BM_Gs1ParseElementString(benchmark::State& state) {
  const std::string data = bars::gs1::ElementString(bars::gs1::ParseBracketed(kText));
  const bars::gs1::ParseOptions options{.CurrentYear = 2025};
  for (auto _ : state) benchmark::DoNotOptimize(bars::gs1::ParseElementString(data, options));
}
BENCHMARK(BM_Gs1ParseElementString)->Name("gs1/parse/reader_data");

void BM_DigitalLinkUri(benchmark::State& state) {
  const bars::gs1::ParseOptions options{
      .Symbology = "GS1 Digital Link", .Gs1_128Limit = false, .CurrentYear = 2025};
  for (auto _ : state)
    benchmark::DoNotOptimize(
        bars::gs1::DigitalLinkUri(kText, bars::gs1::kDigitalLinkStem, options));
}
BENCHMARK(BM_DigitalLinkUri)->Name("gs1/digital_link/to_uri");

void BM_DigitalLinkParse(benchmark::State& state) {
  const bars::gs1::ParseOptions options{
      .Symbology = "GS1 Digital Link", .Gs1_128Limit = false, .CurrentYear = 2025};
  const std::string uri = bars::gs1::DigitalLinkUri(kText);
  for (auto _ : state) benchmark::DoNotOptimize(bars::gs1::ParseDigitalLink(uri, options));
}
BENCHMARK(BM_DigitalLinkParse)->Name("gs1/digital_link/parse");

void BM_Gs1_128Symbol(benchmark::State& state) {
  bars::TBarcode bc;
  bc.SetTyp(bars::bcGS1_128);
  bc.SetText(kText);
  for (auto _ : state) benchmark::DoNotOptimize(bc.BuildPattern());
}
BENCHMARK(BM_Gs1_128Symbol)->Name("gs1/GS1-128/ours");

#ifdef HAVE_ZINT
void BM_ZintGs1_128Symbol(benchmark::State& state) {
  zint_symbol* s = ZBarcode_Create();
  s->symbology = BARCODE_GS1_128;
  s->input_mode = GS1_MODE;
  const std::string data = "[01]09501101530003[17]250101[10]AB-123";
  for (auto _ : state) {
    ZBarcode_Clear(s);
    if (ZBarcode_Encode(s, reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size())) >= ZINT_ERROR)
      state.SkipWithError(s->errtxt);
  }
  ZBarcode_Delete(s);
}
BENCHMARK(BM_ZintGs1_128Symbol)->Name("gs1/GS1-128/zint");
#endif

}  // namespace
}  // namespace bench
