// The window as a user meets it: its controls at start, the length limits of the code field,
// the picture after each change, and the failures that reach the error box.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <ostream>

#include "form_fixture.h"
#include "support/published_types.h"

namespace bars::app::test {
namespace {

// The picture holds at least one bar (black) pixel.
bool HasBars(const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) == qRgb(0, 0, 0)) return true;
  return false;
}

struct ControlCase {
  const char* name;
  QRect geometry;
  int right;  // where the next control begins: a caption may widen its control up to there
  const char* caption;
};

void PrintTo(const ControlCase& c, std::ostream* os) {
  *os << c.name;
}

// Source: the window's layout table (positions in client pixels, captions in Italian).
const ControlCase kControls[] = {
    {"Label1", {8, 8, 33, 13}, 48, "Codice"},
    {"Label2", {8, 32, 21, 13}, 48, "Tipo"},
    {"Edit1", {48, 8, 137, 21}, 185, ""},
    {"ComboBox1", {48, 32, 138, 21}, 186, "CodeEAN13"},
    {"cbText", {192, 8, 105, 17}, 312, "Visualizza codice"},
    {"cbCheckSum", {192, 32, 113, 17}, 312, "Calcola CheckSum"},
    {"bSave", {312, 8, 49, 25}, 361, "Salva"},
    {"bCopy", {312, 32, 49, 25}, 361, "Copia"},
};

class ControlLayout : public FormTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlLayout, StandsWhereTheLayoutSaysWithItsCaption) {
  const ControlCase& c = GetParam();
  QWidget* w = Control<QWidget>(c.name);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->pos(), c.geometry.topLeft());
  EXPECT_EQ(w->height(), c.geometry.height());
  EXPECT_GE(w->width(), c.geometry.width());
  EXPECT_LE(w->x() + w->width(), c.right);
  QString caption;
  if (auto* label = qobject_cast<QLabel*>(w)) caption = label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) caption = edit->text();
  if (auto* combo = qobject_cast<QComboBox*>(w)) caption = combo->currentText();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) caption = button->text();
  EXPECT_EQ(caption, QString::fromUtf8(c.caption));
  // The caption shows whole: a label or check box is as wide as its text needs, a button's
  // text fits inside its frame.
  if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w)) {
    EXPECT_GE(w->width(), w->sizeHint().width()) << w->font().family().toStdString();
  } else if (qobject_cast<QPushButton*>(w)) {
    EXPECT_LT(w->fontMetrics().horizontalAdvance(caption), w->width() - 8);
  }
}

INSTANTIATE_TEST_SUITE_P(Window, ControlLayout, ::testing::ValuesIn(kControls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormTest, StartsAsASmallFixedToolWindowOverAnEan13) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Utilità Barcode"));
  EXPECT_EQ(form->size(), QSize(364, 59));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());  // not resizable
  EXPECT_EQ(form->windowType(), Qt::Tool);
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(form->font().pointSize(), 8);
  EXPECT_FALSE(cbText()->isChecked());
  EXPECT_TRUE(cbCheckSum()->isChecked());

  TBarcode& bc = form->Barcode();
  EXPECT_EQ(bc.Typ(), bcCodeEAN13);
  EXPECT_EQ(bc.Modul(), 2);
  EXPECT_EQ(bc.Height(), 50);
  EXPECT_EQ(bc.ShowTextPosition(), stpBottomCenter);
  EXPECT_TRUE(bc.Checksum());
  EXPECT_EQ(bc.ShowText(), bcoNone);
  // EAN-13 is 95 modules (GS1 General Specifications) of 2 pixels each.
  EXPECT_EQ(form->Picture().size(), QSize(190, 50));
  EXPECT_TRUE(HasBars(form->Picture()));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Source: the window's layout, its 23 list items in order (typed in support/published_types.h).
TEST_F(FormTest, ListsThePublishedItemsInOrder) {
  QStringList items, listed;
  for (std::size_t i = 0; i < bars::test::kWindowListLength; ++i)
    items << bars::test::kPublishedTypes[i].itemText;
  for (int i = 0; i < ComboBox1()->count(); ++i) listed << ComboBox1()->itemText(i);
  EXPECT_EQ(listed.join(", ").toStdString(), items.join(", ").toStdString());
}

TEST_F(FormTest, TabVisitsTheSixControlsInLayoutOrder) {
  const char* order[] = {"Edit1", "ComboBox1", "cbText", "cbCheckSum", "bSave", "bCopy"};
  QWidget* w = Control<QWidget>(order[0]);
  for (const char* name : order) {
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QString::fromLatin1(name));
    do {
      w = w->nextInFocusChain();
    } while (w->focusPolicy() == Qt::NoFocus || w->focusProxy() != nullptr ||
             !w->isVisibleTo(form.get()));
  }
}

struct LimitCase {
  const char* name;
  TBarcodeType typ;
  bool checksum;
  int typed;    // digits typed one by one
  int kept;     // digits left in the field and in Text
  int widthPx;  // picture width; 0: whatever Width says
  const char* source;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << c.name;
}

