#pragma once
// A canvas that draws nothing and records every call, with fixed text metrics: each character
// is CharWidth pixels wide and every text TextHeightPixels high. Plain C++, no toolkit.

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "graphics.h"

namespace bars {

// Readable points in test failures.
inline void PrintTo(const TPoint& p, std::ostream* os) {
  *os << "(" << p.X << ", " << p.Y << ")";
}

}  // namespace bars

namespace bars::test {

struct RecordedPolygon {
  std::vector<TPoint> Corners;
  TColor PenColor;
  TColor BrushColor;
  std::int32_t PenWidth;
};

struct RecordedText {
  std::int32_t X;
  std::int32_t Y;
  std::string Text;
  TFont Font;  // the canvas's font at the time of the call
  TColor BrushColor;
};

class RecordingCanvas : public TCanvas {
 public:
  explicit RecordingCanvas(std::int32_t charWidth = 7, std::int32_t textHeight = 13)
      : CharWidth(charWidth), TextHeightPixels(textHeight) {}

  void Polygon(std::span<const TPoint> points) override {
    Polygons.push_back(
        {{points.begin(), points.end()}, Pen().Color(), Brush().Color(), Pen().Width()});
    Calls += 'P';
  }
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
    Texts.push_back({x, y, text, Font(), Brush().Color()});
    Calls += 'T';
  }
  // Saturates instead of overflowing, so that fuzzers may pass any text.
  std::int32_t TextWidth(const std::string& text) override {
    const std::int64_t width = std::int64_t{CharWidth} * static_cast<std::int64_t>(text.size());
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(width, INT32_MIN, INT32_MAX));
  }
  std::int32_t TextHeight(const std::string&) override { return TextHeightPixels; }

  std::int32_t CharWidth;
  std::int32_t TextHeightPixels;
  std::vector<RecordedPolygon> Polygons;
  std::vector<RecordedText> Texts;
  std::string Calls;  // 'P' per Polygon, 'T' per TextOut, in order
};

}  // namespace bars::test
