// The program as it runs: the real boxes and save dialog, answered as a user would, over the
// event loop of the program's entry. Closing them must never end the program; only closing the
// window does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "application.h"
#include "utility.h"

namespace bars::app::test {
namespace {

QWidget* Form() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("Form1") && w->isVisible()) return w;
  return nullptr;
}

// Runs `act` later, from the event loop: it may open a modal window, whose own loop then runs
// the rest of the script.
void Later(std::function<void()> act) {
  QTimer::singleShot(0, QApplication::instance(), std::move(act));
}

// The modal window open now, if it is a `T`.
template <typename T>
T* Modal() {
  return qobject_cast<T*>(QApplication::activeModalWidget());
}

TEST(Utility, BoxesAndTheSaveDialogBelongToTheWindowAndClosingThemKeepsItRunning) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("ean.bmp"));
  TApplication& app = *TApplication::Instance();
  app.SetDialogs(nullptr);
  // As the program starts: the toolkit's default.
  app.setQuitOnLastWindowClosed(true);

  QWidget* form = nullptr;
  std::vector<QWidget*> owners;  // the parent of each modal window met
  bool ranToTheEnd = false;
  const auto edit = [&] { return form->findChild<QLineEdit*>(QStringLiteral("Edit1")); };
  const auto click = [&](const char* button) {
    Later([&form, button] { form->findChild<QPushButton*>(QString::fromLatin1(button))->click(); });
  };
  // Each step waits for its moment; it returns true once done.
  const auto whenNoModal = [](std::function<void()> act) -> std::function<bool()> {
    return [act] {
      if (QApplication::activeModalWidget()) return false;
      act();
      return true;
    };
  };
  const auto answerBox = [&] {
    QMessageBox* box = Modal<QMessageBox>();
    if (box) owners.push_back(box->parentWidget());
    if (box) box->accept();
    return box != nullptr;
  };
  const std::vector<std::function<bool()>> steps = {
      [&] {
        if (!(form = Form())) return false;
        QTest::keyClicks(edit(), "4006381");
        click("bCopy");
        return true;
      },
      answerBox,
      whenNoModal([&] { click("bSave"); }),
      [&] {
        QFileDialog* dialog = Modal<QFileDialog>();
        if (!dialog) return false;
        owners.push_back(dialog->parentWidget());
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        return true;
      },
      // A letter for EAN-13: the default handler's error box.
      whenNoModal([&] { Later([&] { QTest::keyClick(edit(), 'x'); }); }),
      answerBox,
      whenNoModal([&] {
        // Give a quit posted by the last close its chance to arrive first.
        QTest::qWait(100);
        ranToTheEnd = true;
        form->close();
      }),
  };
  std::size_t next = 0;
  // A step may wait long on a loaded machine (the file dialog reads its directory): the
  // watchdog ends the program only when no step has been taken for a long while.
  QElapsedTimer sinceStep;
  sinceStep.start();
  QTimer script;
  QObject::connect(&script, &QTimer::timeout, [&] {
    if (next < steps.size() && steps[next]()) {
      ++next;
      sinceStep.restart();
    }
  });
  script.start(10);
  QTimer watchdog;
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    if (sinceStep.elapsed() < 60000) return;
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    if (QWidget* w = Form()) w->close();
  });
  watchdog.start(1000);

  EXPECT_EQ(RunUtility(app), 0);
  script.stop();
  app.setQuitOnLastWindowClosed(false);
  EXPECT_EQ(next, steps.size()) << "the program ended before step " << next;
  EXPECT_TRUE(ranToTheEnd);
  ASSERT_EQ(owners.size(), 3u);
  for (QWidget* owner : owners) EXPECT_EQ(owner, form);
  EXPECT_TRUE(QFileInfo(path).isFile());
}

}  // namespace
}  // namespace bars::app::test
