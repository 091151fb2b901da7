// Drawing: one full window keystroke (Width, then PaintTo onto a fresh bitmap of exactly that
// size, as the window's change handler does) against libzint's encode-and-raster, PaintTo
// alone at several module widths and angles, and the bytes of one picture file as barcode-cli
// makes them.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "bars.h"
#include "bitmap.h"
#include "peers.h"
#include "qt_canvas.h"
#include "raster.h"
#include "render.h"

namespace bench {
namespace {

void Configure(bars::TBarcode& bc, const Peer& p, std::int32_t modul, double angle) {
  bc.SetTyp(p.typ);
  bc.SetChecksum(p.checksum);
  bc.SetModul(modul);
  bc.SetHeight(50);
  bc.SetAngle(angle);
  bc.SetText(p.text);
}

// The window's change handler: measure, make a white bitmap of that size, draw.
void BM_Keystroke(benchmark::State& state, const Peer* p) {
  bars::TBarcode bc;
  Configure(bc, *p, 2, 0.0);
  try {
    for (auto _ : state) {
      QImage image(bc.Width(), bc.Height(), QImage::Format_RGB32);
      image.fill(Qt::white);
      bars::TQtCanvas canvas(image);
      bc.PaintTo(canvas);
      benchmark::DoNotOptimize(image.constBits());
    }
  } catch (const bars::Exception& e) {
    state.SkipWithError(e.what());
  }
}

// PaintTo alone, onto one bitmap large enough for every turn of the symbol.
void BM_PaintTo(benchmark::State& state, const Peer* p, std::int32_t modul, double angle) {
  bars::TBarcode bc;
  Configure(bc, *p, modul, angle);
  try {
    const int side = bc.Width() + bc.Height() + 2;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    bars::TQtCanvas canvas(painter);
    for (auto _ : state) bc.PaintTo(canvas);
  } catch (const bars::Exception& e) {
    state.SkipWithError(e.what());
  }
}

// One EAN-13 file as barcode-cli writes it at its defaults and --height 110: the whole frame
// drawn in one byte a pixel (text written by Qt when shown), then encoded.
void BM_File(benchmark::State& state, bars::TBitmapFormat format, bool text) {
  bars::TBarcode bc;
  Configure(bc, kPeers[0], 2, 0.0);
  bc.SetHeight(110);
  bc.SetShowText(text ? bars::bcoCode : bars::bcoNone);
  bc.SetShowTextPosition(bars::stpBottomCenter);
  const bars::TPictureLayout layout = bars::PrintLayout(bc, 0);
  for (auto _ : state) {
    const bars::TRaster raster =
        text ? bars::RenderRasterWithText(bc, layout) : bars::RenderRaster(bc, layout);
    benchmark::DoNotOptimize(bars::EncodeBitmap(raster.Pixels(), format, 96).size());
  }
}

}  // namespace

// "raster/<type>/ours" pairs with libzint's encode-and-raster of the same symbol.
void RegisterDrawBenchmarks() {
  for (std::size_t i = 0; i < kPeerCount; ++i) {
    const Peer* p = &kPeers[i];
    benchmark::RegisterBenchmark(("raster/" + std::string(p->name) + "/ours").c_str(), BM_Keystroke,
                                 p);
  }
  const Peer* ean13 = &kPeers[0];
  for (std::int32_t modul : {1, 2, 4}) {
    for (double angle : {0.0, 45.0}) {
      const std::string name = "paint/EAN13/modul" + std::to_string(modul) + "/angle" +
                               std::to_string(static_cast<int>(angle));
      benchmark::RegisterBenchmark(name.c_str(), BM_PaintTo, ean13, modul, angle);
    }
  }
  for (const bool text : {false, true}) {
    const std::string shown = text ? "-text" : "";
    benchmark::RegisterBenchmark(("file/EAN13/png" + shown).c_str(), BM_File,
                                 bars::TBitmapFormat::Png, text);
    benchmark::RegisterBenchmark(("file/EAN13/bmp" + shown).c_str(), BM_File,
                                 bars::TBitmapFormat::Bmp, text);
  }
}

}  // namespace bench
