// What the numeric fields take from the keyboard: control characters, digits, point and minus.
// Only typed characters are judged; pasted text and text set by the program arrive unchanged,
// and nothing is checked when a field loses the focus.
#pragma once

#include <windows.h>

namespace orvane {

// Whether a numeric field takes this typed character (a Unicode code point).
bool takesTypedCharacter(unsigned long codePoint);

// Makes the edit field drop every other typed character, silently.
void filterTypedCharacters(HWND field);

}  // namespace orvane
