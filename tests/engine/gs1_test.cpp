// GS1 bracketed element strings: published examples that parse, one reject per message class,
// the check digits and check-character pairs against single-character changes, the century of
// two-digit years.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "gs1.h"
#include "support/test_support.h"

namespace bars::gs1 {
namespace {

using test::MessageOf;

struct AcceptCase {
  const char* name;
  const char* text;
  std::vector<Element> elements;
  std::size_t dataLength;
  const char* source;
  friend void PrintTo(const AcceptCase& c, std::ostream* os) { *os << c.name; }
};

class Gs1Accepts : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(Gs1Accepts, ElementsInOrder) {
  const auto& c = GetParam();
  const std::vector<Element> elements = ParseBracketed(c.text);
  EXPECT_EQ(elements, c.elements) << c.source;
  EXPECT_EQ(DataLength(elements), c.dataLength) << c.source;
}

constexpr bool kSep = true;   // an FNC1 follows when another element does
constexpr bool kPre = false;  // predefined length

INSTANTIATE_TEST_SUITE_P(
    Published, Gs1Accepts,
    ::testing::Values(
        AcceptCase{"GtinExpiryBatch",
                   "(01)09501101530003(17)250101(10)AB-123",
                   {{"01", "09501101530003", kPre}, {"17", "250101", kPre}, {"10", "AB-123", kSep}},
                   32,
                   "issue 12 (GS1 example GTIN, check digit 3)"},
        AcceptCase{"BatchBeforeExpiryNeedsFnc1",
                   "(01)09520123456788(10)ABC123(17)271231",
                   {{"01", "09520123456788", kPre}, {"10", "ABC123", kSep}, {"17", "271231", kPre}},
                   33,
                   "GS1 Digital Link example GTIN; one FNC1 after the batch"},
        AcceptCase{"Sscc",
                   "(00)106141412345678908",
                   {{"00", "106141412345678908", kPre}},
                   20,
                   "GS1 EPC Tag Data Standard, SSCC 0614141.1234567890"},
        AcceptCase{"GtinSerial",
                   "(01)80614141123458(21)6789",
                   {{"01", "80614141123458", kPre}, {"21", "6789", kSep}},
                   22,
                   "GS1 EPC Tag Data Standard, SGTIN 0614141.812345.6789"},
        AcceptCase{"GlnExtension",
                   "(414)0614141123452(254)5678",
                   {{"414", "0614141123452", kPre}, {"254", "5678", kSep}},
                   23,
                   "GS1 EPC Tag Data Standard, SGLN 0614141.12345.5678"},
        AcceptCase{"Grai",
                   "(8003)006141411234525678",
                   {{"8003", "006141411234525678", kSep}},
                   22,
                   "GS1 EPC Tag Data Standard, GRAI 0614141.12345.5678"},
        AcceptCase{"Gdti",
                   "(253)06141411234525678",
                   {{"253", "06141411234525678", kSep}},
                   20,
                   "GS1 EPC Tag Data Standard, GDTI 0614141.12345.5678"},
        AcceptCase{"Gsrn",
                   "(8018)061414112345678902",
                   {{"8018", "061414112345678902", kSep}},
                   22,
                   "GS1 EPC Tag Data Standard, GSRN 0614141.1234567890"},
        AcceptCase{"GmnCheckPair",
                   "(8013)1987654Ad4X4bL5ttr2310c2K",
                   {{"8013", "1987654Ad4X4bL5ttr2310c2K", kSep}},
                   29,
                   "GS1 GMN example (Barcode Syntax Tests), check pair 2K"},
        AcceptCase{"DayZeroAndTime",
                   "(17)250100(8008)25010112(4321)1",
                   {{"17", "250100", kPre}, {"8008", "25010112", kSep}, {"4321", "1", kSep}},
                   26,
                   "day 00 where GS1 allows it; optional minutes and seconds left out"},
        AcceptCase{"EscapedBrackets",
                   "(10)A\\(1\\)",
                   {{"10", "A(1)", kSep}},
                   6,
                   "the escapes of the bracketed form"},
        AcceptCase{"Exactly48",
                   "(10)12345678901234567890(21)1234567890123456789(22)1",
                   {{"10", "12345678901234567890", kSep},
                    {"21", "1234567890123456789", kSep},
                    {"22", "1", kSep}},
                   48,
                   "22 + FNC1 + 21 + FNC1 + 3: the largest GS1-128"}));

struct RejectCase {
  const char* name;
  const char* text;
  const char* message;  // exact, or a part of it when `exact` is false
  bool exact;
  friend void PrintTo(const RejectCase& c, std::ostream* os) { *os << c.name; }
};

class Gs1Rejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(Gs1Rejects, NamingTheAi) {
  const auto& c = GetParam();
  const std::string message = MessageOf([&] { ParseBracketed(c.text, 2025); });
  if (c.exact) {
    EXPECT_EQ(message, c.message);
  } else {
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
    EXPECT_EQ(message.rfind("GS1-128: ", 0), 0u) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Gs1Rejects,
    ::testing::Values(
        RejectCase{"CheckDigit", "(01)09501101530001",
                   "GS1-128: AI (01) check digit should be 3, not 1", true},
        RejectCase{"UnknownAi", "(99x)1", "GS1-128: unknown AI (99x)", true},
        RejectCase{"NotADate", "(17)250230", "GS1-128: AI (17) is not a valid date", true},
        RejectCase{"Empty", "", "GS1-128: no data; write element strings as (AI)value", false},
        RejectCase{"NoBracket", "0109501101530003",
                   "GS1-128: the text must start with \"(\" and an AI, not \"0\"", true},
        RejectCase{"Unclosed", "(01)09501101530003(17", "GS1-128: \"(17\" has no closing bracket",
                   true},
        RejectCase{"OneDigitAi", "(1)2", "unknown AI (1)", false},
        RejectCase{"NoData", "(10)(17)250101", "GS1-128: AI (10) has no data", true},
        RejectCase{"TooShort", "(01)0950110153000",
                   "GS1-128: AI (01) is too short: 13 characters, it takes 14", true},
        RejectCase{"TooLong", "(10)123456789012345678901",
                   "GS1-128: AI (10) is too long: 21 characters, it takes 1 to 20", true},
        RejectCase{"OptionalPartCut", "(423)1234", "it takes 3, 6, 9, 12 or 15", false},
        RejectCase{"LowerCaseDigit", "(01)0950110153000a",
                   "GS1-128: AI (01) has a non-digit character \"a\"", true},
        RejectCase{"Set82Blank", "(10)A B", "AI (10) has a character outside GS1 set 82: \" \"",
                   false},
        RejectCase{"Set82Gs", "(10)A\x1D", "outside GS1 set 82: \"\\x1D\"", false},
        RejectCase{"Set82Del", "(10)A\x7F", "outside GS1 set 82: \"\\x7F\"", false},
        RejectCase{"Set82HighByte", "(10)\xFF", "outside GS1 set 82: \"\\xFF\"", false},
        RejectCase{"Set82Backslash", "(10)A\\B", "outside GS1 set 82: \"\\\"", false},
        RejectCase{"Set39LowerCase", "(8010)ab", "AI (8010) has a character outside GS1 set 39",
                   false},
        RejectCase{"Set64Padding", "(8030)a=b", "AI (8030) has a character outside GS1 set 64",
                   false},
        RejectCase{"UnpairedBracket", "(10)AB)C", "AI (10) has a \")\" with no \"(\"", false},
        RejectCase{"KeyInsideValue", "(8003)006141411234535678",
                   "AI (8003) check digit should be 2, not 3", false},
        RejectCase{"CheckPair", "(8013)1987654Ad4X4bL5ttr2310cXK",
                   "AI (8013) check characters should be 2K, not XK", false},
        RejectCase{"DayZeroNotAllowed", "(7006)250100", "AI (7006) is not a valid date", false},
        RejectCase{"FourDigitYear", "(7250)19000229", "AI (7250) is not a valid date", false},
        RejectCase{"Time", "(4324)2501012400", "AI (4324) is not a valid time", false},
        RejectCase{"YesNo", "(4321)2", "AI (4321) must be 0 or 1", false},
        RejectCase{"Zero", "(8003)106141411234525678", "AI (8003) character 1 must be 0", false},
        RejectCase{"NonZero", "(8001)00001234512301",
                   "AI (8001) characters 1 to 4 must not be zero", false},
        RejectCase{"Winding", "(8001)12345123451232", "AI (8001) character 13 must be 0, 1 or 9",
                   false},
        RejectCase{"PieceOfTotal", "(8006)095011015300030302", "piece 03 is more than the total 02",
                   false},
        RejectCase{"Hyphen", "(4330)123456X", "AI (4330) character 7 must be \"-\"", false},
        RejectCase{"ZeroPrefix", "(8011)0123", "AI (8011) must not start with 0", false},
        RejectCase{"AllDigits", "(8014)22", "AI (8014) must hold a character that is not a digit",
                   false},
        RejectCase{"PercentEscape", "(4300)A%4G", "AI (4300) has a bad percent escape \"%4G\"",
                   false},
        RejectCase{"Latitude", "(4309)18000000010000000000", "latitude must not exceed", false},
        RejectCase{"Longitude", "(4309)00000000003600000001", "longitude must not exceed", false},
        RejectCase{"Iso5218", "(7252)3", "AI (7252) must be 0, 1, 2 or 9", false},
        RejectCase{"MediaType", "(7241)11", "AI (7241) is not an AIDC media type", false},
        RejectCase{"PositionInSequence", "(7258)3/2", "AI (7258) must be a position and a total",
                   false},
        RejectCase{"ImporterIndex", "(7040)1AB:", "AI (7040) character 4 must be a letter", false},
        RejectCase{"Repeated", "(10)A(17)250101(10)B",
                   "AI (10) appears twice with different values", false},
        RejectCase{"Excluded", "(01)09501101530003(02)09520123456788",
                   "AIs (01) and (02) must not be used together", false},
        RejectCase{"ExcludedByPattern", "(3100)000123(3102)000456",
                   "AIs (3100) and (3102) must not be used together", false},
        RejectCase{"Over48", "(10)12345678901234567890(21)12345678901234567890(22)1",
                   "GS1-128: 49 data characters, more than the 48 that fit (the limit is passed at "
                   "AI (22))",
                   true}));

// The mod-10 check digit catches every change of one digit, and the check-character pair
// every change of one character.
TEST(Gs1Keys, AnyOneCharacterChangedBreaksTheCheck) {
  const struct {
    const char* text;  // published, see the accept table
    std::string_view replacements;
  } keys[] = {{"(01)09501101530003", "0123456789"},
              {"(00)106141412345678908", "0123456789"},
              {"(414)0614141123452", "0123456789"},
              {"(8018)061414112345678902", "0123456789"},
              {"(8013)1987654Ad4X4bL5ttr2310c2K", "0Az!_"}};
  for (const auto& key : keys) {
    const std::string text = key.text;
    ASSERT_EQ(MessageOf([&] { ParseBracketed(text, 2025); }), "") << text;
    for (std::size_t at = text.find(')') + 1; at < text.size(); ++at) {
      for (char c : key.replacements) {
        if (c == text[at]) continue;
        std::string changed = text;
        changed[at] = c;
        EXPECT_NE(MessageOf([&] { ParseBracketed(changed, 2025); }).find(" should be "),
                  std::string::npos)
            << changed;
      }
    }
  }
}

// 29 February of year 00 exists only in the century GS1 chooses: within 49 years ahead of or
// 50 years behind the current year.
TEST(Gs1Dates, TwoDigitYearCentury) {
  const struct {
    int currentYear;
    bool leap;
  } cases[] = {{2025, true}, {2049, true}, {2050, false}, {1949, false}, {1950, true}};
  for (const auto& c : cases) {
    const std::string message = MessageOf([&] { ParseBracketed("(11)000229", c.currentYear); });
    EXPECT_EQ(message, c.leap ? "" : "GS1-128: AI (11) is not a valid date") << c.currentYear;
  }
}

TEST(Gs1Text, HumanReadableShowsBracketsInValuesPlainly) {
  EXPECT_EQ(HumanReadable(ParseBracketed("(01)09501101530003(10)A\\(1\\)")),
            "(01)09501101530003(10)A(1)");
}

}  // namespace
}  // namespace bars::gs1
