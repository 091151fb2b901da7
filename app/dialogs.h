#pragma once
// The modal windows the utility opens: message boxes and the save dialog. The window and the
// default error handler reach them only through TDialogs, so tests can replace them and never
// block on a modal window.

#include <QString>
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
  // "Bitmaps (*.bmp)"); a name typed without extension gets `suffix`. nullopt when cancelled.
  virtual std::optional<QString> AskSaveFileName(const QString& filter, const QString& suffix) = 0;
};

// The real boxes and dialog (QMessageBox, QFileDialog), parented to the active window.
class TQtDialogs final : public TDialogs {
 public:
  void Information(const QString& text) override;
  void Warning(const QString& text) override;
  void Error(const QString& text) override;
  // Does not ask before overwriting an existing file: saving replaces it.
  std::optional<QString> AskSaveFileName(const QString& filter, const QString& suffix) override;
};

}  // namespace bars::app
