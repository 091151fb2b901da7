// Whole pictures: the frame's geometry, then the same painting steps on a bitmap, through
// QSvgGenerator or through QPdfWriter.
#include "render.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <span>
#include <string>

#include "qt_canvas.h"

namespace bars {
namespace {

// The vector canvas. A bar at a right angle becomes one filled rectangle with whole-pixel
// edges, crisp in any viewer. Other polygons keep the bitmap's outline: vector devices stroke
// it centred on the path, where the raster engine paints the pixels right of and below it, so
// they are shifted by half a pixel. Text goes out as glyph outlines: XML cannot carry the
// control characters a Text may hold, and a viewer's substitute font would not fit the white
// box measured here.
class TVectorCanvas : public TQtCanvas {
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

// Records where the text goes and draws nothing: the Whole frame's measure of it.
class TTextBounds : public TQtCanvas {
 public:
  TTextBounds() : TQtCanvas(scratch_) {}

  void Polygon(std::span<const TPoint>) override {}
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
    const std::int64_t width = TextWidth(text), height = TextHeight(text);
    if (width <= 0 || height <= 0) return;
    Add(x, y);
    Add(std::int64_t{x} + width - 1, std::int64_t{y} + height - 1);
  }

  // Widens [left, right] x [top, bottom] by the cells recorded.
  void AddTo(std::int64_t& left, std::int64_t& top, std::int64_t& right,
             std::int64_t& bottom) const {
    if (!any_) return;
    left = std::min(left, left_);
    top = std::min(top, top_);
    right = std::max(right, right_);
    bottom = std::max(bottom, bottom_);
  }

 private:
  void Add(std::int64_t x, std::int64_t y) {
    left_ = any_ ? std::min(left_, x) : x;
    right_ = any_ ? std::max(right_, x) : x;
    top_ = any_ ? std::min(top_, y) : y;
    bottom_ = any_ ? std::max(bottom_, y) : y;
    any_ = true;
  }

