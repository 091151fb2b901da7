#pragma once
// The one rule for a picture file's format: the last suffix of its name, in any case.

#include <cstdint>
#include <optional>
#include <string_view>

namespace bars {

enum class TPictureFormat : std::uint8_t { Bmp, Png, Svg, Pdf };

// The format `path` names by what follows the last dot of its file name ("ean.v2.png": PNG,
// "LABEL.BMP": BMP); nothing for another suffix or none.
constexpr std::optional<TPictureFormat> PictureFormatOf(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::string_view suffix = name.substr(dot + 1);
  const auto is = [&](std::string_view lower) {
    if (suffix.size() != lower.size()) return false;
    for (std::size_t i = 0; i < lower.size(); ++i) {
      const char c = suffix[i];
      if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != lower[i]) return false;
    }
    return true;
  };
  if (is("bmp")) return TPictureFormat::Bmp;
  if (is("png")) return TPictureFormat::Png;
  if (is("svg")) return TPictureFormat::Svg;
  if (is("pdf")) return TPictureFormat::Pdf;
  return std::nullopt;
}

static_assert(PictureFormatOf("ean.v2.png") == TPictureFormat::Png);
static_assert(PictureFormatOf("dir.svg/LABEL.BMP") == TPictureFormat::Bmp);
static_assert(!PictureFormatOf("label.png.gif") && !PictureFormatOf("png"));

}  // namespace bars
