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
  // A reader's data splits into the same elements.
  EXPECT_EQ(ParseElementString(ElementString(elements)), elements) << c.source;
}

constexpr bool kSep = true;   // an FNC1 follows when another element does
constexpr bool kPre = false;  // predefined length

INSTANTIATE_TEST_SUITE_P(
    Published, Gs1Accepts,
    ::testing::ValuesIn(std::vector<AcceptCase>{
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
        AcceptCase{
            "DayZeroAndTime",
            "(01)09501101530003(17)250100(8008)25010112",
            {{"01", "09501101530003", kPre}, {"17", "250100", kPre}, {"8008", "25010112", kSep}},
            36,
            "day 00 where GS1 allows it; optional minutes and seconds left out"},
        AcceptCase{"DayZeroProduction",
                   "(01)09501101530003(11)250100",
                   {{"01", "09501101530003", kPre}, {"11", "250100", kPre}},
                   24,
                   "dictionary: (11) N6,yymmd0"},
        AcceptCase{"Minute59",
                   "(00)106141412345678908(4324)2501012359",
                   {{"00", "106141412345678908", kPre}, {"4324", "2501012359", kSep}},
                   34,
                   "dictionary: (4324) N6,yymmd0 N4,hhmi req=00"},
        AcceptCase{
            "SeparatorAfter7003",
            "(01)09501101530003(7003)2501011200(10)A",
            {{"01", "09501101530003", kPre}, {"7003", "2501011200", kSep}, {"10", "A", kSep}},
            34,
            "dictionary: (7003) has no '*', so an FNC1 follows it"},
        AcceptCase{"GmnLessAndEqual",
                   "(8013)12345_0123456789:;<=>?62",
                   {{"8013", "12345_0123456789:;<=>?62", kSep}},
                   28,
                   "GS1 Barcode Syntax Tests, csumalpha example with every symbol of set 82"},
        AcceptCase{"RequisiteGroup",
                   "(01)09501101530003(21)ABC(250)X",
                   {{"01", "09501101530003", kPre}, {"21", "ABC", kSep}, {"250", "X", kSep}},
                   26,
                   "dictionary: (250) req=01+21,03+21,8006+21"},
        AcceptCase{"Origin",
                   "(01)09501101530003(422)380",
                   {{"01", "09501101530003", kPre}, {"422", "380", kSep}},
                   22,
                   "ISO 3166 380 Italy"},
        AcceptCase{"ShipToCountryPackage",
                   "(00)106141412345678908(4307)IT(7041)BX",
                   {{"00", "106141412345678908", kPre}, {"4307", "IT", kSep}, {"7041", "BX", kSep}},
                   33,
                   "ISO 3166 IT, package type BX (box); (4307) and (7041) req=00"},
        AcceptCase{
            "Amount",
            "(415)0614141123452(8020)ABC123(3912)978100",
            {{"415", "0614141123452", kPre}, {"8020", "ABC123", kSep}, {"3912", "978100", kSep}},
            37,
            "ISO 4217 978 euro; (3912) req=8020, (8020) req=415"},
        AcceptCase{"Iban",
                   "(415)0614141123452(8020)A(8007)DE89370400440532013000",
                   {{"415", "0614141123452", kPre},
                    {"8020", "A", kSep},
                    {"8007", "DE89370400440532013000", kSep}},
                   48,
                   "ISO 13616 example IBAN; (8007) and (8020) req=415, (415) req=8020"},
        AcceptCase{"SignaturePadding",
                   "(00)106141412345678908(8030)12=",
                   {{"00", "106141412345678908", kPre}, {"8030", "12=", kSep}},
                   27,
                   "GS1 linter cset64: \"12=\" passes; (8030) req=00,..."},
        AcceptCase{"CouponCode",
                   "(8110)0061414123456151101233251231",
                   {{"8110", "0061414123456151101233251231", kSep}},
                   32,
                   "GS1 US coupon: GCP 061414, offer, save 5, purchase 1 code 0, expiry 251231"},
        AcceptCase{"CouponPositiveOffer",
                   "(8112)001234561234560123456",
                   {{"8112", "001234561234560123456", kSep}},
                   25,
                   "GS1 US coupon: format 0, funder 123456, offer 123456, serial 0123456"},
        AcceptCase{"EscapedBrackets",
                   "(01)09501101530003(10)A\\(1\\)",
                   {{"01", "09501101530003", kPre}, {"10", "A(1)", kSep}},
                   22,
                   "the escapes of the bracketed form"},
        AcceptCase{"Exactly48",
                   "(01)09501101530003(10)12345678901234567890(21)1234567",
                   {{"01", "09501101530003", kPre},
                    {"10", "12345678901234567890", kSep},
                    {"21", "1234567", kSep}},
                   48,
                   "16 + 22 + FNC1 + 9: the largest GS1-128"}}));

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
    ::testing::ValuesIn(std::vector<RejectCase>{
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
        RejectCase{"AllDigits", "(8014)119889823",
                   "AI (8014) must hold a character that is not a digit", false},
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
        RejectCase{"SerialOf21", "(01)09501101530003(21)123456789012345678901",
                   "GS1-128: AI (21) is too long: 21 characters, it takes 1 to 20", true},
        RejectCase{"CountIsDigits", "(30)12A", "GS1-128: AI (30) has a non-digit character \"A\"",
                   true},
        RejectCase{"ContentCheckDigit", "(02)09501101530001",
                   "GS1-128: AI (02) check digit should be 3, not 1", true},
        RejectCase{"HourWithoutMinutesMissing", "(8008)250101",
                   "GS1-128: AI (8008) is too short: 6 characters, it takes 8, 10 or 12", true},
        RejectCase{"Set82Hash", "(10)A#", "AI (10) has a character outside GS1 set 82: \"#\"",
                   false},
        RejectCase{"Iso3166", "(421)999A",
                   "GS1-128: AI (421) country code \"999\" is not in ISO 3166", true},
        RejectCase{"Iso3166Or999", "(7030)998A",
                   "GS1-128: AI (7030) country code \"998\" is neither in ISO 3166 nor 999", true},
        RejectCase{"Iso3166Alpha2", "(4307)fr",
                   "GS1-128: AI (4307) country code \"fr\" is not in ISO 3166 (alpha-2, capitals)",
                   true},
        RejectCase{"Iso4217", "(3910)998100",
                   "GS1-128: AI (3910) currency code \"998\" is not in ISO 4217", true},
        RejectCase{"IbanShort", "(8007)DE00",
                   "GS1-128: AI (8007) IBAN is too short: 4 characters, it takes 11 to 34", true},
        RejectCase{"IbanCountry", "(8007)XK051212012345678906",
                   "AI (8007) IBAN country \"XK\" is not in ISO 3166", false},
        RejectCase{"IbanCheck", "(8007)DE88370400440532013000",
                   "GS1-128: AI (8007) IBAN check digits \"88\" are wrong", true},
        RejectCase{"PackageType", "(7041)QQQ",
                   "GS1-128: AI (7041) package type \"QQQ\" is not a GS1 package type code", true},
        RejectCase{"CompanyPrefix", "(8004)AB12345",
                   "GS1-128: AI (8004) must start with the digits of a GS1 Company Prefix, not "
                   "\"A\"",
                   true},
        RejectCase{"CouponPositiveOffer", "(8112)0",
                   "GS1-128: AI (8112) coupon funder ID length is missing", true},
        RejectCase{"CouponDates", "(8110)00614141234561511012332501014250102",
                   "GS1-128: AI (8110) coupon start date comes after its expiration date", true},
        RejectCase{"SignaturePadding", "(8030)ABC=",
                   "GS1-128: AI (8030) has bad padding \"=\": with it the data must be a "
                   "multiple of 3 characters long",
                   true},
        RejectCase{"SignatureNeedsSerial", "(253)0614141123452(8030)ABC",
                   "GS1-128: AI (8030) needs AI (253) with its serial part", true},
        RejectCase{"RequisiteOne", "(02)09501101530003", "GS1: AI (02) needs AI (37)", true},
        RejectCase{"RequisiteGroup", "(01)09501101530003(250)X",
                   "GS1: AI (250) needs AI (01) with (21), (03) with (21) or (8006) with (21)",
                   true},
        RejectCase{"RequisiteSerialisedKey", "(01)09501101530003(8030)ABC",
                   "GS1: AI (8030) needs AI (00), (01) with (21), (03) with (21), (253), (255), "
                   "(8003), (8004), (8006) with (21), (8010) with (8011), (8017) or (8018)",
                   true},
        RejectCase{"Over48", "(10)12345678901234567890(21)12345678901234567890(22)1",
                   "GS1-128: 49 data characters, more than the 48 that fit (the limit is passed at "
                   "AI (22))",
                   true}}));

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
// 50 years behind the current year. (11) needs a GTIN, which another symbol may carry.
TEST(Gs1Dates, TwoDigitYearCentury) {
  const struct {
    int currentYear;
    bool leap;
  } cases[] = {{2025, true}, {2049, true}, {2050, false}, {1949, false}, {1950, true}};
  for (const auto& c : cases) {
    const std::string message = MessageOf([&] {
      ParseBracketed("(11)000229",
                     ParseOptions{.RequisiteCheck = false, .CurrentYear = c.currentYear});
    });
    EXPECT_EQ(message, c.leap ? "" : "GS1-128: AI (11) is not a valid date") << c.currentYear;
  }
}

// The switch for labels whose requisite AIs another symbol carries, and the name of the symbol
// the messages start with.
TEST(Gs1Options, RequisitesAndSymbology) {
  const struct {
    ParseOptions options;
    const char* text;
    const char* message;
  } cases[] = {
      {{}, "(17)250101", "GS1: AI (17) needs AI (01), (02), (03), (255), (8006) or (8026)"},
      {{.RequisiteCheck = false}, "(17)250101", ""},
      {{.Symbology = "GS1 DataMatrix", .RequisiteCheck = false},
       "(17)250100(17)250101",
       "GS1 DataMatrix: AI (17) appears twice with different values"},
      {{.Symbology = "GS1 QR Code", .Gs1_128Limit = false},
       "(01)09501101530003(10)12345678901234567890(21)12345678",
       ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MessageOf([&] { ParseBracketed(c.text, c.options); }), c.message) << c.text;
}

TEST(Gs1Text, HumanReadableShowsBracketsInValuesPlainly) {
  EXPECT_EQ(HumanReadable(ParseBracketed("(01)09501101530003(10)A\\(1\\)")),
            "(01)09501101530003(10)A(1)");
}

}  // namespace
}  // namespace bars::gs1
