#pragma once
// Fast drawing of upright bars onto 32-bit images. A linear symbol at a right angle is a row of
// one-colour rectangles side by side, most of them of the same rows, so the band collects
// touching rectangles into one row of pixels and copies that row into every row they cover
// (short bars cover fewer). Every keystroke in the window redraws the whole symbol: this is its
// hot path.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <vector>

namespace bars {

class TPixelBand {
 public:
  // The image `painter` writes plain pixels to (a 32-bit image, no transform, clip, opacity
  // or blending), or nullptr when the painter must do the drawing itself.
  static QImage* DirectTarget(QPainter& painter);
  // `image` itself when it is a 32-bit image that can be written in place, else nullptr.
  static QImage* DirectTarget(QImage& image);

  // Paints `rect` (inclusive corners) in `argb` if it continues the band to the left or right
  // (after clipping to the image); false, with nothing done, otherwise.
  bool Extend(const QRect& rect, QRgb argb);
  // Writes the band out and starts a new one on `image` with `rect` clipped to the image.
  void Start(QImage& image, const QRect& rect, QRgb argb);
  // Writes the collected pixels into the image. Must run before anything else paints on it.
  void Flush();

 private:
  void Paint(int left, int right, int top, int bottom, QRgb argb);

  QImage* image_ = nullptr;     // nullptr: no band
  int width_ = 0, height_ = 0;  // of the image
  int top_ = 0, bottom_ = 0, left_ = 0, right_ = 0;
  bool uniform_ = true;  // every column covers rows top_..bottom_
  // Indexed by image column: the colour and (once not uniform) the rows of each column.
  std::vector<QRgb> row_;
  std::vector<int> columnTop_;
  std::vector<int> columnBottom_;
  std::vector<int> edges_;  // distinct tops and rows after bottoms of the rectangles
};

}  // namespace bars
