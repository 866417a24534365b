#include "ui/numeric_filter.h"

#include <commctrl.h>
#include <imm.h>

namespace orvane {

namespace {

// Control characters go to the field unchanged: Backspace, and the Ctrl combinations that
// drive its clipboard and undo.
constexpr unsigned long kFirstPrintable = 32;

// A character arrives typed by any of these; each carries it differently, and the field would
// insert it from any of them. A UTF-16 surrogate half is never taken, so a character outside
// the Basic Multilingual Plane is dropped whole.
bool takesTypedMessage(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_CHAR:
        case WM_IME_CHAR:
            return takesTypedCharacter(static_cast<unsigned long>(wParam & 0xFFFF));
        case WM_UNICHAR:
            // The question whether the field understands the message, not a character.
            return wParam == UNICODE_NOCHAR ||
                   takesTypedCharacter(static_cast<unsigned long>(wParam));
    }
    return true;
}

LRESULT CALLBACK numericFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(field, numericFieldProc, id);
    } else if (!takesTypedMessage(message, wParam)) {
        // Dropped before the field sees it: the field neither inserts it nor beeps.
        return 0;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

bool takesTypedCharacter(unsigned long codePoint) {
    return codePoint < kFirstPrintable || (codePoint >= '0' && codePoint <= '9') ||
           codePoint == '.' || codePoint == '-';
}

void filterTypedCharacters(HWND field) {
    SetWindowSubclass(field, numericFieldProc, 0, 0);
    // An input method hands the field its composed text whole, past the typed characters the
    // filter judges; a numeric field takes nothing it could compose, so it gets no input method.
    ImmAssociateContextEx(field, nullptr, 0);
}

}  // namespace orvane
