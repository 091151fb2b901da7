#pragma once
// The picture module's side of barcode-cli: Qt draws the picture in its frame and encodes the
// file, ZXing-C++ (when built with it) reads it back.

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "picture_maker.h"

namespace bars::cli {

class TQtPictureMaker : public TPictureMaker {
 public:
  // With settings.text, starts Qt's GUI application on the offscreen platform: text needs its
  // font database, and a command-line tool must run without a display whatever
  // QT_QPA_PLATFORM says. Without text nothing is started: bitmaps, SVG and PDF need none.
  explicit TQtPictureMaker(const TPictureSettings& settings);
  void Make(TBarcode& barcode, TPicture& picture) override;

 private:
  TPictureSettings settings_;
  std::unique_ptr<QGuiApplication> app_;
};

// `image` (32-bit) in the fewest bits per pixel that keep every colour exactly: one bit for
// two colours, eight for up to 256, else `image` itself.
QImage Indexed(const QImage& image);

// The bytes of a PNG or BMP file of `image` (Indexed) stating `dpi` dots per inch. Raises a
// bars::Exception when Qt cannot encode it.
QByteArray EncodeBitmap(const QImage& image, PictureFormat format, int dpi);

}  // namespace bars::cli
