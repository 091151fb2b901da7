// The window's menu and shortcuts: they run the buttons' handlers, leave the edit boxes their
// own Ctrl+C and menus, and "Salva come..." writes each format it offers.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImageReader>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include "form_fixture.h"
#include "preview.h"

namespace bars::app::test {
namespace {

class Commands : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    // Window shortcuts reach only the active window.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Type(QStringLiteral("400638133393"));
    ASSERT_FALSE(form->Picture().isNull());
    QGuiApplication::clipboard()->clear();
  }
  QAction* Action(const char* name) { return Control<QAction>(name); }
};

QImage Rgb32(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

enum class Outcome { PictureCopied, TextCopied, SaveAsked, PreviewShown };

struct KeyCase {
  const char* name;
  const char* focus;  // the control that has the keyboard
  bool selectAll;     // its text selected first
  QKeySequence keys;
  Outcome outcome;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << c.name;
}

const KeyCase kKeys[] = {
    {"CtrlCOnAButtonCopiesThePicture", "bSave", false, QKeySequence(Qt::CTRL | Qt::Key_C),
     Outcome::PictureCopied},
    {"CtrlCInTheEditWithoutSelection", "Edit1", false, QKeySequence(Qt::CTRL | Qt::Key_C),
     Outcome::PictureCopied},
    {"CtrlCInTheEditWithSelection", "Edit1", true, QKeySequence(Qt::CTRL | Qt::Key_C),
     Outcome::TextCopied},
    {"CtrlCInTheListWithoutSelection", "ComboBox1", false, QKeySequence(Qt::CTRL | Qt::Key_C),
     Outcome::PictureCopied},
    {"CtrlCInTheListWithSelection", "ComboBox1", true, QKeySequence(Qt::CTRL | Qt::Key_C),
     Outcome::TextCopied},
    {"CtrlSInTheEdit", "Edit1", false, QKeySequence(Qt::CTRL | Qt::Key_S), Outcome::SaveAsked},
    {"F2OnACheckBox", "cbText", false, QKeySequence(Qt::Key_F2), Outcome::PreviewShown},
};

class Shortcut : public Commands, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Shortcut, RunsWhatItsButtonRuns) {
  const KeyCase& c = GetParam();
  QWidget* focus = Control<QWidget>(c.focus);
  focus->setFocus();
  QLineEdit* edit = qobject_cast<QLineEdit*>(focus);
  if (auto* combo = qobject_cast<QComboBox*>(focus)) edit = combo->lineEdit();
  if (c.selectAll) edit->selectAll();
  QTest::keySequence(focus, c.keys);

