// The pieces of barcode-cli that a process test reaches only in part: JSON strings for every
// byte, batch file names, and the one safe-write it shares with the window.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <vector>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "file_writer.h"
#include "options.h"
#include "process.h"
#include "report.h"

namespace bars::cli {
namespace {

struct JsonCase {
  const char* name;
  std::string bytes;
  const char* json;
  const char* source;
  friend void PrintTo(const JsonCase& c, std::ostream* os) { *os << c.name; }
};

class JsonStrings : public ::testing::TestWithParam<JsonCase> {};

TEST_P(JsonStrings, EscapeWhatJsonForbidsAndLatin1) {
  EXPECT_EQ(JsonString(GetParam().bytes), GetParam().json) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, JsonStrings,
    ::testing::Values(JsonCase{"Plain", "EAN13", R"("EAN13")", "printable ASCII as it is"},
                      JsonCase{"Empty", "", R"("")", "RFC 8259: empty string"},
                      JsonCase{"Blank", " ", R"(" ")", "printable ASCII as it is"},
                      JsonCase{"LowerCase", "abc", R"("abc")", "printable ASCII as it is"},
                      JsonCase{"Nul", std::string(1, '\0'), R"("\u0000")",
                               "RFC 8259 s.7: U+0000..U+001F"},
                      JsonCase{"Newline", "\n", R"("\u000a")", "RFC 8259 s.7: U+0000..U+001F"},
                      JsonCase{"Unit1F", "\x1F", R"("\u001f")", "RFC 8259 s.7: U+0000..U+001F"},
                      JsonCase{"Del", "\x7F", R"("\u007f")", "escaped to stay plain ASCII"},
                      JsonCase{"High80", "\x80", R"("\u0080")", "Latin-1: byte 0x80 is U+0080"},
                      JsonCase{"HighFF", "\xFF", R"("\u00ff")", "Latin-1: byte 0xFF is U+00FF"},
                      JsonCase{"Quote", "a\"b", R"("a\"b")", "RFC 8259 s.7: quotation mark"},
                      JsonCase{"Backslash", "a\\b", R"("a\\b")", "RFC 8259 s.7: reverse solidus"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchOutputPath, LineNumberAndPercent) {
  EXPECT_EQ(BatchOutputPath("label-%n.png", 7), "label-7.png");
  EXPECT_EQ(BatchOutputPath("%n/%n.svg", 12), "12/12.svg");
  EXPECT_EQ(BatchOutputPath("100%%-%n.png", 3), "100%-3.png");
  EXPECT_EQ(BatchOutputPath("a%b%.png", 1), "a%b%.png") << "other % stay as they are";
}

TEST(ParseArguments, DefaultsAreTheWindowsSettings) {
  const Options o = ParseArguments({"--pattern"});
  EXPECT_EQ(o.type, bcCodeEAN13);
  EXPECT_TRUE(o.checksum);
  EXPECT_EQ(o.checkSumMethod, csmModulo10);
  EXPECT_EQ(o.modul, 2);
  EXPECT_EQ(o.ratio, 2.0);
  EXPECT_EQ(o.height, 50);
  EXPECT_EQ(o.showText, bcoNone);
  EXPECT_EQ(o.textPosition, stpBottomCenter);
  EXPECT_EQ(o.color, clWhite);
  EXPECT_EQ(o.barColor, clBlack);
  EXPECT_EQ(o.margin, 0);
}

TEST(ParseArguments, ColoursBecomeBgr) {
  const Options o = ParseArguments({"--json", "--color", "123456", "--bar-color=#aBcDeF"});
  EXPECT_EQ(o.color, TColor{0x563412});
  EXPECT_EQ(o.barColor, TColor{0xEFCDAB});
}

TEST(ParseArguments, ShortOptionsTakeAttachedValues) {
  const Options o = ParseArguments({"-tEAN8", "-d9638507", "-oout.svg"});
  EXPECT_EQ(o.type, bcCodeEAN8);
  EXPECT_EQ(o.data, "9638507");
  EXPECT_EQ(o.format, PictureFormat::Svg);
}

struct SizeCase {
  const char* name;
  std::vector<std::string> args;
  std::int32_t modul, height;
  const char* note;     // part of the one note on standard error; nullptr: none
  const char* refused;  // part of the usage error; nullptr: accepted
  friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
};

class MillimetreSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(MillimetreSizes, AreTheNearestWholePixelsAtTheResolution) {
  const auto& c = GetParam();
  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"-o", "a.png"});
  if (c.refused) {
    try {
      ParseArguments(args);
      ADD_FAILURE() << "accepted";
    } catch (const UsageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.refused), std::string::npos) << e.what();
    }
    return;
  }
  const Options o = ParseArguments(args);
  EXPECT_EQ(o.modul, c.modul);
  EXPECT_EQ(o.height, c.height);
  ASSERT_EQ(o.notes.size(), c.note ? 1u : 0u);
  if (c.note) {
    EXPECT_NE(o.notes[0].find(c.note), std::string::npos) << o.notes[0];
  }
}

