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

// The mouse pointer moved to a place on the screen, and the left button.
void movePointerTo(POINT screen);
void pressLeftButton();
void releaseLeftButton();
// A press and release of the right button where the pointer is.
void clickRightButton();

// A place in a window's client area, on the screen.
POINT onScreen(HWND window, POINT client);

// The middle of a window's client area, on the screen.
POINT middleOf(HWND window);

}  // namespace orvane::testing
