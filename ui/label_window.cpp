#include "ui/label_window.h"

#include <string>

#include "ui/window_class.h"

namespace orvane {

namespace {

constexpr COLORREF kCaptionColour = RGB(96, 96, 96);
constexpr int kFontSlot = 0;

// A label draws no background, so what lies under it must be drawn again before its caption
// moves or changes, or the old caption would stay visible.
void invalidateWhatLiesUnder(HWND label) {
    const HWND parent = GetParent(label);
    RECT place{};
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    InvalidateRect(parent, &place, TRUE);
    InvalidateRect(label, nullptr, TRUE);
}

HFONT fontOf(HWND label) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrW(label, kFontSlot));
}

void drawCaption(HWND label, HDC dc) {
    const int length = GetWindowTextLengthW(label);
    if (length > 0) {
        std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
        const int copied = GetWindowTextW(label, caption.data(), length + 1);
        RECT area{};
        GetClientRect(label, &area);
        const HFONT font = fontOf(label);
        const HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kCaptionColour);
        DrawTextW(dc, caption.data(), copied, &area,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        SelectObject(dc, previous);
    }
}

void paint(HWND label) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(label, &paint);
    drawCaption(label, dc);
    EndPaint(label, &paint);
}

bool movesOrResizes(const WINDOWPOS& position) {
    return (position.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint(label);
            return 0;
        case WM_PRINTCLIENT:
            drawCaption(label, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_SETFONT:
            SetWindowLongPtrW(label, kFontSlot, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) {
                invalidateWhatLiesUnder(label);
            }
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrW(label, kFontSlot);
        case WM_SETTEXT:
            invalidateWhatLiesUnder(label);
            break;
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
            // Once for the place it leaves, once for the place it takes.
            if (movesOrResizes(*reinterpret_cast<const WINDOWPOS*>(lParam))) {
                invalidateWhatLiesUnder(label);
            }
            break;
    }
    return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace

bool registerLabelClass(HINSTANCE instance) {
    WNDCLASSEXW labelClass{};
    labelClass.cbSize = sizeof labelClass;
    labelClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    labelClass.lpfnWndProc = labelProc;
    labelClass.cbWndExtra = sizeof(LONG_PTR);
    labelClass.hInstance = instance;
    labelClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    labelClass.lpszClassName = kLabelClassName;
    return registerClassOnce(labelClass);
}

}  // namespace orvane
