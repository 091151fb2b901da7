#pragma once
// TBarcode: a non-visual barcode component. It turns Text and one of the symbologies of the type
// catalogue (catalogue.h) into a symbol: a module pattern (one pattern character per bar or
// space) for the linear types, a module matrix for the two-dimensional ones (QR Code, Data
// Matrix). It measures it and draws it on any TCanvas, turned by any angle, with the
// human-readable text when asked. For a matrix, Modul is the module's side in pixels, and Ratio
// and Height are ignored.
//
//   bars::TBarcode bc;
//   bc.SetTyp(bars::bcCodeEAN13);
//   bc.SetText("400638133393");
//   std::string pattern = bc.BuildPattern();  // "505..." (Text gets its check digit in the bars)
//   std::int32_t pixels = bc.Width();
//
// Every measurement and every drawing re-encodes Text: nothing is cached.

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "component.h"
#include "exceptions.h"
#include "geometry.h"
#include "graphics.h"

namespace bars {

enum TBarcodeOption : std::uint8_t { bcoNone, bcoCode, bcoTyp, bcoBoth };

enum TShowTextPosition : std::uint8_t {
  stpTopLeft,
  stpTopRight,
  stpTopCenter,
  stpBottomLeft,
  stpBottomRight,
  stpBottomCenter,
};

// What a pattern character draws.
enum TLineKind : std::uint8_t { lkSpace = 0, lkBar = 1, lkShortBar = 2 };

// One decoded pattern character: its width in pixels and its line kind.
struct TPatternElement {
  std::int32_t Width;
  TLineKind Kind;
};

// Columns along a symbol, from its start, both inclusive; Last < First when there are none.
struct TExtent {
  std::int64_t First;
  std::int64_t Last;
};

class TBarcode : public TComponent {
 public:
  using TNotifyEvent = std::function<void(TBarcode& sender)>;

  // A barcode with the defaults: EAN13, Modul 1, Ratio 2.0, Height 0, empty Text, white spaces,
  // black bars, csmModulo10, no text shown. Sends no notification.
  explicit TBarcode(TComponent* owner = nullptr);
  ~TBarcode() override;

  // Copies the configuration (not ShowTextFont, ShowTextPosition or the module widths) of
  // another TBarcode, OnChange and AddOn included, without notification. Any other source: no
  // effect.
  void Assign(const TComponent* source) override;

  // The class name used in messages ("TBarcode: internal Error").
  virtual std::string ClassName() const { return "TBarcode"; }
  // Calls OnChange, if set, with this barcode as sender.
  virtual void NotifyChange();
  // The catalogue name of Typ ("EAN13", "Code39 Extended"); empty beyond the catalogue.
  std::string GetTypName() const;

  // Properties. Writes notify on change unless noted.
  std::int32_t Height() const noexcept { return height_; }
  void SetHeight(std::int32_t value);
  const std::string& Text() const noexcept { return text_; }
  void SetText(std::string_view value);
  std::int32_t Top() const noexcept { return top_; }
  void SetTop(std::int32_t value);
  std::int32_t Left() const noexcept { return left_; }
  void SetLeft(std::int32_t value);
  std::int32_t Modul() const noexcept { return modul_; }
  // Accepts 1..49 only (others are ignored silently); an accepted value always notifies.
  void SetModul(std::int32_t value);
  double Ratio() const noexcept { return ratio_; }
  void SetRatio(double value);
  TBarcodeType Typ() const noexcept { return typ_; }
  void SetTyp(TBarcodeType value);  // no range check: BuildPattern rejects unknown types
  bool Checksum() const noexcept { return checksum_; }
  void SetChecksum(bool value);
  TCheckSumMethod CheckSumMethod() const noexcept { return checkSumMethod_; }
  void SetCheckSumMethod(TCheckSumMethod value) noexcept { checkSumMethod_ = value; }  // plain
  double Angle() const noexcept { return angle_; }
  void SetAngle(double value);
  TBarcodeOption ShowText() const noexcept { return showText_; }
  void SetShowText(TBarcodeOption value);
  // The owned font itself: changing it changes the barcode's font without notification.
  TFont& ShowTextFont() noexcept { return showTextFont_; }
  const TFont& ShowTextFont() const noexcept { return showTextFont_; }
  // Copies the font's attributes into the owned font and always notifies.
  void SetShowTextFont(const TFont& font);
  TShowTextPosition ShowTextPosition() const noexcept { return showTextPosition_; }
  void SetShowTextPosition(TShowTextPosition value);
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor value) noexcept { color_ = value; }  // plain
  TColor ColorBar() const noexcept { return colorBar_; }
  void SetColorBar(TColor value) noexcept { colorBar_ = value; }  // plain
  // The digits of a UPC/EAN add-on attached to the symbol: empty (none, the default), or 2 or 5
  // digits with Typ EAN13, UPC_A, UPC_E0 or UPC_E1; BuildPattern rejects anything else.
  const std::string& AddOn() const noexcept { return addOn_; }
  void SetAddOn(std::string_view value);
  // The settings of the two-dimensional types (level, size, mask, shape, ECI); the linear types
  // ignore them. Copied by Assign.
  const TSymbolOptions& SymbolOptions() const noexcept { return symbolOptions_; }
  void SetSymbolOptions(const TSymbolOptions& value);
  const TNotifyEvent& OnChange() const noexcept { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }  // plain

