// barcode-cli's pictures for printing, through its process interface: the standard quiet
// zones of each family, whole turned symbols read by ZXing-C++, the resolution in the files,
// --verify end to end, a batch killed half-way, and barcode-cli-qt where it is installed.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <ZXing/ReadBarcode.h>

#include <QByteArray>
#include <QImage>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "launch.h"
#include "process.h"

namespace bars {
namespace {

using test::ProcessResult;
using test::TempDir;

constexpr const char* kEan = "400638133393";  // GS1's 4006381333931 without its check digit

ProcessResult Cli(std::vector<std::string> args) {
  return test::RunProcess(BARCODE_CLI_PATH, args);
}

std::string ReadFile(const std::string& path) {
  std::ostringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

QImage Decode(const std::string& bytes) {
  return QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool Dark(QRgb pixel) {
  return qGray(pixel) < 128;
}

// Rows and columns without a dark pixel at each edge: left, top, right, bottom.
std::array<int, 4> WhiteBorders(const QImage& image) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!Dark(image.pixel(x, y))) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {left, top, image.width() - 1 - right, image.height() - 1 - bottom};
}

// --- Quiet zones ---------------------------------------------------------------------------

struct QuietCase {
  const char* name;
  std::vector<std::string> args;
  int left, right;  // modules
  const char* source;
  friend void PrintTo(const QuietCase& c, std::ostream* os) { *os << c.name; }
};

class QuietZones : public ::testing::TestWithParam<QuietCase> {};

TEST_P(QuietZones, AreTheStandardsModulesPlusTheMargin) {
  const auto& c = GetParam();
  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"--modul", "2", "--margin", "3", "-o", "-"});
  const ProcessResult r = Cli(args);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto borders = WhiteBorders(Decode(r.out));
  EXPECT_EQ(borders[0], 3 + 2 * c.left) << c.source;
  EXPECT_EQ(borders[2], 3 + 2 * c.right) << c.source;
  EXPECT_EQ(borders[1], 3) << "the bars start at the top of the frame";
}

