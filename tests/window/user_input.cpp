#include "user_input.h"

#include <vector>

namespace orvane::testing {

namespace {

INPUT keyInput(WORD virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    switch (virtualKey) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
            input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
            break;
    }
    return input;
}

INPUT unicodeInput(wchar_t unit, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = unit;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
    return input;
}

const WORD kModifierKeys[] = {VK_SHIFT, VK_CONTROL, VK_MENU};

void addKeyStroke(std::vector<INPUT>& inputs, WORD virtualKey, unsigned modifiers) {
    for (unsigned i = 0; i < 3; ++i) {
        if (modifiers & (1u << i)) {
            inputs.push_back(keyInput(kModifierKeys[i], true));
        }
    }
    inputs.push_back(keyInput(virtualKey, true));
    inputs.push_back(keyInput(virtualKey, false));
    for (unsigned i = 3; i-- > 0;) {
        if (modifiers & (1u << i)) {
            inputs.push_back(keyInput(kModifierKeys[i], false));
        }
    }
}

void send(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT mouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// As a mouse reports it, in 1/65536ths of the primary screen; rounded up, so that the platform's
// scaling back (which truncates) lands on the very pixel.
LONG normalised(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

void sendMouse(DWORD buttons, POINT screen) {
    INPUT input = mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons);
    input.mi.dx = normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
    SendInput(1, &input, sizeof input);
}

}  // namespace

void pressKey(WORD virtualKey, unsigned modifiers) {
    std::vector<INPUT> inputs;
    addKeyStroke(inputs, virtualKey, modifiers);
    send(inputs);
}

void typeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (const wchar_t unit : text) {
        // Low byte: the key; high byte: the shift state it needs (1 Shift, 2 Ctrl, 4 Alt).
        const SHORT key = unit < 0x80 ? VkKeyScanW(unit) : -1;
        if (key != -1 && (key & 0xFF) != 0xFF) {
            addKeyStroke(inputs, static_cast<WORD>(key & 0xFF),
                         static_cast<unsigned>(key >> 8) & 7);
        } else {
            inputs.push_back(unicodeInput(unit, true));
            inputs.push_back(unicodeInput(unit, false));
        }
    }
    send(inputs);
}

void pressLeftButtonAt(POINT screen) {
    sendMouse(MOUSEEVENTF_LEFTDOWN, screen);
}

void releaseLeftButtonAt(POINT screen) {
    sendMouse(MOUSEEVENTF_LEFTUP, screen);
}

void clickRightButtonAt(POINT screen) {
    sendMouse(MOUSEEVENTF_RIGHTDOWN, screen);
    sendMouse(MOUSEEVENTF_RIGHTUP, screen);
}

POINT onScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

POINT middleOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return onScreen(window, {client.right / 2, client.bottom / 2});
}

}  // namespace orvane::testing
