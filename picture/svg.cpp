#include "svg.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "exceptions.h"

namespace bars {
namespace {

void AppendNumber(std::string& out, long long value) {
  std::array<char, 24> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  out.append(digits.data(), end);
}

// A page length as a print shop reads it: six significant digits, no trailing zeros.
void AppendMillimetres(std::string& out, int pixels, int dpi) {
  std::array<char, 32> text;
  const int n = std::snprintf(text.data(), text.size(), "%.6g", pixels * 25.4 / dpi);
  out.append(text.data(), std::size_t(n));
  out += "mm";
}

void AppendColour(std::string& out, std::uint32_t argb) {
  std::array<char, 8> text;
  std::snprintf(text.data(), text.size(), "#%06x", unsigned(argb & 0xFFFFFFu));
  out += text.data();
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

}  // namespace

std::string EncodeSvg(const TRaster& raster, int dpi, std::string_view title) {
  if (dpi <= 0) throw Exception("The resolution must be positive");
  const int width = raster.Width(), height = raster.Height();
  const std::size_t colours = raster.Palette().size();

  // The colour of most pixels fills the page; every other colour is drawn over it.
  std::vector<std::size_t> count(256, 0);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = raster.Row(y);
    for (int x = 0; x < width; ++x) ++count[row[x]];
  }
  std::size_t ground = 0;
  for (std::size_t i = 1; i < colours; ++i)
    if (count[i] > count[ground]) ground = i;

  std::vector<std::string> paths(colours);
  for (int top = 0; top < height;) {
    const std::uint8_t* row = raster.Row(top);
    int bottom = top + 1;
    while (bottom < height && std::memcmp(raster.Row(bottom), row, std::size_t(width)) == 0)
      ++bottom;
    for (int x = 0; x < width;) {
      const std::uint8_t index = row[x];
      int end = x + 1;
      while (end < width && row[end] == index) ++end;
      if (index != ground) {
        std::string& d = paths[index];
        d += 'M';
        AppendNumber(d, x);
        d += ' ';
        AppendNumber(d, top);
        d += 'h';
        AppendNumber(d, end - x);
        d += 'v';
        AppendNumber(d, bottom - top);
        d += 'h';
        AppendNumber(d, x - end);
        d += 'z';
      }
      x = end;
    }
    top = bottom;
  }

  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
      "version=\"1.1\" width=\"";
  AppendMillimetres(out, width, dpi);
  out += "\" height=\"";
  AppendMillimetres(out, height, dpi);
  out += "\" viewBox=\"0 0 ";
  AppendNumber(out, width);
  out += ' ';
  AppendNumber(out, height);
  out += "\" shape-rendering=\"crispEdges\">\n<title>";
  AppendEscaped(out, title);
  out += "</title>\n<rect width=\"";
  AppendNumber(out, width);
  out += "\" height=\"";
  AppendNumber(out, height);
  out += "\" fill=\"";
  AppendColour(out, colours ? raster.Palette()[ground] : 0xFFFFFFu);
  out += "\"/>\n";
  for (std::size_t i = 0; i < colours; ++i) {
    if (paths[i].empty()) continue;
    out += "<path fill=\"";
    AppendColour(out, raster.Palette()[i]);
    out += "\" d=\"";
    out += paths[i];
    out += "\"/>\n";
  }
  out += "</svg>\n";
  return out;
}

}  // namespace bars
