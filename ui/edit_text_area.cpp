#include "ui/edit_text_area.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/colour_queries.h"

namespace orvane {

namespace {

// The height the field's font gives the sample text.
int textHeight(HWND edit, const wchar_t* sample, int length) {
    const HDC dc = GetDC(edit);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc, sample, length, &size);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    return size.cy;
}

// The query the field itself sends for its colours.
UINT colourQueryOf(HWND edit) {
    const LONG style = GetWindowLongW(edit, GWL_STYLE);
    return (style & (ES_READONLY | WS_DISABLED)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
}

// Called with the client rectangle the default calculation left inside the border.
void shrinkToOneLine(HWND edit, RECT& area) {
    const int inside = area.bottom - area.top;
    const int line = textHeight(edit, L"W", 1);
    if (line <= 0 || line >= inside) {
        return;
    }
    area.top += (inside - line) / 2;
    area.bottom = area.top + line;
}

// The client rectangle in the coordinates of the whole window.
RECT clientInWindow(HWND edit) {
    RECT window{};
    GetWindowRect(edit, &window);
    RECT client{};
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

RECT wholeWindow(HWND edit) {
    RECT window{};
    GetWindowRect(edit, &window);
    OffsetRect(&window, -window.left, -window.top);
    return window;
}

void paintFrameBackground(HWND edit) {
    const HDC dc = GetWindowDC(edit);
    const RECT window = wholeWindow(edit);
    const RECT client = clientInWindow(edit);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    FillRect(dc, &window, queryBackgroundBrush(edit, colourQueryOf(edit), dc));
    ReleaseDC(edit, dc);
}

void drawThinLine(HWND edit) {
    const HDC dc = GetWindowDC(edit);
    const RECT window = wholeWindow(edit);
    FrameRect(dc, &window, GetSysColorBrush(COLOR_WINDOWFRAME));
    ReleaseDC(edit, dc);
}

EditFrame frameOf(DWORD_PTR data) {
    return static_cast<EditFrame>(data);
}

// Inside the field's outline but outside its text area: the border or the strips.
bool isOnFrame(HWND edit, POINT screenPoint) {
    RECT window{};
    GetWindowRect(edit, &window);
    RECT client{};
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return PtInRect(&window, screenPoint) && !PtInRect(&client, screenPoint);
}

void recalculateFrame(HWND edit) {
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK textAreaProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR frame) {
    switch (message) {
        case WM_NCCALCSIZE: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            // Both forms of the message start with the proposed client rectangle.
            RECT& area = *reinterpret_cast<RECT*>(lParam);
            if (frameOf(frame) == EditFrame::ThinLine) {
                InflateRect(&area, -GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CYBORDER));
            }
            shrinkToOneLine(edit, area);
            return wParam ? (result | WVR_REDRAW) : result;
        }
        case WM_NCPAINT: {
            paintFrameBackground(edit);
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            if (frameOf(frame) == EditFrame::ThinLine) {
                drawThinLine(edit);
            }
            return result;
        }
        case WM_NCHITTEST:
            if (isOnFrame(edit, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
                return HTBORDER;
            }
            break;
        case WM_ERASEBKGND: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            RECT client{};
            GetClientRect(edit, &client);
            FillRect(dc, &client, queryBackgroundBrush(edit, colourQueryOf(edit), dc));
            return 1;
        }
        case WM_SETFONT: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            recalculateFrame(edit);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, textAreaProc, id);
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void centreTextArea(HWND edit, EditFrame frame) {
    if (SetWindowSubclass(edit, textAreaProc, 0, static_cast<DWORD_PTR>(frame))) {
        recalculateFrame(edit);
    }
}

void ensureOneLineHeight(HWND edit) {
    const int needed = textHeight(edit, L"\u4e2d", 1) + 2 * GetSystemMetrics(SM_CYEDGE);
    RECT window{};
    GetWindowRect(edit, &window);
    if (window.bottom - window.top < needed) {
        SetWindowPos(edit, nullptr, 0, 0, window.right - window.left, needed,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace orvane
