// "Copia" and "Salva": the picture on the clipboard, the picture as a BMP file, and what each
// does when there is no picture or the file cannot be written.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "form_fixture.h"

namespace bars::app::test {
namespace {

class CopySave : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    Type(QStringLiteral("4006381"));
    ASSERT_FALSE(form->Picture().isNull());
  }
  // Leaves the picture empty: a letter for a numeric-only type.
  void FailEncoding() {
    Type(QStringLiteral("x"));
    ASSERT_TRUE(form->Picture().isNull());
    dialogs.errors.clear();
  }
  QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files); }

  QTemporaryDir dir;
};

QImage Rgb32(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

TEST_F(CopySave, CopyPutsThePictureOnTheClipboardAndSaysSo) {
  Click("bCopy");
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(Rgb32(copied), Rgb32(form->Picture()));
  EXPECT_EQ(dialogs.information, QStringList{QStringLiteral("Immagine copiata su appunti")});
  EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(CopySave, CopyWithoutPictureWarnsAndLeavesTheClipboard) {
  FailEncoding();
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  Click("bCopy");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
  EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
  EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("Nessuna immagine da copiare")});
  EXPECT_TRUE(dialogs.information.isEmpty());
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(CopySave, SaveWritesABmpWithThePicturesPixels) {
  const QString path = dir.filePath(QStringLiteral("ean.bmp"));
  dialogs.answer = path;
  Click("bSave");

  EXPECT_EQ(dialogs.asks, 1);
  EXPECT_EQ(dialogs.askedFilter, QStringLiteral("Bitmaps (*.bmp)"));
  EXPECT_EQ(dialogs.askedSuffix, QStringLiteral("bmp"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), QByteArray("BM"));  // the Windows bitmap file header
  file.close();
  const QImage read(path, "BMP");
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(Rgb32(read), Rgb32(form->Picture()));
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_TRUE(dialogs.information.isEmpty());
}

TEST_F(CopySave, SaveReplacesAnExistingFileWithoutAsking) {
  const QString path = dir.filePath(QStringLiteral("old.bmp"));
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("not a bitmap");
  old.close();
  const auto privateFile = QFile::ReadOwner | QFile::WriteOwner;
  ASSERT_TRUE(QFile::setPermissions(path, privateFile));
  dialogs.answer = path;
  Click("bSave");
  EXPECT_EQ(Rgb32(QImage(path, "BMP")), Rgb32(form->Picture()));
  const QFile::Permissions ownerGroupOther(0x7077);
  EXPECT_EQ(QFile::permissions(path) & ownerGroupOther, privateFile)
      << "the replaced file's permissions";
  EXPECT_TRUE(dialogs.warnings.isEmpty());
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(CopySave, CancelWritesNothing) {
  dialogs.answer = std::nullopt;
  Click("bSave");
  EXPECT_EQ(dialogs.asks, 1);
  EXPECT_TRUE(Files().isEmpty());
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(CopySave, SaveWithoutPictureWarnsAndAsksNothing) {
  FailEncoding();
  dialogs.answer = dir.filePath(QStringLiteral("empty.bmp"));
  Click("bSave");
  EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("Nessuna immagine da salvare")});
  EXPECT_EQ(dialogs.asks, 0);
  EXPECT_TRUE(Files().isEmpty());
}

struct UnwritableCase {
  const char* name;
  const char* relativePath;  // below the temporary directory
  const char* reason;        // what the toolkit says
};

void PrintTo(const UnwritableCase& c, std::ostream* os) {
  *os << c.name;
}

const UnwritableCase kUnwritable[] = {
    {"MissingDirectory", "missing/ean.bmp", "No such file or directory"},
    {"PathIsADirectory", "sub", "directory"},
};

class Unwritable : public CopySave, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(Unwritable, IsReportedWithTheToolkitsReason) {
  const UnwritableCase& c = GetParam();
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
  const QString path = dir.filePath(QString::fromLatin1(c.relativePath));
  dialogs.answer = path;
  Click("bSave");

  ASSERT_EQ(dialogs.errors.size(), 1);
  const QString& box = dialogs.errors[0];
  EXPECT_TRUE(box.startsWith(QStringLiteral("Impossibile salvare \"%1\": ").arg(path)))
      << box.toStdString();
  EXPECT_TRUE(box.contains(QString::fromLatin1(c.reason))) << box.toStdString();
  EXPECT_GT(box.size(), QStringLiteral("Impossibile salvare \"%1\": ").arg(path).size());
  EXPECT_TRUE(QFileInfo(path).isDir() || !QFileInfo::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Save, Unwritable, ::testing::ValuesIn(kUnwritable),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bars::app::test
