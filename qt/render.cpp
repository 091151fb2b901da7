// Whole pictures: the white page, the barcode's box at the margin, the clipping the window's
// bitmap gives, on a QImage or through QSvgGenerator.
#include "render.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "qt_canvas.h"

namespace bars {
namespace {

// The vector canvas. A bar at a right angle becomes one filled rectangle with whole-pixel
// edges, crisp in any viewer. Other polygons keep the bitmap's outline: QSvgGenerator strokes
// it centred on the path, where the raster engine paints the pixels right of and below it, so
// they are shifted by half a pixel. Text goes out as glyph outlines: XML cannot carry the
// control characters a Text may hold, and a viewer's substitute font would not fit the white
// box measured here.
class TSvgCanvas : public TQtCanvas {
 public:
  using TQtCanvas::TQtCanvas;

  void Polygon(std::span<const TPoint> points) override {
    // Upright one-colour elements are already whole-pixel rectangles on every device.
    if (UprightRect(points) && Pen().Width() <= 1 && Pen().Color() == Brush().Color()) {
      TQtCanvas::Polygon(points);
      return;
    }
    Painter().save();
    Painter().translate(0.5, 0.5);
    TQtCanvas::Polygon(points);
    Painter().restore();
  }

  void WriteText(QPainter& painter, const QFont& font, QPointF baseline,
                 const QString& text) override {
    QPainterPath glyphs;
    glyphs.addText(baseline, font, text);
    painter.fillPath(glyphs, ToQColor(Font().Color()));
  }
};

// Paints the whole picture of `size` on the painter's device: white, the barcode with its box
// at (margin, margin), clipped to that box.
void PaintPicture(QPainter& painter, TQtCanvas& canvas, TBarcode& barcode, QSize size, int margin) {
  const QRect page(QPoint(0, 0), size);
  const QSize box(size.width() - 2 * margin, size.height() - 2 * margin);
  painter.fillRect(page, Qt::white);
  painter.save();
  painter.translate(static_cast<double>(margin) - barcode.Left(),
                    static_cast<double>(margin) - barcode.Top());
  painter.setClipRect(QRectF(barcode.Left(), barcode.Top(), box.width(), box.height()));
  barcode.PaintTo(canvas);
  painter.restore();
  // QSvgGenerator writes no clipping; painting the quiet zone white again hides what fell into
  // it, and the page's own edge cuts the rest.
  if (margin > 0) {
    painter.fillRect(0, 0, size.width(), margin, Qt::white);
    painter.fillRect(0, size.height() - margin, size.width(), margin, Qt::white);
    painter.fillRect(0, margin, margin, box.height(), Qt::white);
    painter.fillRect(size.width() - margin, margin, margin, box.height(), Qt::white);
  }
}

}  // namespace

QSize PictureSize(TBarcode& barcode, int margin) {
  if (margin < 0) throw Exception("Picture margin " + std::to_string(margin) + " is negative");
  const std::int32_t width = barcode.Width();
  const std::int32_t height = barcode.Height();
  if (width < 1 || height < 1) {
    throw Exception("Barcode of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels: width and height must be at least 1 pixel");
  }
  const std::int64_t pictureWidth = std::int64_t{width} + 2 * std::int64_t{margin};
  const std::int64_t pictureHeight = std::int64_t{height} + 2 * std::int64_t{margin};
  if (pictureWidth > kMaxPictureSide || pictureHeight > kMaxPictureSide ||
      pictureWidth * pictureHeight > kMaxPicturePixels) {
    throw Exception("Picture of " + std::to_string(pictureWidth) + " x " +
                    std::to_string(pictureHeight) + " pixels is too large: at most " +
                    std::to_string(kMaxPictureSide) + " pixels a side and " +
                    std::to_string(kMaxPicturePixels) + " pixels in all");
  }
  return {static_cast<int>(pictureWidth), static_cast<int>(pictureHeight)};
}

QImage RenderImage(TBarcode& barcode, int margin) {
  const QSize size = PictureSize(barcode, margin);
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) {
    throw Exception("Not enough memory for a picture of " + std::to_string(size.width()) + " x " +
                    std::to_string(size.height()) + " pixels");
  }
  QPainter painter(&image);
  TQtCanvas canvas(painter);
  PaintPicture(painter, canvas, barcode, size, margin);
  return image;
}

QByteArray RenderSvg(TBarcode& barcode, int margin) {
  const QSize size = PictureSize(barcode, margin);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  // At 96 dots per inch one picture pixel is one CSS pixel, and the fonts' point sizes mean
  // what they mean on the bitmap.
  generator.setResolution(TFont::kPixelsPerInch);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(QString::fromLatin1(barcode.GetTypName()));
  {
    QPainter painter(&generator);
    if (!painter.isActive()) throw Exception("Cannot start an SVG document");
    TSvgCanvas canvas(painter);
    PaintPicture(painter, canvas, barcode, size, margin);
  }
  return buffer.data();
}

}  // namespace bars
