// The main window's own keyboard: Tab and Shift+Tab follow the focus order, the arrow keys
// move within the radio group, and Enter, Esc and F1 mean nothing. The window is no dialog, so
// the dialog manager's navigation, which would follow the visual order and give Enter and Esc
// their dialog meanings, is never involved.
#pragma once

#include <windows.h>

namespace orvane {

class MainWindow;

// Looks at a message on its way to the window or one of its controls, before it is translated;
// true when the rules took it and it must go no further.
bool applyKeyboardRules(const MainWindow& window, const MSG& message);

}  // namespace orvane
