// The window gives the focus back to the control that had it when it is activated again after
// another window was active.
#include <gtest/gtest.h>
#include <windows.h>

#include "control_names.h"
#include "open_window.h"
#include "user_input.h"

namespace orvane::testing {
namespace {

// Another program's window, as far as activation goes: a top-level window of its own.
class OtherWindow {
  public:
    OtherWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    }
    ~OtherWindow() { DestroyWindow(window_); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND handle() const { return window_; }

  private:
    HWND window_;
};

TEST(Activation, TheFocusReturnsToTheControlThatHadItWhenTheWindowIsActivatedAgain) {
    const struct {
        const char* name;
        int tabs;
    } rows[] = {
        {"编辑框1", 0},
        {"编辑框9", 2},
        {"单选框2", 6},
        {"按钮6", 16},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpenWindow open;
        for (int i = 0; i < row.tabs; ++i) {
            pressKey(VK_TAB);
        }
        open.pumpMessages();
        ASSERT_EQ(focusName(open), row.name);

        OtherWindow other;
        SetForegroundWindow(other.handle());
        open.pumpMessages();
        ASSERT_EQ(GetActiveWindow(), other.handle());
        ASSERT_EQ(focusName(open), "other");

        SetForegroundWindow(open.handle());
        open.pumpMessages();
        EXPECT_EQ(GetActiveWindow(), open.handle());
        EXPECT_EQ(focusName(open), row.name);
    }
}

}  // namespace
}  // namespace orvane::testing
