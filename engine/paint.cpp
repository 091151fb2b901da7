// Drawing: the bars as turned polygons, then the human-readable text on its white box.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "bars.h"
#include "rounding.h"

namespace bars {
namespace {

// Puts the canvas's font, pen and brush back on every path out of the scope that saved them,
// with everything drawn flushed to the device.
class ToolsKeeper {
 public:
  explicit ToolsKeeper(TCanvas& canvas) : canvas_(canvas) {
    font_.Assign(canvas.Font());
    pen_.Assign(canvas.Pen());
    brush_.Assign(canvas.Brush());
  }
  ToolsKeeper(const ToolsKeeper&) = delete;
  ToolsKeeper& operator=(const ToolsKeeper&) = delete;
  // Moves, not copies: restoring must not throw.
  ~ToolsKeeper() {
    canvas_.Flush();
    canvas_.Font() = std::move(font_);
    canvas_.Pen() = pen_;
    canvas_.Brush() = brush_;
  }

 private:
  TCanvas& canvas_;
  TFont font_;
  TPen pen_;
  TBrush brush_;
};

// The same for the font alone.
class FontKeeper {
 public:
  explicit FontKeeper(TCanvas& canvas) : canvas_(canvas) { font_.Assign(canvas.Font()); }
  FontKeeper(const FontKeeper&) = delete;
  FontKeeper& operator=(const FontKeeper&) = delete;
  ~FontKeeper() { canvas_.Font() = std::move(font_); }

