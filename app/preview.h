#pragma once
// The preview: a small tool window beside the utility's window that shows its picture, the very
// bitmap "Copia" copies, enlarged by a whole factor with every pixel a square block, and under
// it why the last change failed. It shows what it is given and keeps nothing between runs.

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QScrollArea;

namespace bars::app {

class TPreview : public QWidget {
  Q_OBJECT

 public:
  // A hidden tool window belonging to `owner`, showing nothing yet. Showing it does not take the
  // keyboard from the owner.
  explicit TPreview(QWidget* owner);

  // Shows `picture` enlarged by Zoom() (nothing where it is null) and `failure` under it (no
  // line when empty); the window takes the size of what it shows, within the screen.
  void Show(const QImage& picture, const QString& failure);

  // The whole factor the picture is enlarged by: the largest that keeps it within a comfortable
  // size, at least 1.
  int Zoom() const noexcept { return zoom_; }

  // Shows the window, below its owner the first time.
  void Open();

 signals:
  // The user closed the window.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FitToContents();
  void KeepOnScreen();

  QWidget* view_ = nullptr;  // paints the enlarged picture
  QScrollArea* scroll_ = nullptr;
  QLabel* message_ = nullptr;
  int zoom_ = 1;
  bool placed_ = false;
};

}  // namespace bars::app