  QImage scratch_{1, 1, QImage::Format_RGB32};  // the device the fonts are measured on
  bool any_ = false;
  std::int64_t left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

// Draws nothing: PaintTo on it raises what the barcode's drawing raises.
class TNullCanvas : public TCanvas {
 public:
  void Polygon(std::span<const TPoint>) override {}
  void TextOut(std::int32_t, std::int32_t, const std::string&) override {}
  std::int32_t TextWidth(const std::string&) override { return 0; }
  std::int32_t TextHeight(const std::string&) override { return 0; }
};

[[noreturn]] void OutOfRange(const TBarcode& barcode) {
  throw Exception(barcode.ClassName() + ": drawing coordinates out of range");
}

// For an angle or a position the barcode cannot be drawn at: PaintTo raises its own message.
[[noreturn]] void CannotDraw(TBarcode& barcode) {
  TNullCanvas none;
  barcode.PaintTo(none);
  OutOfRange(barcode);
}

// Width and Height, checked to be drawable.
QSize SymbolSize(TBarcode& barcode, int margin) {
  if (margin < 0) throw Exception("Picture margin " + std::to_string(margin) + " is negative");
  const std::int32_t width = barcode.Width();
  const std::int32_t height = barcode.Height();
  if (width < 1 || height < 1) {
    throw Exception("Barcode of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels: width and height must be at least 1 pixel");
  }
  return {width, height};
}

// The geometry of `content` (inclusive pixel bounds in barcode coordinates) plus the margin.
TPictureGeometry Framed(const TBarcode& barcode, std::int64_t left, std::int64_t top,
                        std::int64_t right, std::int64_t bottom, int margin) {
  const std::int64_t width = right - left + 1, height = bottom - top + 1;
  const std::int64_t pictureWidth = width + 2 * std::int64_t{margin};
  const std::int64_t pictureHeight = height + 2 * std::int64_t{margin};
  if (pictureWidth > kMaxPictureSide || pictureHeight > kMaxPictureSide ||
      pictureWidth * pictureHeight > kMaxPicturePixels) {
    throw Exception("Picture of " + std::to_string(pictureWidth) + " x " +
                    std::to_string(pictureHeight) + " pixels is too large: at most " +
                    std::to_string(kMaxPictureSide) + " pixels a side and " +
                    std::to_string(kMaxPicturePixels) + " pixels in all");
  }
  const std::int64_t dx = margin - left, dy = margin - top;
  if (dx < INT32_MIN || dx > INT32_MAX || dy < INT32_MIN || dy > INT32_MAX) OutOfRange(barcode);
  return {QSize(static_cast<int>(pictureWidth), static_cast<int>(pictureHeight)),
          QPoint(static_cast<int>(dx), static_cast<int>(dy)),
          QRect(margin, margin, static_cast<int>(width), static_cast<int>(height))};
}

// The Whole frame: the symbol's box, quiet zones included, turned as PaintTo turns the bars,
// and the text cells.
TPictureGeometry MeasureWhole(TBarcode& barcode, const TPictureLayout& layout) {
  const QSize symbol = SymbolSize(barcode, layout.Margin);
  // Along the pattern the elements cover 0 .. Width - 1, unless a negative Ratio runs them
  // backwards.
  const TExtent extent = barcode.PatternExtent(barcode.BuildPattern(), symbol.width());
  std::int64_t uMin = extent.First, uMax = extent.Last;
  const std::int64_t modul = barcode.Modul();
  uMin -= std::int64_t{layout.QuietLeft} * modul;
  uMax += std::int64_t{layout.QuietRight} * modul;

  if (!std::isfinite(barcode.Angle())) CannotDraw(barcode);
  const double theta = AngleToRadians(barcode.Angle());
  const auto origin =
      TryRotatedOrigin({barcode.Left(), barcode.Top()}, {symbol.width(), symbol.height()}, theta);
  if (!origin || uMin < INT32_MIN || uMax > INT32_MAX) CannotDraw(barcode);
  const TRotation turn(theta);
  std::int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
  // Bars reach row Height as well; the frame, like the window's, ends at row Height - 1.
  for (std::int64_t u : {uMin, uMax}) {
    for (std::int32_t v : {0, symbol.height() - 1}) {
      const auto turned = turn.TryApply({static_cast<std::int32_t>(u), v});
      if (!turned) CannotDraw(barcode);
      const std::int64_t x = std::int64_t{turned->X} + origin->X;
      const std::int64_t y = std::int64_t{turned->Y} + origin->Y;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (barcode.ShowText() != bcoNone) {
    TTextBounds text;
    barcode.PaintTo(text);
    text.AddTo(left, top, right, bottom);
  }
  return Framed(barcode, left, top, right, bottom, layout.Margin);
}

// White over `page` outside `shown` (which lies within it), in strips that end at the page's
// edge: vector devices keep whatever is painted beyond it.
void FillOutside(QPainter& painter, const QRect& page, const QRect& shown) {
  if (shown.top() > 0) painter.fillRect(0, 0, page.width(), shown.top(), Qt::white);
  if (shown.bottom() < page.bottom())
    painter.fillRect(0, shown.bottom() + 1, page.width(), page.bottom() - shown.bottom(),
                     Qt::white);
  if (shown.left() > 0) painter.fillRect(0, shown.top(), shown.left(), shown.height(), Qt::white);
  if (shown.right() < page.right())
    painter.fillRect(shown.right() + 1, shown.top(), page.right() - shown.right(), shown.height(),
                     Qt::white);
}

// White over every pixel of the page outside `shown`.
void WhitenOutside(QImage& page, const QRect& shown) {
  const QRect all = page.rect();
  if (shown.contains(all)) return;
  const QRect inside = shown.intersected(all);
  if (page.depth() != 32) {
    QPainter painter(&page);
    FillOutside(painter, all, inside);
    return;
  }
  // Direct: the margin of every file the command line writes.
  const QRgb white = qRgb(255, 255, 255);
  for (int y = 0; y < page.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
    if (y < inside.top() || y > inside.bottom()) {
      std::fill(line, line + page.width(), white);
    } else {
      std::fill(line, line + inside.left(), white);
      std::fill(line + inside.right() + 1, line + page.width(), white);
    }
  }
}

// The vector picture on a painter open on a device of geometry.Size units.
void PaintVector(QPainter& painter, TBarcode& barcode, const TPictureGeometry& geometry) {
  const QRect page(QPoint(0, 0), geometry.Size);
  painter.fillRect(page, Qt::white);
  {
    TVectorCanvas canvas(painter, geometry.Offset);
    barcode.PaintTo(canvas);
  }
  // Painting white over the margin hides what fell into it; the page's own edge cuts the rest.
  FillOutside(painter, page, geometry.Shown);
}

}  // namespace

TPictureLayout PrintLayout(const TBarcode& barcode, int margin) {
  TPictureLayout layout{TPictureFrame::Whole, margin, 0, 0};
  if (const TBCdata* row = CatalogueRow(barcode.Typ())) {
    layout.QuietLeft = row->QuietLeft;
    layout.QuietRight = barcode.AddOn().empty() ? row->QuietRight : kAddOnQuietRight;
  }
  return layout;
}

TPictureGeometry MeasurePicture(TBarcode& barcode, const TPictureLayout& layout) {
  if (layout.Frame == TPictureFrame::Whole) return MeasureWhole(barcode, layout);
  const QSize box = SymbolSize(barcode, layout.Margin);
  return Framed(barcode, barcode.Left(), barcode.Top(),
                std::int64_t{barcode.Left()} + box.width() - 1,
                std::int64_t{barcode.Top()} + box.height() - 1, layout.Margin);
}

TPictureGeometry BoxGeometry(const TBarcode& barcode, QSize box, int margin) {
  const std::int64_t dx = std::int64_t{margin} - barcode.Left();
  const std::int64_t dy = std::int64_t{margin} - barcode.Top();
  if (dx < INT32_MIN || dx > INT32_MAX || dy < INT32_MIN || dy > INT32_MAX) OutOfRange(barcode);
  return {box + QSize(2 * margin, 2 * margin), QPoint(static_cast<int>(dx), static_cast<int>(dy)),
          QRect(QPoint(margin, margin), box)};
}

void PaintPicture(QImage& page, TBarcode& barcode, const TPictureGeometry& geometry) {
  page.fill(Qt::white);
  {
    // The canvas made for the image writes upright bars straight into it.
    TQtCanvas canvas(page, geometry.Offset);
    barcode.PaintTo(canvas);
  }
  WhitenOutside(page, geometry.Shown);
}

QSize PictureSize(TBarcode& barcode, int margin) {
  return MeasurePicture(barcode, {TPictureFrame::Box, margin}).Size;
}

QImage RenderImage(TBarcode& barcode, const TPictureLayout& layout) {
  const TPictureGeometry geometry = MeasurePicture(barcode, layout);
  QImage image(geometry.Size, QImage::Format_RGB32);
  if (image.isNull()) {
    throw Exception("Not enough memory for a picture of " + std::to_string(geometry.Size.width()) +
                    " x " + std::to_string(geometry.Size.height()) + " pixels");
  }
  PaintPicture(image, barcode, geometry);
  return image;
}

QImage RenderImage(TBarcode& barcode, int margin) {
  return RenderImage(barcode, {TPictureFrame::Box, margin});
}

QByteArray RenderSvg(TBarcode& barcode, const TPictureLayout& layout, int dpi) {
  const TPictureGeometry geometry = MeasurePicture(barcode, layout);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  // One picture pixel is one user unit; the document's width and height say how large it
  // prints. Fonts are sized in pixels, so the resolution does not change the text.
  generator.setResolution(dpi);
  generator.setSize(geometry.Size);
  generator.setViewBox(QRect(QPoint(0, 0), geometry.Size));
  generator.setTitle(QString::fromLatin1(barcode.GetTypName()));
  {
    QPainter painter(&generator);
    if (!painter.isActive()) throw Exception("Cannot start an SVG document");
    PaintVector(painter, barcode, geometry);
  }
  return buffer.data();
}

QByteArray RenderSvg(TBarcode& barcode, int margin) {
  return RenderSvg(barcode, {TPictureFrame::Box, margin}, TFont::kPixelsPerInch);
}

QByteArray RenderPdf(TBarcode& barcode, const TPictureLayout& layout, int dpi) {
  const TPictureGeometry geometry = MeasurePicture(barcode, layout);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(dpi);
    writer.setTitle(QString::fromLatin1(barcode.GetTypName()));
    const QSizeF points(std::ceil(geometry.Size.width() * 72.0 / dpi),
                        std::ceil(geometry.Size.height() * 72.0 / dpi));
    writer.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    if (!painter.isActive()) throw Exception("Cannot start a PDF document");
    PaintVector(painter, barcode, geometry);
  }
  return buffer.data();
}

}  // namespace bars
