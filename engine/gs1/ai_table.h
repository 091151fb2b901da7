#pragma once
// The GS1 Application Identifiers as constant data: for each AI or range of AIs, whether its
// length is predefined (no FNC1 after it), the components its data field is made of, and the AIs
// it must not be combined with. Checked at compile time in ai_table.cpp.

#include <array>
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace bars::gs1::detail {

// The content checks a component may carry, named after the GS1 Barcode Syntax Tests.
enum class Lint : std::uint8_t {
  kNone,
  kCsum,           // GS1 mod-10 check digit in the last place
  kCsumAlpha,      // GS1 check-character pair in the last two places
  kYymmd0,         // YYMMDD, day 00 allowed
  kYymmdd,         // YYMMDD
  kYyyymmdd,       // YYYYMMDD
  kHhmi,           // HHMM
  kHh,             // hour 00..23
  kMi,             // minute 00..59
  kSs,             // second 00..59
  kYesNo,          // 0 or 1
  kZero,           // the digit 0
  kNonZero,        // not all zeros
  kWinding,        // 0, 1 or 9
  kPieceOfTotal,   // piece number then total, equal widths
  kHyphen,         // only '-'
  kNoZeroPrefix,   // no leading 0
  kHasNonDigit,    // at least one non-digit
  kPcEnc,          // well-formed percent escapes
  kLatitude,       // 0..1800000000
  kLongitude,      // 0..3600000000
  kIso5218,        // 0, 1, 2 or 9
  kMediaType,      // AIDC media type 01..10, 80..99
  kPosInSeqSlash,  // position/total
  kImporterIdx,    // one of - 0-9 A-Z _ a-z
  kIso3166,        // the list-based checks below are accepted unchecked
  kIso3166999,
  kIso3166Alpha2,
  kIso4217,
  kIban,
  kPackageType,
  kGcpPos1,
  kGcpPos2,
  kCouponCode,
  kCouponPosOffer,
};

inline constexpr std::size_t kMaxLints = 3;
inline constexpr std::size_t kMaxComponents = 5;

// One component of an AI's data field. Set: 'N' digits, 'X' GS1 character set 82, 'Y' set 39,
// 'Z' set 64. Only the last component of a field may have Min < Max.
struct Component {
  char Set = 'N';
  std::uint8_t Min = 0;
  std::uint8_t Max = 0;
  bool Optional = false;
  std::array<Lint, kMaxLints> Lints{};
};

struct Components {
  std::array<Component, kMaxComponents> Items{};
  std::size_t Count = 0;
  constexpr Components(std::initializer_list<Component> list) {
    for (const Component& c : list)
      Items[Count++] = c;  // more than kMaxComponents fails to compile
  }
  constexpr const Component* begin() const { return Items.data(); }
  constexpr const Component* end() const { return Items.data() + Count; }
};

// The dictionary's notation: N(6) is "N6", Nv(20) is "N..20", Opt(...) is "[...]".
constexpr Component Fixed(char set, int length, std::same_as<Lint> auto... lints) {
  return {
      set, static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length), false, {lints...}};
}
constexpr Component Upto(char set, int length, std::same_as<Lint> auto... lints) {
  return {set, 1, static_cast<std::uint8_t>(length), false, {lints...}};
}
constexpr Component N(int n, std::same_as<Lint> auto... l) {
  return Fixed('N', n, l...);
}
constexpr Component X(int n, std::same_as<Lint> auto... l) {
  return Fixed('X', n, l...);
}
constexpr Component Nv(int n, std::same_as<Lint> auto... l) {
  return Upto('N', n, l...);
}
constexpr Component Xv(int n, std::same_as<Lint> auto... l) {
  return Upto('X', n, l...);
}
constexpr Component Yv(int n, std::same_as<Lint> auto... l) {
  return Upto('Y', n, l...);
}
constexpr Component Zv(int n, std::same_as<Lint> auto... l) {
  return Upto('Z', n, l...);
}
constexpr Component Opt(Component c) {
  c.Optional = true;
  return c;
}

inline constexpr bool kPredefined = true;  // predefined length: never an FNC1 after it
inline constexpr bool kSeparator = false;  // an FNC1 follows it when another element does

