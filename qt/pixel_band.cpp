#include "pixel_band.h"

#include <algorithm>
#include <cstring>

namespace bars {

QImage* TPixelBand::DirectTarget(QPainter& painter) {
  QPaintDevice* device = painter.device();
  if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
  if (painter.hasClipping() || !painter.transform().isIdentity() || painter.opacity() != 1.0 ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver)
    return nullptr;
  return DirectTarget(*static_cast<QImage*>(device));
}

QImage* TPixelBand::DirectTarget(QImage& image) {
  const QImage::Format format = image.format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return nullptr;
  // A shared image would detach on writing, away from the buffer a painter draws into.
  return image.isDetached() ? &image : nullptr;
}

bool TPixelBand::Extend(const QRect& rect, QRgb argb) {
  if (image_ == nullptr) return false;
  const int left = std::max(rect.left(), 0);
  const int right = std::min(rect.right(), image_->width() - 1);
  const int top = std::max(rect.top(), 0);
  const int bottom = std::min(rect.bottom(), image_->height() - 1);
  if (left > right || top > bottom) return true;  // nothing of it on the image
  if (top != top_ || bottom != bottom_ || (left != right_ + 1 && right + 1 != left_)) return false;
  left_ = std::min(left_, left);
  right_ = std::max(right_, right);
  std::fill(row_.begin() + left, row_.begin() + right + 1, argb);
  return true;
}

void TPixelBand::Start(QImage& image, const QRect& rect, QRgb argb) {
  Flush();
  const QRect target = rect.intersected(image.rect());
  if (target.isEmpty()) return;
  image_ = &image;
  row_.resize(static_cast<std::size_t>(image.width()));
  top_ = target.top();
  bottom_ = target.bottom();
  left_ = target.left();
  right_ = target.right();
  std::fill(row_.begin() + left_, row_.begin() + right_ + 1, argb);
}

void TPixelBand::Flush() {
  if (image_ == nullptr) return;
  const std::size_t bytes = static_cast<std::size_t>(right_ - left_ + 1) * sizeof(QRgb);
  const QRgb* source = row_.data() + left_;
  const qsizetype stride = image_->bytesPerLine();
  uchar* line = image_->bits() + top_ * stride + left_ * static_cast<qsizetype>(sizeof(QRgb));
  const int width = right_ - left_ + 1;
  if (width <= 8) {
    // A lone narrow bar (short bars break the band): a call per row would cost more than the
    // pixels.
    for (int y = top_; y <= bottom_; ++y, line += stride) {
      auto* pixel = reinterpret_cast<QRgb*>(line);
      for (int x = 0; x < width; ++x) pixel[x] = source[x];
    }
  } else {
    for (int y = top_; y <= bottom_; ++y, line += stride) std::memcpy(line, source, bytes);
  }
  image_ = nullptr;
}

}  // namespace bars
