// orvane_probe: reads the running program's window from outside, for the end-to-end test.
//
//   orvane_probe window      the window's outer rectangle and the screen place of its client
//                            area: "left top right bottom clientLeft clientTop"
//   orvane_probe text X Y    the text of the control whose top-left corner lies at (X, Y) in
//                            the window's client area, in UTF-8
//   orvane_probe moving      "yes" while the window is being moved (follows the pointer),
//                            otherwise "no"
//
// The window is found by its caption. Exit codes: 0 done, 2 bad arguments, 3 no window,
// 4 no such control.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr wchar_t kCaption[] = L"                    Orvane";

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Another process's edit field answers WM_GETTEXT, whatever its length.
std::wstring controlText(HWND control) {
    const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

BOOL CALLBACK matchCaption(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && textOf(window) == kCaption) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND programWindow() {
    HWND found = nullptr;
    EnumWindows(matchCaption, reinterpret_cast<LPARAM>(&found));
    return found;
}

struct ControlSearch {
    HWND window;
    POINT place;
    HWND found;
};

BOOL CALLBACK matchPlace(HWND control, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, search->window, reinterpret_cast<POINT*>(&place), 2);
    if (place.left == search->place.x && place.top == search->place.y) {
        search->found = control;
        return FALSE;
    }
    return TRUE;
}

void print(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    bytes += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

int printWindow(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    print(std::to_wstring(outer.left) + L" " + std::to_wstring(outer.top) + L" " +
          std::to_wstring(outer.right) + L" " + std::to_wstring(outer.bottom) + L" " +
          std::to_wstring(client.x) + L" " + std::to_wstring(client.y));
    return 0;
}

int printText(HWND window, const wchar_t* x, const wchar_t* y) {
    ControlSearch search{window, {_wtoi(x), _wtoi(y)}, nullptr};
    EnumChildWindows(window, matchPlace, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        return 4;
    }
    print(controlText(search.found));
    return 0;
}

int printMoving(HWND window) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread)) {
        return 3;
    }
    print((thread.flags & GUI_INMOVESIZE) && thread.hwndMoveSize == window ? L"yes" : L"no");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    const HWND window = programWindow();
    if (command == L"window" && argc == 2) {
        return window ? printWindow(window) : 3;
    }
    if (command == L"text" && argc == 4) {
        return window ? printText(window, argv[2], argv[3]) : 3;
    }
    if (command == L"moving" && argc == 2) {
        return window ? printMoving(window) : 3;
    }
    std::fputs("usage: orvane_probe window | text X Y | moving\n", stderr);
    return 2;
}