struct AiRow {
  std::string_view First;  // the AI, or the first of a range of AIs of the same length
  std::string_view Last;   // equal to First for a single AI
  bool Predefined;
  Components Parts;
  std::string_view Excludes;  // AIs that must not appear with it; 'n' stands for any digit
  std::string_view Title;
};

using enum Lint;

// From the GS1 Barcode Syntax Dictionary (gs1-syntax-dictionary.txt), one row per entry; the
// mandatory associations (req=) are left out: they are judged over all carriers of an item.
// clang-format off
inline constexpr AiRow kAiTable[] = {
    {"00", "00", kPredefined, {N(18, kCsum, kGcpPos2)}, "", "SSCC"},
    {"01", "01", kPredefined, {N(14, kCsum, kGcpPos2)}, "255,37", "GTIN"},
    {"02", "02", kPredefined, {N(14, kCsum, kGcpPos2)}, "01,03", "CONTENT"},
    {"03", "03", kPredefined, {N(14, kCsum, kGcpPos2)}, "01,02,37,235", "MTO GTIN"},
    {"10", "10", kSeparator, {Xv(20)}, "", "BATCH/LOT"},
    {"11", "11", kPredefined, {N(6, kYymmd0)}, "", "PROD DATE"},
    {"12", "12", kPredefined, {N(6, kYymmd0)}, "", "DUE DATE"},
    {"13", "13", kPredefined, {N(6, kYymmd0)}, "", "PACK DATE"},
    {"15", "15", kPredefined, {N(6, kYymmd0)}, "", "BEST BEFORE or BEST BY"},
    {"16", "16", kPredefined, {N(6, kYymmd0)}, "", "SELL BY"},
    {"17", "17", kPredefined, {N(6, kYymmd0)}, "", "USE BY or EXPIRY"},
    {"20", "20", kPredefined, {N(2)}, "", "VARIANT"},
    {"21", "21", kSeparator, {Xv(20)}, "235", "SERIAL"},
    {"22", "22", kSeparator, {Xv(20)}, "", "CPV"},
    {"235", "235", kSeparator, {Xv(28)}, "", "TPX"},
    {"240", "240", kSeparator, {Xv(30)}, "", "ADDITIONAL ID"},
    {"241", "241", kSeparator, {Xv(30)}, "", "CUST. PART No."},
    {"242", "242", kSeparator, {Nv(6)}, "", "MTO VARIANT"},
    {"243", "243", kSeparator, {Xv(20)}, "", "PCN"},
    {"250", "250", kSeparator, {Xv(30)}, "", "SECONDARY SERIAL"},
    {"251", "251", kSeparator, {Xv(30)}, "", "REF. TO SOURCE"},
    {"253", "253", kSeparator, {N(13, kCsum, kGcpPos1), Opt(Xv(17))}, "", "GDTI"},
    {"254", "254", kSeparator, {Xv(20)}, "", "GLN EXTENSION COMPONENT"},
    {"255", "255", kSeparator, {N(13, kCsum, kGcpPos1), Opt(Nv(12))},
     "01,02,415,8006,8020,8026", "GCN"},
    {"30", "30", kSeparator, {Nv(8)}, "", "VAR. COUNT"},
    {"3100", "3105", kPredefined, {N(6)}, "310n", "NET WEIGHT (kg)"},
    {"3110", "3115", kPredefined, {N(6)}, "311n", "LENGTH (m)"},
    {"3120", "3125", kPredefined, {N(6)}, "312n", "WIDTH (m)"},
    {"3130", "3135", kPredefined, {N(6)}, "313n", "HEIGHT (m)"},
    {"3140", "3145", kPredefined, {N(6)}, "314n", "AREA (m2)"},
    {"3150", "3155", kPredefined, {N(6)}, "315n", "NET VOLUME (l)"},
    {"3160", "3165", kPredefined, {N(6)}, "316n", "NET VOLUME (m3)"},
    {"3200", "3205", kPredefined, {N(6)}, "320n", "NET WEIGHT (lb)"},
    {"3210", "3215", kPredefined, {N(6)}, "321n", "LENGTH (in)"},
    {"3220", "3225", kPredefined, {N(6)}, "322n", "LENGTH (ft)"},
    {"3230", "3235", kPredefined, {N(6)}, "323n", "LENGTH (yd)"},
    {"3240", "3245", kPredefined, {N(6)}, "324n", "WIDTH (in)"},
    {"3250", "3255", kPredefined, {N(6)}, "325n", "WIDTH (ft)"},
    {"3260", "3265", kPredefined, {N(6)}, "326n", "WIDTH (yd)"},
    {"3270", "3275", kPredefined, {N(6)}, "327n", "HEIGHT (in)"},
    {"3280", "3285", kPredefined, {N(6)}, "328n", "HEIGHT (ft)"},
    {"3290", "3295", kPredefined, {N(6)}, "329n", "HEIGHT (yd)"},
    {"3300", "3305", kPredefined, {N(6)}, "330n", "GROSS WEIGHT (kg)"},
    {"3310", "3315", kPredefined, {N(6)}, "331n", "LENGTH (m), log"},
    {"3320", "3325", kPredefined, {N(6)}, "332n", "WIDTH (m), log"},
    {"3330", "3335", kPredefined, {N(6)}, "333n", "HEIGHT (m), log"},
    {"3340", "3345", kPredefined, {N(6)}, "334n", "AREA (m2), log"},
    {"3350", "3355", kPredefined, {N(6)}, "335n", "VOLUME (l), log"},
    {"3360", "3365", kPredefined, {N(6)}, "336n", "VOLUME (m3), log"},
    {"3370", "3375", kPredefined, {N(6)}, "337n", "KG PER m2"},
    {"3400", "3405", kPredefined, {N(6)}, "340n", "GROSS WEIGHT (lb)"},
    {"3410", "3415", kPredefined, {N(6)}, "341n", "LENGTH (in), log"},
    {"3420", "3425", kPredefined, {N(6)}, "342n", "LENGTH (ft), log"},
    {"3430", "3435", kPredefined, {N(6)}, "343n", "LENGTH (yd), log"},
    {"3440", "3445", kPredefined, {N(6)}, "344n", "WIDTH (in), log"},
    {"3450", "3455", kPredefined, {N(6)}, "345n", "WIDTH (ft), log"},
    {"3460", "3465", kPredefined, {N(6)}, "346n", "WIDTH (yd), log"},
    {"3470", "3475", kPredefined, {N(6)}, "347n", "HEIGHT (in), log"},
    {"3480", "3485", kPredefined, {N(6)}, "348n", "HEIGHT (ft), log"},
    {"3490", "3495", kPredefined, {N(6)}, "349n", "HEIGHT (yd), log"},
    {"3500", "3505", kPredefined, {N(6)}, "350n", "AREA (in2)"},
    {"3510", "3515", kPredefined, {N(6)}, "351n", "AREA (ft2)"},
    {"3520", "3525", kPredefined, {N(6)}, "352n", "AREA (yd2)"},
    {"3530", "3535", kPredefined, {N(6)}, "353n", "AREA (in2), log"},
    {"3540", "3545", kPredefined, {N(6)}, "354n", "AREA (ft2), log"},
    {"3550", "3555", kPredefined, {N(6)}, "355n", "AREA (yd2), log"},
    {"3560", "3565", kPredefined, {N(6)}, "356n", "NET WEIGHT (tr oz)"},
    {"3570", "3575", kPredefined, {N(6)}, "357n", "NET VOLUME (oz)"},
    {"3600", "3605", kPredefined, {N(6)}, "360n", "NET VOLUME (qt (US))"},
    {"3610", "3615", kPredefined, {N(6)}, "361n", "NET VOLUME (gal.)"},
    {"3620", "3625", kPredefined, {N(6)}, "362n", "VOLUME (qt (US)), log"},
    {"3630", "3635", kPredefined, {N(6)}, "363n", "VOLUME (gal (US)), log"},
    {"3640", "3645", kPredefined, {N(6)}, "364n", "NET VOLUME (in3)"},
    {"3650", "3655", kPredefined, {N(6)}, "365n", "NET VOLUME (ft3)"},
    {"3660", "3665", kPredefined, {N(6)}, "366n", "NET VOLUME (yd3)"},
    {"3670", "3675", kPredefined, {N(6)}, "367n", "VOLUME (in3), log"},
    {"3680", "3685", kPredefined, {N(6)}, "368n", "VOLUME (ft3), log"},
    {"3690", "3695", kPredefined, {N(6)}, "369n", "VOLUME (yd3), log"},
    {"37", "37", kSeparator, {Nv(8)}, "", "COUNT"},
    {"3900", "3909", kSeparator, {Nv(15)}, "390n,391n,394n,8111", "AMOUNT"},
    {"3910", "3919", kSeparator, {N(3, kIso4217), Nv(15)}, "391n", "AMOUNT"},
    {"3920", "3929", kSeparator, {Nv(15)}, "392n,393n", "PRICE"},
    {"3930", "3939", kSeparator, {N(3, kIso4217), Nv(15)}, "393n", "PRICE"},
    {"3940", "3943", kSeparator, {N(4)}, "394n,8111", "PRCNT OFF"},
    {"3950", "3955", kSeparator, {N(6)}, "392n,393n,395n,8005", "PRICE/UoM"},
    {"400", "400", kSeparator, {Xv(30)}, "", "ORDER NUMBER"},
    {"401", "401", kSeparator, {Xv(30, kGcpPos1)}, "", "GINC"},
    {"402", "402", kSeparator, {N(17, kCsum, kGcpPos1)}, "", "GSIN"},
    {"403", "403", kSeparator, {Xv(30)}, "", "ROUTE"},
    {"410", "410", kPredefined, {N(13, kCsum, kGcpPos1)}, "", "SHIP TO LOC"},
    {"411", "411", kPredefined, {N(13, kCsum, kGcpPos1)}, "", "BILL TO"},
    {"412", "412", kPredefined, {N(13, kCsum, kGcpPos1)}, "", "PURCHASE FROM"},
    {"413", "413", kPredefined, {N(13, kCsum, kGcpPos1)}, "", "SHIP FOR LOC"},
    {"414", "414", kPredefined, {N(13, kCsum, kGcpPos1)}, "", "LOC No."},
    {"415", "415", kPredefined, {N(13, kCsum, kGcpPos1)}, "", "PAY TO"},
    {"416", "416", kPredefined, {N(13, kCsum, kGcpPos1)}, "", "PROD/SERV LOC"},
    {"417", "417", kPredefined, {N(13, kCsum, kGcpPos1)}, "", "PARTY"},
    {"420", "420", kSeparator, {Xv(20)}, "421", "SHIP TO POST"},
    {"421", "421", kSeparator, {N(3, kIso3166), Xv(9)}, "4307", "SHIP TO POST"},
    {"422", "422", kSeparator, {N(3, kIso3166)}, "426", "ORIGIN"},
    {"423", "423", kSeparator,
     {N(3, kIso3166), Opt(N(3, kIso3166)), Opt(N(3, kIso3166)), Opt(N(3, kIso3166)),
      Opt(N(3, kIso3166))}, "426", "COUNTRY - INITIAL PROCESS"},
    {"424", "424", kSeparator, {N(3, kIso3166)}, "426", "COUNTRY - PROCESS"},
    {"425", "425", kSeparator,
     {N(3, kIso3166), Opt(N(3, kIso3166)), Opt(N(3, kIso3166)), Opt(N(3, kIso3166)),
      Opt(N(3, kIso3166))}, "426", "COUNTRY - DISASSEMBLY"},
    {"426", "426", kSeparator, {N(3, kIso3166)}, "", "COUNTRY - FULL PROCESS"},
    {"427", "427", kSeparator, {Xv(3)}, "", "ORIGIN SUBDIVISION"},
    {"4300", "4300", kSeparator, {Xv(35, kPcEnc)}, "", "SHIP TO COMP"},
    {"4301", "4301", kSeparator, {Xv(35, kPcEnc)}, "", "SHIP TO NAME"},
    {"4302", "4302", kSeparator, {Xv(70, kPcEnc)}, "", "SHIP TO ADD1"},
    {"4303", "4303", kSeparator, {Xv(70, kPcEnc)}, "", "SHIP TO ADD2"},
    {"4304", "4304", kSeparator, {Xv(70, kPcEnc)}, "", "SHIP TO SUB"},
    {"4305", "4305", kSeparator, {Xv(70, kPcEnc)}, "", "SHIP TO LOC"},
    {"4306", "4306", kSeparator, {Xv(70, kPcEnc)}, "", "SHIP TO REG"},
    {"4307", "4307", kSeparator, {X(2, kIso3166Alpha2)}, "", "SHIP TO COUNTRY"},
    {"4308", "4308", kSeparator, {Xv(30)}, "", "SHIP TO PHONE"},
    {"4309", "4309", kSeparator, {N(10, kLatitude), N(10, kLongitude)}, "", "SHIP TO GEO"},
    {"4310", "4310", kSeparator, {Xv(35, kPcEnc)}, "", "RTN TO COMP"},
    {"4311", "4311", kSeparator, {Xv(35, kPcEnc)}, "", "RTN TO NAME"},
    {"4312", "4312", kSeparator, {Xv(70, kPcEnc)}, "", "RTN TO ADD1"},
    {"4313", "4313", kSeparator, {Xv(70, kPcEnc)}, "", "RTN TO ADD2"},
    {"4314", "4314", kSeparator, {Xv(70, kPcEnc)}, "", "RTN TO SUB"},
    {"4315", "4315", kSeparator, {Xv(70, kPcEnc)}, "", "RTN TO LOC"},
    {"4316", "4316", kSeparator, {Xv(70, kPcEnc)}, "", "RTN TO REG"},
    {"4317", "4317", kSeparator, {X(2, kIso3166Alpha2)}, "", "RTN TO COUNTRY"},
    {"4318", "4318", kSeparator, {Xv(20)}, "", "RTN TO POST"},
    {"4319", "4319", kSeparator, {Xv(30)}, "", "RTN TO PHONE"},
    {"4320", "4320", kSeparator, {Xv(35, kPcEnc)}, "", "SRV DESCRIPTION"},
    {"4321", "4321", kSeparator, {N(1, kYesNo)}, "", "DANGEROUS GOODS"},
    {"4322", "4322", kSeparator, {N(1, kYesNo)}, "", "AUTH TO LEAVE"},
    {"4323", "4323", kSeparator, {N(1, kYesNo)}, "", "SIG REQUIRED"},
    {"4324", "4324", kSeparator, {N(6, kYymmd0), N(4, kHhmi)}, "", "NOT BEF DEL DT"},
    {"4325", "4325", kSeparator, {N(6, kYymmd0), N(4, kHhmi)}, "", "NOT AFT DEL DT"},
    {"4326", "4326", kSeparator, {N(6, kYymmdd)}, "", "REL DATE"},
    {"4330", "4330", kSeparator, {N(6), Opt(X(1, kHyphen))}, "4331", "MAX TEMP F."},
    {"4331", "4331", kSeparator, {N(6), Opt(X(1, kHyphen))}, "4330", "MAX TEMP C."},
    {"4332", "4332", kSeparator, {N(6), Opt(X(1, kHyphen))}, "4333", "MIN TEMP F."},
    {"4333", "4333", kSeparator, {N(6), Opt(X(1, kHyphen))}, "4332", "MIN TEMP C."},
    {"7001", "7001", kSeparator, {N(13)}, "", "NSN"},
    {"7002", "7002", kSeparator, {Xv(30)}, "", "MEAT CUT"},
    {"7003", "7003", kSeparator, {N(6, kYymmdd), N(4, kHhmi)}, "", "EXPIRY TIME"},
    {"7004", "7004", kSeparator, {Nv(4)}, "", "ACTIVE POTENCY"},
    {"7005", "7005", kSeparator, {Xv(12)}, "", "CATCH AREA"},
    {"7006", "7006", kSeparator, {N(6, kYymmdd)}, "", "FIRST FREEZE DATE"},
    {"7007", "7007", kSeparator, {N(6, kYymmdd), Opt(N(6, kYymmdd))}, "", "HARVEST DATE"},
    {"7008", "7008", kSeparator, {Xv(3)}, "", "AQUATIC SPECIES"},
    {"7009", "7009", kSeparator, {Xv(10)}, "", "FISHING GEAR TYPE"},
    {"7010", "7010", kSeparator, {Xv(2)}, "", "PROD METHOD"},
    {"7011", "7011", kSeparator, {N(6, kYymmdd), Opt(N(4, kHhmi))}, "", "TEST BY DATE"},
    {"7020", "7020", kSeparator, {Xv(20)}, "", "REFURB LOT"},
    {"7021", "7021", kSeparator, {Xv(20)}, "", "FUNC STAT"},
    {"7022", "7022", kSeparator, {Xv(20)}, "", "REV STAT"},
    {"7023", "7023", kSeparator, {Xv(30, kGcpPos1)}, "", "GIAI - ASSEMBLY"},
    {"7030", "7030", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 0"},
    {"7031", "7031", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 1"},
    {"7032", "7032", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 2"},
    {"7033", "7033", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 3"},
    {"7034", "7034", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 4"},
    {"7035", "7035", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 5"},
    {"7036", "7036", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 6"},
    {"7037", "7037", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 7"},
    {"7038", "7038", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 8"},
    {"7039", "7039", kSeparator, {N(3, kIso3166999), Xv(27)}, "", "PROCESSOR # 9"},
    {"7040", "7040", kSeparator, {N(1), X(1), X(1), X(1, kImporterIdx)}, "", "UIC+EXT"},
    {"7041", "7041", kSeparator, {Xv(4, kPackageType)}, "", "UFRGT UNIT TYPE"},
    {"710", "710", kSeparator, {Xv(20)}, "", "NHRN PZN"},
    {"711", "711", kSeparator, {Xv(20)}, "", "NHRN CIP"},
    {"712", "712", kSeparator, {Xv(20)}, "", "NHRN CN"},
    {"713", "713", kSeparator, {Xv(20)}, "", "NHRN DRN"},
    {"714", "714", kSeparator, {Xv(20)}, "", "NHRN AIM"},
    {"715", "715", kSeparator, {Xv(20)}, "", "NHRN NDC"},
    {"716", "716", kSeparator, {Xv(20)}, "", "NHRN AIC"},
    {"717", "717", kSeparator, {Xv(20)}, "", "NHRN SRN"},
    {"7230", "7230", kSeparator, {X(2), Xv(28)}, "", "CERT # 1"},
    {"7231", "7231", kSeparator, {X(2), Xv(28)}, "", "CERT # 2"},
    {"7232", "7232", kSeparator, {X(2), Xv(28)}, "", "CERT # 3"},
    {"7233", "7233", kSeparator, {X(2), Xv(28)}, "", "CERT # 4"},
    {"7234", "7234", kSeparator, {X(2), Xv(28)}, "", "CERT # 5"},
    {"7235", "7235", kSeparator, {X(2), Xv(28)}, "", "CERT # 6"},
    {"7236", "7236", kSeparator, {X(2), Xv(28)}, "", "CERT # 7"},
    {"7237", "7237", kSeparator, {X(2), Xv(28)}, "", "CERT # 8"},
    {"7238", "7238", kSeparator, {X(2), Xv(28)}, "", "CERT # 9"},
    {"7239", "7239", kSeparator, {X(2), Xv(28)}, "", "CERT # 10"},
    {"7240", "7240", kSeparator, {Xv(20)}, "03", "PROTOCOL"},
    {"7241", "7241", kSeparator, {N(2, kMediaType)}, "", "AIDC MEDIA TYPE"},
    {"7242", "7242", kSeparator, {Xv(25)}, "", "VCN"},
    {"7250", "7250", kSeparator, {N(8, kYyyymmdd)}, "7251", "DOB"},
    {"7251", "7251", kSeparator, {N(8, kYyyymmdd), N(4, kHhmi)}, "7250", "DOB TIME"},
    {"7252", "7252", kSeparator, {N(1, kIso5218)}, "", "BIO SEX"},
    {"7253", "7253", kSeparator, {Xv(40, kPcEnc)}, "7256,7259", "FAMILY NAME"},
    {"7254", "7254", kSeparator, {Xv(40, kPcEnc)}, "7256,7259", "GIVEN NAME"},
    {"7255", "7255", kSeparator, {Xv(10)}, "7256,7259", "SUFFIX"},
    {"7256", "7256", kSeparator, {Xv(90, kPcEnc)}, "", "FULL NAME"},
    {"7257", "7257", kSeparator, {Xv(70, kPcEnc)}, "", "PERSON ADDR"},
    {"7258", "7258", kSeparator, {X(3, kPosInSeqSlash)}, "", "BIRTH SEQUENCE"},
    {"7259", "7259", kSeparator, {Xv(40, kPcEnc)}, "7256", "BABY"},
    {"8001", "8001", kSeparator,
     {N(4, kNonZero), N(5, kNonZero), N(3, kNonZero), N(1, kWinding), N(1)}, "", "DIMENSIONS"},
    {"8002", "8002", kSeparator, {Xv(20)}, "", "CMT No."},
    {"8003", "8003", kSeparator, {N(1, kZero), N(13, kCsum, kGcpPos1), Opt(Xv(16))}, "", "GRAI"},
    {"8004", "8004", kSeparator, {Xv(30, kGcpPos1)}, "", "GIAI"},
    {"8005", "8005", kSeparator, {N(6)}, "", "PRICE PER UNIT"},
    {"8006", "8006", kSeparator, {N(14, kCsum, kGcpPos2), N(4, kPieceOfTotal)}, "01,03,37", "ITIP"},
    {"8007", "8007", kSeparator, {Xv(34, kIban)}, "", "IBAN"},
    {"8008", "8008", kSeparator, {N(6, kYymmdd), N(2, kHh), Opt(N(2, kMi)), Opt(N(2, kSs))},
     "", "PROD TIME"},
    {"8009", "8009", kSeparator, {Xv(50)}, "", "OPTSEN"},
    {"8010", "8010", kSeparator, {Yv(30, kGcpPos1)}, "", "CPID"},
    {"8011", "8011", kSeparator, {Nv(12, kNoZeroPrefix)}, "", "CPID SERIAL"},
    {"8012", "8012", kSeparator, {Xv(20)}, "", "VERSION"},
    {"8013", "8013", kSeparator, {Xv(25, kCsumAlpha, kGcpPos1)}, "", "GMN"},
    {"8014", "8014", kSeparator, {Xv(25, kCsumAlpha, kGcpPos1, kHasNonDigit)}, "", "MUDI"},
    {"8017", "8017", kSeparator, {N(18, kCsum, kGcpPos1)}, "8018", "GSRN - PROVIDER"},
    {"8018", "8018", kSeparator, {N(18, kCsum, kGcpPos1)}, "8017", "GSRN - RECIPIENT"},
    {"8019", "8019", kSeparator, {Nv(10)}, "", "SRIN"},
    {"8020", "8020", kSeparator, {Xv(25)}, "", "REF No."},
    {"8026", "8026", kSeparator, {N(14, kCsum, kGcpPos2), N(4, kPieceOfTotal)},
     "02,03,8006", "ITIP CONTENT"},
    {"8030", "8030", kSeparator, {Zv(90)}, "", "DIGSIG"},
    {"8040", "8040", kSeparator, {N(15)}, "", "IMEI"},
    {"8041", "8041", kSeparator, {N(15)}, "", "IMEI2"},
    {"8042", "8042", kSeparator, {N(32)}, "", "ESIM"},
    {"8043", "8043", kSeparator, {N(18), Opt(Nv(2))}, "", "PSIM"},
    {"8110", "8110", kSeparator, {Xv(70, kCouponCode)}, "", ""},
    {"8111", "8111", kSeparator, {N(4)}, "", "POINTS"},
    {"8112", "8112", kSeparator, {Xv(70, kCouponPosOffer)}, "", ""},
    {"8200", "8200", kSeparator, {Xv(70)}, "", "PRODUCT URL"},
    {"90", "90", kSeparator, {Xv(30)}, "", "INTERNAL"},
    {"91", "99", kSeparator, {Xv(90)}, "", "INTERNAL"},
};
// clang-format on

// The row of the AI `ai` (digits as typed), or nullptr if no row holds it.
const AiRow* FindAi(std::string_view ai);

}  // namespace bars::gs1::detail
