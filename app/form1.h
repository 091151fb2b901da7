#pragma once
// TForm1: the utility's only window. It owns one barcode, copies the controls' states into its
// properties and repaints an off-screen picture whenever the barcode reports a change; "Copia"
// puts the picture on the clipboard and "Salva" writes it as a BMP file. Its context menu and
// shortcuts (commands.h) add the preview and "Salva come...".

#include <QImage>
#include <QWidget>

#include "bars.h"
#include "dialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bars::app {

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Builds the window with its controls, centred on the screen, and runs FormCreate; a failure
  // there goes to the default handler. Boxes and the save dialog go through `dialogs`, which
  // must outlive the window.
  explicit TForm1(TDialogs& dialogs, QWidget* parent = nullptr);
  ~TForm1() override;

  // The off-screen picture: Width x Height pixels of the current barcode, or null when the last
  // change failed before its bitmap existed.
  const QImage& Picture() const noexcept { return Image; }
  // The barcode behind the controls.
  TBarcode& Barcode() noexcept { return barcode_; }
  // Why the last change failed, as the error box says it; empty once the picture has been
  // drawn again.
  const QString& Failure() const noexcept { return failure_; }

 signals:
  // The picture or the failure changed: after every redraw and every failed change.
  void PictureChanged();

  // The window was closed. A tool window does not end the application by closing, so the
  // program's entry ends it on this.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void ConnectHandlers();
  void CenterOnScreen();

  // Handlers, named after the control and the event.
  void FormCreate();
  void BarcodeChange();
  void Edit1Change();
  void ComboBox1Click();
  void cbTextClick();
  void cbCheckSumClick();
  void bCopyClick();
  void bSaveClick();
  void SaveAsClick();

  // Runs a change handler; its failure becomes the Failure() before it travels on.
  void Change(void (TForm1::*handler)());
  void SetFailure(const QString& failure);

  // Paints the barcode onto `bitmap`, which is exactly Width x Height.
  void PaintBarcode(QImage& bitmap);

  TDialogs& dialogs_;
  TBarcode barcode_;
  QImage Image;  // never shown; only its bitmap matters
  QString failure_;
  bool drawn_ = false;  // the last redraw finished

  // Child widgets, owned by the window.
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QCheckBox* cbText = nullptr;
  QCheckBox* cbCheckSum = nullptr;
  QPushButton* bSave = nullptr;
  QPushButton* bCopy = nullptr;
};

}  // namespace bars::app
