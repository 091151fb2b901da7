#pragma once
// The program itself: the utility's window run as the application's main window.

#include "application.h"

namespace bars::app {

// Shows the window, over `app`'s boxes and dialogs, and runs the event loop until the window is
// closed; returns the loop's exit code. Closing any other window (a box, the save dialog, the
// preview) never ends the program.
int RunUtility(TApplication& app);

}  // namespace bars::app
