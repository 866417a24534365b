#include "ui/colour_queries.h"

#include <commctrl.h>

namespace orvane {

namespace {

// A query passed back arrives under its own number shifted into the application's private
// range, where no standard control gives it a meaning.
constexpr UINT kPassedBack = WM_APP;

struct ColourAnswer {
    ControlColours colours;
    HBRUSH brush;
};

LRESULT CALLBACK answerProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                            DWORD_PTR data) {
    auto* answer = reinterpret_cast<ColourAnswer*>(data);
    if (message >= kPassedBack && isColourQuery(message - kPassedBack)) {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, answer->colours.text);
        SetBkColor(dc, answer->colours.background);
        return reinterpret_cast<LRESULT>(answer->brush);
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, answerProc, id);
        DeleteObject(answer->brush);
        delete answer;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

bool isColourQuery(UINT message) {
    return message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN;
}

LRESULT passColourQueryBack(UINT message, WPARAM dc, LPARAM control) {
    const HWND target = reinterpret_cast<HWND>(control);
    if (!isColourQuery(message) || !IsWindow(target)) {
        return 0;
    }
    return SendMessageW(target, kPassedBack + message, dc, control);
}

void answerColourQueries(HWND control, ControlColours colours) {
    auto* answer = new ColourAnswer{colours, CreateSolidBrush(colours.background)};
    if (!SetWindowSubclass(control, answerProc, 0, reinterpret_cast<DWORD_PTR>(answer))) {
        DeleteObject(answer->brush);
        delete answer;
    }
}

HBRUSH queryBackgroundBrush(HWND control, UINT query, HDC dc) {
    const HWND parent = GetParent(control);
    const auto dcParam = reinterpret_cast<WPARAM>(dc);
    const auto controlParam = reinterpret_cast<LPARAM>(control);
    LRESULT brush = SendMessageW(parent, query, dcParam, controlParam);
    if (brush == 0) {
        brush = DefWindowProcW(parent, query, dcParam, controlParam);
    }
    return reinterpret_cast<HBRUSH>(brush);
}

}  // namespace orvane
