// barcode-cli through its process interface: exit statuses, standard output and error, and
// the files it leaves in a temporary directory. Expected symbols and type facts are published
// ones (support/published_types.h); an encoding failure's message is the engine's.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bars.h"
#include "process.h"
#include "support/published_types.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::MessageOf;
using test::ProcessResult;
using test::TempDir;
using test::Unspaced;

// GS1's often-quoted EAN-13 4006381333931, without its check digit.
constexpr const char* kEan = "400638133393";
// EAN-13 is 95 modules wide; the window's Modul 2 and Height 50.
constexpr int kEanWidth = 190;
constexpr int kEanHeight = 50;

ProcessResult Cli(const std::vector<std::string>& args, const std::string& input = "",
                  const std::vector<std::string>& env = {}) {
  return test::RunProcess(BARCODE_CLI_PATH, args, input, env);
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

QImage Decode(const std::string& bytes) {
  return QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QJsonObject ParseJson(const std::string& line) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
  return doc.object();
}

// The barcode the window would hold for this type and code.
void SetUpAsWindow(TBarcode& bc, TBarcodeType type, const std::string& text) {
  bc.SetTyp(type);
  bc.SetModul(2);
  bc.SetRatio(2.0);
  bc.SetHeight(50);
  bc.SetShowTextPosition(stpBottomCenter);
  bc.SetChecksum(true);
  bc.SetText(text);
}

std::string EngineMessage(TBarcodeType type, const std::string& text) {
  TBarcode bc;
  SetUpAsWindow(bc, type, text);
  return MessageOf([&] { bc.BuildPattern(); });
}

// "@" in an argument stands for the temporary directory.
std::vector<std::string> InDir(std::vector<std::string> args, const TempDir& dir) {
  for (auto& a : args) {
    const auto at = a.find('@');
    if (at != std::string::npos) a.replace(at, 1, dir.Path().string());
  }
  return args;
}

bool IsWhite(QRgb pixel) {
  return (pixel & 0xFFFFFF) == 0xFFFFFF;
}
bool IsBlack(QRgb pixel) {
  return (pixel & 0xFFFFFF) == 0;
}

// --- Output formats ------------------------------------------------------------------------

struct FormatCase {
  const char* name;
  const char* file;
  const char* magic;
  const char* source;
  friend void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }
};

