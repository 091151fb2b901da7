#pragma once
// Picture files of barcode-cli: the Qt session that fonts need, encoding, and writing files
// so that a failure never leaves a partial file behind.

#include <QByteArray>
#include <QGuiApplication>
#include <memory>
#include <string>

#include "bars.h"
#include "options.h"

namespace bars::cli {

// Qt's GUI layer, started on first use on the offscreen platform: text needs Qt's font
// database, which lives in a QGuiApplication, and a command-line tool must run without a
// display whatever QT_QPA_PLATFORM says.
class OffscreenGui {
 public:
  void Ensure();

 private:
  std::unique_ptr<QGuiApplication> app_;
};

// The bytes of the picture file in `format`. Raises what RenderImage and RenderSvg raise, and
// a bars::Exception when the bitmap cannot be encoded.
QByteArray EncodePicture(TBarcode& barcode, PictureFormat format, int margin);

// Writes `bytes` to `path` through a temporary file in the same directory that is renamed into
// place at the end. Returns "" or the reason it failed; an existing file stays as it was then.
std::string WriteFile(const std::string& path, const QByteArray& bytes);

}  // namespace bars::cli
