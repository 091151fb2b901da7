// The barcode utility: one window over the barcode engine, run until it is closed.
#include "application.h"
#include "utility.h"

int main(int argc, char** argv) {
  bars::app::TApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("barcode-utility"));
  return bars::app::RunUtility(app);
}
