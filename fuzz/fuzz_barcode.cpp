// libFuzzer target: turns its bytes into a complete barcode configuration and runs every public
// operation on it. Any exception that escapes must be one of the engine's own, with a message;
// a second build must repeat the first (the encoders' rewrites of Text are idempotent); the
// Width read must equal the sum of the decoded element widths; PaintTo draws one polygon per
// element.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "bars.h"

namespace {

using namespace bars;

[[noreturn]] void Fail(const char* what, const std::string& detail = "") {
  std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
  std::abort();
}

// A canvas that only counts and checks what it is asked to draw.
class CountingCanvas : public TCanvas {
 public:
  int polygons = 0;
  int texts = 0;
  void Polygon(std::span<const TPoint> points) override {
    if (points.size() != 4) Fail("polygon without four corners");
    ++polygons;
  }
  void TextOut(std::int32_t, std::int32_t, const std::string&) override { ++texts; }
  std::int32_t TextWidth(const std::string& text) override {
    return static_cast<std::int32_t>(std::min<std::size_t>(text.size(), 1u << 20) * 7);
  }
  std::int32_t TextHeight(const std::string&) override { return 13; }
};

double PickDouble(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 7)) {
    case 0:
      return std::numeric_limits<double>::quiet_NaN();
    case 1:
      return std::numeric_limits<double>::infinity();
    case 2:
      return -std::numeric_limits<double>::infinity();
    case 3:
      return in.ConsumeFloatingPoint<double>();  // anything, huge included
    case 4:
      return in.ConsumeFloatingPointInRange<double>(-720.0, 720.0);
    case 5:
      return static_cast<double>(in.ConsumeIntegralInRange<int>(-4, 8)) * 45.0;
    case 6:
      return in.ConsumeFloatingPointInRange<double>(1.0, 4.0);
    default:
      return 2.0;
  }
}

std::int32_t PickInt(FuzzedDataProvider& in, std::int32_t typicalMax) {
  switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
      return std::numeric_limits<std::int32_t>::min();
    case 1:
      return std::numeric_limits<std::int32_t>::max();
    case 2:
      return in.ConsumeIntegral<std::int32_t>();
    default:
      return in.ConsumeIntegralInRange<std::int32_t>(-10, typicalMax);
  }
}

template <typename F>
bool Guarded(F&& f) {
  try {
    f();
    return true;
  } catch (const Exception& e) {
    if (e.Message().empty()) Fail("engine exception without message");
    return false;
  }
  // Anything else propagates and libFuzzer reports it as a crash.
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  TBarcode bc;
  bc.SetTyp(static_cast<TBarcodeType>(in.ConsumeIntegralInRange<int>(0, 30)));
  bc.SetModul(in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int32_t>(1, 49)
                               : in.ConsumeIntegral<std::int32_t>());
  bc.SetRatio(PickDouble(in));
  bc.SetAngle(PickDouble(in));
  bc.SetHeight(PickInt(in, 200));
  bc.SetLeft(PickInt(in, 200));
  bc.SetTop(PickInt(in, 200));
  bc.SetChecksum(in.ConsumeBool());
  bc.SetCheckSumMethod(static_cast<TCheckSumMethod>(in.ConsumeIntegralInRange<int>(0, 3)));
  bc.SetShowText(static_cast<TBarcodeOption>(in.ConsumeIntegralInRange<int>(0, 5)));
  bc.SetShowTextPosition(static_cast<TShowTextPosition>(in.ConsumeIntegralInRange<int>(0, 7)));
  bc.SetColor(in.ConsumeIntegral<std::uint32_t>());
  bc.SetColorBar(in.ConsumeIntegral<std::uint32_t>());
  bc.ShowTextFont().SetHeight(PickInt(in, 40));
  // Mostly no add-on, as most symbols have none; else 2 or 5 digits, or any bytes at all.
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      bc.SetAddOn(in.ConsumeBytesAsString(in.ConsumeIntegralInRange<std::size_t>(0, 6)));
      break;
    case 1:
      bc.SetAddOn(in.ConsumeBool() ? "12" : "12345");
      break;
    default:
      break;
  }
  // The two-dimensional types' settings, out-of-range values included.
  TSymbolOptions options;
  options.QrEcc = static_cast<TQrEcc>(in.ConsumeIntegralInRange<int>(0, 4));
  options.QrEccFixed = in.ConsumeBool();
  options.QrVersion = in.ConsumeIntegralInRange<std::int32_t>(-1, 41);
  options.QrMask = in.ConsumeIntegralInRange<std::int32_t>(-2, 8);
  options.DmShape = static_cast<TDmShape>(in.ConsumeIntegralInRange<int>(0, 3));
  options.Dmre = in.ConsumeBool();
  options.DmRows = in.ConsumeIntegralInRange<std::int32_t>(-1, 145);
  options.DmColumns = in.ConsumeIntegralInRange<std::int32_t>(-1, 145);
  options.Eci = in.ConsumeIntegralInRange<std::int32_t>(-3, 1000000);
  bc.SetSymbolOptions(options);
  const std::int32_t requestedWidth = PickInt(in, 2000);
  const bool setWidth = in.ConsumeBool();
  bc.SetText(in.ConsumeRemainingBytesAsString());

  // Re-entrant handler, as the window's: reading Width from inside a notification.
  int depth = 0;
  bc.SetOnChange([&](TBarcode& sender) {
    if (depth++ == 0) Guarded([&] { sender.Width(); });
    --depth;
  });

  Guarded([&] { bc.Width(); });
  if (setWidth) Guarded([&] { bc.SetWidth(requestedWidth); });

  TSymbol first, second;
  std::string textAfterFirst;
  if (Guarded([&] { first = bc.BuildSymbol(); })) {
    textAfterFirst = bc.Text();
    if (!Guarded([&] { second = bc.BuildSymbol(); })) Fail("second build failed");
    if (first.Pattern != second.Pattern || !(first.Matrix == second.Matrix))
      Fail("second build changed the symbol", bc.GetTypName());
    if (bc.Text() != textAfterFirst) Fail("second build changed Text", bc.GetTypName());

    std::int64_t sum = 0;
    for (char c : first.Pattern) sum += bc.DecodePatternChar(c).Width;  // must not raise
    // A matrix is as wide as its columns of Modul pixels.
    if (!first.Matrix.Empty()) sum = std::int64_t{first.Matrix.Columns()} * bc.Modul();
    std::int32_t width = 0;
    if (Guarded([&] { width = bc.Width(); })) {
      if (sum != width) Fail("Width differs from the sum of the element widths");
    }
  }

  CountingCanvas canvas;
  const TFont fontBefore = canvas.Font();
  const TPen penBefore = canvas.Pen();
  const TBrush brushBefore = canvas.Brush();
  if (Guarded([&] { bc.PaintTo(canvas); })) {
    const TSymbol drawn = bc.BuildSymbol();
    if (drawn.Matrix.Empty() && canvas.polygons != static_cast<int>(drawn.Pattern.size()))
      Fail("one polygon per element expected");
    if (!drawn.Matrix.Empty() && canvas.polygons < 1) Fail("a matrix without its light box");
    if (!(canvas.Font() == fontBefore) || !(canvas.Pen() == penBefore) ||
        !(canvas.Brush() == brushBefore))
      Fail("PaintTo did not restore the canvas tools");
  }
  return 0;
}
