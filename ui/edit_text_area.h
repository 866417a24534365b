// A one-line edit field shows its line centred in its frame, however tall the field is: the
// client area is cut down to one line of the field's font, and the strips above and below it
// become frame, painted in the field's background colour and giving no caret when pressed.
#pragma once

#include <windows.h>

namespace orvane {

enum class EditFrame {
    // The platform's sunken edge, from WS_EX_CLIENTEDGE.
    PlatformEdge,
    // A one-pixel line in the window-frame colour round the whole field, drawn with the rest
    // of the frame. The edit control would draw a WS_BORDER line itself, inside its client
    // area, and so round the one-line text area instead of round the field.
    ThinLine,
};

// Call once the field exists; the text area follows later font changes by itself.
void centreTextArea(HWND edit, EditFrame frame);

// A field lower than one full-width character of its font plus both three-dimensional edges
// is made that tall, so that its line is never cut.
void ensureOneLineHeight(HWND edit);

}  // namespace orvane
