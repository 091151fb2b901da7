#include "utility.h"

#include "form1.h"

namespace bars::app {

int RunUtility(TApplication& app) {
  TForm1 form(app.Dialogs());
  app.SetMainWindow(&form);
  QObject::connect(&form, &TForm1::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  form.show();
  return app.exec();
}

}  // namespace bars::app
