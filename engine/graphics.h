#pragma once
// The small drawing vocabulary the engine draws with: points, colours, pen, brush, font and an
// abstract canvas. It is toolkit-free; a toolkit layer (see qt/) implements TCanvas.

#include <cstdint>
#include <span>
#include <string>

namespace bars {

// A canvas position in pixels: X grows to the right, Y downwards.
struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// 32-bit colour, $00BBGGRR: red is the low byte.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;

// Builds a TColor from its three channels.
constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor{r} | (TColor{g} << 8) | (TColor{b} << 16);
}

class TPen {
 public:
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor c) noexcept { color_ = c; }
  std::int32_t Width() const noexcept { return width_; }
  void SetWidth(std::int32_t w) noexcept { width_ = w; }
  void Assign(const TPen& source) noexcept { *this = source; }
  friend bool operator==(const TPen&, const TPen&) = default;

 private:
  TColor color_ = clBlack;
  std::int32_t width_ = 1;
};

class TBrush {
 public:
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor c) noexcept { color_ = c; }
  void Assign(const TBrush& source) noexcept { *this = source; }
  friend bool operator==(const TBrush&, const TBrush&) = default;

 private:
  TColor color_ = clWhite;
};

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;  // a set of TFontStyle flags

// A font description. Height follows the platform convention: negative for a font sized in
// points (its magnitude is the character height in pixels), positive for a cell height.
// A new font is 8 points, Height -11 at 96 pixels per inch, in the canvas's default sans face
// (empty Name).
// How the bytes of a text are read as characters: ISO/IEC 8859-1, one byte a character (the
// linear symbols' texts and the window's), or UTF-8 (the two-dimensional symbols' data).
enum class TTextEncoding : std::uint8_t { Latin1, Utf8 };

class TFont {
 public:
  static constexpr std::int32_t kPixelsPerInch = 96;

  const std::string& Name() const noexcept { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // Size in points, derived from Height.
  std::int32_t Size() const noexcept;
  void SetSize(std::int32_t points) noexcept;
  std::int32_t Height() const noexcept { return height_; }
  void SetHeight(std::int32_t pixels) noexcept { height_ = pixels; }
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor c) noexcept { color_ = c; }
  TFontStyles Style() const noexcept { return style_; }
  void SetStyle(TFontStyles s) noexcept { style_ = s; }
  // How a canvas reads the texts written and measured in this font.
  TTextEncoding Encoding() const noexcept { return encoding_; }
  void SetEncoding(TTextEncoding e) noexcept { encoding_ = e; }

  void Assign(const TFont& source) { *this = source; }
  friend bool operator==(const TFont&, const TFont&) = default;

 private:
  std::string name_;
  std::int32_t height_ = -11;
  TColor color_ = clBlack;
  TFontStyles style_ = 0;
  TTextEncoding encoding_ = TTextEncoding::Latin1;
};

// A drawing surface. The canvas owns its current font, pen and brush; drawing calls use them.
class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TFont& Font() noexcept { return font_; }
  TPen& Pen() noexcept { return pen_; }
  TBrush& Brush() noexcept { return brush_; }

  // Fills the closed polygon with the brush colour and outlines it with the pen; the outline's
  // pixels are part of what is painted.
  virtual void Polygon(std::span<const TPoint> points) = 0;
  // Writes `text` with its top-left corner at (x, y) in the font's colour, on a cell filled with
  // the brush colour.
  virtual void TextOut(std::int32_t x, std::int32_t y, const std::string& text) = 0;
  // Width and height in pixels of `text` in the current font.
  virtual std::int32_t TextWidth(const std::string& text) = 0;
  virtual std::int32_t TextHeight(const std::string& text) = 0;
  // Puts everything drawn so far on the device, for canvases that collect drawing calls.
  // PaintTo calls it when it is done, also when it fails after drawing began; it must not
  // throw.
  virtual void Flush() {}

 protected:
  TFont font_;
  TPen pen_;
  TBrush brush_;
};

}  // namespace bars