INSTANTIATE_TEST_SUITE_P(
    Families, QuietZones,
    ::testing::ValuesIn(std::vector<QuietCase>{
        QuietCase{"Ean13", {"-d", kEan}, 11, 7, "GS1 General Specifications: 11 X and 7 X"},
        QuietCase{"Ean8", {"-t", "EAN8", "-d", "9638507"}, 7, 7, "GS1: 7 X and 7 X"},
        QuietCase{"UpcA", {"-t", "UPC_A", "-d", "03600029145"}, 9, 9, "GS1: 9 X and 9 X"},
        QuietCase{"UpcE", {"-t", "UPC_E0", "-d", "425261"}, 9, 7, "GS1: 9 X and 7 X"},
        QuietCase{"Ean13AddOn",
                  {"-d", "978030640615", "--add-on", "51995"},
                  11,
                  5,
                  "GS1: 5 X after the add-on"},
        QuietCase{"Code128", {"-t", "Code128", "-d", "Hello"}, 10, 10, "ISO/IEC 15417: 10 X"},
        QuietCase{"Gs1_128", {"-t", "GS1-128", "-d", "(90)AB"}, 10, 10, "GS1: as Code 128"},
        QuietCase{"Code39", {"-t", "Code39", "-d", "AB"}, 10, 10, "ISO/IEC 16388: 10 X"},
        QuietCase{"Code93", {"-t", "Code93", "-d", "AB"}, 10, 10, "AIM USS-93: 10 X"},
        QuietCase{
            "Interleaved", {"-t", "2_5_interleaved", "-d", "1234"}, 10, 10, "ISO/IEC 16390: 10 X"},
        QuietCase{"Codabar", {"-t", "Codebar", "-d", "1234"}, 10, 10, "AIM USS-Codabar: 10 X"},
        QuietCase{"Msi", {"-t", "MSI", "-d", "1234"}, 12, 12, "MSI: 12 X"},
        QuietCase{"NoneIsTheWindowsBox",
                  {"-d", kEan, "--quiet-zones", "none"},
                  0,
                  0,
                  "the bars fill the Width x Height box"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Whole turned symbols ------------------------------------------------------------------

struct TurnCase {
  int angle;
  std::array<int, 4> borders;  // white left, top, right, bottom in pixels; -1: not checked
};

class TurnedSymbol : public ::testing::TestWithParam<TurnCase> {};

// EAN-13 at Modul 3: 11 modules before the symbol are 33 pixels, 7 after are 21. Tall enough
// for a row of pixels to cross every bar at 30 degrees.
TEST_P(TurnedSymbol, HoldsEveryBarAndTurnsItsQuietZones) {
  const auto& c = GetParam();
  const auto picture = [](int angle) {
    const ProcessResult r = Cli({"-d", kEan, "--modul", "3", "--height", "260", "--angle",
                                 std::to_string(angle), "-o", "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return Decode(r.out);
  };
  const QImage image = picture(c.angle);
  const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  ZXing::DecodeHints hints;
  hints.setFormats(ZXing::BarcodeFormat::EAN13);
  const ZXing::Result read =
      ZXing::ReadBarcode({grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                          static_cast<int>(grey.bytesPerLine())},
                         hints);
  EXPECT_EQ(read.text(), "4006381333931") << "GS1's example, read by ZXing-C++";
  const auto borders = WhiteBorders(image);
  for (std::size_t side = 0; side < 4; ++side)
    if (c.borders[side] >= 0) {
      EXPECT_EQ(borders[side], c.borders[side]) << "side " << side;
    }
  // Turning keeps the ink, up to the stepped edges of slanted bars; the window's cut box would
  // lose a third of it at 30 degrees.
  static const QImage upright = picture(0);
  const auto ink = [](const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x) n += Dark(im.pixel(x, y));
    return n;
  };
  EXPECT_NEAR(ink(image), ink(upright), 0.1 * ink(upright));
}

INSTANTIATE_TEST_SUITE_P(Angles, TurnedSymbol,
                         ::testing::ValuesIn(std::vector<TurnCase>{
                             TurnCase{0, {33, 0, 21, 0}}, TurnCase{30, {-1, -1, -1, -1}},
                             TurnCase{90, {0, 21, 0, 33}}, TurnCase{180, {21, 0, 33, 0}},
                             TurnCase{270, {0, 33, 0, 21}}}),
                         [](const auto& info) { return std::to_string(info.param.angle); });

// --- Resolution ----------------------------------------------------------------------------

// The 32-bit word at `at`, most significant byte first or last.
std::uint32_t Word(const std::string& b, std::size_t at, bool bigEndian) {
  std::uint32_t word = 0;
  for (std::size_t k = 0; k < 4; ++k)
    word = word << 8 | static_cast<unsigned char>(b[bigEndian ? at + k : at + 3 - k]);
  return word;
}

struct DpiCase {
  const char* name;
  const char* file;
  std::vector<std::string> args;
  std::uint32_t dotsPerMetre;  // dpi / 0.0254, rounded
  friend void PrintTo(const DpiCase& c, std::ostream* os) { *os << c.name; }
};

class Resolution : public ::testing::TestWithParam<DpiCase> {};

// Read from the bytes: the PNG pHYs chunk (x, y, unit 1 = metre), the BMP info header's
// horizontal and vertical pixels per metre at offsets 38 and 42.
TEST_P(Resolution, LandsInTheFileHeader) {
  const auto& c = GetParam();
  TempDir dir;
  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"-d", kEan, "-o", dir / c.file});
  ASSERT_EQ(Cli(args).exitCode, 0);
  const std::string bytes = ReadFile(dir / c.file);
  if (bytes.starts_with("BM")) {
    ASSERT_GE(bytes.size(), 46u);
    EXPECT_EQ(Word(bytes, 38, false), c.dotsPerMetre);
    EXPECT_EQ(Word(bytes, 42, false), c.dotsPerMetre);
  } else {
    const std::size_t at = bytes.find("pHYs");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Word(bytes, at + 4, true), c.dotsPerMetre);
    EXPECT_EQ(Word(bytes, at + 8, true), c.dotsPerMetre);
    EXPECT_EQ(bytes[at + 12], 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, Resolution,
                         ::testing::ValuesIn(std::vector<DpiCase>{
                             DpiCase{"PngDefault", "a.png", {}, 3780},
                             DpiCase{"Png300", "a.png", {"--dpi", "300"}, 11811},
                             DpiCase{"BmpDefault", "a.bmp", {}, 3780},
                             DpiCase{"Bmp600", "a.bmp", {"--dpi=600"}, 23622}}),
                         [](const auto& info) { return std::string(info.param.name); });

// 0.33 mm at 300 dpi is Modul 4 (3.9 pixels), 22.85 mm Height 270: a picture of (11 + 95 + 7)
// x 4 = 452 by 270 pixels, 38.27 by 22.86 mm; a PDF page of 108.48 by 64.8 points rounded up.
TEST(PrintSize, SetsTheSvgAndPdfPages) {
  TempDir dir;
  for (const char* file : {"a.svg", "a.pdf"}) {
    const ProcessResult r = Cli({"-d", kEan, "--dpi", "300", "--xdim", "0.33", "--bar-height-mm",
                                 "22.85", "-o", dir / file});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
  }
  EXPECT_NE(ReadFile(dir / "a.svg").find(R"(width="38.2693mm" height="22.86mm")"),
            std::string::npos);
  EXPECT_NE(ReadFile(dir / "a.pdf").find("/MediaBox [0 0 109.000000 65.000000]"),
            std::string::npos);
}

// --- Text size -----------------------------------------------------------------------------

struct TextSizeCase {
  const char* name;
  std::vector<std::string> args;
  int em;  // the font's size in pixels: points x dpi / 72
  friend void PrintTo(const TextSizeCase& c, std::ostream* os) { *os << c.name; }
};

class TextSize : public ::testing::TestWithParam<TextSizeCase> {};

// Bars 10 pixels high under a much taller printed code: the whole picture is the code's cell,
// ascent and descent, which for any sans face is one to one and a half times its size.
TEST_P(TextSize, IsInPointsAtTheResolution) {
  const auto& c = GetParam();
  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"-d", kEan, "--show-text", "code", "--height", "10", "-o", "-"});
  const ProcessResult r = Cli(args);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const int cell = Decode(r.out).height();
  EXPECT_GE(cell, c.em);
  EXPECT_LE(cell, c.em * 3 / 2);
}

INSTANTIATE_TEST_SUITE_P(Points, TextSize,
                         ::testing::ValuesIn(std::vector<TextSizeCase>{
                             TextSizeCase{"At96Dpi", {"--font-size", "72"}, 96},
                             TextSizeCase{"At192Dpi", {"--font-size", "36", "--dpi", "192"}, 96},
                             TextSizeCase{"At300Dpi", {"--font-size", "24", "--dpi", "300"}, 100}}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Verification --------------------------------------------------------------------------

struct VerifyCase {
  const char* name;
  std::vector<std::string> args;
  const char* file;
  const char* note;  // on standard error; "" for none
  friend void PrintTo(const VerifyCase& c, std::ostream* os) { *os << c.name; }
};

class Verified : public ::testing::TestWithParam<VerifyCase> {};

TEST_P(Verified, GoodSymbolsAreWritten) {
  const auto& c = GetParam();
  TempDir dir;
  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"--verify", "-o", dir / c.file});
  const ProcessResult r = Cli(args);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, c.note);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{c.file});
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, Verified,
    ::testing::ValuesIn(std::vector<VerifyCase>{
        VerifyCase{"Ean13Png", {"-d", kEan, "--show-text", "code"}, "a.png", ""},
        VerifyCase{"AddOnPdf", {"-d", "978030640615", "--add-on", "51995"}, "a.pdf", ""},
        VerifyCase{"Gs1Svg", {"-t", "GS1-128", "-d", "(01)09501101530003(10)AB-123"}, "a.svg", ""},
        VerifyCase{"Code39ExtendedTurnedBmp",
                   {"-t", "Code39 Extended", "-d", "ab+", "--angle", "90"},
                   "a.bmp",
                   ""},
        VerifyCase{
            "Code128At30Degrees",
            {"-t", "Code128", "-d", "Hello", "--modul", "3", "--height", "150", "--angle", "30"},
            "a.png",
            ""},
        VerifyCase{"MsiUnread",
                   {"-t", "MSI", "-d", "1234"},
                   "a.png",
                   "barcode-cli: --verify: ZXing-C++ does not read MSI: written unchecked\n"},
        // The reader's own fault (ZXing-C++ 1.4 cuts the data after "A%"), not the symbol's.
        VerifyCase{"Gs1QrPercentUnread",
                   {"-t", "GS1QRCode", "-d", "(01)09501101530003(10)A%B"},
                   "a.png",
                   "barcode-cli: --verify: ZXing-C++ before 2.2 misreads '%' in GS1 QR Code data: "
                   "written unchecked\n"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- A batch killed half-way ---------------------------------------------------------------

TEST(CliBatchKilled, LeavesOnlyWholeFiles) {
  TempDir dir;
  std::string codes;
  for (int i = 0; i < 20000; ++i) codes += std::string(kEan) + "\n";
  std::ofstream(dir / "codes.txt") << codes;
  std::filesystem::create_directory(dir.Path() / "out");
  // Large pictures: each takes a while to encode, so the kill lands in the middle of the batch.
  const pid_t pid = test::StartProcess(
      BARCODE_CLI_PATH,
      {"--batch", dir / "codes.txt", "--modul", "8", "--height", "600", "-o", dir / "out/%n.png"});
  const auto count = [&] {
    return std::distance(std::filesystem::directory_iterator(dir.Path() / "out"), {});
  };
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (count() < 20 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the batch ended before the kill";
  const std::regex name("[0-9]+\\.png");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path() / "out")) {
    const std::string file = entry.path().filename().string();
    EXPECT_TRUE(std::regex_match(file, name)) << file;
    EXPECT_EQ(QImage(QString::fromStdString(entry.path().string())).size(),
              QSize((11 + 95 + 7) * 8, 600))
        << file << " is whole";
    ++files;
  }
  EXPECT_GE(files, 20);
  EXPECT_LT(files, 20000);
}

// --- The Qt program ------------------------------------------------------------------------

struct LayoutCase {
  const char* name;
  const char* qtDirectory;  // relative to the program's; nullptr: no barcode-cli-qt
  friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }
};

class QtProgramLayout : public ::testing::TestWithParam<LayoutCase> {};

// A copy of the program, with or without barcode-cli-qt where a build or an installation puts
// it: patterns and plain bitmaps never need it, a picture with text finds it.
TEST_P(QtProgramLayout, PatternsAndPlainPicturesNeedNoQtAndTextFindsIt) {
  const auto& c = GetParam();
  TempDir dir;
  const std::filesystem::path bin = dir.Path() / "bin";
  std::filesystem::create_directory(bin);
  std::filesystem::copy_file(BARCODE_CLI_PATH, bin / "barcode-cli");
  if (c.qtDirectory) {
    const std::filesystem::path programs = bin / c.qtDirectory;
    std::filesystem::create_directories(programs);
    std::filesystem::copy_file(BARCODE_CLI_QT_PATH, programs / "barcode-cli-qt");
  }
  if (!c.qtDirectory) {
    for (const std::string& place : cli::QtProgramCandidates(bin.string()))
      if (!place.starts_with(dir.Path().string()) && std::filesystem::exists(place))
        GTEST_SKIP() << "barcode-cli-qt is installed at " << place;
  }
  const std::string program = bin / "barcode-cli";
  // The loader lists what the program loads, and runs nothing.
  const ProcessResult libraries = test::RunProcess(program, {}, "", {"LD_TRACE_LOADED_OBJECTS=1"});
  EXPECT_NE(libraries.out.find("libc.so"), std::string::npos) << libraries.out;
  EXPECT_EQ(libraries.out.find("Qt"), std::string::npos) << libraries.out;
  EXPECT_EQ(test::RunProcess(program, {"-d", kEan, "--pattern"}).exitCode, 0);
  const ProcessResult plain = test::RunProcess(program, {"-d", kEan, "-o", dir / "a.png"});
  EXPECT_EQ(plain.exitCode, 0) << plain.err;
  EXPECT_FALSE(Decode(ReadFile(dir / "a.png")).isNull());
  const ProcessResult r =
      test::RunProcess(program, {"-d", kEan, "--show-text", "code", "-o", dir / "b.png"});
  if (c.qtDirectory) {
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(Decode(ReadFile(dir / "b.png")).isNull());
  } else {
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.starts_with("Cannot find the picture module")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "b.png"));
  }
}