// Pixels = mm x dpi / 25.4: 0.33 mm is 3.90 pixels at 300 dpi, 7.80 at 600, 1.25 at 96.
INSTANTIATE_TEST_SUITE_P(
    Rounding, MillimetreSizes,
    ::testing::ValuesIn(std::vector<SizeCase>{
        SizeCase{"Nominal300", {"--xdim", "0.33", "--dpi", "300"}, 4, 50, nullptr, nullptr},
        SizeCase{"DpiGivenFirst", {"--dpi", "600", "--xdim", "0.33"}, 8, 50, nullptr, nullptr},
        SizeCase{"CoarseNoted",
                 {"--xdim", "0.33"},
                 1,
                 50,
                 "--xdim 0.33 mm is 1.25 pixels at 96 dpi: Modul 1 prints 0.265 mm, 19.8 % off",
                 nullptr},
        SizeCase{"JustBelowAPixel", {"--xdim", "0.25"}, 1, 50, nullptr, nullptr},
        SizeCase{"BelowHalfAPixel", {"--xdim", "0.1"}, 0, 0, nullptr, "below one pixel"},
        SizeCase{"BeyondModul49",
                 {"--xdim", "2", "--dpi", "1200"},
                 0,
                 0,
                 nullptr,
                 "more than Modul takes (1..49)"},
        SizeCase{"NotAbove0", {"--xdim", "0"}, 0, 0, nullptr, "is not above 0 mm"},
        SizeCase{"WithModul", {"--xdim", "0.33", "--modul", "4"}, 0, 0, nullptr, "exclude"},
        SizeCase{"BarHeight",
                 {"-t", "Code128", "--bar-height-mm", "22.85", "--dpi", "300"},
                 2,
                 270,
                 nullptr,
                 nullptr},
        SizeCase{
            "WithHeight", {"--bar-height-mm", "20", "--height", "9"}, 0, 0, nullptr, "exclude"},
        // GS1 allows EAN/UPC 0.264 to 0.660 mm; Modul 3 at 96 dpi is 0.794 mm.
        SizeCase{
            "EanBeyondGs1", {"--modul", "3"}, 3, 50, "is outside the 0.264 to 0.660 mm", nullptr},
        SizeCase{
            "Ean8BeyondGs1", {"-t", "EAN8", "--modul", "3"}, 3, 50, "mm GS1 allows EAN8", nullptr},
        SizeCase{"Code128AnyWidth", {"-t", "Code128", "--modul", "3"}, 3, 50, nullptr, nullptr}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The one safe-write ---------------------------------------------------------------------

struct WriteCase {
  const char* name;
  const char* path;    // written, in a directory holding "old" (0600 unless `mode` says)
  const char* link;    // nullptr, or where "link" points
  mode_t mode;         // of "old"
  int error;           // of Write
  const char* target;  // the file that holds the new bytes then; nullptr: none
  mode_t targetMode;   // its permissions, with umask 022
  const char* source;
  friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

class SafeWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(SafeWrite, ReplacesWholeKeepingPermissionsAndFollowingLinks) {
  const auto& c = GetParam();
  test::TempDir dir;
  std::ofstream(dir / "old") << "old";
  std::filesystem::permissions(dir / "old", std::filesystem::perms(c.mode));
  std::filesystem::create_directory(dir.Path() / "sub");
  std::vector<std::string> before = {"old", "sub"};
  if (c.link) {
    std::filesystem::create_symlink(c.link, dir.Path() / "link");
    before = {"link", "old", "sub"};
  }
  const mode_t umasked = umask(022);
  const int error = TFileWriter().Write(dir / c.path, "new");
  umask(umasked);
  EXPECT_EQ(error, c.error) << std::strerror(error);
  std::vector<std::string> after = before;
  if (c.target && !std::string_view(c.target).starts_with("sub/") &&
      std::find(after.begin(), after.end(), c.target) == after.end()) {
    after.push_back(c.target);
    std::sort(after.begin(), after.end());
  }
  EXPECT_EQ(dir.Entries(), after) << "no temporary file left";
  if (c.link) {
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link")) << "the link stays";
  }
  if (!c.target) {
    std::stringstream old;
    old << std::ifstream(dir / "old").rdbuf();
    EXPECT_EQ(old.str(), "old");
    return;
  }
  std::stringstream bytes;
  bytes << std::ifstream(dir / c.target).rdbuf();
  EXPECT_EQ(bytes.str(), "new");
  struct stat st {};
  ASSERT_EQ(stat((dir / c.target).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, c.targetMode) << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SafeWrite,
    ::testing::ValuesIn(std::vector<WriteCase>{
        WriteCase{"NewFile", "new.png", nullptr, 0600, 0, "new.png", 0644, "0666 less the umask"},
        WriteCase{"ReplacedPrivateFileStaysPrivate", "old", nullptr, 0600, 0, "old", 0600,
                  "the replaced file's permissions, as an editor keeps them"},
        WriteCase{"ReplacedExecutable", "old", nullptr, 0755, 0, "old", 0755, "kept"},
        WriteCase{"LinkIsFollowed", "link", "old", 0640, 0, "old", 0640,
                  "the file the link names is replaced, the link stays"},
        WriteCase{"DanglingLinkMakesItsFile", "link", "made.png", 0600, 0, "made.png", 0644,
                  "a link to a file not there yet"},
        WriteCase{"LinkIntoAnotherDirectory", "link", "sub/made.png", 0600, 0, "sub/made.png", 0644,
                  "written beside the file the link names"},
        WriteCase{"MissingDirectory", "none/a.png", nullptr, 0600, ENOENT, nullptr, 0,
                  "nothing written, nothing left"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars::cli
