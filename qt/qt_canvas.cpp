// The Qt canvas: polygons through QPainter's aliased fill and one-pixel outline, text through
// QFontMetrics and drawText on an opaque cell.
#include "qt_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPen>
#include <QPolygon>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace bars {
namespace {

// The face fontconfig resolves for "sans-serif" when a font names none.
constexpr const char* kDefaultFamily = "Sans";
// A new font's character height in pixels (8 points at 96 pixels per inch), used for Height 0.
constexpr int kDefaultPixelSize = 11;
// Glyphs beyond this size are not rasterised sensibly by Qt's font engines; no picture this
// component draws needs more.
constexpr std::int64_t kMaxPixelSize = 16384;

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The characters of `text` as `font` says its bytes are read.
QString Decoded(const TFont& font, const std::string& text) {
  if (font.Encoding() == TTextEncoding::Utf8)
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return Latin1(text);
}

int ClampedPixelSize(std::int64_t pixels) {
  return static_cast<int>(std::clamp<std::int64_t>(pixels, 1, kMaxPixelSize));
}

int CellHeight(QFont font, int pixelSize) {
  font.setPixelSize(pixelSize);
  return QFontMetrics(font).height();
}

// The largest pixel size whose cell (ascent plus descent) is at most `cell` pixels; 1 if even
// that one is taller. Starts from the proportional guess, then steps to the exact answer.
int PixelSizeForCell(const QFont& font, int cell) {
  const int atCell = CellHeight(font, cell);
  int size = ClampedPixelSize(atCell > 0 ? std::int64_t{cell} * cell / atCell : cell);
  while (size > 1 && CellHeight(font, size) > cell) --size;
  while (size < kMaxPixelSize && CellHeight(font, size + 1) <= cell) ++size;
  return size;
}

// See UprightRect; here so that the drawing path inlines it.
inline std::optional<QRect> UprightRectOf(std::span<const TPoint> p) {
  if (p.size() != 4) return std::nullopt;
  const bool uprightFirst =
      p[0].X == p[1].X && p[1].Y == p[2].Y && p[2].X == p[3].X && p[3].Y == p[0].Y;
  const bool levelFirst =
      p[0].Y == p[1].Y && p[1].X == p[2].X && p[2].Y == p[3].Y && p[3].X == p[0].X;
  if (!uprightFirst && !levelFirst) return std::nullopt;
  // Either way the first and third corners are opposite each other.
  return QRect(QPoint(std::min(p[0].X, p[2].X), std::min(p[0].Y, p[2].Y)),
               QPoint(std::max(p[0].X, p[2].X), std::max(p[0].Y, p[2].Y)));
}

// `value` moved by `by`, held at the ends of the 32-bit range: a point beyond them lies
// billions of pixels away from any picture, on whichever side it was.
std::int32_t Shifted(std::int32_t value, int by) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(std::int64_t{value} + by, INT32_MIN, INT32_MAX));
}

}  // namespace

std::optional<QRect> UprightRect(std::span<const TPoint> points) {
  return UprightRectOf(points);
}