class PictureFiles : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PictureFiles, AreWidthByHeightInTheFormatOfTheExtension) {
  const auto& c = GetParam();
  TempDir dir;
  const ProcessResult r =
      Cli({"-d", kEan, "--show-text", "code", "--quiet-zones", "none", "-o", dir / c.file});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  const std::string bytes = ReadFile(dir / c.file);
  ASSERT_TRUE(bytes.starts_with(c.magic)) << c.source;
  if (std::string(c.magic) == "<?xml") {
    EXPECT_NE(bytes.find("viewBox=\"0 0 190 50\""), std::string::npos);
    EXPECT_NE(bytes.find("<path"), std::string::npos) << "bars and glyphs are vector paths";
    EXPECT_EQ(bytes.find("<image"), std::string::npos) << "no embedded bitmap";
  } else {
    EXPECT_EQ(Decode(bytes).size(), QSize(kEanWidth, kEanHeight));
  }
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{c.file}) << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFiles,
                         ::testing::ValuesIn(std::vector<FormatCase>{
                             FormatCase{"Png", "out.png", "\x89PNG\r\n\x1a\n", "PNG signature"},
                             FormatCase{"Bmp", "out.bmp", "BM", "BMP file header"},
                             FormatCase{"Svg", "out.svg", "<?xml", "XML declaration of the SVG"},
                             FormatCase{"UpperCaseExtension", "OUT.PNG", "\x89PNG",
                                        "PNG signature"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliOutput, DashWritesPngToStandardOutput) {
  const ProcessResult r = Cli({"-d", kEan, "--quiet-zones", "none", "-o", "-"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ASSERT_TRUE(r.out.starts_with("\x89PNG"));
  EXPECT_EQ(Decode(r.out).size(), QSize(kEanWidth, kEanHeight));
}

TEST(CliOutput, PatternIsOneLine) {
  const ProcessResult r = Cli({"-d", kEan, "--pattern"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, Unspaced(test::kEan13_4006381333931) + "\n");
  EXPECT_EQ(r.err, "");
}

TEST(CliOutput, JsonHoldsTheBuild) {
  const ProcessResult r = Cli({"--json", "--data=" + std::string(kEan)});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
  const QJsonObject json = ParseJson(r.out);
  EXPECT_EQ(json.keys(), (QStringList{"height", "pattern", "ratio", "text", "type", "width"}));
  EXPECT_EQ(json["type"].toString(), "EAN13");
  EXPECT_EQ(json["text"].toString(), kEan);
  EXPECT_EQ(json["pattern"].toString().toStdString(), Unspaced(test::kEan13_4006381333931));
  EXPECT_EQ(json["width"].toInt(), kEanWidth);
  EXPECT_EQ(json["height"].toInt(), kEanHeight);
  EXPECT_EQ(json["ratio"].toDouble(), 2.0);
}

TEST(CliOutput, JsonEscapesControlCharactersOfTheText) {
  // Code 39 full ASCII takes every byte up to 0x7F.
  const ProcessResult r =
      Cli({"-t", "Code39 Extended", "--no-checksum", "-d", std::string("a\x01\"\\\x7F"), "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find(R"("text":"a\u0001\"\\\u007f")"), std::string::npos) << r.out;
  EXPECT_EQ(ParseJson(r.out)["text"].toString(), QString::fromLatin1("a\x01\"\\\x7F"));
}

struct RatioCase {
  const char* name;
  const char* type;
  const char* ratio;
  double after;
  const char* source;
  friend void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.name; }
};

class JsonRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(JsonRatio, IsTheRatioAfterTheBuild) {
  const auto& c = GetParam();
  const ProcessResult r = Cli({"-t", c.type, "-d", "12", "--ratio", c.ratio, "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(ParseJson(r.out)["ratio"].toDouble(), c.after) << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, JsonRatio,
    ::testing::ValuesIn(std::vector<RatioCase>{
        RatioCase{"Ean13AboveItsBound", "EAN13", "5", 3.0, "catalogue: EAN13 2.0 .. 3.0"},
        RatioCase{"Ean13BelowItsBound", "EAN13", "1.5", 2.0, "catalogue: EAN13 2.0 .. 3.0"},
        RatioCase{"Matrix2of5BelowItsBound", "2_5_matrix", "2", 2.25,
                  "catalogue: 2_5_matrix 2.25 .. 3.0"},
        RatioCase{"Code128Unbounded", "Code128B", "5", 5.0, "catalogue: Code128B unbounded"},
        RatioCase{"Code39InRange", "Code39", "2.5", 2.5, "catalogue: Code39 2.0 .. 3.0"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Picture geometry ----------------------------------------------------------------------

struct SizeCase {
  const char* name;
  std::vector<std::string> args;
  int margin;
  QSize size;
  bool upright;  // angle 0: the first bar at the box's top-left corner
  const char* source;
  friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
};

class PictureSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PictureSize, IsTheBoxPlusTheMarginAndCutsAtTheBox) {
  const auto& c = GetParam();
  std::vector<std::string> args = {"-d", kEan, "--quiet-zones", "none", "-o", "-"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const ProcessResult r = Cli(args);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const QImage image = Decode(r.out);
  ASSERT_EQ(image.size(), c.size) << c.source;
  const int m = c.margin;
  int marginPixels = 0, whiteMargin = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (x >= m && y >= m && x < image.width() - m && y < image.height() - m) continue;
      ++marginPixels;
      whiteMargin += IsWhite(image.pixel(x, y));
    }
  }
  EXPECT_EQ(whiteMargin, marginPixels) << "the quiet zone is white";
  if (c.upright) {
    const int boxHeight = c.size.height() - 2 * m;
    EXPECT_TRUE(IsBlack(image.pixel(m, m))) << "the left guard bar starts at (margin, margin)";
    EXPECT_TRUE(IsBlack(image.pixel(m, m + boxHeight - 1))) << "bars reach the box's last row";
    if (m > 0) {
      // A bar is Height + 1 rows high; the window's bitmap has Height rows.
      EXPECT_TRUE(IsWhite(image.pixel(m, m + boxHeight))) << "the bar's extra row is cut off";
      EXPECT_TRUE(IsWhite(image.pixel(m - 1, m)));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Margins, PictureSize,
    ::testing::ValuesIn(std::vector<SizeCase>{
        SizeCase{"NoMargin", {}, 0, {190, 50}, true, "95 modules x Modul 2, Height 50"},
        SizeCase{"Margin10", {"--margin", "10"}, 10, {210, 70}, true, "(W + 2m) x (H + 2m)"},
        SizeCase{"Margin1", {"--margin=1"}, 1, {192, 52}, true, "(W + 2m) x (H + 2m)"},
        SizeCase{"Modul3Height80Margin7",
                 {"--modul", "3", "--height", "80", "--margin", "7"},
                 7,
                 {299, 94},
                 true,
                 "95 modules x 3 + 14, 80 + 14"},
        SizeCase{"TurnedKeepsTheBox",
                 {"--angle", "90", "--margin", "5"},
                 5,
                 {200, 60},
                 false,
                 "the window's bitmap is Width x Height at any angle"},
        SizeCase{"TextAboveIsCut",
                 {"--show-text", "both", "--margin", "30"},
                 30,
                 {250, 110},
                 true,
                 "the type name at Top - 28 lies outside the box"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliPicture, ColoursAreRrggbb) {
  const ProcessResult r = Cli({"-d", kEan, "--color", "FF0000", "--bar-color", "#0000ff",
                               "--margin", "3", "--quiet-zones", "none", "-o", "-"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const QImage image = Decode(r.out);
  // EAN-13 starts with the guard bar, space, bar, each one module (2 pixels) wide.
  EXPECT_EQ(QColor(image.pixel(3, 3)), QColor(0, 0, 255));
  EXPECT_EQ(QColor(image.pixel(5, 3)), QColor(255, 0, 0));
  EXPECT_TRUE(IsWhite(image.pixel(1, 1))) << "the quiet zone does not take --color";
}

struct TextCase {
  const char* name;
  const char* position;
  QRect region;  // where the text may change the picture (of 190 x 50)
  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class PrintedCode : public ::testing::TestWithParam<TextCase> {};

TEST_P(PrintedCode, ChangesThePictureOnlyWhereItIsWritten) {
  const auto& c = GetParam();
  const ProcessResult plain = Cli({"-d", kEan, "--quiet-zones", "none", "-o", "-"});
  const ProcessResult text = Cli({"-d", kEan, "--show-text", "code", "--text-position", c.position,
                                  "--quiet-zones", "none", "-o", "-"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(text.err, "");
  const QImage a = Decode(plain.out), b = Decode(text.out);
  ASSERT_EQ(a.size(), b.size());
  int changed = 0, outside = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      ++changed;
      outside += !c.region.contains(x, y);
    }
  }
  EXPECT_GT(changed, 100) << "the text and its white box were drawn";
  EXPECT_EQ(outside, 0);
}

INSTANTIATE_TEST_SUITE_P(Positions, PrintedCode,
                         ::testing::ValuesIn(std::vector<TextCase>{
                             TextCase{"BottomCenter", "bottom-center", QRect(20, 25, 150, 25)},
                             TextCase{"TopLeft", "top-left", QRect(0, 0, 120, 25)},
                             TextCase{"TopRight", "top-right", QRect(70, 0, 120, 25)}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliPicture, RunsOffscreenWhateverQtPlatformIsSet) {
  const ProcessResult r =
      Cli({"-d", kEan, "--show-text", "code", "--quiet-zones", "none", "-o", "-"}, "",
          {"QT_QPA_PLATFORM=xcb"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Decode(r.out).size(), QSize(kEanWidth, kEanHeight));
}

// --- Types ---------------------------------------------------------------------------------

class TypeNames : public ::testing::TestWithParam<test::PublishedType> {};

TEST_P(TypeNames, AllThreeFormsNameTheType) {
  const test::PublishedType& p = GetParam();
  std::string lowerItem = p.itemText;
  for (char& ch : lowerItem) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  const bool gs1Data = p.typ == bcGS1_128 || p.typ == bcGS1DataMatrix || p.typ == bcGS1QRCode;
  const std::string data = gs1Data ? "(90)12" : "12";
  std::string first;
  for (const std::string& name :
       {std::string(p.typeName), lowerItem, std::to_string(static_cast<int>(p.typ))}) {
    SCOPED_TRACE(name);
    const ProcessResult r = Cli({"--type", name, "-d", data, "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ParseJson(r.out)["type"].toString().toStdString(), p.typeName);
    EXPECT_EQ(r.out, first.empty() ? r.out : first) << "the same symbol whatever the form";
    first = r.out;
  }
}

INSTANTIATE_TEST_SUITE_P(Published, TypeNames, ::testing::ValuesIn(test::kPublishedTypes),
                         [](const auto& info) {
                           std::string name = info.param.itemText;
                           std::erase(name, '_');
                           return name;
                         });

TEST(CliTypes, ListsThePublishedTypes) {
  std::string list;
  for (const test::PublishedType& p : test::kPublishedTypes) {
    list += std::to_string(static_cast<int>(p.typ)) + "\t" + p.typeName + "\t" + p.itemText + "\t" +
            (p.numericOnly ? "yes" : "no") + "\t" + (p.takesAddOn ? "yes" : "no") + "\n";
  }
  const ProcessResult r = Cli({"--list-types"});
  ASSERT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, list);
}

// --- Bad usage -----------------------------------------------------------------------------

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  const char* reason;  // part of the one-line reason
  friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class BadUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(BadUsage, ExitsWithTwoAndWritesNothing) {
  const auto& c = GetParam();
  TempDir dir;
  WriteFile(dir / "codes.txt", "123\n");
  const ProcessResult r = Cli(InDir(c.args, dir));
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(r.err.starts_with("barcode-cli: ")) << r.err;
  EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"codes.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, BadUsage,
    ::testing::ValuesIn(std::vector<UsageCase>{
        UsageCase{"UnknownLongOption", {"--bogus", "-o", "@/out.png"}, "unknown option '--bogus'"},
        UsageCase{"UnknownShortOption", {"-x", "-o", "@/out.png"}, "unknown option '-x'"},
        UsageCase{"FlagWithValue", {"--pattern=yes"}, "takes no value"},
        UsageCase{"MissingValue", {"-o", "@/out.png", "-t"}, "needs a value"},
        UsageCase{"StrayArgument", {"-o", "@/out.png", "123"}, "unexpected argument '123'"},
        UsageCase{"UnknownType", {"-t", "EAN14", "-o", "@/out.png"}, "unknown type 'EAN14'"},
        UsageCase{"OrdinalBeyondCatalogue", {"-t", "99", "-o", "@/out.png"}, "unknown type"},
        UsageCase{"EccLevel",
                  {"-t", "QRCode", "--ecc", "X", "--pattern"},
                  "--ecc: 'X' is not one of L, M, Q, H"},
        UsageCase{"EccOfALinearType",
                  {"--ecc", "H", "--pattern"},
                  "--ecc applies to QR Code only, not EAN13"},
        UsageCase{"DmreOfQrCode",
                  {"-t", "QRCode", "--dmre", "--pattern"},
                  "--dmre applies to Data Matrix only, not QR Code"},
        UsageCase{"EciOfALinearType",
                  {"--eci", "26", "--pattern"},
                  "--eci applies to QR Code and Data Matrix only, not EAN13"},
        UsageCase{"QrVersion",
                  {"--size", "41", "-t", "QRCode", "--pattern"},
                  "--size: 41 is out of range 1..40"},
        UsageCase{"DataMatrixSize",
                  {"-t", "DataMatrix", "--size", "20", "--pattern"},
                  "--size: '20' is not ROWSxCOLUMNS (e.g. 16x48)"},
        UsageCase{"Mask", {"-t", "QRCode", "--mask", "8", "--pattern"}, "out of range 0..7"},
        UsageCase{"EciBeyond",
                  {"-t", "QRCode", "--eci", "1000000", "--pattern"},
                  "out of range 0..999999"},
        UsageCase{"TypeWithBlank", {"-t", " EAN13", "-o", "@/out.png"}, "unknown type"},
        UsageCase{"ModulNotANumber", {"--modul", "3x", "-o", "@/out.png"}, "not a whole number"},
        UsageCase{"ModulBlank", {"--modul", "", "-o", "@/out.png"}, "not a whole number"},
        UsageCase{"ModulLeadingBlank", {"--modul", " 3", "-o", "@/out.png"}, "not a whole"},
        UsageCase{"ModulFraction", {"--modul", "2.5", "-o", "@/out.png"}, "not a whole number"},
        UsageCase{"ModulZero", {"--modul", "0", "-o", "@/out.png"}, "out of range 1..49"},
        UsageCase{"Modul50", {"--modul=50", "-o", "@/out.png"}, "out of range 1..49"},
        UsageCase{
            "ModulHuge", {"--modul", "99999999999999999999", "-o", "@/out.png"}, "out of range"},
        UsageCase{"HeightZero", {"--height", "0", "-o", "@/out.png"}, "out of range 1..32767"},
        UsageCase{"Height32768", {"--height", "32768", "-o", "@/out.png"}, "out of range"},
        UsageCase{"MarginNegative", {"--margin", "-1", "-o", "@/out.png"}, "0..10000"},
        UsageCase{"Margin10001", {"--margin", "10001", "-o", "@/out.png"}, "0..10000"},
        UsageCase{"FontSizeZero", {"--font-size", "0", "-o", "@/out.png"}, "1..500"},
        UsageCase{"FontSize501", {"--font-size", "501", "-o", "@/out.png"}, "1..500"},
        UsageCase{"RatioNaN", {"--ratio", "nan", "-o", "@/out.png"}, "not a finite number"},
        UsageCase{"RatioInf", {"--ratio", "inf", "-o", "@/out.png"}, "not a finite number"},
        UsageCase{"AngleOverflows", {"--angle", "1e999", "-o", "@/out.png"}, "not a finite"},
        UsageCase{"AngleText", {"--angle", "ninety", "-o", "@/out.png"}, "not a number"},
        UsageCase{"ColourShort", {"--color", "FFF", "-o", "@/out.png"}, "not RRGGBB"},
        UsageCase{"ColourNotHex", {"--bar-color", "GG0000", "-o", "@/out.png"}, "not RRGGBB"},
        UsageCase{"ColourLong", {"--color", "1234567", "-o", "@/out.png"}, "not RRGGBB"},
        UsageCase{"ShowTextWord", {"--show-text", "all", "-o", "@/out.png"}, "not one of"},
        UsageCase{"PositionWord", {"--text-position", "middle", "-o", "@/out.png"}, "not one of"},
        UsageCase{"ChecksumMethod",
                  {"--checksum-method", "mod11", "-o", "@/out.png"},
                  "not one of mod10, none"},
        UsageCase{"NoOutput", {"-d", "123"}, "nothing to do"},
        UsageCase{"TwoOutputs", {"-o", "@/out.png", "--json"}, "choose one output"},
        UsageCase{"PatternAndJson", {"--pattern", "--json"}, "choose one output"},
        UsageCase{"UnknownExtension", {"-o", "@/out.gif"}, "no picture extension"},
        UsageCase{"NoExtension", {"-o", "@/out"}, "no picture extension"},
        UsageCase{"BatchAndData", {"--batch", "@/codes.txt", "-d", "1", "--json"}, "exclude"},
        UsageCase{"BatchToStandardOutput", {"--batch", "@/codes.txt", "-o", "-"}, "batch"},
        UsageCase{"BatchWithoutLineNumber", {"--batch", "@/codes.txt", "-o", "@/a.png"}, "%n"},
        UsageCase{"BatchFileMissing", {"--batch", "@/none.txt", "--json"}, "cannot read"},
        UsageCase{"QuietZonesWord",
                  {"--quiet-zones", "some", "-o", "@/out.png"},
                  "not one of standard, none"},
        UsageCase{"DpiZero", {"--dpi", "0", "-o", "@/out.png"}, "out of range 1..10000"},
        UsageCase{"VerifyWithoutPicture", {"--verify", "--pattern"}, "--verify reads pictures"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Failures ------------------------------------------------------------------------------

struct FailureCase {
  const char* name;
  TBarcodeType type;
  const char* typeName;
  const char* text;
  const char* source;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class EncodingFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(EncodingFailure, ExitsWithOneAndTheEnginesMessage) {
  const auto& c = GetParam();
  const std::string message = EngineMessage(c.type, c.text);
  ASSERT_NE(message, "") << c.source;
  for (const char* file : {"out.png", "out.svg", "out.bmp"}) {
    TempDir dir;
    const ProcessResult r = Cli({"-t", c.typeName, "-d", c.text, "-o", dir / file});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, message + "\n");
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(dir.Entries().empty()) << file;
  }
  const ProcessResult json = Cli({"-t", c.typeName, "-d", c.text, "--json"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_EQ(json.err, message + "\n");
  EXPECT_EQ(json.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Engine, EncodingFailure,
    ::testing::ValuesIn(std::vector<FailureCase>{
        FailureCase{"NotNumeric", bcCodeEAN13, "EAN13", "40063813339a",
                    "numeric-only type: Barcode must be numeric"},
        FailureCase{"Ean13TooLong", bcCodeEAN13, "EAN13", "40063813339310",
                    "14 digits and a check digit: the length assertion"},
        FailureCase{"Code93LowerCase", bcCode93, "Code93", "abc", "Code 93 has no lower case"},
        FailureCase{"Code128HighByte", bcCode128B, "Code128B", "A\xFF", "Code 128 is 7-bit"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Full GS1 numbers as printed under the bars: the check digit is checked, then added again by
// the engine; the symbol is the published one.
struct FullNumberCase {
  const char* typeName;
  const char* full;
  const char* pattern;
};

TEST(CliFullNumbers, AreCheckedAndEncodedOrRefusedNamingTheDigit) {
  for (const FullNumberCase& c :
       {FullNumberCase{"EAN13", "4006381333931", test::kEan13_4006381333931},
        FullNumberCase{"EAN8", "96385074", test::kEan8_96385074},
        FullNumberCase{"UPC_A", "036000291452", test::kUpcA_036000291452}}) {
    SCOPED_TRACE(c.full);
    const std::string full = c.full;
    const ProcessResult good = Cli({"-t", c.typeName, "-d", full, "--pattern"});
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_EQ(good.out, Unspaced(c.pattern) + "\n");
    std::string wrong = full;
    wrong.back() = static_cast<char>('0' + (wrong.back() - '0' + 1) % 10);
    const ProcessResult bad = Cli({"-t", c.typeName, "-d", wrong, "--pattern"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, std::string(c.typeName) + " " + wrong + ": check digit should be " +
                           full.back() + ", not " + wrong.back() + "\n");
  }
}

// The add-on follows the symbol as barcode-cli draws it alone, after the gap GS1 allows after
// EAN-13 (7 to 12 modules), and is the 5-digit add-on as it draws it alone.
TEST(CliAddOn, IsAttachedAfterTheGapAndReported) {
  const ProcessResult r = Cli({"-d", "978030640615", "--add-on", "51995", "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const QJsonObject json = ParseJson(r.out);
  EXPECT_EQ(json["addOn"].toString(), "51995");
  const std::string pattern = json["pattern"].toString().toStdString();
  std::string main = Cli({"-d", "978030640615", "--pattern"}).out;
  std::string addOn = Cli({"-t", "UPC Supp5", "-d", "51995", "--pattern"}).out;
  main.pop_back();  // the line ends
  addOn.pop_back();
  ASSERT_TRUE(pattern.starts_with(main)) << pattern;
  std::size_t at = main.size();
  int gap = 0;
  for (; at < pattern.size() && pattern[at] >= '0' && pattern[at] <= '3'; ++at)
    gap += pattern[at] - '0' + 1;  // spaces of 1 to 4 modules at Ratio 2
  EXPECT_GE(gap, 7);
  EXPECT_LE(gap, 12);
  EXPECT_EQ(pattern.substr(at), addOn);
  EXPECT_EQ(json["width"].toInt(), 2 * (95 + gap + 47)) << "GS1: EAN-13 95 modules, add-on 47";
}

TEST(CliFailure, NumericMessageIsExact) {
  const ProcessResult r = Cli({"-d", "12a", "--pattern"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "Barcode must be numeric\n");
}

TEST(CliFailure, KeepsAnExistingFileWhole) {
  TempDir dir;
  WriteFile(dir / "out.png", "old");
  const ProcessResult r = Cli({"-d", "12a", "-o", dir / "out.png"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(ReadFile(dir / "out.png"), "old");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"out.png"});
}

TEST(CliFailure, OverwritesOnSuccess) {
  TempDir dir;
  WriteFile(dir / "out.png", "old");
  ASSERT_EQ(Cli({"-d", kEan, "--quiet-zones", "none", "-o", dir / "out.png"}).exitCode, 0);
  EXPECT_EQ(Decode(ReadFile(dir / "out.png")).size(), QSize(kEanWidth, kEanHeight));
}

struct TooLargeCase {
  const char* name;
  std::vector<std::string> args;
  const char* size;
  friend void PrintTo(const TooLargeCase& c, std::ostream* os) { *os << c.name; }
};

class TooLarge : public ::testing::TestWithParam<TooLargeCase> {};

TEST_P(TooLarge, IsRefusedBeforeAnythingIsWritten) {
  const auto& c = GetParam();
  TempDir dir;
  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"--quiet-zones", "none", "-o", dir / "out.svg"});
  const ProcessResult r = Cli(args);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.starts_with(std::string("Picture of ") + c.size + " pixels is too large"))
      << r.err;
  EXPECT_TRUE(dir.Entries().empty());
  args.resize(args.size() - 2);
  args.push_back("--pattern");
  EXPECT_EQ(Cli(args).exitCode, 0) << "the symbol itself encodes";
}

INSTANTIATE_TEST_SUITE_P(
    Limits, TooLarge,
    ::testing::Values(
        // 71 data characters of 11 modules, start, check and stop (35): 816 modules x 49.
        TooLargeCase{"WiderThan32767",
                     {"-t", "Code128B", "-d", std::string(71, 'A'), "--modul", "49"},
                     "39984 x 50"},
        TooLargeCase{
            "MarginPushesOver", {"--height", "32767", "--margin", "1", "-d", "1"}, "192 x 32769"},
        // 95 modules x 49 = 4655 columns of 32767 rows: 152 M pixels. At 2000 dpi Modul 49 is
        // an X-dimension GS1 allows EAN-13, so no warning comes before the failure.
        TooLargeCase{"PixelBudget",
                     {"--modul", "49", "--height", "32767", "-d", "1", "--dpi", "2000"},
                     "4655 x 32767"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PathCase {
  const char* name;
  const char* path;
  friend void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }
};

class UnwritablePath : public ::testing::TestWithParam<PathCase> {};

TEST_P(UnwritablePath, ExitsWithOneAndTheReason) {
  TempDir dir;
  WriteFile(dir / "file", "");
  std::filesystem::create_directory(dir.Path() / "dir.png");
  const std::string path = InDir({GetParam().path}, dir)[0];
  const ProcessResult r = Cli({"-d", kEan, "-o", path});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.starts_with("Cannot write '" + path + "': ")) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"dir.png", "file"}));
}

INSTANTIATE_TEST_SUITE_P(Paths, UnwritablePath,
                         ::testing::ValuesIn(std::vector<PathCase>{
                             PathCase{"MissingDirectory", "@/missing/out.png"},
                             PathCase{"ParentIsAFile", "@/file/out.png"},
                             PathCase{"IsADirectory", "@/dir.png"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Batch ---------------------------------------------------------------------------------

TEST(CliBatch, PatternLinesFollowTheInputLines) {
  TempDir dir;
  WriteFile(dir / "codes.txt", std::string(kEan) + "\nabc\n0");
  const ProcessResult r = Cli({"--batch", dir / "codes.txt", "--pattern"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out,
            Unspaced(test::kEan13_4006381333931) + "\n\n" + Unspaced(test::kEan13AllZeros) + "\n");
  EXPECT_EQ(r.err, "line 2: Barcode must be numeric\n");
}

TEST(CliBatch, JsonFromStandardInputWithCrLf) {
  const ProcessResult r = Cli({"--batch", "-", "--json"}, std::string(kEan) + "\r\n12x\r\n\r\n");
  EXPECT_EQ(r.exitCode, 1);
  std::istringstream lines(r.out);
  std::string first, second, third, extra;
  ASSERT_TRUE(std::getline(lines, first) && std::getline(lines, second) &&
              std::getline(lines, third));
  EXPECT_FALSE(std::getline(lines, extra));
  EXPECT_EQ(ParseJson(first)["text"].toString(), kEan);
  EXPECT_EQ(second, "null");
  EXPECT_EQ(ParseJson(third)["text"].toString(), "") << "an empty line is an empty code";
  EXPECT_EQ(r.err, "line 2: Barcode must be numeric\n");
}

TEST(CliBatch, PicturesNamedByLineNumberAndTheRestGoOn) {
  TempDir dir;
  WriteFile(dir / "codes.txt", "40063813339310\n" + std::string(kEan) + "\n9638507\n");
  const ProcessResult r = Cli({"--batch", dir / "codes.txt", "-o", dir / "label-%n.png", "--margin",
                               "2", "--quiet-zones", "none"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "line 1: " + EngineMessage(bcCodeEAN13, "40063813339310") + "\n");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"codes.txt", "label-2.png", "label-3.png"}));
  EXPECT_EQ(Decode(ReadFile(dir / "label-3.png")).size(), QSize(194, 54));
}

// Batch lines carry bytes that no argument can (NUL); each is encoded and reported exactly
// as the engine does it.
TEST(CliBatch, EdgeBytesReachTheEngineUnchanged) {
  const std::vector<std::string> lines = {
      std::string("A\0B", 3), "\x7F", "\x80", "\xFF", " ", "abc", "ABC"};
  std::string input, expectedErr;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    input += lines[i] + "\n";
    const std::string message = EngineMessage(bcCode93, lines[i]);
    if (!message.empty()) expectedErr += "line " + std::to_string(i + 1) + ": " + message + "\n";
  }
  ASSERT_NE(expectedErr.find(std::string("<A\0B>", 5)), std::string::npos)
      << "the engine quotes the bad data";
  const ProcessResult r = Cli({"-t", "Code93", "--batch", "-", "--pattern"}, input);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, expectedErr);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 7);
}

TEST(CliBatch, AllGoodExitsWithZero) {
  TempDir dir;
  const ProcessResult r =
      Cli({"--batch", "-", "-t", "Code128C", "-o", dir / "%n%%.svg"}, "12\n3456\n");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"1%.svg", "2%.svg"}));
}

// Files are written by two threads; their failures still come in the order of the lines,
// among the lines that fail to encode.
TEST(CliBatch, FailuresAreReportedInTheOrderOfTheLines) {
  TempDir dir;
  std::string codes, expected;
  for (int line = 1; line <= 40; ++line) {
    const std::string sub = "d" + std::to_string(line);
    if (line % 7 != 0) std::filesystem::create_directory(dir.Path() / sub);
    codes += line == 20 ? "12a\n" : std::string(kEan) + "\n";
    if (line == 20) {
      expected += "line 20: Barcode must be numeric\n";
    } else if (line % 7 == 0) {
      expected += "line " + std::to_string(line) + ": Cannot write '" + (dir / sub) +
                  "/a.bmp': No such file or directory\n";
    }
  }
  const ProcessResult r = Cli({"--batch", "-", "-o", dir / "d%n/a.bmp"}, codes);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, expected);
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "d40/a.bmp"));
}

// A batch's pictures with text are drawn two at a time; each file is still its own line's
// picture, byte for byte what the line alone gives, and a failing line takes no other's place.
TEST(CliBatch, EachFileIsItsOwnLinesPicture) {
  TempDir dir;
  const std::vector<std::string> codes = {
      "400638133393", "96385074", "12a", "036000291452", "1", "978030640615", "555555555555", "9"};
  std::string input;
  for (const std::string& code : codes) input += code + "\n";
  const ProcessResult r = Cli({"--batch", "-", "--show-text", "code", "-o", dir / "%n.png"}, input);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "line 3: Barcode must be numeric\n");
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (i == 2) continue;
    const ProcessResult alone = Cli({"-d", codes[i], "--show-text", "code", "-o", "-"});
    EXPECT_EQ(ReadFile(dir / (std::to_string(i + 1) + ".png")), alone.out) << "line " << i + 1;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "3.png"));
}

TEST(CliBatch, SyncedFilesAreWhole) {
  TempDir dir;
  const ProcessResult r = Cli({"--batch", "-", "--sync", "-o", dir / "%n.bmp"}, "12\n3456\n");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"1.bmp", "2.bmp"}));
  EXPECT_FALSE(Decode(ReadFile(dir / "2.bmp")).isNull());
}

TEST(CliBatch, EmptyInputDoesNothing) {
  const ProcessResult r = Cli({"--batch", "-", "--pattern"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "");
}

// --- Help ----------------------------------------------------------------------------------

TEST(CliHelp, DocumentsEveryOptionWithAnExample) {
  const ProcessResult r = Cli({"--help"});
  ASSERT_EQ(r.exitCode, 0);
  for (const char* option : {"--type",
                             "--data",
                             "--checksum",
                             "--no-checksum",
                             "--checksum-method",
                             "--modul",
                             "--ratio",
                             "--height",
                             "--angle",
                             "--show-text",
                             "--text-position",
                             "--color",
                             "--bar-color",
                             "--font",
                             "--font-size",
                             "--margin",
                             "--output",
                             "--pattern",
                             "--json",
                             "--batch",
                             "--quiet-zones",
                             "--dpi",
                             "--xdim",
                             "--bar-height-mm",
                             "--verify",
                             "--list-types",
                             "--help",
                             "--version",
                             "--ecc",
                             "--ecc-fixed",
                             "--size",
                             "--mask",
                             "--eci",
                             "--dm-shape",
                             "--dmre",
                             "--digital-link",
                             "--no-requisite-check",
                             "--sync"}) {
    EXPECT_NE(r.out.find(option), std::string::npos) << option;
  }
  std::size_t examples = 0;
  for (std::size_t at = r.out.find("e.g."); at != std::string::npos;
       at = r.out.find("e.g.", at + 1))
    ++examples;
  EXPECT_GE(examples, 22u);
  EXPECT_EQ(Cli({"-h"}).out, r.out);
}

TEST(CliHelp, Version) {
  const ProcessResult r = Cli({"--version"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "barcode-cli " BARCODE_VERSION "\n");
}

}  // namespace
}  // namespace bars
