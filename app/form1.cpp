#include "form1.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <stdexcept>

#include "application.h"
#include "commands.h"
#include "format.h"
#include "picture.h"
#include "render.h"

namespace bars::app {
namespace {

constexpr int kClientWidth = 364;
constexpr int kClientHeight = 59;
// Where the window would stand if it were not centred.
constexpr QPoint kStoredPosition{192, 125};

// Longest code the field takes for a type outside the catalogue.
constexpr int kMaxTextLength = 255;

const QString kBitmapDescription = QStringLiteral("Bitmaps");
const QString kBitmapSuffix = QStringLiteral("bmp");
// "Salva come...": the format follows the file name's extension.
const QString kSaveAsFilter = QStringLiteral("PNG (*.png);;SVG (*.svg);;Bitmaps (*.bmp)");
const QString kSaveAsSuffix = QStringLiteral("png");

// `w` named `name` at `geometry` in the parent's client coordinates.
template <typename W>
W* Place(W* w, const char* name, const QRect& geometry) {
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(geometry);
  return w;
}

// Widens a caption's control to its caption's natural width, up to `right` (where the next
// control begins): the layout was measured in a narrower font than the platform's sans, and a
// clipped caption ("Codic", "Tipc") is no use to anyone. Never narrower than the layout says.
void FitCaption(QWidget* w, int right) {
  const int fitted = std::min(w->sizeHint().width(), right - w->x());
  if (fitted > w->width()) w->resize(fitted, w->height());
}

// The captions' face: the layout was measured in a face of Arial's widths, which Liberation
// Sans shares; without it, the platform's sans (wider: the widening above helps where it can).
QFont CaptionFont() {
  const QString metricCompatible = QStringLiteral("Liberation Sans");
  QFont font = QFontDatabase::hasFamily(metricCompatible)
                   ? QFont(metricCompatible)
                   : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(8);
  return font;
}

// The engine works on 8-bit text, Latin-1 on the canvas: a character beyond it has no code.
std::string EngineText(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() > 0xFF) {
      throw std::runtime_error(
          QStringLiteral("Il carattere '%1' non è ammesso nel codice").arg(c).toStdString());
    }
  }
  return text.toLatin1().toStdString();
}

}  // namespace

TForm1::TForm1(TDialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Utilità Barcode"));
  // A tool window: small caption, fixed size, only the system menu and minimise.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(CaptionFont());
  setFixedSize(kClientWidth, kClientHeight);
  CreateControls();
  ConnectHandlers();
  InstallCommands(*this, {Edit1, ComboBox1},
                  {[this] { RunHandler([this] { bCopyClick(); }); },
                   [this] { RunHandler([this] { bSaveClick(); }); },
                   [this] { RunHandler([this] { SaveAsClick(); }); }});
  CenterOnScreen();
  RunHandler([this] { FormCreate(); });
}

TForm1::~TForm1() {
  // The base class deletes the controls after the barcode is gone: no handler may run then.
  for (QObject* control : children()) control->disconnect(this);
}

void TForm1::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit Closed();
}

void TForm1::CreateControls() {
  Label1 = Place(new QLabel(QStringLiteral("Codice"), this), "Label1", {8, 8, 33, 13});
  Label2 = Place(new QLabel(QStringLiteral("Tipo"), this), "Label2", {8, 32, 21, 13});
  Edit1 = Place(new QLineEdit(this), "Edit1", {48, 8, 137, 21});

  ComboBox1 = Place(new QComboBox(this), "ComboBox1", {48, 32, 138, 21});
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  // The items come from the type catalogue, whose listed types come first: an item's index is
  // the type's ordinal.
  for (std::size_t i = 0; i < kListedTypeCount; ++i) {
    const std::string_view item = BCdata[i].ItemText;
    ComboBox1->addItem(QString::fromLatin1(item.data(), qsizetype(item.size())));
  }
  ComboBox1->setCurrentIndex(bcCodeEAN13);

  cbText =
      Place(new QCheckBox(QStringLiteral("Visualizza codice"), this), "cbText", {192, 8, 105, 17});
  cbCheckSum = Place(new QCheckBox(QStringLiteral("Calcola CheckSum"), this), "cbCheckSum",
                     {192, 32, 113, 17});
  cbCheckSum->setChecked(true);
  bSave = Place(new QPushButton(QStringLiteral("Salva"), this), "bSave", {312, 8, 49, 25});
  bCopy = Place(new QPushButton(QStringLiteral("Copia"), this), "bCopy", {312, 32, 49, 25});
  FitCaption(Label1, Edit1->x());
  FitCaption(Label2, ComboBox1->x());
  FitCaption(cbText, bSave->x());
  FitCaption(cbCheckSum, bCopy->x());
  // The labels take no focus, so the chain is the six controls in this order.
  setTabOrder(Edit1, ComboBox1);
  setTabOrder(ComboBox1, cbText);
  setTabOrder(cbText, cbCheckSum);
  setTabOrder(cbCheckSum, bSave);
  setTabOrder(bSave, bCopy);
}

void TForm1::ConnectHandlers() {
  // Every handler runs through RunHandler: no exception may unwind Qt's signal code.
  const auto bind = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
    connect(sender, signal, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
  };
  const auto bindChange = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
    connect(sender, signal, this, [this, handler] { RunHandler([&] { Change(handler); }); });
  };
  bindChange(Edit1, &QLineEdit::textChanged, &TForm1::Edit1Change);
  // Picking an item, not typing into the list's field, changes the type.
  bindChange(ComboBox1, &QComboBox::activated, &TForm1::ComboBox1Click);
  bindChange(cbText, &QCheckBox::toggled, &TForm1::cbTextClick);
  bindChange(cbCheckSum, &QCheckBox::toggled, &TForm1::cbCheckSumClick);
  bind(bSave, &QPushButton::clicked, &TForm1::bSaveClick);
  bind(bCopy, &QPushButton::clicked, &TForm1::bCopyClick);
}

