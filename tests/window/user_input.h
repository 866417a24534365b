// A user's keyboard and mouse, for the window tests: real input, put into the system's input
// queue as the devices would (SendInput), so that it takes the whole way a user's does: the
// platform's routing to the focused or pointed-at window, the program's own loop with its
// keyboard rules, translation into characters, the controls. The test then delivers it with
// OpenWindow::pumpMessages.
#pragma once

#include <windows.h>

#include <string_view>

namespace orvane::testing {

enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };

// Presses and releases a key with the modifiers held around it.
void pressKey(WORD virtualKey, unsigned modifiers = kNoModifier);

// Types each character: by its key where the keyboard layout has one, otherwise as a character
// sent on its own (as an input method or an on-screen keyboard does), one UTF-16 unit at a time.
void typeText(std::wstring_view text);

// The mouse's left button pressed or released, and the right button clicked, at a place on the
// screen. Each event carries its place: under Wine the pointer's place read back from the display
// can lag behind input sent this way, and an event without a place could land there.
void pressLeftButtonAt(POINT screen);
void releaseLeftButtonAt(POINT screen);
void clickRightButtonAt(POINT screen);

// A place in a window's client area, on the screen.
POINT onScreen(HWND window, POINT client);

// The middle of a window's client area, on the screen.
POINT middleOf(HWND window);

}  // namespace orvane::testing
