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
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

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

// Measures text in Qt's fonts on a bitmap, each text once: the frame and the drawing ask for
// the same widths and heights again.
class TFontsOnce : public TQtCanvas {
 public:
  TFontsOnce() : TQtCanvas(scratch_) {}

  std::int32_t TextWidth(const std::string& text) override {
    if (!width_ || widthFont_ != Font() || widthText_ != text) {
      width_ = TQtCanvas::TextWidth(text);
      widthFont_ = Font();
      widthText_ = text;
    }
    return *width_;
  }
  // Every text of a font is as high as the font's cell.
  std::int32_t TextHeight(const std::string& text) override {
    if (!height_ || heightFont_ != Font()) {
      height_ = TQtCanvas::TextHeight(text);
      heightFont_ = Font();
    }
    return *height_;
  }

 private:
  QImage scratch_{1, 1, QImage::Format_RGB32};  // the device the fonts are measured on
  std::optional<std::int32_t> width_, height_;
  TFont widthFont_, heightFont_;
  std::string widthText_;
};

// [left, right] x [top, bottom] within `clip`; empty where they do not meet.
TPixelRect Clipped(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                   const TPixelRect& clip) {
  left = std::max<std::int64_t>(left, clip.Left);
  top = std::max<std::int64_t>(top, clip.Top);
  right = std::min<std::int64_t>(right, clip.Right());
  bottom = std::min<std::int64_t>(bottom, clip.Bottom());
  if (left > right || top > bottom) return {};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left + 1),
          static_cast<int>(bottom - top + 1)};
}

// The raster's pixels of `area` with the text written on them.
QImage Written(const TRaster& raster, const TPixelRect& area, TPoint offset, const TFont& font,
               TColor brush, std::int32_t x, std::int32_t y, const std::string& text) {
  QImage band(area.Width, area.Height, QImage::Format_RGB32);
  if (band.isNull()) throw Exception("Not enough memory for a picture's text");
  const std::vector<std::uint32_t>& palette = raster.Palette();
  for (int r = 0; r < area.Height; ++r) {
    const std::uint8_t* from = raster.Row(area.Top + r) + area.Left;
    auto* to = reinterpret_cast<QRgb*>(band.scanLine(r));
    for (int c = 0; c < area.Width; ++c) to[c] = palette[from[c]];
  }
  {
    // Its painter ends with it, before the band is handed out.
    TQtCanvas canvas(band, QPoint(offset.X - area.Left, offset.Y - area.Top));
    canvas.Font() = font;
    canvas.Brush().SetColor(brush);
    canvas.TextOut(x, y, text);
  }
  return band;
}

// Whether the text changed a pixel on an edge of `area` that is not the clip's own edge.
bool InkAtEdge(const TRaster& raster, const TPixelRect& area, const QImage& band,
               const TPixelRect& clip) {
  const auto changed = [&](int r, int c) {
    return reinterpret_cast<const QRgb*>(band.constScanLine(r))[c] !=
           raster.Palette()[raster.Row(area.Top + r)[area.Left + c]];
  };
  for (int c = 0; c < area.Width; ++c) {
    if (area.Top > clip.Top && changed(0, c)) return true;
    if (area.Bottom() < clip.Bottom() && changed(area.Height - 1, c)) return true;
  }
  for (int r = 0; r < area.Height; ++r) {
    if (area.Left > clip.Left && changed(r, 0)) return true;
    if (area.Right() < clip.Right() && changed(r, area.Width - 1)) return true;
  }
  return false;
}

// The band's pixels back into the raster, a colour new to it added to its palette.
void Store(const QImage& band, const TPixelRect& area, TRaster& raster) {
  for (int r = 0; r < area.Height; ++r) {
    std::uint8_t* to = raster.Row(area.Top + r) + area.Left;
    const auto* from = reinterpret_cast<const QRgb*>(band.constScanLine(r));
    QRgb last = 0;
    std::uint8_t index = 0;
    bool any = false;
    for (int c = 0; c < area.Width; ++c) {
      if (from[c] == raster.Palette()[to[c]]) continue;  // untouched
      if (!any || from[c] != last) index = raster.IndexOf(last = from[c]);
      any = true;
      to[c] = index;
    }
  }
}

// The geometry of `layout`, shown text measured in Qt's fonts.
TPictureGeometry Measure(TBarcode& barcode, const TPictureLayout& layout) {
  if (layout.Frame != TPictureFrame::Whole || barcode.ShowText() == bcoNone)
    return MeasurePicture(barcode, layout);
  QImage scratch(1, 1, QImage::Format_RGB32);  // the device the fonts are measured on
  TQtCanvas fonts(scratch);
  return MeasurePicture(barcode, layout, &fonts);
}

QRect ToQRect(const TPixelRect& r) {
  return {r.Left, r.Top, r.Width, r.Height};
}

QPoint ToQPoint(TPoint p) {
  return {p.X, p.Y};
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

// The vector picture on a painter open on a device of the geometry's size in units.
void PaintVector(QPainter& painter, TBarcode& barcode, const TPictureGeometry& geometry) {
  const QRect page(0, 0, geometry.Width, geometry.Height);
  painter.fillRect(page, Qt::white);
  {
    TVectorCanvas canvas(painter, ToQPoint(geometry.Offset));
    barcode.PaintTo(canvas);
  }
  // Painting white over the margin hides what fell into it; the page's own edge cuts the rest.
  FillOutside(painter, page, ToQRect(geometry.Shown));
}

}  // namespace

