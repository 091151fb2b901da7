#pragma once
// barcode-cli-qt's pictures: Qt draws what needs a painter (text, turns other than right
// angles) and the SVG and PDF pages, ZXing-C++ (when built with it) reads them back; bitmaps
// without text at right angles are drawn as barcode-cli draws them, without a painter.

#include <QGuiApplication>
#include <memory>

#include "picture_maker.h"
#include "render.h"

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
  std::unique_ptr<TQtRasterText> text_;  // made once the application is there
};

}  // namespace bars::cli