void TForm1::CenterOnScreen() {
  move(kStoredPosition);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TForm1::FormCreate() {
  barcode_.SetTop(0);
  barcode_.SetLeft(0);
  barcode_.SetTyp(bcCodeEAN13);
  barcode_.SetModul(2);
  barcode_.SetRatio(2.0);
  barcode_.SetHeight(50);
  barcode_.SetShowTextPosition(stpBottomCenter);
  // Set after the settings above, so that they draw nothing.
  barcode_.SetOnChange([this](TBarcode&) { BarcodeChange(); });
  cbCheckSumClick();
  cbTextClick();
  Edit1Change();
}

void TForm1::BarcodeChange() {
  Image = QImage();
  drawn_ = false;
  try {
    // Height first, then Width: reading Width encodes the text and raises on bad data.
    const std::int32_t height = barcode_.Height();
    const std::int32_t width = barcode_.Width();
    QImage bitmap = NewWhiteBitmap(width, height);
    try {
      PaintBarcode(bitmap);
    } catch (...) {
      Image = std::move(bitmap);  // keeps what was drawn before the failure
      throw;
    }
    Image = std::move(bitmap);
  } catch (...) {
    SetFailure(ExceptionMessage(std::current_exception()));
    throw;
  }
  drawn_ = true;
  SetFailure(QString());
}

void TForm1::Change(void (TForm1::*handler)()) {
  try {
    (this->*handler)();
  } catch (...) {
    // Also what fails before the barcode is touched, such as a character it cannot take.
    SetFailure(ExceptionMessage(std::current_exception()));
    throw;
  }
  // A good change that left the barcode as it was (the refused character deleted again) mends
  // such a failure, but not a drawing that failed and was not redone.
  if (drawn_ && !failure_.isEmpty()) SetFailure(QString());
}

void TForm1::SetFailure(const QString& failure) {
  failure_ = failure;
  emit PictureChanged();
}

void TForm1::PaintBarcode(QImage& bitmap) {
  // The window's frame: the box at (Left, Top), cut at the bitmap's edges. Upright bars go
  // straight into the bitmap: every keystroke redraws the whole symbol.
  PaintPicture(bitmap, barcode_, BoxGeometry(barcode_, bitmap.width(), bitmap.height()));
}

void TForm1::Edit1Change() {
  // The engine adds the check digit itself when Checksum is on.
  const TBCdata* row = CatalogueRow(barcode_.Typ());
  int limit = row ? row->MaxTypedLength : kMaxTextLength;
  if (barcode_.Checksum()) --limit;
  // Cutting the field changes its text again; that nested change finds it short enough.
  if (Edit1->text().size() > limit) Edit1->setText(Edit1->text().left(limit));
  barcode_.SetText(EngineText(Edit1->text()));
}

void TForm1::ComboBox1Click() {
  const int index = ComboBox1->currentIndex();
  if (index < 0 || index >= static_cast<int>(kListedTypeCount)) return;  // nothing picked
  barcode_.SetTyp(static_cast<TBarcodeType>(index));
}

void TForm1::cbTextClick() {
  barcode_.SetShowText(cbText->isChecked() ? bcoCode : bcoNone);
}

void TForm1::cbCheckSumClick() {
  barcode_.SetChecksum(cbCheckSum->isChecked());
}

void TForm1::bCopyClick() {
  // An empty picture after a failed encoding is not a success to confirm.
  if (Image.isNull()) {
    dialogs_.Warning(QStringLiteral("Nessuna immagine da copiare"));
    return;
  }
  QGuiApplication::clipboard()->setImage(Image);
  dialogs_.Information(QStringLiteral("Immagine copiata su appunti"));
}

void TForm1::bSaveClick() {
  if (Image.isNull()) {
    dialogs_.Warning(QStringLiteral("Nessuna immagine da salvare"));
    return;
  }
  const QString filter = QStringLiteral("%1 (*.%2)").arg(kBitmapDescription, kBitmapSuffix);
  const std::optional<QString> path = dialogs_.AskSaveFileName(filter, kBitmapSuffix);
  if (!path) return;
  SaveBmp(Image, *path);
}

void TForm1::SaveAsClick() {
  if (Image.isNull()) {
    dialogs_.Warning(QStringLiteral("Nessuna immagine da salvare"));
    return;
  }
  const std::optional<QString> path = dialogs_.AskSaveFileName(kSaveAsFilter, kSaveAsSuffix);
  if (!path) return;
  // The format follows the name's last suffix, by the rule barcode-cli's --output follows.
  const std::optional<TPictureFormat> format =
      PictureFormatOf(QFile::encodeName(*path).toStdString());
  if (format == TPictureFormat::Png) {
    SaveImage(Image, *path, TBitmapFormat::Png);
  } else if (format == TPictureFormat::Bmp) {
    SaveBmp(Image, *path);
  } else if (format == TPictureFormat::Svg) {
    // Drawn again as vectors. After a failed drawing the barcode fails here again, and its
    // message says so rather than a picture that differs from the bitmap.
    SaveData(RenderSvg(barcode_), *path);
  } else {
    dialogs_.Warning(
        QStringLiteral("Formato non previsto: il nome deve finire in .png, .svg o .bmp"));
  }
}

}  // namespace bars::app
