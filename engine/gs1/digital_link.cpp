// GS1 Digital Link URIs, both ways: element strings to a URI under a stem, and a URI back to
// checked elements. The primary keys, their qualifiers and the AIs allowed as attributes are the
// dictionary's dlpkey and '?' marks.
#include "digital_link.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "gs1/ai_table.h"
#include "gs1/check.h"

namespace bars::gs1 {
namespace {

using detail::AiRow;
using detail::Fail;
using detail::FindAi;
using detail::ForEachItem;
using detail::Label;
using detail::Quoted;

using Path = std::vector<std::string_view>;  // the AIs of a path: the key, then its qualifiers

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsAlnum(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
// RFC 3986's unreserved characters: the only ones a value keeps as they are.
constexpr bool IsUnreserved(char c) {
  return IsAlnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}
// Every character a URI may hold, '%' of the escapes included.
constexpr bool IsUriCharacter(char c) {
  return IsUnreserved(c) ||
         std::string_view(":/?#[]@!$&'()*+,;=%").find(c) != std::string_view::npos;
}
// Characters of a URI that a domain name cannot hold.
constexpr bool IsBadInDomain(char c) {
  return std::string_view("_~?#@!$&'()*+,;=%").find(c) != std::string_view::npos;
}
constexpr int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::ranges::all_of(s, IsDigit);
}

// Every character but the unreserved ones as %XX, upper-case hex.
std::string Escape(std::string_view value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : value) {
    if (IsUnreserved(c)) {
      out += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

// The value of a path segment or query parameter; in a query '+' stands for a space.
std::string Unescape(std::string_view text, bool query, std::string_view ai, std::string_view who) {
  std::string value;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%') {
      const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
      const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
      if (high < 0 || low < 0)
        Fail(who, Label(ai) + " has a malformed percent escape " + Quoted(text.substr(i, 3)));
      value += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      value += query && text[i] == '+' ? ' ' : text[i];
    }
  }
  return value;
}

// The length of the scheme and "://" at the start of `uri`, or 0: lower or upper case, not mixed.
std::size_t SchemeLength(std::string_view uri) {
  for (std::string_view scheme : {"https://", "HTTPS://", "http://", "HTTP://"})
    if (uri.starts_with(scheme)) return scheme.size();
  return 0;
}

// What `uri` (or a stem, `what`) must be before its path: a scheme, URI characters only, a
// domain; and for a URI a path after it.
void CheckStart(std::string_view uri, std::string_view what, bool needsPath, std::string_view who) {
  const std::size_t scheme = SchemeLength(uri);
  if (scheme == 0) Fail(who, std::string(what) + " must start with https:// or http://");
  if (const auto bad = std::ranges::find_if_not(uri, IsUriCharacter); bad != uri.end())
    Fail(who, std::string(what) + " has a character a URI cannot hold: " + Quoted({&*bad, 1}));
  const std::size_t slash = uri.find('/', scheme);
  const std::string_view domain = uri.substr(scheme, slash - scheme);
  if (domain.empty()) Fail(who, std::string(what) + " has no domain");
  if (const auto bad = std::ranges::find_if(domain, IsBadInDomain); bad != domain.end())
    Fail(who, std::string(what) + " has a character a domain cannot hold: " + Quoted({&*bad, 1}));
  if (needsPath && slash == std::string_view::npos)
    Fail(who, std::string(what) + " has no path, so no primary key");
}

void CheckStem(std::string_view stem, std::string_view who) {
  CheckStart(stem, "the stem", false, who);
  if (stem.find_first_of("?#") != std::string_view::npos)
    Fail(who, "the stem " + Quoted(stem) + " must not hold a query or fragment");
  if (stem.ends_with('/')) Fail(who, "the stem must not end with \"/\"");
}

// "(00), (01), (253), ...": every primary key, for the message that finds none.
std::string PrimaryKeys() {
  std::string keys;
  for (const AiRow& row : detail::AiTable())
    if (row.PrimaryKey) keys += (keys.empty() ? "(" : ", (") + std::string(row.First) + ")";
  return keys;
}

// Whether the qualifiers of `path` (after its key) follow one of the key's qualifier orders,
// each present at most once.
bool FollowsAnOrder(const AiRow& key, const Path& path) {
  bool follows = path.size() == 1;
  ForEachItem(key.Qualifiers, '|', [&](std::string_view order) {
    std::size_t next = 1;  // the first qualifier of `path` not yet found in `order`
    ForEachItem(order, ',', [&](std::string_view q) {
      if (next < path.size() && path[next] == q) ++next;
    });
    follows = follows || next == path.size();
  });
  return follows;
}

bool IsQualifierOf(const AiRow& key, std::string_view ai) {
  bool found = false;
  ForEachItem(key.Qualifiers, '|', [&](std::string_view order) {
    ForEachItem(order, ',', [&](std::string_view q) { found = found || q == ai; });
  });
  return found;
}

// "(22), (10), (21), or else (235)".
std::string Orders(const AiRow& key) {
  std::string text;
  ForEachItem(key.Qualifiers, '|', [&](std::string_view order) {
    text += text.empty() ? "" : ", or else ";
    bool first = true;
    ForEachItem(order, ',', [&](std::string_view q) {
      text += (first ? "(" : ", (") + std::string(q) + ")";
      first = false;
    });
  });
  return text;
}

// Whether `ai` could stand in `path` among its qualifiers: then it must not be an attribute.
bool BelongsInPath(const AiRow& key, const Path& path, std::string_view ai) {
  for (std::size_t at = 1; at <= path.size(); ++at) {
    Path longer = path;
    longer.insert(longer.begin() + static_cast<std::ptrdiff_t>(at), ai);
    if (FollowsAnOrder(key, longer)) return true;
  }
  return false;
}

bool Repeats(std::span<const Element> elements, std::size_t i) {
  for (std::size_t j = 0; j < i; ++j)
    if (elements[j] == elements[i]) return true;
  return false;
}

}  // namespace

std::string DigitalLinkUri(std::string_view bracketed, std::string_view stem,
                           const ParseOptions& options) {
  CheckStem(stem, options.Symbology);
  return DigitalLinkUri(ParseBracketed(bracketed, options), stem, options);
}

std::string DigitalLinkUri(std::span<const Element> elements, std::string_view stem,
                           const ParseOptions& options) {
  const std::string_view who = options.Symbology;
  CheckStem(stem, who);
  for (const Element& e : elements)
    if (FindAi(e.Ai) == nullptr) Fail(who, "unknown " + Label(e.Ai));
  const auto keyAt =
      std::ranges::find_if(elements, [](const Element& e) { return FindAi(e.Ai)->PrimaryKey; });
  if (keyAt == elements.end())
    Fail(who, "no primary key among the AIs; a GS1 Digital Link URI needs one of " + PrimaryKeys());
  const AiRow& key = *FindAi(keyAt->Ai);

  // Of the key's qualifier orders, the one that puts the most elements in the path and leaves
  // only attributes that could not be in it; the first such on a tie.
  std::vector<const Element*> best;
  bool bestValid = false;
  ForEachItem(key.Qualifiers, '|', [&](std::string_view order) {
    std::vector<const Element*> path{&*keyAt};
    ForEachItem(order, ',', [&](std::string_view q) {
      const auto e = std::ranges::find_if(elements, [&](const Element& x) { return x.Ai == q; });
      if (e != elements.end()) path.push_back(&*e);
    });
    Path ais;
    for (const Element* e : path) ais.push_back(e->Ai);
    bool valid = true;
    for (const Element& e : elements) {
      if (std::ranges::find(ais, e.Ai) != ais.end()) continue;
      valid = valid && FindAi(e.Ai)->Attribute && !BelongsInPath(key, ais, e.Ai);
    }
    if (best.empty() || (valid && !bestValid) ||
        (valid == bestValid && path.size() > best.size())) {
      best = path;
      bestValid = valid;
    }
  });

  std::string uri(stem);
  Path ais;
  for (const Element* e : best) {
    uri += "/" + e->Ai + "/" + Escape(e->Value);
    ais.push_back(e->Ai);
  }
  char separator = '?';
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const Element& e = elements[i];
    if (std::ranges::find_if(best, [&](const Element* p) { return p->Ai == e.Ai; }) != best.end() ||
        Repeats(elements, i))
      continue;
    if (!FindAi(e.Ai)->Attribute)
      Fail(who, Label(e.Ai) + " can be neither in the path after AI (" + std::string(key.First) +
                    ") nor an attribute of a GS1 Digital Link URI");
    if (BelongsInPath(key, ais, e.Ai))
      Fail(who, Label(e.Ai) + " is a key qualifier of AI (" + std::string(key.First) +
                    ") and would have to be in the path, out of its order there");
    uri += separator + e.Ai + "=" + Escape(e.Value);
    separator = '&';
  }
  return uri;
}

