#include "application.h"

#include <cstdio>

#include "exceptions.h"

namespace bars::app {
namespace {

// Counts one level of event delivery for as long as it lives, whichever way notify leaves.
class DeliveryLevel {
 public:
  explicit DeliveryLevel(int& depth) : depth_(depth) { ++depth_; }
  ~DeliveryLevel() { --depth_; }
  DeliveryLevel(const DeliveryLevel&) = delete;
  DeliveryLevel& operator=(const DeliveryLevel&) = delete;

 private:
  int& depth_;
};

void PrintToStderr(const std::exception_ptr& error) noexcept {
  try {
    std::fprintf(stderr, "%s\n", qUtf8Printable(ExceptionMessage(error)));
  } catch (...) {
    std::fputs("unreportable error\n", stderr);
  }
}

}  // namespace

QString ExceptionMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    return QString::fromLatin1(e.Message());
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QStringLiteral("Errore sconosciuto");
  }
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

TApplication::~TApplication() = default;

TApplication* TApplication::Instance() {
  return dynamic_cast<TApplication*>(QCoreApplication::instance());
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  std::exception_ptr thrown;
  try {
    DeliveryLevel level(deliveries_);
    handled = QApplication::notify(receiver, event);
  } catch (...) {
    thrown = std::current_exception();
  }
  // What the handlers of this delivery parked, in order; nested deliveries took their own.
  std::vector<std::exception_ptr> parked;
  parked.swap(parked_);
  for (const std::exception_ptr& error : parked) HandleException(error);
  if (thrown) HandleException(thrown);
  return handled;
}

void TApplication::HandleException(const std::exception_ptr& error) noexcept {
  try {
    dialogs_->Error(ExceptionMessage(error));
  } catch (...) {
    // The box itself failed: the message must still reach someone.
    PrintToStderr(error);
  }
}

void TApplication::Deliver(std::exception_ptr error) noexcept {
  if (deliveries_ > 0) {
    try {
      parked_.push_back(std::move(error));
      return;
    } catch (...) {
      // No room to park it: show it now rather than lose it.
    }
  }
  HandleException(error);
}

void TApplication::SetDialogs(TDialogs* dialogs) noexcept {
  dialogs_ = dialogs ? dialogs : &realDialogs_;
}

void TApplication::SetMainWindow(QWidget* window) {
  realDialogs_.SetOwner(window);
  // A box or the save dialog left without a parent would count as the last ordinary window, and
  // closing it would end the program; the window itself is a tool window and does not count.
  setQuitOnLastWindowClosed(false);
}

void DeliverException(std::exception_ptr error) noexcept {
  if (TApplication* app = TApplication::Instance()) {
    app->Deliver(std::move(error));
  } else {
    PrintToStderr(error);
  }
}

}  // namespace bars::app
