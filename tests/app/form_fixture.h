#pragma once
// A fresh window per test, shown on the offscreen platform, with its boxes recorded; helpers
// that drive the controls as a user would (keystrokes, clicks, picking from the list).

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "application.h"
#include "fake_dialogs.h"
#include "form1.h"

namespace bars::app::test {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TApplication::Instance()->SetDialogs(&dialogs);
    form = std::make_unique<TForm1>(dialogs);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  void TearDown() override {
    form.reset();
    TApplication::Instance()->SetDialogs(nullptr);
  }

  template <typename W>
  W* Control(const char* name) {
    W* w = form->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* Edit1() { return Control<QLineEdit>("Edit1"); }
  QComboBox* ComboBox1() { return Control<QComboBox>("ComboBox1"); }
  QCheckBox* cbText() { return Control<QCheckBox>("cbText"); }
  QCheckBox* cbCheckSum() { return Control<QCheckBox>("cbCheckSum"); }

  // One keystroke per character; a character without an ASCII key comes as the key's text.
  void Type(const QString& text) {
    for (const QChar c : text) {
      if (c.unicode() < 0x80) {
        QTest::keyClick(Edit1(), char(c.unicode()));
      } else {
        QTest::sendKeyEvent(QTest::Click, Edit1(), Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  }
  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  void Click(const char* button) { Click(Control<QPushButton>(button)); }
  void SetTicked(QCheckBox* box, bool ticked) {
    if (box->isChecked() != ticked) Click(box);
    ASSERT_EQ(box->isChecked(), ticked);
  }
  // Opens the list and clicks the item of `typ`.
  void Pick(TBarcodeType typ) {
    QComboBox* combo = ComboBox1();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = view->model()->index(typ, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    ASSERT_EQ(combo->currentIndex(), typ);
  }

  TFakeDialogs dialogs;
  std::unique_ptr<TForm1> form;
};

// Ten digits per ten characters, as many as asked.
inline QString Digits(int count) {
  QString s;
  for (int i = 0; i < count; ++i) s += QChar(u'0' + (i + 1) % 10);
  return s;
}

}  // namespace bars::app::test
