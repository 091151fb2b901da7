// QR Code and Data Matrix on the command line: --json and --pattern give the module matrix, which
// ZXing-C++ reads as the data given, in the size and level asked.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "bars.h"
#include "cli/process.h"
#include "matrix/matrix_support.h"

namespace bars::cli {
namespace {

struct MatrixCase {
  const char* name;
  std::vector<std::string> args;  // after -t TYPE -d DATA
  const char* type;
  const char* data;            // UTF-8
  int rows, columns;           // 0: any
  const char* ecc;             // QR: the level used; empty: any
  const char* read = nullptr;  // what a reader returns, when not `data`
  friend void PrintTo(const MatrixCase& c, std::ostream* os) { *os << c.name; }
};

class MatrixOutput : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(MatrixOutput, IsTheMatrixAReaderReadsAsTheData) {
  const MatrixCase& c = GetParam();
  std::vector<std::string> args = {"-t", c.type, "-d", c.data};
  args.insert(args.end(), c.args.begin(), c.args.end());
  std::vector<std::string> json = args, pattern = args;
  json.push_back("--json");
  pattern.push_back("--pattern");
  const test::ProcessResult r = test::RunProcess(BARCODE_CLI_PATH, json);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const QJsonObject record = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
  const QJsonArray lines = record["matrix"].toArray();
  TModuleMatrix matrix(record["rows"].toInt(), record["columns"].toInt());
  ASSERT_EQ(lines.size(), matrix.Rows());
  std::string printed;
  for (int row = 0; row < matrix.Rows(); ++row) {
    const std::string line = lines[row].toString().toStdString();
    ASSERT_EQ(line.size(), static_cast<std::size_t>(matrix.Columns()));
    for (int column = 0; column < matrix.Columns(); ++column)
      matrix.Set(row, column, line[static_cast<std::size_t>(column)] == '1');
    printed += line + "\n";
  }
  EXPECT_EQ(test::RunProcess(BARCODE_CLI_PATH, pattern).out, printed);
  if (c.rows > 0) {
    EXPECT_EQ(matrix.Rows(), c.rows);
    EXPECT_EQ(matrix.Columns(), c.columns);
  }
  EXPECT_EQ(record["width"].toInt(), 2 * matrix.Columns()) << "Modul 2 by default";
  EXPECT_EQ(record["height"].toInt(), 2 * matrix.Rows());
  const bool qr = std::string_view(c.type).find("QR") != std::string_view::npos;
  if (qr) {
    EXPECT_EQ(matrix.Rows(), 17 + 4 * record["version"].toInt());
    if (*c.ecc) {
      EXPECT_EQ(record["ecc"].toString().toStdString(), c.ecc);
    }
    EXPECT_GE(record["mask"].toInt(), 0);
    EXPECT_LE(record["mask"].toInt(), 7);
  }
  const ZXing::Result read = test::ReadMatrix(
      matrix, qr ? ZXing::BarcodeFormat::QRCode : ZXing::BarcodeFormat::DataMatrix, 4);
  EXPECT_EQ(read.text(), c.read ? c.read : c.data);
}

INSTANTIATE_TEST_SUITE_P(
    Types, MatrixOutput,
    ::testing::Values(
        // ISO/IEC 18004 Annex I's example: version 1 at M, kept there.
        MatrixCase{
            "QrStandardExample", {"--ecc", "M", "--ecc-fixed"}, "QRCode", "01234567", 21, 21, "M"},
        // The level is a floor: 8 digits fit version 1 at H as well.
        MatrixCase{"QrLevelRaised", {"--ecc", "L"}, "QRCode", "01234567", 21, 21, "H"},
        MatrixCase{"QrPinnedVersionAndMask",
                   {"--size", "7", "--mask", "3"},
                   "QRCode",
                   "https://example.com/",
                   45,
                   45,
                   "H"},
        MatrixCase{"QrUtf8UnderEci26", {}, "QRCode", "Grüße, € 5", 0, 0, ""},
        // ISO/IEC 16022's example: "123456" in 10 x 10.
        MatrixCase{"DataMatrixStandardExample", {}, "DataMatrix", "123456", 10, 10, ""},
        // 14 characters take 10 codewords in C40: 8 x 18 holds 5, 8 x 32 holds 10.
        MatrixCase{"DataMatrixRectangle",
                   {"--dm-shape", "rectangle"},
                   "Data Matrix",
                   "RECTANGLE 2026",
                   8,
                   32,
                   ""},
        MatrixCase{"DataMatrixPinned", {"--size", "32x32"}, "DataMatrix", "Hello", 32, 32, ""},
        MatrixCase{"Gs1DataMatrix",
                   {},
                   "GS1DataMatrix",
                   "(01)09501101530003(10)AB-123(17)250101",
                   0,
                   0,
                   "",
                   "0109501101530003"
                   "10AB-123\x1D"
                   "17250101"},
        MatrixCase{"Gs1QrCodeFromADigitalLink",
                   {},
                   "GS1QRCode",
                   "https://id.gs1.org/01/09501101530003/10/AB-123?17=250101",
                   0,
                   0,
                   "",
                   "0109501101530003"
                   "10AB-123\x1D"
                   "17250101"},
        MatrixCase{"QrCodeCarryingADigitalLink",
                   {"--digital-link"},
                   "QRCode",
                   "(01)09501101530003(10)AB-123",
                   0,
                   0,
                   "",
                   "https://id.gs1.org/01/09501101530003/10/AB-123"}),
    [](const auto& info) { return std::string(info.param.name); });

// GS1 data, bracketed or as a URI, give the same element string and Digital Link.
TEST(MatrixOutput, GivesGs1DataBothWays) {
  for (const char* data : {"(01)09501101530003(10)AB-123(17)250101",
                           "https://id.gs1.org/01/09501101530003/10/AB-123?17=250101"}) {
    const test::ProcessResult r =
        test::RunProcess(BARCODE_CLI_PATH, {"-t", "GS1 DataMatrix", "-d", data, "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonObject record = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
    EXPECT_EQ(record["element_string"].toString(), "(01)09501101530003(10)AB-123(17)250101");
    EXPECT_EQ(record["digital_link"].toString(),
              "https://id.gs1.org/01/09501101530003/10/AB-123?17=250101");
  }
}

}  // namespace
}  // namespace bars::cli
