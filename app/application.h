#pragma once
// The application object and its default handler. An exception that leaves any event handler
// of the utility ends in one place, TApplication::notify, which shows its message in the modal
// error box; the program then goes on.
//
// Qt's widgets are built without exception support: unwinding through their frames skips their
// clean-up, and Qt declares an exception thrown through a signal emission undefined. So a
// handler run from a signal (RunHandler) catches at its own boundary and parks the exception;
// notify rethrows it once Qt's frames have returned, and handles it with those thrown straight
// from event handlers. Outside any event delivery (start-up) it is shown at once.

#include <QApplication>
#include <QString>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include "dialogs.h"

namespace bars::app {

// The message of an exception as the user sees it: a bars::Exception's message (8-bit text,
// taken as Latin-1), a std::exception's what() (UTF-8), a fixed text for anything else.
QString ExceptionMessage(const std::exception_ptr& error);

class TApplication : public QApplication {
 public:
  // Message boxes go to the real dialogs until SetDialogs says otherwise.
  TApplication(int& argc, char** argv);
  ~TApplication() override;

  // The running application, or nullptr when there is none or it is not a TApplication.
  static TApplication* Instance();

  // Delivers an event. An exception from its handler, thrown or parked during the delivery,
  // is shown by HandleException; nothing propagates into the event loop.
  bool notify(QObject* receiver, QEvent* event) override;

  // The default handler: shows the exception's message in the modal error box.
  void HandleException(const std::exception_ptr& error) noexcept;

  // Takes an exception caught at a handler's boundary: parked for notify during an event
  // delivery, handled at once otherwise.
  void Deliver(std::exception_ptr error) noexcept;

  // The boxes and dialogs in use.
  TDialogs& Dialogs() noexcept { return *dialogs_; }
  // Replaces them with `dialogs` (not owned; must outlive its use); nullptr restores the real
  // ones.
  void SetDialogs(TDialogs* dialogs) noexcept;

  // Makes `window` the program's main window: the real boxes and dialogs belong to it, and
  // closing any other window no longer ends the program (the caller ends it with `window`).
  void SetMainWindow(QWidget* window);

 private:
  TQtDialogs realDialogs_;
  TDialogs* dialogs_ = &realDialogs_;
  int deliveries_ = 0;  // nesting depth of notify
  std::vector<std::exception_ptr> parked_;
};

// Hands an exception to the default handler of the running TApplication (to stderr if none).
void DeliverException(std::exception_ptr error) noexcept;

// Runs one handler of the window: an exception leaving it goes to the default handler instead
// of unwinding the Qt code that called it.
template <typename F>
void RunHandler(F&& handler) noexcept {
  try {
    std::forward<F>(handler)();
  } catch (...) {
    DeliverException(std::current_exception());
  }
}

}  // namespace bars::app
