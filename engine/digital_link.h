#pragma once
// GS1 Digital Link URIs (GS1 Digital Link URI Syntax 1.6): GS1 element strings written as a web
// address, such as https://id.gs1.org/01/09520123456788/10/ABC1/21/12345?17=180426. The path
// holds a primary key and its key qualifiers in GS1's order, the query string the other AIs as
// attributes; values are percent-encoded but for A-Z a-z 0-9 - . _ ~. Which AI is a primary key,
// its qualifiers and the AIs allowed as attributes come from the GS1 Barcode Syntax Dictionary.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gs1.h"

namespace bars::gs1 {

// GS1's own resolver, the stem of a URI when none is given.
inline constexpr std::string_view kDigitalLinkStem = "https://id.gs1.org";

// The checks of a Digital Link: every one ParseBracketed makes but the GS1-128 length limit,
// messages starting "GS1 Digital Link: " (the requisites' "GS1: ").
inline constexpr ParseOptions kDigitalLinkOptions{.Symbology = "GS1 Digital Link",
                                                  .Gs1_128Limit = false};

// The URI of bracketed element strings under `stem` (http:// or https://, a domain, perhaps a
// path of its own, no "/" at the end): the first primary key and those of its qualifiers present
// in the path, in GS1's order, then the other AIs as attributes in the order given (a repeat of
// an element is left out). Checks the elements as ParseBracketed with `options` does. Raises
// bars::Exception "<Symbology>: ..." for a bad element or stem, no primary key, or an AI that can
// be neither in the path nor an attribute.
std::string DigitalLinkUri(std::string_view bracketed, std::string_view stem = kDigitalLinkStem,
                           const ParseOptions& options = kDigitalLinkOptions);

// As above from elements already checked, such as ParseBracketed returns; of `options` only the
// Symbology of the messages is used.
std::string DigitalLinkUri(std::span<const Element> elements,
                           std::string_view stem = kDigitalLinkStem,
                           const ParseOptions& options = kDigitalLinkOptions);

// The elements a Digital Link URI carries: those of the path in its order, then the attributes
// of the query string in theirs; a GTIN-8, -12 or -13 attribute (01) is padded to 14 digits.
// Query parameters whose names are not all digits, and the fragment, are passed over. Checks the
// elements as ParseBracketed with `options` does. Raises bars::Exception "<Symbology>: ..." for a
// URI that is not one (scheme, domain, characters, a "/" at the end), no primary key in the path,
// a qualifier out of order or in the query string, an unknown, repeated or disallowed attribute,
// a malformed percent escape, and every fault of an element.
std::vector<Element> ParseDigitalLink(std::string_view uri,
                                      const ParseOptions& options = kDigitalLinkOptions);

}  // namespace bars::gs1