std::vector<Element> ParseDigitalLink(std::string_view uri, const ParseOptions& options) {
  const std::string_view who = options.Symbology;
  CheckStart(uri, "the URI", true, who);
  const int year = detail::YearOrToday(options.CurrentYear);
  uri = uri.substr(0, uri.find('#'));  // the fragment is for the resolver's client
  const std::size_t pathAt = uri.find('/', SchemeLength(uri));
  const std::size_t queryAt = std::min(uri.find('?', pathAt), uri.size());
  const std::string_view path = uri.substr(pathAt, queryAt - pathAt);
  const std::string_view query = uri.substr(std::min(queryAt + 1, uri.size()));
  if (path.ends_with('/')) Fail(who, "the path must not end with \"/\"");

  // The primary key is the rightmost AI of the path that is one, after nothing but AIs and
  // values; whatever comes before it is the stem's own path.
  std::vector<std::string_view> segments;
  ForEachItem(path.substr(1), '/', [&](std::string_view s) { segments.push_back(s); });
  std::size_t root = segments.size();
  for (std::size_t at = segments.size(); at >= 2; at -= 2) {
    const std::string_view ai = segments[at - 2];
    const AiRow* row = FindAi(ai);
    if (row == nullptr) {
      if (AllDigits(ai) && ai.size() >= 2 && ai.size() <= 4)
        Fail(who, "unknown " + Label(ai) + " in the path");
      break;
    }
    if (row->PrimaryKey) {
      root = at - 2;
      break;
    }
  }
  if (root == segments.size())
    Fail(who, "no primary key in the path; a GS1 Digital Link URI needs one of " + PrimaryKeys());

  const AiRow& key = *FindAi(segments[root]);
  Path ais;
  for (std::size_t at = root; at < segments.size(); at += 2) {
    ais.push_back(segments[at]);
    if (FollowsAnOrder(key, ais)) continue;
    const std::string_view q = segments[at];
    if (!IsQualifierOf(key, q))
      Fail(who, Label(q) + " is not a key qualifier of AI (" + std::string(key.First) +
                    ") and cannot be in the path");
    Fail(who, Label(q) + " is out of order: after AI (" + std::string(key.First) +
                  ") the path takes its key qualifiers in the order " + Orders(key));
  }
  std::vector<Element> elements;
  for (std::size_t at = root; at < segments.size(); at += 2) {
    const AiRow& row = *FindAi(segments[at]);
    std::string value = Unescape(segments[at + 1], false, segments[at], who);
    detail::CheckValue(row, segments[at], value, year, who);
    elements.push_back({std::string(segments[at]), std::move(value), !row.Predefined});
  }

  ForEachItem(query, '&', [&](std::string_view parameter) {
    const std::size_t equals = parameter.find('=');
    const std::string_view ai = parameter.substr(0, equals);
    // Only parameters named by digits are AIs; others are for the resolver.
    if (equals == std::string_view::npos || !AllDigits(ai)) return;
    const AiRow* row = FindAi(ai);
    if (row == nullptr) Fail(who, "unknown " + Label(ai) + " in the query string");
    std::string value = Unescape(parameter.substr(equals + 1), true, ai, who);
    // GS1 allows a GTIN-8, -12 or -13 as an attribute, written without the zeros of a GTIN-14.
    if (ai == "01" && AllDigits(value) &&
        (value.size() == 8 || value.size() == 12 || value.size() == 13))
      value.insert(0, 14 - value.size(), '0');
    if (std::ranges::find(elements, ai, &Element::Ai) != elements.end())
      Fail(who, Label(ai) + " appears twice in the URI");
    if (!row->Attribute) Fail(who, Label(ai) + " cannot be an attribute of a GS1 Digital Link URI");
    if (BelongsInPath(key, ais, ai))
      Fail(who, Label(ai) + " is a key qualifier of AI (" + std::string(key.First) +
                    ") and belongs in the path, not in the query string");
    detail::CheckValue(*row, ai, value, year, who);
    elements.push_back({std::string(ai), std::move(value), !row->Predefined});
  });
  detail::CheckTogether(elements, options);
  return elements;
}

}  // namespace bars::gs1