  const QClipboard* clipboard = QGuiApplication::clipboard();
  switch (c.outcome) {
    case Outcome::PictureCopied:
      EXPECT_EQ(Rgb32(clipboard->image()), Rgb32(form->Picture()));
      EXPECT_EQ(dialogs.information, QStringList{QStringLiteral("Immagine copiata su appunti")});
      break;
    case Outcome::TextCopied:
      EXPECT_EQ(clipboard->text(), edit->text());
      EXPECT_TRUE(clipboard->image().isNull());
      EXPECT_TRUE(dialogs.information.isEmpty());
      break;
    case Outcome::SaveAsked:
      EXPECT_EQ(dialogs.asks, 1);
      EXPECT_EQ(dialogs.askedFilter, QStringLiteral("Bitmaps (*.bmp)"));
      break;
    case Outcome::PreviewShown: {
      const TPreview* preview = form->findChild<TPreview*>();
      ASSERT_TRUE(preview && preview->isVisible());
      EXPECT_TRUE(Action("actPreview")->isChecked());
      // Looking on does not take the keyboard from the window.
      EXPECT_EQ(QApplication::focusWidget(), focus);
      QTest::keySequence(focus, c.keys);
      EXPECT_FALSE(preview->isVisible());
      break;
    }
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Window, Shortcut, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

struct MenuCase {
  const char* name;
  const char* target;  // the control the right button or the Menu key reaches; "" the window
  QContextMenuEvent::Reason reason;
  bool windowMenu;  // the window's menu, or the control's own
};

void PrintTo(const MenuCase& c, std::ostream* os) {
  *os << c.name;
}

const MenuCase kMenus[] = {
    {"RightButtonOnTheWindow", "", QContextMenuEvent::Mouse, true},
    {"RightButtonOnAButton", "bCopy", QContextMenuEvent::Mouse, true},
    {"MenuKeyOnACheckBox", "cbCheckSum", QContextMenuEvent::Keyboard, true},
    {"RightButtonOnTheEditBox", "Edit1", QContextMenuEvent::Mouse, false},
    {"MenuKeyInTheList", "ComboBox1", QContextMenuEvent::Keyboard, false},
};

class ContextMenu : public Commands, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(ContextMenu, IsTheWindowsOutsideTheEditBoxAndTheList) {
  const MenuCase& c = GetParam();
  QWidget* target = *c.target ? Control<QWidget>(c.target) : form.get();
  QStringList items;
  // The menu runs its own loop: read it and close it from there.
  QTimer::singleShot(0, [&] {
    if (QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (const QAction* a : menu->actions())
        if (!a->isSeparator()) items << a->text();
      menu->close();
    }
  });
  const QPoint at = *c.target ? target->rect().center() : QPoint(4, 52);
  QContextMenuEvent event(c.reason, at, target->mapToGlobal(at));
  QApplication::sendEvent(target, &event);
  // An edit box's menu pops up without a loop of its own.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !items.isEmpty(); }, 1000)) << "no menu";

  const QStringList windowMenu = {QStringLiteral("Anteprima"), QStringLiteral("Copia"),
                                  QStringLiteral("Salva..."), QStringLiteral("Salva come...")};
  if (c.windowMenu) {
    EXPECT_EQ(items, windowMenu);
  } else {
    EXPECT_FALSE(items.contains(QStringLiteral("Anteprima"))) << items.join('|').toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Window, ContextMenu, ::testing::ValuesIn(kMenus),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, MenuItemsWarnAsTheButtonsDoWithoutAPicture) {
  Edit1()->clear();
  Type(QStringLiteral("x"));
  ASSERT_TRUE(form->Picture().isNull());
  dialogs.answer = QStringLiteral("/nonexistent/never.png");
  const std::pair<const char*, const char*> pairs[] = {
      {"bCopy", "actCopy"}, {"bSave", "actSave"}, {"bSave", "actSaveAs"}};
  for (const auto& [button, action] : pairs) {
    dialogs.warnings.clear();
    Click(button);
    const QStringList byButton = dialogs.warnings;
    dialogs.warnings.clear();
    Action(action)->trigger();
    EXPECT_EQ(dialogs.warnings, byButton) << action;
    EXPECT_EQ(byButton.size(), 1);
  }
  EXPECT_EQ(dialogs.asks, 0);
}

struct FormatCase {
  const char* name;
  const char* file;
  const char* format;  // what its content is
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.name;
}

const FormatCase kFormats[] = {{"Png", "ean.png", "png"},
                               {"Svg", "ean.SVG", "svg"},
                               {"Bmp", "ean.bmp", "bmp"},
                               {"LastSuffixCounts", "ean.v2.png", "png"}};

class SaveAs : public Commands, public ::testing::WithParamInterface<FormatCase> {};

// Every format is read back as the picture Copia copies: the bitmaps pixel for pixel, the SVG
// as a vector document of the same size that renders to the same pixels (upright bars on
// whole pixels).
TEST_P(SaveAs, WritesThePictureInTheFormatItsNameSays) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QString::fromLatin1(GetParam().file));
  dialogs.answer = path;
  Action("actSaveAs")->trigger();

  EXPECT_EQ(dialogs.asks, 1);
  EXPECT_EQ(dialogs.askedFilter, QStringLiteral("PNG (*.png);;SVG (*.svg);;Bitmaps (*.bmp)"));
  QImage read;
  if (QByteArray(GetParam().format) == "svg") {
    QSvgRenderer svg(path);
    ASSERT_TRUE(svg.isValid());
    // One picture pixel is one user unit.
    ASSERT_EQ(svg.viewBox(), QRect(QPoint(0, 0), form->Picture().size()));
    read = QImage(form->Picture().size(), QImage::Format_RGB32);
    read.fill(Qt::red);
    QPainter painter(&read);
    svg.render(&painter);
  } else {
    EXPECT_EQ(QImageReader::imageFormat(path), QByteArray(GetParam().format));
    read = QImage(path);
  }
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(Rgb32(read), Rgb32(form->Picture()));
  EXPECT_TRUE(dialogs.errors.isEmpty() && dialogs.warnings.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Window, SaveAs, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, SaveAsRefusesANameOfAnotherFormat) {
  QTemporaryDir dir;
  dialogs.answer = dir.filePath(QStringLiteral("ean.gif"));
  Action("actSaveAs")->trigger();
  EXPECT_EQ(dialogs.warnings.size(), 1);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace bars::app::test
