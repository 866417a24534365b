#include "ui/window_drag.h"

#include <windowsx.h>

namespace orvane {

void startWindowMove(HWND pressed, LPARAM lParam) {
    POINT place{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(pressed, &place);
    // Posted, not sent: the move runs its own loop until the release, and the press that
    // started it has been answered by then.
    PostMessageW(GetAncestor(pressed, GA_ROOT), WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(place.x, place.y));
}

// The second press of a quick pair arrives as a double-click; it is a press all the same.
bool isLeftPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
}

}  // namespace orvane