INSTANTIATE_TEST_SUITE_P(Places, QtProgramLayout,
                         ::testing::ValuesIn(std::vector<LayoutCase>{
                             LayoutCase{"Missing", nullptr}, LayoutCase{"BesideTheProgram", "."},
                             LayoutCase{"Installed", BARCODE_CLI_MODULE_RELDIR}}),
                         [](const auto& info) { return std::string(info.param.name); });

// barcode-cli hands its run to barcode-cli-qt with its build's mark; a program of another
// build, of the same version or not, refuses to carry it out.
TEST(QtProgram, RefusesTheRunOfAnotherBuild) {
  TempDir dir;
  const std::vector<std::string> args = {"-d", kEan, "--show-text", "code", "-o", dir / "a.png"};
  const ProcessResult other =
      test::RunProcess(BARCODE_CLI_QT_PATH, args, "", {"BARCODE_CLI_BUILD=" BARCODE_VERSION "-0"});
  EXPECT_EQ(other.exitCode, 1);
  EXPECT_NE(other.err.find("barcode-cli of build " BARCODE_VERSION "-0\n"), std::string::npos)
      << other.err;
  EXPECT_TRUE(dir.Entries().empty());
  EXPECT_EQ(test::RunProcess(BARCODE_CLI_QT_PATH, args).exitCode, 0) << "started by hand";
}

}  // namespace
}  // namespace bars
