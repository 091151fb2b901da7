#pragma once
// The modal windows the utility opens: message boxes and the save dialog. The window and the
// default error handler reach them only through TDialogs, so tests can replace them and never
// block on a modal window.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

namespace bars::app {

class TDialogs {
 public:
  virtual ~TDialogs() = default;

  // A modal box with the information icon, `text` and an OK button.
  virtual void Information(const QString& text) = 0;
  // The same with the warning icon.
  virtual void Warning(const QString& text) = 0;
  // The same with the error icon: the default handler's box.
  virtual void Error(const QString& text) = 0;
  // Asks for the name of a file to write, offering only files that match `filter` (such as
  // "Bitmaps (*.bmp)", or several separated by ";;"); a name typed without extension gets
  // `suffix`, or the extension of the filter the user picked. nullopt when cancelled.
  virtual std::optional<QString> AskSaveFileName(const QString& filter, const QString& suffix) = 0;
};

// The real boxes and dialog (QMessageBox, QFileDialog), parented to their owner window: a
// window that is not the active one at the time (none is, once a box has closed and no window
// manager activates the next) would leave them as top-level windows of their own.
class TQtDialogs final : public TDialogs {
 public:
  // Parents every box and dialog to `owner` from now on; nullptr (or `owner` destroyed) leaves
  // them without a parent.
  void SetOwner(QWidget* owner) noexcept { owner_ = owner; }

  void Information(const QString& text) override;
  void Warning(const QString& text) override;
  void Error(const QString& text) override;
  // Does not ask before overwriting an existing file: saving replaces it.
  std::optional<QString> AskSaveFileName(const QString& filter, const QString& suffix) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace bars::app
