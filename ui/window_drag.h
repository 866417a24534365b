// Moving the window by its background: a left press that lands on the window itself, or on a
// group box, starts a move as a press on the caption would. Labels and group boxes let presses
// through to what lies under them, so most such presses reach the window itself.
#pragma once

#include <windows.h>

namespace orvane {

// For the left press (WM_LBUTTONDOWN or WM_LBUTTONDBLCLK) that `pressed` received, at the
// client place `lParam` carries: the top-level window it lies in follows the pointer until the
// button is released.
void startWindowMove(HWND pressed, LPARAM lParam);

bool isLeftPress(UINT message);

}  // namespace orvane