const LimitCase kLimits[] = {
    {"Ean13On13thCut", bcCodeEAN13, true, 13, 12, 190, "limit 13 less the check digit"},
    {"Ean13Off13Kept", bcCodeEAN13, false, 13, 13, 190, "limit 13"},
    {"Ean13Off14thCut", bcCodeEAN13, false, 14, 13, 190, "limit 13"},
    {"Ean8On8thCut", bcCodeEAN8, true, 8, 7, 134, "limit 8 less the check digit; 67 modules"},
    {"Ean8Off8Kept", bcCodeEAN8, false, 8, 8, 134, "limit 8; 67 modules"},
    {"Ean8Off9thCut", bcCodeEAN8, false, 9, 8, 134, "limit 8; 67 modules"},
    {"Code39On255thCut", bcCode39, true, 255, 254, 0, "limit 255 less the check character"},
    {"Code128BOff256thCut", bcCode128B, false, 256, 255, 0, "limit 255"},
};

class LengthLimit : public FormTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LengthLimit, CutsTheFieldAsItIsTyped) {
  const LimitCase& c = GetParam();
  if (c.typ != bcCodeEAN13) Pick(c.typ);
  SetTicked(cbCheckSum(), c.checksum);
  Type(Digits(c.typed));

  EXPECT_EQ(Edit1()->text(), Digits(c.kept));
  EXPECT_EQ(form->Barcode().Text().size(), std::size_t(c.kept));
  const int width = c.widthPx ? c.widthPx : form->Barcode().Width();
  EXPECT_EQ(form->Picture().size(), QSize(width, 50));
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Window, LengthLimit, ::testing::ValuesIn(kLimits),
                         [](const auto& info) { return std::string(info.param.name); });

struct SizeCase {
  const char* name;
  TBarcodeType typ;
  const char* text;
  int widthPx;  // modules x Modul 2
  const char* source;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << c.name;
}

const SizeCase kSizes[] = {
    {"Ean8", bcCodeEAN8, "", 134, "GS1: EAN-8 is 67 modules"},
    {"UpcA", bcCodeUPC_A, "", 190, "GS1: UPC-A is 95 modules"},
    {"UpcE0", bcCodeUPC_E0, "", 102, "GS1: UPC-E is 51 modules"},
    {"Supp2", bcCodeUPC_Supp2, "", 40, "GS1: 2-digit add-on is 20 modules"},
    {"Supp5", bcCodeUPC_Supp5, "", 94, "GS1: 5-digit add-on is 47 modules"},
    {"Code128C", bcCode128C, "12345678", 158,
     "ISO/IEC 15417: start, 4 pairs, check 11 modules each, stop 13"},
};

class PictureSize : public FormTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(PictureSize, FollowsTheTypePickedAndTheText) {
  const SizeCase& c = GetParam();
  Pick(c.typ);
  Type(QString::fromLatin1(c.text));
  EXPECT_EQ(form->Picture().size(), QSize(c.widthPx, 50));
  EXPECT_TRUE(HasBars(form->Picture()));
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Window, PictureSize, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Picture { Empty, Bars };

struct FailureCase {
  const char* name;
  TBarcodeType typ;
  bool showText;
  bool checksumWhileTyping;
  bool checksumAfter;  // the box's state set after typing
  const char* typed;
  const char* message;  // how the error box's text begins; "" for no box
  int boxes;            // one per keystroke that leaves the text failing
  Picture picture;
  const char* source;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

const FailureCase kFailures[] = {
    {"Ean13Letter", bcCodeEAN13, false, true, true, "12a", "Barcode must be numeric", 1,
     Picture::Empty, "failure table: numeric-only type"},
    {"Ean13LetterThenDigit", bcCodeEAN13, false, true, true, "12a3", "Barcode must be numeric", 2,
     Picture::Empty, "failure table: every such keystroke shows it again"},
    {"Ean13InnerBlank", bcCodeEAN13, false, true, true, "1 2", "Barcode must be numeric", 1,
     Picture::Empty, "failure table: numeric-only type, blank inside"},
    {"Ean13ByteFF", bcCodeEAN13, false, true, true, "1\xFF", "Barcode must be numeric", 1,
     Picture::Empty, "failure table: numeric-only type, Latin-1 y-diaeresis"},
    {"Code128CLetter", bcCode128C, false, true, true, "1x", "Barcode must be numeric", 1,
     Picture::Empty, "failure table: numeric-only type"},
    {"Code39AbcBothTicked", bcCode39, true, true, true, "ABC", "", 0, Picture::Bars,
     "mended: only EAN-8/13 and EAN-128 print a check digit"},
    {"Ean128ALetter", bcCodeEAN128A, false, true, true, "A", "'A' is not a valid integer value", 1,
     Picture::Empty, "failure table: EAN-128 check digit"},
    {"Ean128BLetter", bcCodeEAN128B, false, true, true, "1b", "'b' is not a valid integer value", 1,
     Picture::Empty, "failure table: EAN-128 check digit"},
    {"Ean13TooLongTickedAfter", bcCodeEAN13, false, false, true, "1234567890128",
     "Invalid Text len (EAN13) (", 1, Picture::Empty, "failure table: assertion"},
    {"Ean8TooLongTickedAfter", bcCodeEAN8, false, false, true, "12345670",
     "Invalid Text len (EAN8) (", 1, Picture::Empty, "failure table: assertion"},
};

class Failure : public FormTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failure, ReachesTheErrorBoxAndLeavesThePictureAsTheTableSays) {
  const FailureCase& c = GetParam();
  if (c.typ != bcCodeEAN13) Pick(c.typ);
  SetTicked(cbText(), c.showText);
  SetTicked(cbCheckSum(), c.checksumWhileTyping);
  Type(QString::fromLatin1(c.typed));
  SetTicked(cbCheckSum(), c.checksumAfter);

