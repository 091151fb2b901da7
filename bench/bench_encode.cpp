// Encoding and measuring: BuildPattern and the Width read per type, and libzint's encode of the
// same symbol (plus encode-and-raster, the work that gives a picture).
#include <benchmark/benchmark.h>

#include <string>

#include "bars.h"
#include "peers.h"

#ifdef HAVE_ZINT
#include <zint.h>
#endif

namespace bench {

const Peer kPeers[] = {
#ifdef HAVE_ZINT
#define Z(x) x
#else
#define Z(x) 0
#endif
    {"EAN13", bars::bcCodeEAN13, "400638133393", true, Z(BARCODE_EANX), "400638133393", 0},
    {"EAN8", bars::bcCodeEAN8, "9638507", true, Z(BARCODE_EANX), "9638507", 0},
    {"UPC_A", bars::bcCodeUPC_A, "03600029145", true, Z(BARCODE_UPCA), "03600029145", 0},
    {"UPC_E0", bars::bcCodeUPC_E0, "425261", true, Z(BARCODE_UPCE), "425261", 0},
    {"Code128B", bars::bcCode128B, "Barcode-Bench 12345x", false, Z(BARCODE_CODE128B),
     "Barcode-Bench 12345x", 0},
    {"Code128C", bars::bcCode128C, "12345678901234567890", false, Z(BARCODE_CODE128),
     "12345678901234567890", 0},
    {"Code39", bars::bcCode39, "CODE39TEST", false, Z(BARCODE_CODE39), "CODE39TEST", 0},
    {"Code39Ext", bars::bcCode39Extended, "Code39test", false, Z(BARCODE_EXCODE39), "Code39test",
     0},
    {"Code93", bars::bcCode93, "CODE93TEST", false, Z(BARCODE_CODE93), "CODE93TEST", 0},
    {"2_5_interleaved", bars::bcCode_2_5_interleaved, "12345678901234", false, Z(BARCODE_C25INTER),
     "12345678901234", 0},
    {"2_5_industrial", bars::bcCode_2_5_industrial, "1234567890", false, Z(BARCODE_C25IND),
     "1234567890", 0},
    {"2_5_matrix", bars::bcCode_2_5_matrix, "1234567890", false, Z(BARCODE_C25STANDARD),
     "1234567890", 0},
    {"MSI", bars::bcCodeMSI, "1234567890", false, Z(BARCODE_MSI_PLESSEY), "1234567890", 1},
    {"PostNet", bars::bcCodePostNet, "12345678901", false, Z(BARCODE_POSTNET), "12345678901", 0},
    {"Codabar", bars::bcCodeCodabar, "40156", false, Z(BARCODE_CODABAR), "A40156B", 0},
    {"EAN128C", bars::bcCodeEAN128C, "0112345678901231", false, Z(BARCODE_GS1_128),
     "[01]12345678901231", 0},
#undef Z
};
const std::size_t kPeerCount = sizeof(kPeers) / sizeof(kPeers[0]);

namespace {

void BM_BuildPattern(benchmark::State& state, const Peer* p) {
  bars::TBarcode bc;
  bc.SetTyp(p->typ);
  bc.SetChecksum(p->checksum);
  bc.SetText(p->text);
  try {
    for (auto _ : state) benchmark::DoNotOptimize(bc.BuildPattern());
  } catch (const bars::Exception& e) {
    state.SkipWithError(e.what());
  }
}

void BM_Width(benchmark::State& state, const Peer* p) {
  bars::TBarcode bc;
  bc.SetTyp(p->typ);
  bc.SetChecksum(p->checksum);
  bc.SetModul(2);
  bc.SetText(p->text);
  try {
    for (auto _ : state) benchmark::DoNotOptimize(bc.Width());
  } catch (const bars::Exception& e) {
    state.SkipWithError(e.what());
  }
}

#ifdef HAVE_ZINT
zint_symbol* ZintSymbol(const Peer& p) {
  zint_symbol* s = ZBarcode_Create();
  s->symbology = p.zintSymbology;
  if (p.zintOption2) s->option_2 = p.zintOption2;
  if (p.zintSymbology == BARCODE_GS1_128) s->input_mode = GS1_MODE;
  s->show_hrt = 0;  // the window draws no text by default either
  return s;
}

void BM_ZintEncode(benchmark::State& state, const Peer* p) {
  zint_symbol* s = ZintSymbol(*p);
  const auto* data = reinterpret_cast<const unsigned char*>(p->zintData.data());
  const int length = static_cast<int>(p->zintData.size());
  for (auto _ : state) {
    ZBarcode_Clear(s);
    if (ZBarcode_Encode(s, data, length) >= ZINT_ERROR) state.SkipWithError(s->errtxt);
  }
  ZBarcode_Delete(s);
}

void BM_ZintEncodeBuffer(benchmark::State& state, const Peer* p) {
  zint_symbol* s = ZintSymbol(*p);
  const auto* data = reinterpret_cast<const unsigned char*>(p->zintData.data());
  const int length = static_cast<int>(p->zintData.size());
  for (auto _ : state) {
    ZBarcode_Clear(s);
    if (ZBarcode_Encode_and_Buffer(s, data, length, 0) >= ZINT_ERROR)
      state.SkipWithError(s->errtxt);
  }
  ZBarcode_Delete(s);
}
#endif

}  // namespace

// Registers the encoding benchmarks: "encode/<type>/ours|zint", "width/<type>/ours".
void RegisterEncodeBenchmarks() {
  for (std::size_t i = 0; i < kPeerCount; ++i) {
    const Peer* p = &kPeers[i];
    const std::string name(p->name);
    benchmark::RegisterBenchmark(("encode/" + name + "/ours").c_str(), BM_BuildPattern, p);
    benchmark::RegisterBenchmark(("width/" + name + "/ours").c_str(), BM_Width, p);
#ifdef HAVE_ZINT
    benchmark::RegisterBenchmark(("encode/" + name + "/zint").c_str(), BM_ZintEncode, p);
    benchmark::RegisterBenchmark(("raster/" + name + "/zint").c_str(), BM_ZintEncodeBuffer, p);
#endif
  }
}

}  // namespace bench
