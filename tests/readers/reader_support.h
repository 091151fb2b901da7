#pragma once
// Drawing symbols through the Qt canvas onto an in-memory image and handing it to ZXing-C++,
// plus the small text helpers the reader tests share.

#include <ZXing/ReadBarcode.h>

#include <QImage>
#include <QPainter>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>

#include "bars.h"
#include "qt_canvas.h"

namespace bars::readers {

// Quiet zone on every side, in modules: what the strictest of the linear symbologies (ITF) asks.
inline constexpr int kQuietModules = 10;
inline constexpr int kBarHeight = 60;

// A white image with `symbols` drawn in one line, left to right in reading order with
// `gapModules` modules between them, the whole line turned by `angle` (a right angle) and
// `kQuietModules` modules from every edge. All symbols take the Modul of the first. Sets
// Height, Left, Top and Angle of each; builds each pattern twice (Width, PaintTo), so Text
// afterwards is what the drawn symbol stands for.
inline QImage DrawInLine(std::initializer_list<TBarcode*> symbols, int gapModules, int angle) {
  const int modul = (*symbols.begin())->Modul();
  const int quiet = kQuietModules * modul;
  const int gap = gapModules * modul;
  int length = 0;
  for (TBarcode* bc : symbols) {
    bc->SetModul(modul);
    bc->SetHeight(kBarHeight);
    bc->SetAngle(angle);
    length += (length > 0 ? gap : 0) + bc->Width();
  }
  const int thickness = kBarHeight + 1;  // bars cover rows 0..Height
  const bool upright = angle == 90 || angle == 270;
  QImage image((upright ? thickness : length) + 2 * quiet,
               (upright ? length : thickness) + 2 * quiet, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TQtCanvas canvas(painter);
  int offset = 0;  // along the reading direction
  for (TBarcode* bc : symbols) {
    const int size = bc->Width();
    // At 90 degrees the reading direction runs upwards, at 180 to the left.
    const int along = angle == 90 || angle == 180 ? length - offset - size : offset;
    bc->SetLeft(quiet + (upright ? 0 : along));
    bc->SetTop(quiet + (upright ? along : 0));
    bc->PaintTo(canvas);
    offset += size + gap;
  }
  return image;
}

// What ZXing reads on `image`, as grey levels (independent of the byte order of RGB32).
inline ZXing::Result Read(const QImage& image, const ZXing::DecodeHints& hints) {
  const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                              ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
  return ZXing::ReadBarcode(view, hints);
}

// ZXing gives the orientation clockwise in (-180, 180]; Angle turns counter-clockwise.
inline int ReaderOrientation(int angle) {
  switch (angle) {
    case 90:
      return -90;
    case 180:
      return 180;
    case 270:
      return 90;
    default:
      return 0;
  }
}

// `s` printable: control characters and bytes above '~' as \xHH.
inline std::string Escaped(std::string_view s) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u > 126) {
      out += "\\x";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out;
}

// Between `first` and `last` characters drawn uniformly from `alphabet`.
inline std::string RandomText(std::mt19937& rng, std::string_view alphabet, std::size_t first,
                              std::size_t last) {
  const std::size_t length = std::uniform_int_distribution<std::size_t>(first, last)(rng);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += alphabet[pick(rng)];
  return text;
}

inline std::string ZeroPadded(const std::string& s, std::size_t length) {
  return s.size() >= length ? s : std::string(length - s.size(), '0') + s;
}

}  // namespace bars::readers
