// The Win32 side of the six control kinds: window class, styles, colours and added behaviour,
// written once per kind and shared by every control of that kind.
#pragma once

#include <windows.h>

#include "ui/control_table.h"

namespace orvane {

// Creates the control hidden, as a child of the given parent, with its kind's look and
// behaviour and the given font; null when the platform refuses.
HWND createControl(const ControlSpec& spec, HWND parent, HINSTANCE instance, HFONT font);

}  // namespace orvane
