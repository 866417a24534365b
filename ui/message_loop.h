// The program's one event loop. Every message meets the window's own rules before it is
// translated and dispatched, so a test that delivers messages through deliverMessage exercises
// the same path as the running program.
#pragma once

#include <windows.h>

#include "ui/main_window.h"

namespace orvane {

void deliverMessage(MainWindow& window, MSG& message);

// Runs until the quit message and gives the code it carries.
int runMessageLoop(MainWindow& window);

}  // namespace orvane
