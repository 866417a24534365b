// Records the messages the windows of the test's thread are sent or dispatched while it lives,
// so that a test can tell what a key or a press made happen, and what it did not.
#pragma once

#include <windows.h>

#include <vector>

namespace orvane::testing {

struct WatchedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageWatch {
  public:
    MessageWatch();
    ~MessageWatch();
    MessageWatch(const MessageWatch&) = delete;
    MessageWatch& operator=(const MessageWatch&) = delete;

    const std::vector<WatchedMessage>& seen() const { return seen_; }
    void clear() { seen_.clear(); }

    // How many times `message` reached `window`; any window when it is null.
    int count(UINT message, HWND window = nullptr) const;

    // The click notifications (WM_COMMAND with BN_CLICKED) that reached `window`, by the
    // control that raised each.
    std::vector<HWND> clicksReaching(HWND window) const;

  private:
    static LRESULT CALLBACK sent(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK dispatched(int code, WPARAM wParam, LPARAM lParam);

    HHOOK sentHook_;
    HHOOK dispatchedHook_;
    std::vector<WatchedMessage> seen_;
};

}  // namespace orvane::testing
