#include "preview.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace bars::app {
namespace {

// Up to this size the picture is enlarged; a bar of one module then stands several screen
// pixels wide, and an EAN-13 fills a window beside the utility's.
constexpr QSize kComfortable{640, 240};
constexpr int kMaxZoom = 8;
constexpr int kMargin = 12;     // neutral ground around the picture
constexpr int kMinWidth = 240;  // room for the failure's message under a narrow picture
constexpr int kGap = 8;         // between the owner and the preview, the first time
const QColor kGround(0xC0, 0xC0, 0xC0);
const QColor kFrame(0x60, 0x60, 0x60);
const QColor kFailure(0xA0, 0x00, 0x00);

int ZoomFor(const QSize& picture) {
  if (picture.isEmpty()) return 1;
  const int zoom = std::min(
      {kComfortable.width() / picture.width(), kComfortable.height() / picture.height(), kMaxZoom});
  return std::max(zoom, 1);
}

// `picture` with every pixel a `zoom` x `zoom` block: no smoothing, so that the bars keep the
// edges and widths the copied bitmap has.
QImage Enlarged(const QImage& picture, int zoom) {
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  if (zoom == 1) return source;
  QImage enlarged(source.size() * zoom, QImage::Format_RGB32);
  for (int y = 0; y < enlarged.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y / zoom));
    auto* to = reinterpret_cast<QRgb*>(enlarged.scanLine(y));
    for (int x = 0; x < enlarged.width(); ++x) to[x] = from[x / zoom];
  }
  return enlarged;
}

// The enlarged picture on neutral ground, in a thin frame.
class TPictureView : public QWidget {
 public:
  explicit TPictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PreviewPicture"));
    resize(kMinWidth, 2 * kMargin);
  }

  void Show(QImage enlarged) {
    shown_ = std::move(enlarged);
    // An empty picture keeps the place of the last one: the window does not jump while a code
    // is mistyped and mended.
    if (!shown_.isNull()) resize(shown_.size() + QSize(2 * kMargin, 2 * kMargin));
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kGround);
    if (shown_.isNull()) return;
    painter.setPen(kFrame);
    painter.drawRect(kMargin - 1, kMargin - 1, shown_.width() + 1, shown_.height() + 1);
    painter.drawImage(kMargin, kMargin, shown_);
  }

 private:
  QImage shown_;
};

}  // namespace

TPreview::TPreview(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("Preview"));
  setWindowTitle(QStringLiteral("Anteprima"));
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  // The code is typed in the owner: the preview only looks on.
  setAttribute(Qt::WA_ShowWithoutActivating);
  QPalette ground = palette();
  ground.setColor(QPalette::Window, kGround);
  setPalette(ground);
  setAutoFillBackground(true);

  view_ = new TPictureView(this);
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setWidget(view_);
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("PreviewMessage"));
  message_->setWordWrap(true);
  message_->setTextFormat(Qt::PlainText);  // it may quote what was typed
  message_->setContentsMargins(kMargin, 0, kMargin, kMargin);
  QPalette red = message_->palette();
  red.setColor(QPalette::WindowText, kFailure);
  message_->setPalette(red);
  message_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(scroll_, 1);
  layout->addWidget(message_);
}

void TPreview::Show(const QImage& picture, const QString& failure) {
  if (!picture.isNull()) zoom_ = ZoomFor(picture.size());
  static_cast<TPictureView*>(view_)->Show(picture.isNull() ? QImage() : Enlarged(picture, zoom_));
  message_->setText(failure);
  message_->setVisible(!failure.isEmpty());
  FitToContents();
}

void TPreview::Open() {
  FitToContents();
  if (!placed_ && parentWidget()) {
    const QRect owner = parentWidget()->frameGeometry();
    move(owner.left(), owner.bottom() + 1 + kGap);
    placed_ = true;
  }
  KeepOnScreen();
  show();
  raise();
}

void TPreview::KeepOnScreen() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QRect frame = frameGeometry();
  const int x = std::clamp(frame.left(), area.left(),
                           std::max(area.left(), area.right() + 1 - frame.width()));
  const int y =
      std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
  if (x != frame.left() || y != frame.top())
    move(pos() + QPoint(x - frame.left(), y - frame.top()));
}

void TPreview::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit Closed();
}

void TPreview::FitToContents() {
  const QScreen* screen = this->screen();
  const QSize most = screen ? screen->availableGeometry().size() * 9 / 10 : QSize(1024, 768);
  const QSize content = view_->size();
  int width = std::clamp(content.width(), kMinWidth, most.width());
  const int messageHeight = message_->isHidden() ? 0 : message_->heightForWidth(width);
  int height = content.height();
  if (content.width() > width) height += scroll_->horizontalScrollBar()->sizeHint().height();
  if (height > most.height() - messageHeight) {
    height = std::max(most.height() - messageHeight, 2 * kMargin);
    width = std::min(width + scroll_->verticalScrollBar()->sizeHint().width(), most.width());
  }
  resize(width, height + messageHeight);
  // Grown by a longer code, it moves back rather than run off the screen.
  if (placed_) KeepOnScreen();
}

}  // namespace bars::app
