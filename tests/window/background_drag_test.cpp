// A left press on the window's background, on a group box or on a label moves the window as a
// press on the caption does; a press on an edit field, a push button or a radio button keeps its
// ordinary meaning. The presses are real, so that the platform decides which window each one
// reaches, as it does for the user.
#include <gtest/gtest.h>
#include <windows.h>

#include "control_names.h"
#include "message_watch.h"
#include "open_window.h"
#include "user_input.h"

namespace orvane::testing {
namespace {

// The move of the window, once started, follows the pointer until the button goes up, or ends
// on Esc, putting the window back. It is ended so at once: which window a press reaches and
// what it starts is what this test is about. That the window then follows a real drag is for
// the end-to-end test with real pointer input: input sent from here moves the pointer the
// platform routes by, but under Wine the place a move starts from is read back from the display,
// which learns of that input only later.
int movesStarted = 0;

LRESULT CALLBACK endMoveAtOnce(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_ENTERSIZEMOVE) {
        ++movesStarted;
        pressKey(VK_ESCAPE);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

RECT placeOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return place;
}

struct PressRow {
    const char* name;
    POINT at;  // in the window's client area
    bool moves;
    const char* focusAfter;
};

TEST(BackgroundDrag, APressOnTheBackgroundAGroupBoxOrALabelMovesTheWindow) {
    const PressRow rows[] = {
        {"background between the panels", {216, 140}, true, "编辑框1"},
        {"background above the result line", {336, 340}, true, "编辑框1"},
        {"label 透明标签3", {40, 60}, true, "编辑框1"},
        {"label 透明标签10", {460, 180}, true, "编辑框1"},
        {"caption of 分组框2", {112, 21}, true, "编辑框1"},
        {"inside of 分组框4, between buttons", {216, 305}, true, "编辑框1"},
        {"inside of 分组框1, under the radio buttons", {600, 76}, true, "编辑框1"},
        {"edit field 编辑框2", {148, 100}, false, "编辑框2"},
        {"push button 按钮3", {544, 221}, false, "按钮3"},
        {"radio button 单选框2", {620, 60}, false, "单选框2"},
    };
    for (const PressRow& row : rows) {
        SCOPED_TRACE(row.name);
        OpenWindow open;
        const RECT before = placeOf(open.handle());
        movesStarted = 0;
        const POINT pressed = onScreen(open.handle(), row.at);
        const HHOOK hook =
            SetWindowsHookExW(WH_CALLWNDPROC, endMoveAtOnce, nullptr, GetCurrentThreadId());

        pressLeftButtonAt(pressed);
        open.pumpMessages();
        releaseLeftButtonAt(pressed);
        open.pumpMessages();
        UnhookWindowsHookEx(hook);

        const RECT after = placeOf(open.handle());
        EXPECT_EQ(movesStarted, row.moves ? 1 : 0);
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top);
        EXPECT_EQ(focusName(open), row.focusAfter);
    }
}

// The platform's group box lets presses through to the window under it; a press that reaches a
// group box itself all the same moves the window, and the group box does nothing else with it.
TEST(BackgroundDrag, APressThatReachesAGroupBoxItselfMovesTheWindowAndGoesNoFurther) {
    OpenWindow open;
    const HWND groupBox = open.control(Control::分组框1);
    movesStarted = 0;
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, endMoveAtOnce, nullptr, GetCurrentThreadId());

    PostMessageW(groupBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(184, 80));
    open.pumpMessages();
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(movesStarted, 1);
    EXPECT_EQ(focusName(open), "编辑框1");
    EXPECT_NE(GetCapture(), groupBox);
}

}  // namespace
}  // namespace orvane::testing
