#include "message_watch.h"

namespace orvane::testing {

namespace {

std::vector<WatchedMessage>* activeLog = nullptr;

}  // namespace

MessageWatch::MessageWatch()
    : sentHook_(SetWindowsHookExW(WH_CALLWNDPROC, sent, nullptr, GetCurrentThreadId())),
      dispatchedHook_(SetWindowsHookExW(WH_GETMESSAGE, dispatched, nullptr, GetCurrentThreadId())) {
    activeLog = &seen_;
}

MessageWatch::~MessageWatch() {
    UnhookWindowsHookEx(sentHook_);
    UnhookWindowsHookEx(dispatchedHook_);
    activeLog = nullptr;
}

LRESULT CALLBACK MessageWatch::sent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && activeLog) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        activeLog->push_back({call->hwnd, call->message, call->wParam, call->lParam});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Posted messages and input, as they are taken from the queue.
LRESULT CALLBACK MessageWatch::dispatched(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && activeLog) {
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        activeLog->push_back({message->hwnd, message->message, message->wParam, message->lParam});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int MessageWatch::count(UINT message, HWND window) const {
    int found = 0;
    for (const WatchedMessage& seen : seen_) {
        if (seen.message == message && (!window || seen.window == window)) {
            ++found;
        }
    }
    return found;
}

std::vector<HWND> MessageWatch::clicksReaching(HWND window) const {
    std::vector<HWND> clicks;
    for (const WatchedMessage& seen : seen_) {
        if (seen.window == window && seen.message == WM_COMMAND &&
            HIWORD(seen.wParam) == BN_CLICKED) {
            clicks.push_back(reinterpret_cast<HWND>(seen.lParam));
        }
    }
    return clicks;
}

}  // namespace orvane::testing
