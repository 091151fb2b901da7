#include "pixel_band.h"

#include <algorithm>
#include <cstring>

namespace bars {

QImage* TPixelBand::DirectTarget(QPainter& painter) {
  QPaintDevice* device = painter.device();
  if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return nullptr;
  // A shared image would detach on writing, away from the buffer the painter draws into.
  if (!image->isDetached() || painter.hasClipping() || !painter.transform().isIdentity() ||
      painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
    return nullptr;
  return image;
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
  for (int y = top_; y <= bottom_; ++y, line += stride) std::memcpy(line, source, bytes);
  image_ = nullptr;
}

}  // namespace bars