 private:
  TCanvas& canvas_;
  TFont font_;
};

// Whether every corner (u, v) with u in [uMin, uMax] and v one of `rows` can be turned and
// shifted within 32 bits. A turned, rounded coordinate is monotonic in u, so the extreme u
// values decide. An empty range (no elements) always fits.
bool ExtremeCornersFit(std::int64_t uMin, std::int64_t uMax,
                       std::initializer_list<std::int32_t> rows, const TRotation& turn,
                       TPoint origin) {
  if (uMin > uMax) return true;
  if (!ToInt32(uMin) || !ToInt32(uMax)) return false;
  for (std::int64_t u : {uMin, uMax}) {
    for (std::int32_t v : rows) {
      const auto turned = turn.TryApply({static_cast<std::int32_t>(u), v});
      if (!turned || !TryTranslatePoint(*turned, origin)) return false;
    }
  }
  return true;
}

// Draws the rectangle of the symbol's frame from u = left to right and v = top to bottom (all
// inclusive), turned by `turn` and moved to `origin`, in the canvas's current pen and brush.
// Every corner is known to fit in 32 bits.
void FrameRectangle(TCanvas& canvas, const TRotation& turn, TPoint origin, std::int32_t left,
                    std::int32_t right, std::int32_t top, std::int32_t bottom) {
  TPoint corners[4];
  if (turn.IsIdentity()) {
    // Angle 0, the symbol's usual case: the frame is only shifted.
    const auto x0 = static_cast<std::int32_t>(std::int64_t{origin.X} + left);
    const auto x1 = static_cast<std::int32_t>(std::int64_t{origin.X} + right);
    const auto y0 = static_cast<std::int32_t>(std::int64_t{origin.Y} + top);
    const auto y1 = static_cast<std::int32_t>(std::int64_t{origin.Y} + bottom);
    corners[0] = {x0, y0};
    corners[1] = {x0, y1};
    corners[2] = {x1, y1};
    corners[3] = {x1, y0};
  } else {
    const TPoint frame[4] = {{left, top}, {left, bottom}, {right, bottom}, {right, top}};
    for (int i = 0; i < 4; ++i) corners[i] = TranslatePoint(turn.Apply(frame[i]), origin);
  }
  canvas.Polygon(corners);
}

void SetColour(TCanvas& canvas, TColor colour) {
  canvas.Pen().SetColor(colour);
  canvas.Brush().SetColor(colour);
}

// A two-dimensional symbol's text is UTF-8, as its data are; the linear ones' are a byte a
// character.
void UseTextEncoding(TFont& font, TBarcodeType typ) {
  const TBCdata* row = CatalogueRow(typ);
  font.SetEncoding(row && row->TwoDimensional ? TTextEncoding::Utf8 : TTextEncoding::Latin1);
}

}  // namespace

struct TBarcode::TextPlacement {
  std::string Code;       // the printed code
  TPoint CodeAt;          // top-left corner of the printed code
  std::int32_t TypNameY;  // row of the type name, which starts at Left
};

void TBarcode::PaintTo(TCanvas& canvas) {
  TSymbol symbol = Build(showText_ != bcoNone);
  const std::string& pattern = symbol.Pattern;
  const bool matrix = !symbol.Matrix.Empty();
  const std::int32_t width =
      matrix ? ModulesToPixels(symbol.Matrix.Columns()) : PatternWidth(pattern);
  const std::int32_t height = matrix ? ModulesToPixels(symbol.Matrix.Rows()) : height_;
  ToolsKeeper keeper(canvas);
  // The text is placed before the symbol is drawn, so a text that cannot be placed leaves the
  // canvas untouched.
  std::optional<TextPlacement> text;
  if (showText_ != bcoNone)
    text = PlaceText(canvas, std::move(symbol.HumanReadable), width, height);
  if (matrix) {
    PaintMatrix(symbol.Matrix, canvas);
  } else {
    PaintBars(pattern, width, canvas);
  }
  if (text) PaintText(canvas, *text);
}

void TBarcode::PaintBars(const std::string& pattern, std::int32_t width, TCanvas& canvas) {
  if (!std::isfinite(angle_)) throw Exception(ClassName() + ": Angle must be a finite number");
  const double theta = AngleToRadians(angle_);
  const std::int32_t shortHeight = static_cast<std::int32_t>(std::int64_t{2} * height_ / 5);
  const auto origin = TryRotatedOrigin({left_, top_}, {width, height_}, theta);
  const TRotation turn(theta);

  // Every corner is checked before the first polygon, so a symbol that cannot be placed in
  // 32-bit coordinates leaves the canvas untouched.
  const TExtent extent = PatternExtent(pattern, width);
  if (!origin ||
      !ExtremeCornersFit(extent.First, extent.Last, {0, shortHeight, height_}, turn, *origin)) {
    throw Exception(ClassName() + ": drawing coordinates out of range");
  }

  canvas.Pen().SetWidth(1);
  std::int64_t x = 0;
  for (char c : pattern) {
    const TPatternElement element = DecodePatternChar(c);
    SetColour(canvas, element.Kind == lkSpace ? color_ : colorBar_);
    const std::int32_t h = element.Kind == lkShortBar ? shortHeight : height_;
    const auto left = static_cast<std::int32_t>(x);
    const auto right = static_cast<std::int32_t>(x + element.Width - 1);
    FrameRectangle(canvas, turn, *origin, left, right, 0, h);
    x += element.Width;
  }
}

void TBarcode::PaintMatrix(const TModuleMatrix& matrix, TCanvas& canvas) {
  if (!std::isfinite(angle_)) throw Exception(ClassName() + ": Angle must be a finite number");
  const double theta = AngleToRadians(angle_);
  const std::int32_t width = ModulesToPixels(matrix.Columns());
  const std::int32_t height = ModulesToPixels(matrix.Rows());
  // The frame's pixels run from 0 to width - 1 and height - 1: a module is Modul pixels square.
  const auto origin = TryRotatedOrigin({left_, top_}, {width - 1, height - 1}, theta);
  const TRotation turn(theta);
  if (!origin || !ExtremeCornersFit(0, width - 1, {0, height - 1}, turn, *origin))
    throw Exception(ClassName() + ": drawing coordinates out of range");

  canvas.Pen().SetWidth(1);
  SetColour(canvas, color_);
  FrameRectangle(canvas, turn, *origin, 0, width - 1, 0, height - 1);
  SetColour(canvas, colorBar_);
  for (std::int32_t r = 0; r < matrix.Rows(); ++r) {
    const std::uint8_t* row = matrix.Row(r);
    const std::int32_t top = r * modul_;
    for (std::int32_t c = 0; c < matrix.Columns();) {
      if (!row[c]) {
        ++c;
        continue;
      }
      const std::int32_t first = c;
      while (c < matrix.Columns() && row[c]) ++c;
      FrameRectangle(canvas, turn, *origin, first * modul_, c * modul_ - 1, top, top + modul_ - 1);
    }
  }
}

TBarcode::TextPlacement TBarcode::PlaceText(TCanvas& canvas, std::string code,
                                            std::int32_t symbolWidth, std::int32_t symbolHeight) {
  FontKeeper keeper(canvas);
  canvas.Font().Assign(showTextFont_);
  UseTextEncoding(canvas.Font(), typ_);
  const std::int64_t left = left_, top = top_, height = symbolHeight;
  const std::int64_t width = symbolWidth;
  const std::int64_t textWidth = canvas.TextWidth(code);
  const std::int64_t textHeight = canvas.TextHeight(code);
  // Integer division truncates toward zero, as Trunc of the halved difference does.
  const std::int64_t centred = left + (width - textWidth) / 2;
  // The text lies on a linear symbol's bars; a matrix has no module to spare, so its text goes
  // above or below it, beyond its quiet zone.
  const TBCdata* row = CatalogueRow(typ_);
  const std::int64_t quiet =
      row && row->TwoDimensional ? std::int64_t{row->QuietLeft} * modul_ : -1;
  const std::int64_t bottom = quiet < 0 ? top + height - textHeight : top + height + quiet;
  const std::int64_t above = quiet < 0 ? top : top - quiet - textHeight;
  std::int64_t x = left, y = above;
  switch (showTextPosition_) {
    case stpTopLeft:
      break;
    case stpTopRight:
      x = left + width - textWidth;
      break;
    case stpTopCenter:
      x = centred;
      break;
    case stpBottomLeft:
      y = bottom;
      break;
    case stpBottomRight:
      x = left + width - textWidth;
      y = bottom;
      break;
    case stpBottomCenter:
      x = centred;
      y = bottom;
      break;
    default:
      throw Exception(ClassName() + ": wrong ShowTextPosition");
  }
  // The type name's row follows the font: by default 2.5 x -11 rounds to 28 rows above Top.
  const auto fontRows = static_cast<std::int64_t>(RoundHalfEven(2.5 * canvas.Font().Height()));
  const std::int64_t nameTop = quiet < 0 ? top : top - quiet;
  const auto codeX = ToInt32(x), codeY = ToInt32(y), typNameY = ToInt32(nameTop + fontRows);
  if (!codeX || !codeY || !typNameY) {
    throw Exception(ClassName() + ": drawing coordinates out of range");
  }
  return {std::move(code), {*codeX, *codeY}, *typNameY};
}

void TBarcode::PaintText(TCanvas& canvas, const TextPlacement& at) {
  FontKeeper keeper(canvas);
  canvas.Font().Assign(showTextFont_);
  UseTextEncoding(canvas.Font(), typ_);
  // The box behind the text is always white, whatever Color the spaces have.
  canvas.Brush().SetColor(clWhite);
  if (showText_ == bcoCode || showText_ == bcoBoth) {
    canvas.TextOut(at.CodeAt.X, at.CodeAt.Y, at.Code);
  }
  if (showText_ == bcoTyp || showText_ == bcoBoth) {
    canvas.TextOut(left_, at.TypNameY, GetTypName());
  }
}

}  // namespace bars
