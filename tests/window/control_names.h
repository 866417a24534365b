// The controls of the open window by the names the program knows them by, for messages that
// say which control has the focus.
#pragma once

#include <windows.h>

#include <string>

#include "open_window.h"

namespace orvane::testing {

// The control's name, "the window" for the window itself, "none" for no window, "other" for
// a window that is neither.
std::string nameOf(const OpenWindow& open, HWND window);

// The name of the control that has the keyboard focus.
std::string focusName(const OpenWindow& open);

}  // namespace orvane::testing
