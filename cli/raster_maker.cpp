// barcode-cli's own pictures: the toolkit-free raster, the one bitmap encoder and the SVG of
// its pixels.
#include "bitmap.h"
#include "picture_maker.h"
#include "raster.h"
#include "svg.h"

namespace bars::cli {
namespace {

class TRasterPictureMaker : public TPictureMaker {
 public:
  explicit TRasterPictureMaker(const TPictureSettings& settings) : settings_(settings) {}

  void Make(TBarcode& barcode, TPicture& picture) override {
    MakeOrSayWhy(picture, [&] {
      if (settings_.format == PictureFormat::Pdf)
        throw Exception("PDF pages are drawn with Qt only");
      const TRaster raster = RenderRaster(barcode, LayoutFor(settings_, barcode));
      if (settings_.format == PictureFormat::Svg)
        picture.bytes = EncodeSvg(raster, settings_.dpi, barcode.GetTypName());
      else
        picture.bytes = EncodeBitmap(
            raster.Pixels(),
            settings_.format == PictureFormat::Png ? TBitmapFormat::Png : TBitmapFormat::Bmp,
            settings_.dpi);
    });
  }

 private:
  TPictureSettings settings_;
};

}  // namespace

TPictureLayout LayoutFor(const TPictureSettings& settings, const TBarcode& barcode) {
  return settings.quietZones ? PrintLayout(barcode, settings.margin)
                             : TPictureLayout{TPictureFrame::Box, settings.margin};
}

std::unique_ptr<TPictureMaker> MakeRasterPictureMaker(const TPictureSettings& settings) {
  return std::make_unique<TRasterPictureMaker>(settings);
}

}  // namespace bars::cli