  // Width in pixels of the current symbol: builds it (with its side effects) and sums the
  // element widths, or multiplies a matrix's columns by Modul. Raises whatever BuildSymbol
  // raises.
  std::int32_t Width() { return GetWidth(); }
  // Height in pixels of the drawn symbol, for a caller that sizes a picture: Height for the
  // linear types (whose bars reach one row further, see PaintTo), a matrix's rows x Modul for
  // the two-dimensional ones; builds a matrix symbol for that and raises what BuildSymbol
  // raises.
  std::int32_t SymbolHeight();
  // Rescales Modul by one proportional step towards `requested` pixels (see GetWidth).
  void SetWidth(std::int32_t requested);
  std::int32_t GetWidth();

  // The symbol of the current Text and Typ and what it carries (TSymbol: the pattern, the data
  // a reader returns, the human-readable text). Corrects Ratio to the type's bounds (with
  // notification), trims and checks the Text of numeric-only types ("Barcode must be numeric"),
  // rejects an unknown Typ ("TBarcode: wrong BarcodeType") and runs the type's encoder, which
  // may raise its own errors; a type that rewrites Text has it rewritten (without notification)
  // once the whole symbol is built. An AddOn follows the symbol after the standard gap.
  TSymbol BuildSymbol();
  // The module pattern of BuildSymbol, with the same effects.
  std::string BuildPattern();

  // Corrects Ratio to the bounds of Typ, then recomputes the module widths w0..w3. Raises when
  // Modul x Ratio is not finite or a width leaves the 32-bit range.
  void ComputeModuleWidths();
  // Width and line kind of one pattern character; raises "TBarcode: internal Error" for a
  // character outside the pattern language.
  TPatternElement DecodePatternChar(char c) const {
    // Inline: every measurement and drawing decodes each element several times.
    if (c >= '0' && c <= '3') return {moduleWidths_[c - '0'], lkSpace};
    if (c >= '5' && c <= '8') return {moduleWidths_[c - '5'], lkBar};
    if (c >= 'A' && c <= 'D') return {moduleWidths_[c - 'A'], lkShortBar};
    ThrowInternalError();
  }

  // The columns the elements of `pattern` cover at the current module widths; `width` is its
  // total width (PatternWidth). With every width positive that is 0 .. width - 1; a negative
  // Ratio runs elements backwards, and each one counts then.
  TExtent PatternExtent(const std::string& pattern, std::int32_t width) const;

  // `s` with the check digit of CheckSumMethod appended (csmNone: `s` unchanged).
  std::string ApplyCheckSumMethod(std::string_view s) const;
  // Text left-padded with '0' to `length` characters; never shortened. Text is not changed.
  std::string ZeroPaddedText(std::size_t length) const;

  // Draws the symbol with its bounding box at (Left, Top), turned by Angle, then the text that
  // ShowText asks for. A matrix is drawn as a Width x SymbolHeight rectangle of Color with each
  // row's runs of dark modules on it in ColorBar, one polygon a run. The canvas's font, pen and
  // brush are restored afterwards, also when a step raises. Raises what BuildPattern raises,
  // "TBarcode: Angle must be a finite number" and "TBarcode: drawing coordinates out of range", all
  // before anything is drawn.
  void PaintTo(TCanvas& canvas);

 private:
  struct TextPlacement;

  [[noreturn]] void ThrowInternalError() const;
  // BuildSymbol; without `content` only the pattern or matrix (and a rewritten Text), for the
  // callers that measure or draw no text.
  TSymbol Build(bool content);
  // Raises when AddOn cannot follow a symbol of `row`'s type or is not 2 or 5 digits.
  void CheckAddOn(const TBCdata& row) const;
  // The sum of the element widths of `pattern`; raises when it leaves 32 bits.
  std::int32_t PatternWidth(const std::string& pattern) const;
  // `width` is the pattern's total width: the drawing measures the pattern it has built once,
  // which is what the Width property gives (a second build repeats the first).
  void PaintBars(const std::string& pattern, std::int32_t width, TCanvas& canvas);
  void PaintMatrix(const TModuleMatrix& matrix, TCanvas& canvas);
  // Modul x `modules` as a pixel length; raises when that leaves 32 bits.
  std::int32_t ModulesToPixels(std::int32_t modules) const;
  // What PaintText writes (`code`, the symbol's human-readable text) and where, measured in
  // ShowTextFont on `canvas` (whose font is left as it was); raises when a position leaves
  // 32 bits, before anything is drawn.
  TextPlacement PlaceText(TCanvas& canvas, std::string code, std::int32_t width,
                          std::int32_t height);
  void PaintText(TCanvas& canvas, const TextPlacement& at);

  std::int32_t height_ = 0;
  std::string text_;
  std::int32_t top_ = 0;
  std::int32_t left_ = 0;
  std::int32_t modul_ = 1;
  double ratio_ = 2.0;
  TBarcodeType typ_ = bcCodeEAN13;
  bool checksum_ = false;
  TBarcodeOption showText_ = bcoNone;
  double angle_ = 0.0;
  TColor color_ = clWhite;
  TColor colorBar_ = clBlack;
  TCheckSumMethod checkSumMethod_ = csmModulo10;
  TNotifyEvent onChange_;
  // Held in 32 bits so that large Modul x Ratio values draw correctly.
  std::int32_t moduleWidths_[4] = {0, 0, 0, 0};
  // The Typ, Modul and Ratio moduleWidths_ hold the widths of; a NaN Ratio: none yet.
  TBarcodeType widthsTyp_ = bcCodeEAN13;
  std::int32_t widthsModul_ = 0;
  double widthsRatio_ = std::numeric_limits<double>::quiet_NaN();
  TFont showTextFont_;
  TShowTextPosition showTextPosition_ = stpTopLeft;
  std::string addOn_;
  TSymbolOptions symbolOptions_;
};

}  // namespace bars
