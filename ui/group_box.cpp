#include "ui/group_box.h"

#include <commctrl.h>

#include "ui/colour_queries.h"
#include "ui/window_drag.h"

namespace orvane {

namespace {

void fillInside(HWND groupBox, HDC dc) {
    RECT inside{};
    GetClientRect(groupBox, &inside);
    FillRect(dc, &inside, queryBackgroundBrush(groupBox, WM_CTLCOLORSTATIC, dc));
}

LRESULT CALLBACK containerProc(HWND groupBox, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR id, DWORD_PTR) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
            return SendMessageW(GetParent(groupBox), message, wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const LRESULT brush = passColourQueryBack(message, wParam, lParam)) {
                return brush;
            }
            break;
        case WM_ERASEBKGND:
            fillInside(groupBox, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The platform's group box lets presses through to the window; one that reaches it
            // all the same moves the window and goes no further.
            startWindowMove(groupBox, lParam);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(groupBox, containerProc, id);
            break;
    }
    return DefSubclassProc(groupBox, message, wParam, lParam);
}

}  // namespace

void makeContainer(HWND groupBox) {
    SetWindowSubclass(groupBox, containerProc, 0, 0);
}

}  // namespace orvane
