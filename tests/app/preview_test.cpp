// The preview as it is painted: the copied bitmap, every pixel a whole block, after each change
// made in the open window; the failure's message under it, gone after the next good change.
#include <QAction>
#include <QLabel>
#include <set>

#include "form_fixture.h"
#include "preview.h"

namespace bars::app::test {
namespace {

class Preview : public FormTest {
 protected:
  TPreview* Open() {
    Control<QAction>("actPreview")->trigger();
    TPreview* preview = form->findChild<TPreview*>();
    EXPECT_TRUE(preview && preview->isVisible());
    return preview;
  }
  // What the preview paints, and where in it the enlarged picture begins: it stands in the
  // middle of the painted area.
  QImage Painted(TPreview* preview, QPoint* origin) {
    QWidget* view = preview->findChild<QWidget*>(QStringLiteral("PreviewPicture"));
    const QSize enlarged = form->Picture().size() * preview->Zoom();
    *origin =
        QPoint((view->width() - enlarged.width()) / 2, (view->height() - enlarged.height()) / 2);
    return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // Every pixel of the picture is a Zoom() x Zoom() block of the same colour on the screen.
  void ExpectShowsThePicture(TPreview* preview) {
    const QImage picture = form->Picture().convertToFormat(QImage::Format_RGB32);
    const int zoom = preview->Zoom();
    QPoint at;
    const QImage painted = Painted(preview, &at);
    ASSERT_GE(zoom, 1);
    ASSERT_TRUE(QRect(QPoint(), painted.size())
                    .contains(QRect(at, picture.size() * zoom).adjusted(-1, -1, 1, 1)));
    int wrong = 0;
    for (int y = 0; y < picture.height() * zoom; ++y)
      for (int x = 0; x < picture.width() * zoom; ++x)
        wrong += painted.pixel(at.x() + x, at.y() + y) != picture.pixel(x / zoom, y / zoom);
    EXPECT_EQ(wrong, 0) << "zoom " << zoom;
  }
  QLabel* Message(TPreview* preview) {
    return preview->findChild<QLabel*>(QStringLiteral("PreviewMessage"));
  }
};

struct PictureCase {
  const char* name;
  TBarcodeType typ;
  bool showText;
  const char* text;
};

// From a short symbol to one wider than the comfortable size: several zooms.
const PictureCase kPictures[] = {
    {"Supp2", bcCodeUPC_Supp2, false, "12"},
    {"Ean8", bcCodeEAN8, true, "5512345"},
    {"Ean13", bcCodeEAN13, false, "400638133393"},
    {"Code128Sentence", bcCode128B, false, "Hello World"},
    {"Code39Long", bcCode39, true, "THE QUICK BROWN FOX"},
};

TEST_F(Preview, FollowsEveryChangePixelForPixelAtEachZoom) {
  TPreview* preview = Open();
  ASSERT_NE(preview, nullptr);
  std::set<int> zooms;
  for (const PictureCase& c : kPictures) {
    SCOPED_TRACE(c.name);
    Edit1()->clear();
    Pick(c.typ);
    SetTicked(cbText(), c.showText);
    Type(QString::fromLatin1(c.text));
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    ExpectShowsThePicture(preview);
    EXPECT_TRUE(Message(preview)->isHidden());
    zooms.insert(preview->Zoom());
  }
  EXPECT_GE(zooms.size(), 3u);
  EXPECT_TRUE(zooms.count(1));  // the widest is not shrunk

  // Closing it changes nothing else; the menu item is no longer ticked.
  const QImage picture = form->Picture();
  preview->close();
  EXPECT_FALSE(Control<QAction>("actPreview")->isChecked());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->Picture(), picture);
}

TEST_F(Preview, ShowsTheFailureUnderThePictureAsItStandsAndRecovers) {
  Pick(bcCode128B);
  Type(QStringLiteral("AB"));
  TPreview* preview = Open();
  ASSERT_NE(preview, nullptr);

  // Refused before the barcode changes: its picture stays.
  Type(QStringLiteral("€"));
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(Message(preview)->isVisible());
  EXPECT_EQ(Message(preview)->text(), dialogs.errors.last());
  ExpectShowsThePicture(preview);
  QTest::keyClick(Edit1(), Qt::Key_Backspace);
  EXPECT_TRUE(Message(preview)->isHidden());

  // Fails in drawing: nothing left to show but the message.
  Pick(bcCode128C);
  ASSERT_EQ(dialogs.errors.size(), 2);
  ASSERT_TRUE(form->Picture().isNull());
  EXPECT_EQ(Message(preview)->text(), dialogs.errors.last());
  QPoint unused;
  const QImage painted = Painted(preview, &unused);
  EXPECT_EQ(painted.pixel(painted.width() / 2, painted.height() / 2),
            painted.pixel(0, 0));  // ground only

  // The next good change redraws it and takes the message away.
  Pick(bcCode128B);
  EXPECT_TRUE(Message(preview)->isHidden());
  ExpectShowsThePicture(preview);
}

}  // namespace
}  // namespace bars::app::test
