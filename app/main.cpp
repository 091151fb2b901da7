// The barcode utility: one window over the barcode engine, run until it is closed.
#include "application.h"
#include "form1.h"

int main(int argc, char** argv) {
  bars::app::TApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("barcode-utility"));
  bars::app::TForm1 form(app.Dialogs());
  QObject::connect(&form, &bars::app::TForm1::Closed, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  form.show();
  return app.exec();
}
