// Data Matrix: the text to the module matrix, ours (EncodeDataMatrix) beside libzint's
// ZBarcode_Encode of the same data as square symbols: a URL-like text and a GS1 element string,
// both 22x22.
#include <benchmark/benchmark.h>

#include <string>

#include "bars.h"
#include "data_matrix.h"

#ifdef HAVE_ZINT
#include <zint.h>
#endif

namespace bench {
namespace {

struct TDmCase {
  const char* name;
  std::string_view text;      // ours
  bool gs1;                   // ours: GS stands for FNC1
  std::string_view zintData;  // the same for libzint (GS1 with bracketed AIs)
};

const TDmCase kDmCases[] = {
    {"DataMatrix22", "https://example.com/p/AB12-345", false, "https://example.com/p/AB12-345"},
    {"GS1DataMatrix22",
     "0109501101530003"
     "17250101"
     "10AB-123\x1D"
     "21ABCD1234567",
     true, "[01]09501101530003[17]250101[10]AB-123[21]ABCD1234567"},
};
constexpr int kDmSize = 22;

void BM_DataMatrix(benchmark::State& state, const TDmCase* c) {
  bars::matrix::TDmOptions options;
  options.Gs1 = c->gs1;
  if (bars::matrix::EncodeDataMatrix(c->text, options).Matrix.Rows() != kDmSize) {
    state.SkipWithError("not the size measured");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(bars::matrix::EncodeDataMatrix(c->text, options));
}

// The whole component from bracketed AI data, checks included, as libzint's GS1 mode takes it.
void BM_Gs1DataMatrixComponent(benchmark::State& state) {
  bars::TBarcode bc;
  bc.SetTyp(bars::bcGS1DataMatrix);
  bc.SetText("(01)09501101530003(17)250101(10)AB-123(21)ABCD1234567");
  if (bc.BuildSymbol().Matrix.Rows() != kDmSize) {
    state.SkipWithError("not the size measured");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(bc.BuildSymbol());
}

#ifdef HAVE_ZINT
void BM_ZintDataMatrix(benchmark::State& state, const TDmCase* c) {
  zint_symbol* s = ZBarcode_Create();
  const auto* data = reinterpret_cast<const unsigned char*>(c->zintData.data());
  const int length = static_cast<int>(c->zintData.size());
  const auto encode = [&] {
    ZBarcode_Clear(s);
    s->symbology = BARCODE_DATAMATRIX;
    s->input_mode = c->gs1 ? GS1_MODE : DATA_MODE;
    s->option_3 = DM_SQUARE;
    return ZBarcode_Encode(s, data, length) < ZINT_ERROR;
  };
  if (!encode() || s->rows != kDmSize) {
    state.SkipWithError("libzint: not the size measured");
  } else {
    for (auto _ : state) {
      if (!encode()) state.SkipWithError(s->errtxt);
    }
  }
  ZBarcode_Delete(s);
}
#endif

// "encode/<case>/ours" and "encode/<case>/zint", registered with the other benchmarks.
const bool kRegistered = [] {
  for (const TDmCase& c : kDmCases) {
    const std::string name = std::string("encode/") + c.name;
    benchmark::RegisterBenchmark((name + "/ours").c_str(), BM_DataMatrix, &c);
#ifdef HAVE_ZINT
    benchmark::RegisterBenchmark((name + "/zint").c_str(), BM_ZintDataMatrix, &c);
#endif
  }
  benchmark::RegisterBenchmark("component/GS1DataMatrix22/ours", BM_Gs1DataMatrixComponent);
#ifdef HAVE_ZINT
  benchmark::RegisterBenchmark("component/GS1DataMatrix22/zint", BM_ZintDataMatrix, &kDmCases[1]);
#endif
  return true;
}();

}  // namespace
}  // namespace bench