void PaintPicture(QImage& page, TBarcode& barcode, const TPictureGeometry& geometry) {
  page.fill(Qt::white);
  {
    // The canvas made for the image writes upright bars straight into it.
    TQtCanvas canvas(page, ToQPoint(geometry.Offset));
    barcode.PaintTo(canvas);
  }
  WhitenOutside(page, ToQRect(geometry.Shown));
}

QImage RenderImage(TBarcode& barcode, const TPictureLayout& layout) {
  const TPictureGeometry geometry = Measure(barcode, layout);
  QImage image(geometry.Width, geometry.Height, QImage::Format_RGB32);
  if (image.isNull()) {
    throw Exception("Not enough memory for a picture of " + std::to_string(geometry.Width) + " x " +
                    std::to_string(geometry.Height) + " pixels");
  }
  PaintPicture(image, barcode, geometry);
  return image;
}

QImage RenderImage(TBarcode& barcode, int margin) {
  return RenderImage(barcode, {TPictureFrame::Box, margin});
}

TQtRasterText::TQtRasterText() : fonts_(std::make_unique<TFontsOnce>()) {}

TQtRasterText::~TQtRasterText() = default;

TCanvas& TQtRasterText::Fonts() {
  return *fonts_;
}

// Text for a raster is written by the Qt canvas onto a bitmap of the pixels around it, which
// holds the raster's own pixels there first: each pixel comes out as the same painting on the
// whole page gives it.
void TQtRasterText::TextOut(TRaster& raster, TPoint offset, const TPixelRect& clip,
                            const TFont& font, TColor brush, std::int32_t x, std::int32_t y,
                            const std::string& text) {
  // The cell, measured already by the drawing, and half its height around it for glyphs
  // that reach beyond it; twice that while ink reaches the edge of the area.
  fonts_->Font() = font;
  const std::int64_t width = fonts_->TextWidth(text), height = fonts_->TextHeight(text);
  const std::int64_t left = std::int64_t{x} + offset.X, top = std::int64_t{y} + offset.Y;
  for (std::int64_t reach = std::max<std::int64_t>(height / 2, 4);; reach *= 2) {
    const TPixelRect area =
        Clipped(left - reach, top - reach, left + width + reach, top + height + reach, clip);
    if (area.Width <= 0 || area.Height <= 0) return;
    const QImage band = Written(raster, area, offset, font, brush, x, y, text);
    if (!InkAtEdge(raster, area, band, clip)) {
      Store(band, area, raster);
      return;
    }
  }
}

TRaster RenderRasterWithText(TBarcode& barcode, const TPictureLayout& layout, TQtRasterText* text) {
  if (text) return RenderRaster(barcode, layout, text);
  TQtRasterText once;
  return RenderRaster(barcode, layout, &once);
}

QByteArray RenderSvg(TBarcode& barcode, const TPictureLayout& layout, int dpi) {
  const TPictureGeometry geometry = Measure(barcode, layout);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  // One picture pixel is one user unit; the document's width and height say how large it
  // prints. Fonts are sized in pixels, so the resolution does not change the text.
  generator.setResolution(dpi);
  generator.setSize(QSize(geometry.Width, geometry.Height));
  generator.setViewBox(QRect(0, 0, geometry.Width, geometry.Height));
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
  const TPictureGeometry geometry = Measure(barcode, layout);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(dpi);
    writer.setTitle(QString::fromLatin1(barcode.GetTypName()));
    const QSizeF points(std::ceil(geometry.Width * 72.0 / dpi),
                        std::ceil(geometry.Height * 72.0 / dpi));
    writer.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    if (!painter.isActive()) throw Exception("Cannot start a PDF document");
    PaintVector(painter, barcode, geometry);
  }
  return buffer.data();
}

std::string EncodeImage(const QImage& image, TBitmapFormat format, int dpi) {
  const bool words = image.format() == QImage::Format_RGB32 ||
                     image.format() == QImage::Format_ARGB32 ||
                     image.format() == QImage::Format_ARGB32_Premultiplied;
  const QImage rgb = words ? image : image.convertToFormat(QImage::Format_RGB32);
  return EncodeBitmap({rgb.width(), rgb.height(), rgb.constBits(), rgb.bytesPerLine(), {}}, format,
                      dpi);
}

QImage TurnedUpright(const QImage& picture, double angle) {
  if (std::fmod(angle, 90.0) == 0) return picture;
  // Angle turns counter-clockwise on the screen; QTransform's positive turn is clockwise.
  QTransform back;
  back.rotate(angle);
  const QRect bounds = back.mapRect(picture.rect());
  QImage upright(bounds.size(), QImage::Format_RGB32);
  upright.fill(Qt::white);
  QPainter painter(&upright);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.translate(-bounds.topLeft());
  painter.setTransform(back, true);
  painter.drawImage(0, 0, picture);
  return upright;
}

}  // namespace bars
