// GS1 Digital Link URIs: GS1's published pairs of element strings and URIs both ways, bad URIs
// and element strings with their messages, and a round trip over random element strings.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "digital_link.h"
#include "support/test_support.h"

namespace bars::gs1 {
namespace {

using test::MessageOf;

enum class Way { kBoth, kToUri, kFromUri };

struct LinkCase {
  const char* name;
  const char* bracketed;
  const char* stem;
  const char* uri;
  Way way;
  const char* source;
  friend void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }
};

class DigitalLinks : public ::testing::TestWithParam<LinkCase> {};

TEST_P(DigitalLinks, ElementStringsAndUris) {
  const auto& c = GetParam();
  if (c.way != Way::kFromUri) {
    EXPECT_EQ(DigitalLinkUri(c.bracketed, c.stem), c.uri) << c.source;
  }
  if (c.way != Way::kToUri) {
    EXPECT_EQ(ParseDigitalLink(c.uri), ParseBracketed(c.bracketed, kDigitalLinkOptions))
        << c.source;
  }
}

constexpr const char* kGs1 = "https://id.gs1.org";
constexpr const char* kExample = "https://example.com";
constexpr const char* kDlExamples = "GS1 Digital Link URI Syntax, examples";
constexpr const char* kEngineTests = "GS1 Barcode Syntax Engine, Digital Link tests";

INSTANTIATE_TEST_SUITE_P(
    Published, DigitalLinks,
    ::testing::ValuesIn(std::vector<LinkCase>{
        LinkCase{"Gtin", "(01)09520123456788", kGs1, "https://id.gs1.org/01/09520123456788",
                 Way::kBoth, kDlExamples},
        LinkCase{"Variant", "(01)09520123456788(22)2A", kGs1,
                 "https://id.gs1.org/01/09520123456788/22/2A", Way::kBoth, kDlExamples},
        LinkCase{"Batch", "(01)09520123456788(10)ABC123", kGs1,
                 "https://id.gs1.org/01/09520123456788/10/ABC123", Way::kBoth, kDlExamples},
        LinkCase{"Serial", "(01)09520123456788(21)12345", kGs1,
                 "https://id.gs1.org/01/09520123456788/21/12345", Way::kBoth, kDlExamples},
        LinkCase{"BatchSerialExpiry", "(01)09520123456788(10)ABC1(21)12345(17)180426", kGs1,
                 "https://id.gs1.org/01/09520123456788/10/ABC1/21/12345?17=180426", Way::kBoth,
                 kDlExamples},
        LinkCase{"Weight", "(01)09520123456788(3103)000195", kGs1,
                 "https://id.gs1.org/01/09520123456788?3103=000195", Way::kBoth, kDlExamples},
        LinkCase{"WeightPriceExpiry", "(01)09520123456788(3103)000195(3922)0299(17)201225",
                 kExample, "https://example.com/01/09520123456788?3103=000195&3922=0299&17=201225",
                 Way::kBoth, kDlExamples},
        LinkCase{"Sscc", "(00)952012345678912345", kGs1, "https://id.gs1.org/00/952012345678912345",
                 Way::kBoth, kDlExamples},
        LinkCase{"SsccContent", "(00)952012345678912345(02)09520123456788(37)25(10)ABC123", kGs1,
                 "https://id.gs1.org/00/952012345678912345?02=09520123456788&37=25&10=ABC123",
                 Way::kBoth, kDlExamples},
        LinkCase{"Gln", "(414)9520123456788", kGs1, "https://id.gs1.org/414/9520123456788",
                 Way::kBoth, kDlExamples},
        LinkCase{"GlnExtension", "(414)9520123456788(254)32a/b", kGs1,
                 "https://id.gs1.org/414/9520123456788/254/32a%2Fb", Way::kBoth, kDlExamples},
        LinkCase{"Gtin13Attribute", "(8004)9520614141234567(01)09520123456788", kExample,
                 "https://example.com/8004/9520614141234567?01=9520123456788", Way::kFromUri,
                 kDlExamples},
        LinkCase{"StemWithPath", "(01)09520123456788",
                 "https://brand.example.com/some-extra/pathinfo",
                 "https://brand.example.com/some-extra/pathinfo/01/09520123456788", Way::kBoth,
                 kDlExamples},
        LinkCase{"QualifiersPutInOrder", "(21)XYZ(01)12312312312333(10)ABC123(99)XYZ", kExample,
                 "https://example.com/01/12312312312333/10/ABC123/21/XYZ?99=XYZ", Way::kToUri,
                 kEngineTests},
        LinkCase{"PlusEscaped", "(01)12312312312333(10)ABC+123(99)XYZ+QWERTY", kExample,
                 "https://example.com/01/12312312312333/10/ABC%2B123?99=XYZ%2BQWERTY", Way::kBoth,
                 kEngineTests},
        LinkCase{"LowerCaseEscapesPlusInPath", "(01)12312312312333(22)ABC+1-3(99)ABC(98)XYZ/987",
                 kExample, "https://example.com/01/12312312312333/22/ABC+1%2d3?99=ABC&98=XYZ%2f987",
                 Way::kFromUri, kEngineTests},
        LinkCase{"OtherParametersAndFragment", "(01)09520123456788(17)201225", kExample,
                 "https://example.com/01/09520123456788?linkType=gs1:pip&&17=201225&x#top",
                 Way::kFromUri, kEngineTests},
        LinkCase{"OtherQualifierOrder", "(01)09520123456788(235)XYZ(10)ABC123", kGs1,
                 "https://id.gs1.org/01/09520123456788/235/XYZ?10=ABC123", Way::kBoth,
                 kEngineTests},
        LinkCase{"FirstKeyWins", "(8017)795260646688514634(99)000001(253)9526064000028000001",
                 kExample,
                 "https://example.com/8017/795260646688514634?99=000001&253=9526064000028000001",
                 Way::kBoth, kEngineTests}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LinkReject {
  const char* name;
  const char* input;  // a URI to parse, or element strings for a URI under `stem`
  const char* stem;   // nullptr: `input` is a URI
  const char* message;
  friend void PrintTo(const LinkReject& c, std::ostream* os) { *os << c.name; }
};

class DigitalLinkRejects : public ::testing::TestWithParam<LinkReject> {};

TEST_P(DigitalLinkRejects, SayWhatIsWrong) {
  const auto& c = GetParam();
  EXPECT_EQ(MessageOf([&] {
              if (c.stem == nullptr) {
                ParseDigitalLink(c.input);
              } else {
                DigitalLinkUri(c.input, c.stem);
              }
            }),
            c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DigitalLinkRejects,
    ::testing::ValuesIn(std::vector<LinkReject>{
        LinkReject{"TrailingSlash", "https://id.gs1.org/01/09520123456788/", nullptr,
                   "GS1 Digital Link: the path must not end with \"/\""},
        LinkReject{"NoPrimaryKey", "https://example.com/products/123", nullptr,
                   "GS1 Digital Link: no primary key in the path; a GS1 Digital Link URI needs "
                   "one of (00), (01), (253), (255), (401), (402), (414), (415), (417), (8003), "
                   "(8004), (8006), (8010), (8013), (8017), (8018)"},
        LinkReject{"QualifierOutOfOrder", "https://id.gs1.org/01/09520123456788/10/ABC1/22/2A",
                   nullptr,
                   "GS1 Digital Link: AI (22) is out of order: after AI (01) the path takes its "
                   "key qualifiers in the order (22), (10), (21), or else (235)"},
        LinkReject{"QualifierOrdersMixed", "https://id.gs1.org/01/09520123456788/22/2A/235/XYZ",
                   nullptr,
                   "GS1 Digital Link: AI (235) is out of order: after AI (01) the path takes its "
                   "key qualifiers in the order (22), (10), (21), or else (235)"},
        LinkReject{"NotAQualifier", "https://id.gs1.org/01/09520123456788/17/201225", nullptr,
                   "GS1 Digital Link: AI (17) is not a key qualifier of AI (01) and cannot be in "
                   "the path"},
        LinkReject{"QualifierInQuery", "https://id.gs1.org/01/09520123456788?10=ABC123", nullptr,
                   "GS1 Digital Link: AI (10) is a key qualifier of AI (01) and belongs in the "
                   "path, not in the query string"},
        LinkReject{"RepeatedAttribute", "https://id.gs1.org/01/09520123456788?17=201225&17=201225",
                   nullptr, "GS1 Digital Link: AI (17) appears twice in the URI"},
        LinkReject{"UnknownAttribute", "https://id.gs1.org/01/09520123456788?999=faux", nullptr,
                   "GS1 Digital Link: unknown AI (999) in the query string"},
        LinkReject{"UnknownAiInPath", "https://id.gs1.org/01/09520123456788/89/X", nullptr,
                   "GS1 Digital Link: unknown AI (89) in the path"},
        LinkReject{"NotAnAttribute", "https://id.gs1.org/01/09520123456788?8200=abc", nullptr,
                   "GS1 Digital Link: AI (8200) cannot be an attribute of a GS1 Digital Link URI"},
        LinkReject{"EscapeCut", "https://id.gs1.org/01/09520123456788/10/AB%2", nullptr,
                   "GS1 Digital Link: AI (10) has a malformed percent escape \"%2\""},
        LinkReject{"EscapeNotHex", "https://id.gs1.org/01/09520123456788?99=A%G1B", nullptr,
                   "GS1 Digital Link: AI (99) has a malformed percent escape \"%G1\""},
        LinkReject{"PlusIsBlankInQuery", "https://id.gs1.org/01/09520123456788?99=A+B", nullptr,
                   "GS1 Digital Link: AI (99) has a character outside GS1 set 82: \" \""},
        LinkReject{"CheckDigit", "https://id.gs1.org/01/09520123456787", nullptr,
                   "GS1 Digital Link: AI (01) check digit should be 8, not 7"},
        LinkReject{"Gtin13InPath", "https://id.gs1.org/01/9520123456788", nullptr,
                   "GS1 Digital Link: AI (01) is too short: 13 characters, it takes 14"},
        LinkReject{"Requisite", "https://id.gs1.org/00/952012345678912345?02=09520123456788",
                   nullptr, "GS1: AI (02) needs AI (37)"},
        LinkReject{"Scheme", "ftp://id.gs1.org/01/09520123456788", nullptr,
                   "GS1 Digital Link: the URI must start with https:// or http://"},
        LinkReject{"MixedCaseScheme", "Https://id.gs1.org/01/09520123456788", nullptr,
                   "GS1 Digital Link: the URI must start with https:// or http://"},
        LinkReject{"NoDomain", "https:///01/09520123456788", nullptr,
                   "GS1 Digital Link: the URI has no domain"},
        LinkReject{"Blank", "https://id.gs1.org/01/09520123456788/10/A B", nullptr,
                   "GS1 Digital Link: the URI has a character a URI cannot hold: \" \""},
        LinkReject{"NoKeyToLink", "(99)ABC", kGs1,
                   "GS1 Digital Link: no primary key among the AIs; a GS1 Digital Link URI needs "
                   "one of (00), (01), (253), (255), (401), (402), (414), (415), (417), (8003), "
                   "(8004), (8006), (8010), (8013), (8017), (8018)"},
        LinkReject{"NeitherPathNorAttribute", "(01)12312312312326(99)1(8200)http://example.com",
                   kExample,
                   "GS1 Digital Link: AI (8200) can be neither in the path after AI (01) nor an "
                   "attribute of a GS1 Digital Link URI"},
        LinkReject{"QualifierOfTheOtherOrder", "(01)12312312312326(22)ABC(10)DEF(235)TPX", kExample,
                   "GS1 Digital Link: AI (235) can be neither in the path after AI (01) nor an "
                   "attribute of a GS1 Digital Link URI"},
        LinkReject{"StemEndsInSlash", "(01)09520123456788", "https://example.com/",
                   "GS1 Digital Link: the stem must not end with \"/\""},
        LinkReject{"StemWithoutScheme", "(01)09520123456788", "example.com",
                   "GS1 Digital Link: the stem must start with https:// or http://"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Random element strings of a key, some of its qualifiers and attributes in any order, values
// of every character of set 82: the URI gives back the same elements, and its elements the same
// URI.
TEST(DigitalLinkRoundTrip, RandomElementStrings) {
  struct Key {
    const char* element;
    std::vector<const char*> qualifiers;  // AIs of X..20
  };
  const Key keys[] = {{"(01)09520123456788", {"22", "10", "21"}},
                      {"(00)952012345678912345", {}},
                      {"(414)9520123456788", {"254"}},
                      {"(8004)9520614141234567", {}},
                      {"(253)9526064000028000001", {}}};
  const std::string set82 =
      "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
  std::mt19937 rng(20260806);
  const auto randomValue = [&] {
    std::string value;
    for (int n = std::uniform_int_distribution<int>(1, 20)(rng); n > 0; --n) {
      const char c = set82[std::uniform_int_distribution<std::size_t>(0, set82.size() - 1)(rng)];
      value += c == '(' || c == ')' ? std::string("\\") + c : std::string(1, c);
    }
    return value;
  };
  for (int i = 0; i < 300; ++i) {
    const Key& key = keys[std::uniform_int_distribution<std::size_t>(0, std::size(keys) - 1)(rng)];
    std::vector<std::string> elements{key.element};
    for (const char* q : key.qualifiers)
      if (rng() % 2) elements.push_back("(" + std::string(q) + ")" + randomValue());
    for (const char* a : {"90", "91", "99", "400"})
      if (rng() % 2) elements.push_back("(" + std::string(a) + ")" + randomValue());
    std::shuffle(elements.begin(), elements.end(), rng);
    std::string text;
    for (const std::string& e : elements) text += e;

    const std::string uri = DigitalLinkUri(text);
    std::vector<Element> expected = ParseBracketed(text, kDigitalLinkOptions);
    std::vector<Element> back = ParseDigitalLink(uri);
    EXPECT_EQ(DigitalLinkUri(back), uri) << text;
    const auto byAi = [](const Element& a, const Element& b) { return a.Ai < b.Ai; };
    std::ranges::sort(expected, byAi);
    std::ranges::sort(back, byAi);
    EXPECT_EQ(back, expected) << text << " " << uri;
  }
}

}  // namespace
}  // namespace bars::gs1
