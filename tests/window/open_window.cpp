#include "open_window.h"

#include <array>

#include "ui/message_loop.h"

namespace orvane::testing {

OpenWindow::OpenWindow() : window_(GetModuleHandleW(nullptr)) {
    pumpMessages();
}

OpenWindow::~OpenWindow() {
    if (const HWND window = window_.handle()) {
        DestroyWindow(window);
    }
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void OpenWindow::pumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        deliverMessage(window_, message);
    }
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), text.size())));
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

bool isTip(const std::wstring& text) {
    static const std::array<std::wstring, 5> tips = {
        L"4500大卡热量约等于1斤脂肪",
        L"三分练 七分吃",
        L"大部分肉类都是优质蛋白 反而更有利于减脂",
        L"不要不吃碳水 不然头发掉光光",
        L"制造热量缺口 得先知道自己的基础代谢",
    };
    for (const std::wstring& tip : tips) {
        if (text == tip) {
            return true;
        }
    }
    return false;
}

}  // namespace orvane::testing
