#pragma once
// A TCanvas that draws through a QPainter, on whatever device the painter is open on: a QImage
// for bitmaps, a QSvgGenerator for vector pictures.
//
//   QImage image(190, 60, QImage::Format_RGB32);
//   image.fill(Qt::white);
//   QPainter painter(&image);
//   bars::TQtCanvas canvas(painter);
//   barcode.PaintTo(canvas);

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <memory>
#include <optional>
#include <span>

#include "graphics.h"
#include "pixel_band.h"

namespace bars {

// The Qt colour of a TColor ($00BBGGRR: red is the low byte). The high byte is not a colour
// channel and is ignored.
QColor ToQColor(TColor color);

// The Qt font of a TFont: an empty Name is the platform's default sans face; a negative Height
// is the character height in pixels, a positive one the cell height (ascent plus descent).
QFont ToQFont(const TFont& font);

// The rectangle of whole pixels an upright (axis-aligned) four-corner polygon covers when drawn
// with a one-pixel outline: from its smallest to its largest corner coordinate, both included.
// Nothing for any other polygon.
std::optional<QRect> UprightRect(std::span<const TPoint> points);

class TQtCanvas : public TCanvas {
 public:
  // Draws with `painter`, which must stay open on its device while the canvas is used. The
  // painter's own pen, brush, font and hints are left as they were after every call.
  // Every position drawn is moved by `offset` first (a picture's own origin): a painter
  // transform would do the same but take upright bars off the fast path.
  explicit TQtCanvas(QPainter& painter, QPoint offset = {}) : painter_(&painter), offset_(offset) {}
  // Draws on `image`, opening a painter on it only when something needs one (text, slanted
  // bars): upright bars go straight into a 32-bit image. The image must outlive the canvas.
  explicit TQtCanvas(QImage& image, QPoint offset = {}) : image_(&image), offset_(offset) {}
  ~TQtCanvas() override { band_.Flush(); }

  // Fills the polygon in the brush colour and outlines it with the pen, without
  // anti-aliasing. With pen width 1 a polygon covers exactly the pixels from its smallest to
  // its largest corner coordinate: an axis-aligned (x0, y0)-(x1, y1) paints x0..x1, y0..y1.
  void Polygon(std::span<const TPoint> points) override;
  // Fills the text's cell (TextWidth x TextHeight at (x, y)) with the brush colour, then writes
  // the text in the font's colour. Characters are taken as Latin-1.
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;
  std::int32_t TextWidth(const std::string& text) override;
  std::int32_t TextHeight(const std::string& text) override;

  // Writes out the bars collected for a fast copy (see TPixelBand).
  void Flush() override;

  // The painter, with everything drawn so far on its device.
  QPainter& Painter() {
    band_.Flush();
    return ActivePainter();
  }

 protected:
  // Writes `text` in `font` and the font's colour, its baseline starting at `baseline`; TextOut
  // has filled the cell already. The painter's state is restored by the caller.
  virtual void WriteText(QPainter& painter, const QFont& font, QPointF baseline,
                         const QString& text);

 private:
  void PolygonAt(std::span<const TPoint> points);
  QPainter& ActivePainter();
  QPaintDevice* Device() const;

  QPainter* painter_ = nullptr;      // the painter drawn with; opened on demand on image_
  QImage* image_ = nullptr;          // set when the canvas was made for an image
  std::unique_ptr<QPainter> owned_;  // the painter opened on image_
  QPoint offset_;
  TPixelBand band_;
};

}  // namespace bars