  ASSERT_EQ(dialogs.errors.size(), c.boxes) << dialogs.errors.join('\n').toStdString();
  for (const QString& box : dialogs.errors)
    EXPECT_TRUE(box.startsWith(c.message)) << box.toStdString();
  // The property keeps the value that failed.
  EXPECT_EQ(form->Barcode().Text(), c.typed);
  if (c.picture == Picture::Empty) {
    EXPECT_TRUE(form->Picture().isNull());
  } else {
    EXPECT_EQ(form->Picture().size(), QSize(form->Barcode().Width(), 50));
    EXPECT_TRUE(HasBars(form->Picture()));
  }
}

INSTANTIATE_TEST_SUITE_P(Window, Failure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormTest, AssertionMessageNamesTheSourceAndLine) {
  SetTicked(cbCheckSum(), false);
  Type(Digits(13));
  SetTicked(cbCheckSum(), true);
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral(", line ")))
      << dialogs.errors[0].toStdString();
}

TEST_F(FormTest, GoesOnAfterAFailure) {
  Type(QStringLiteral("4a"));
  ASSERT_EQ(dialogs.errors.size(), 1);
  ASSERT_TRUE(form->Picture().isNull());
  QTest::keyClick(Edit1(), Qt::Key_Backspace);
  EXPECT_EQ(form->Barcode().Text(), "4");
  EXPECT_EQ(form->Picture().size(), QSize(190, 50));
  EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(FormTest, PickingATypeDoesNotShortenTheText) {
  Pick(bcCode39);
  Type(Digits(20));
  Pick(bcCodeEAN13);
  EXPECT_EQ(Edit1()->text(), Digits(20));
  EXPECT_EQ(form->Barcode().Text().size(), 20u);
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Invalid Text len (EAN13)")));
  EXPECT_TRUE(form->Picture().isNull());
  // Back to a type that takes it: drawn again without another box.
  Pick(bcCode39);
  EXPECT_TRUE(HasBars(form->Picture()));
  EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(FormTest, TypingIntoTheListFieldChangesNothing) {
  QTest::keyClicks(ComboBox1()->lineEdit(), QStringLiteral("Code39"));
  EXPECT_EQ(form->Barcode().Typ(), bcCodeEAN13);
  EXPECT_EQ(form->Picture().size(), QSize(190, 50));
}

TEST_F(FormTest, ShowTextSwitchesBetweenNoTextAndTheCode) {
  Type(QStringLiteral("400638133393"));
  const QImage plain = form->Picture();
  Click(cbText());
  EXPECT_EQ(form->Barcode().ShowText(), bcoCode);
  EXPECT_NE(form->Picture(), plain);  // the code is written on its white box
  Click(cbText());
  EXPECT_EQ(form->Barcode().ShowText(), bcoNone);
  EXPECT_EQ(form->Picture(), plain);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FormTest, CharacterBeyondLatin1IsRefusedNotReplaced) {
  Pick(bcCode128B);
  Type(QStringLiteral("A€"));
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("€")));
  EXPECT_EQ(form->Barcode().Text(), "A");
}

TEST_F(FormTest, PictureTooBigForABitmapIsLeftEmptyAndReported) {
  form->Barcode().SetModul(49);  // 637 pixels per Code 39 character
  Pick(bcCode39);
  ASSERT_TRUE(dialogs.errors.isEmpty());
  Type(QString(60, u'A'));
  ASSERT_FALSE(dialogs.errors.isEmpty());
  EXPECT_TRUE(
      dialogs.errors.last().startsWith(QStringLiteral("Impossibile creare un'immagine di ")))
      << dialogs.errors.last().toStdString();
  EXPECT_TRUE(dialogs.errors.last().endsWith(QStringLiteral(" x 50 pixel")));
  EXPECT_TRUE(form->Picture().isNull());
}

TEST_F(FormTest, ZeroHeightMakesNoBitmap) {
  // A property write from code: the error comes back to the caller.
  try {
    form->Barcode().SetHeight(0);
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Impossibile creare un'immagine di 190 x 0 pixel");
  }
  EXPECT_TRUE(form->Picture().isNull());
}

}  // namespace
}  // namespace bars::app::test
