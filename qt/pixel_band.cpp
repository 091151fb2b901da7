#include "pixel_band.h"

#include <algorithm>
#include <cstring>

namespace bars {
namespace {

// Copies `width` pixels from `source` into `rows` image rows starting at `line`.
void CopyRows(uchar* line, qsizetype stride, int rows, const QRgb* source, int width) {
  if (width <= 8) {
    // Narrow runs (a lone bar): a call per row would cost more than the pixels.
    for (int y = 0; y < rows; ++y, line += stride) {
      auto* pixel = reinterpret_cast<QRgb*>(line);
      for (int x = 0; x < width; ++x) pixel[x] = source[x];
    }
    return;
  }
  const std::size_t bytes = static_cast<std::size_t>(width) * sizeof(QRgb);
  for (int y = 0; y < rows; ++y, line += stride) std::memcpy(line, source, bytes);
}

}  // namespace

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
  const int right = std::min(rect.right(), width_ - 1);
  const int top = std::max(rect.top(), 0);
  const int bottom = std::min(rect.bottom(), height_ - 1);
  if (left > right || top > bottom) return true;  // nothing of it on the image
  if (left != right_ + 1 && right + 1 != left_) return false;
  Paint(left, right, top, bottom, argb);
  return true;
}

void TPixelBand::Start(QImage& image, const QRect& rect, QRgb argb) {
  Flush();
  const QRect target = rect.intersected(image.rect());
  if (target.isEmpty()) return;
  image_ = &image;
  width_ = image.width();
  height_ = image.height();
  const auto columns = static_cast<std::size_t>(width_);
  row_.resize(columns);
  columnTop_.resize(columns);
  columnBottom_.resize(columns);
  top_ = target.top();
  bottom_ = target.bottom();
  left_ = target.left();
  right_ = target.left() - 1;
  uniform_ = true;
  Paint(target.left(), target.right(), target.top(), target.bottom(), argb);
}

void TPixelBand::Paint(int left, int right, int top, int bottom, QRgb argb) {
  std::fill(row_.begin() + left, row_.begin() + right + 1, argb);
  if (uniform_ && (top != top_ || bottom != bottom_)) {
    // The first rectangle of other rows (a short bar): from now on each column keeps its own.
    uniform_ = false;
    edges_.assign({top_, bottom_ + 1});
    std::fill(columnTop_.begin() + left_, columnTop_.begin() + right_ + 1, top_);
    std::fill(columnBottom_.begin() + left_, columnBottom_.begin() + right_ + 1, bottom_);
  }
  if (!uniform_) {
    // The rows where the set of covered columns can change: few, bars having few heights.
    for (int edge : {top, bottom + 1}) {
      if (std::find(edges_.begin(), edges_.end(), edge) == edges_.end()) edges_.push_back(edge);
    }
    std::fill(columnTop_.begin() + left, columnTop_.begin() + right + 1, top);
    std::fill(columnBottom_.begin() + left, columnBottom_.begin() + right + 1, bottom);
    top_ = std::min(top_, top);
    bottom_ = std::max(bottom_, bottom);
  }
  left_ = std::min(left_, left);
  right_ = std::max(right_, right);
}

void TPixelBand::Flush() {
  if (image_ == nullptr) return;
  const qsizetype stride = image_->bytesPerLine();
  const auto lineOf = [&](int y, int x) {
    return image_->bits() + y * stride + x * static_cast<qsizetype>(sizeof(QRgb));
  };
  if (uniform_) {
    CopyRows(lineOf(top_, left_), stride, bottom_ - top_ + 1, row_.data() + left_,
             right_ - left_ + 1);
  } else {
    // Columns of different heights: between two consecutive edges (a column's top, or the row
    // after its bottom) every row covers the same columns, so each such slice copies the same
    // runs of columns.
    std::vector<int>& edges = edges_;
    std::sort(edges.begin(), edges.end());
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
      const int first = edges[e], last = edges[e + 1] - 1;
      const auto covers = [&](int x) {
        return columnTop_[static_cast<std::size_t>(x)] <= first &&
               columnBottom_[static_cast<std::size_t>(x)] >= last;
      };
      for (int x = left_; x <= right_;) {
        if (!covers(x)) {
          ++x;
          continue;
        }
        int end = x;
        while (end + 1 <= right_ && covers(end + 1)) ++end;
        CopyRows(lineOf(first, x), stride, last - first + 1, row_.data() + x, end - x + 1);
        x = end + 1;
      }
    }
  }
  image_ = nullptr;
}

}  // namespace bars
