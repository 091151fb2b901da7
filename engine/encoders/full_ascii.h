#pragma once
// The full-ASCII rewriting shared by Code 39 Extended and Code 93 Extended: every code 0..127
// becomes one or two characters of the base symbology, a letter behind one of four shifts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bars::full_ascii {

// One rewritten character: one or two base-symbology characters.
struct Entry {
  std::uint8_t Length;
  char Chars[2];
  constexpr std::string_view View() const { return {Chars, Length}; }
};

// The four shift characters of the base symbology, named after the Code 39 characters that
// play their part there.
struct Shifts {
  char Dollar;   // control characters 1..26
  char Percent;  // the remaining controls and punctuation, DEL
  char Slash;    // punctuation '!'..'/' and ':'
  char Plus;     // lower-case letters
};

// The table for codes 0..127 in the full-ASCII arrangement of ISO/IEC 16388 (Code 93 uses the
// same arrangement with its own four shift characters).
constexpr std::array<Entry, 128> MakeTable(Shifts s) {
  std::array<Entry, 128> table{};
  auto pair = [](char shift, int letter) { return Entry{2, {shift, static_cast<char>(letter)}}; };
  for (int c = 0; c < 128; ++c) {
    Entry e{1, {static_cast<char>(c), '\0'}};  // space, digits and capitals stand for themselves
    if (c == 0)
      e = pair(s.Percent, 'U');
    else if (c <= 26)
      e = pair(s.Dollar, 'A' + c - 1);
    else if (c <= 31)
      e = pair(s.Percent, 'A' + c - 27);
    else if (c >= 33 && c <= 47)
      e = pair(s.Slash, 'A' + c - 33);
    else if (c == 58)
      e = pair(s.Slash, 'Z');
    else if (c >= 59 && c <= 63)
      e = pair(s.Percent, 'F' + c - 59);
    else if (c == 64)
      e = pair(s.Percent, 'V');
    else if (c >= 91 && c <= 95)
      e = pair(s.Percent, 'K' + c - 91);
    else if (c == 96)
      e = pair(s.Percent, 'W');
    else if (c >= 97 && c <= 122)
      e = pair(s.Plus, 'A' + c - 97);
    else if (c >= 123)
      e = pair(s.Percent, 'P' + c - 123);
    table[static_cast<std::size_t>(c)] = e;
  }
  return table;
}

// Whether every entry of `table` is one or two characters that `isBaseChar` accepts: a
// compile-time check that the base symbology can encode every rewriting.
template <typename Predicate>
constexpr bool EntriesAreMadeOf(const std::array<Entry, 128>& table, Predicate isBaseChar) {
  for (const Entry& entry : table) {
    if (entry.Length < 1 || entry.Length > 2) return false;
    for (char c : entry.View()) {
      if (!isBaseChar(c)) return false;
    }
  }
  return true;
}

// `text` rewritten through `table`, or nothing if it holds a code above 127.
inline std::optional<std::string> Rewrite(std::string_view text,
                                          const std::array<Entry, 128>& table) {
  std::string data;
  data.reserve(2 * text.size());
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= table.size()) return std::nullopt;
    data += table[code].View();
  }
  return data;
}

}  // namespace bars::full_ascii
