// QR Code: a 68-character URL at level M to its module matrix, ours beside libzint's
// ZBarcode_Encode of the same text (BARCODE_QRCODE, option_1 = 2); both pick version and mask.
#include <benchmark/benchmark.h>

#include <string_view>

#include "qr_code.h"

#ifdef HAVE_ZINT
#include <zint.h>
#endif

namespace {

constexpr std::string_view kUrl =
    "https://example.com/products/09501101530003/batch/AB-123?serial=1234";

void BM_QrOurs(benchmark::State& state) {
  const bars::matrix::TQrOptions options;  // level M at least, smallest version, best mask
  for (auto _ : state) benchmark::DoNotOptimize(bars::matrix::EncodeQrCode(kUrl, options));
}

#ifdef HAVE_ZINT
void BM_QrZint(benchmark::State& state) {
  zint_symbol* s = ZBarcode_Create();
  const auto* data = reinterpret_cast<const unsigned char*>(kUrl.data());
  s->symbology = BARCODE_QRCODE;
  s->option_1 = 2;
  for (auto _ : state) {
    ZBarcode_Clear(s);
    if (ZBarcode_Encode(s, data, static_cast<int>(kUrl.size())) >= ZINT_ERROR) {
      state.SkipWithError(s->errtxt);
    }
  }
  ZBarcode_Delete(s);
}
#endif

// Registered when the program starts, beside the figures bench_main.cpp registers.
[[maybe_unused]] const bool kRegistered = [] {
  benchmark::RegisterBenchmark("encode/QRCode_URL_M/ours", BM_QrOurs);
#ifdef HAVE_ZINT
  benchmark::RegisterBenchmark("encode/QRCode_URL_M/zint", BM_QrZint);
#endif
  return true;
}();

}  // namespace