QColor ToQColor(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QFont ToQFont(const TFont& font) {
  QFont q;
  q.setStyleHint(QFont::SansSerif);
  q.setFamily(font.Name().empty() ? QString::fromLatin1(kDefaultFamily) : Latin1(font.Name()));
  q.setBold((font.Style() & fsBold) != 0);
  q.setItalic((font.Style() & fsItalic) != 0);
  q.setUnderline((font.Style() & fsUnderline) != 0);
  q.setStrikeOut((font.Style() & fsStrikeOut) != 0);
  const std::int64_t height = font.Height();
  if (height < 0) {
    q.setPixelSize(ClampedPixelSize(-height));
  } else if (height > 0) {
    q.setPixelSize(PixelSizeForCell(q, ClampedPixelSize(height)));
  } else {
    q.setPixelSize(kDefaultPixelSize);
  }
  return q;
}

void TQtCanvas::Polygon(std::span<const TPoint> points) {
  if (offset_.isNull()) {
    PolygonAt(points);
    return;
  }
  // Bars have four corners: no allocation for them.
  std::array<TPoint, 4> corners;
  std::vector<TPoint> many;
  std::span<TPoint> moved;
  if (points.size() <= corners.size()) {
    moved = std::span<TPoint>(corners.data(), points.size());
  } else {
    many.resize(points.size());
    moved = many;
  }
  for (std::size_t i = 0; i < points.size(); ++i)
    moved[i] = {Shifted(points[i].X, offset_.x()), Shifted(points[i].Y, offset_.y())};
  PolygonAt(moved);
}

void TQtCanvas::PolygonAt(std::span<const TPoint> points) {
  // One-colour upright elements (every element at a right angle) are plain pixel rectangles.
  if (Pen().Color() == Brush().Color() && Pen().Width() <= 1) {
    if (const auto rect = UprightRectOf(points)) {
      const TColor c = Pen().Color();
      const QRgb argb = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                             static_cast<int>((c >> 16) & 0xFF));
      // The painter's state cannot change while a band is open: the band is written out
      // before the painter is handed out or used for anything else.
      if (band_.Extend(*rect, argb)) return;
      QImage* image =
          painter_ ? TPixelBand::DirectTarget(*painter_) : TPixelBand::DirectTarget(*image_);
      if (image) {
        band_.Start(*image, *rect, argb);
      } else {
        band_.Flush();
        ActivePainter().fillRect(*rect, QColor(argb));
      }
      return;
    }
  }
  band_.Flush();
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);

  // A one-pixel aliased outline paints the pixels to the right of and below each corner, and
  // the aliased fill paints the pixels whose centres lie inside. Together they cover every
  // pixel from the smallest to the largest corner coordinate, so neighbours whose corners are
  // one apart meet without gap or overlap. Widths below 1 draw one pixel wide.
  QPen pen(ToQColor(Pen().Color()));
  pen.setWidth(std::max(Pen().Width(), 0));
  pen.setJoinStyle(Qt::MiterJoin);
  QPainter& painter = ActivePainter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(pen);
  painter.setBrush(ToQColor(Brush().Color()));
  painter.drawPolygon(polygon);
  painter.restore();
}

void TQtCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  band_.Flush();
  x = Shifted(x, offset_.x());
  y = Shifted(y, offset_.y());
  const QFont font = ToQFont(Font());
  QPainter& painter = ActivePainter();
  const QFontMetrics metrics(font, painter.device());
  const QString string = Decoded(Font(), text);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRectF(x, y, metrics.horizontalAdvance(string), metrics.height()),
                   ToQColor(Brush().Color()));
  WriteText(painter, font, QPointF(x, static_cast<double>(y) + metrics.ascent()), string);
  painter.restore();
}

void TQtCanvas::WriteText(QPainter& painter, const QFont& font, QPointF baseline,
                          const QString& text) {
  painter.setFont(font);
  painter.setPen(ToQColor(Font().Color()));
  painter.drawText(baseline, text);
}

void TQtCanvas::Flush() {
  band_.Flush();
}

QPainter& TQtCanvas::ActivePainter() {
  if (painter_ == nullptr) {
    owned_ = std::make_unique<QPainter>(image_);
    painter_ = owned_.get();
  }
  return *painter_;
}

QPaintDevice* TQtCanvas::Device() const {
  return painter_ ? painter_->device() : image_;
}

std::int32_t TQtCanvas::TextWidth(const std::string& text) {
  return QFontMetrics(ToQFont(Font()), Device()).horizontalAdvance(Decoded(Font(), text));
}

std::int32_t TQtCanvas::TextHeight(const std::string&) {
  return QFontMetrics(ToQFont(Font()), Device()).height();
}

}  // namespace bars
