#include "commands.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "form1.h"
#include "preview.h"

namespace bars::app {
namespace {

// The line edit that holds the selection of an edit box or an editable list.
QLineEdit* TextOf(QObject* edit) {
  if (auto* line = qobject_cast<QLineEdit*>(edit)) return line;
  if (auto* combo = qobject_cast<QComboBox*>(edit)) return combo->lineEdit();
  return nullptr;
}

class TFormCommands : public QObject {
 public:
  TFormCommands(TForm1& form, std::initializer_list<QWidget*> edits, TFormCommandHandlers handlers)
      : QObject(&form), form_(form) {
    preview_ = Add("actPreview", QStringLiteral("Anteprima"), QKeySequence(Qt::Key_F2));
    preview_->setCheckable(true);
    connect(preview_, &QAction::toggled, this, [this](bool open) { ShowPreview(open); });
    connect(Add("actCopy", QStringLiteral("Copia"), QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, std::move(handlers.copy));
    connect(Add("actSave", QStringLiteral("Salva..."), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, std::move(handlers.save));
    connect(Add("actSaveAs", QStringLiteral("Salva come..."), QKeySequence()), &QAction::triggered,
            this, std::move(handlers.saveAs));
    // The window's own actions make its context menu; its controls pass the right button and
    // the Menu key up to it, all but the edit box and the list, which have menus of their own.
    form_.setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(&form_, &TForm1::PictureChanged, this, [this] {
      if (window_ && window_->isVisible()) window_->Show(form_.Picture(), form_.Failure());
    });
    for (QWidget* edit : edits) edit->installEventFilter(this);
  }

 protected:
  // An edit box claims Ctrl+C for itself even with nothing selected; then it is the picture's.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) {
      const QLineEdit* text = TextOf(watched);
      if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && text &&
          !text->hasSelectedText()) {
        event->ignore();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QAction* Add(const char* name, const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, &form_);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    form_.addAction(action);
    return action;
  }

  void ShowPreview(bool open) {
    if (!open) {
      if (window_) window_->hide();
      return;
    }
    if (!window_) {
      window_ = new TPreview(&form_);
      // The same menu and shortcuts work from the preview.
      window_->addActions(form_.actions());
      window_->setContextMenuPolicy(Qt::ActionsContextMenu);
      connect(window_, &TPreview::Closed, preview_, [this] { preview_->setChecked(false); });
    }
    window_->Show(form_.Picture(), form_.Failure());
    window_->Open();
  }

  TForm1& form_;
  QAction* preview_ = nullptr;
  TPreview* window_ = nullptr;
};

}  // namespace

void InstallCommands(TForm1& form, std::initializer_list<QWidget*> edits,
                     TFormCommandHandlers handlers) {
  new TFormCommands(form, edits, std::move(handlers));
}

}  // namespace bars::app
