// The default handler: whatever leaves an event handler ends in TApplication::notify, which
// shows the message in the error box, and the program goes on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <functional>
#include <stdexcept>

#include "application.h"
#include "exceptions.h"
#include "fake_dialogs.h"

namespace bars::app::test {
namespace {

// An object whose event handler runs `onEvent`.
class Receiver : public QObject {
 public:
  std::function<void()> onEvent;
  int events = 0;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    ++events;
    if (onEvent) onEvent();
    return true;
  }
};

class DefaultHandler : public ::testing::Test {
 protected:
  void SetUp() override { TApplication::Instance()->SetDialogs(&dialogs); }
  void TearDown() override { TApplication::Instance()->SetDialogs(nullptr); }
  void Send() {
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &e);
  }

  TFakeDialogs dialogs;
  Receiver receiver;
};

struct ThrowCase {
  const char* name;
  std::function<void()> raise;
  const char* shown;
};

void PrintTo(const ThrowCase& c, std::ostream* os) {
  *os << c.name;
}

const ThrowCase kThrows[] = {
    {"EngineException", [] { throw Exception("Barcode must be numeric"); },
     "Barcode must be numeric"},
    {"ConversionError", [] { throw EConvertError("'A' is not a valid integer value"); },
     "'A' is not a valid integer value"},
    {"Latin1EngineText", [] { throw EConvertError("'\xE8' is not a valid integer value"); },
     "'è' is not a valid integer value"},
    {"StdException", [] { throw std::runtime_error("Impossibile salvare: disco pieno"); },
     "Impossibile salvare: disco pieno"},
    {"AnythingElse", [] { throw 42; }, "Errore sconosciuto"},
};

class Thrown : public DefaultHandler, public ::testing::WithParamInterface<ThrowCase> {};

TEST_P(Thrown, FromAnEventHandlerShowsItsMessageOnce) {
  receiver.onEvent = GetParam().raise;
  Send();
  EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8(GetParam().shown)});
}

TEST_P(Thrown, FromAHandlerRunBySignalCodeIsShownAfterTheDelivery) {
  bool afterHandler = false;
  receiver.onEvent = [&] {
    RunHandler(GetParam().raise);
    // The Qt code around the handler finishes before the box appears.
    afterHandler = true;
    EXPECT_TRUE(dialogs.errors.isEmpty());
  };
  Send();
  EXPECT_TRUE(afterHandler);
  EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8(GetParam().shown)});
}

INSTANTIATE_TEST_SUITE_P(Application, Thrown, ::testing::ValuesIn(kThrows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DefaultHandler, OutsideAnyDeliveryShowsAtOnce) {
  RunHandler([] { throw Exception("TBarcode: internal Error"); });
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("TBarcode: internal Error")});
}

TEST_F(DefaultHandler, SeveralFailuresInOneDeliveryAreAllShownInOrder) {
  receiver.onEvent = [] {
    RunHandler([] { throw Exception("first"); });
    RunHandler([] { throw Exception("second"); });
    throw Exception("third");
  };
  Send();
  EXPECT_EQ(dialogs.errors, (QStringList{"first", "second", "third"}));
}

TEST_F(DefaultHandler, TheProgramGoesOn) {
  receiver.onEvent = [] { throw Exception("Barcode must be numeric"); };
  Send();
  receiver.onEvent = nullptr;
  Send();
  EXPECT_EQ(receiver.events, 2);
  EXPECT_EQ(dialogs.errors.size(), 1);
}

}  // namespace
}  // namespace bars::app::test
