// Tab and Shift+Tab move the focus along the window's own order, not the visual one, wrapping
// at both ends and passing over what cannot take the focus.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "control_names.h"
#include "message_watch.h"
#include "open_window.h"
#include "user_input.h"

namespace orvane::testing {
namespace {

std::vector<std::string> focusAfterEachPress(OpenWindow& open, int presses, unsigned modifiers) {
    std::vector<std::string> visited;
    for (int i = 0; i < presses; ++i) {
        pressKey(VK_TAB, modifiers);
        open.pumpMessages();
        visited.push_back(focusName(open));
    }
    return visited;
}

TEST(FocusOrder, TabAndShiftTabFollowTheOrderAndWrapAtBothEnds) {
    OpenWindow open;
    ASSERT_EQ(focusName(open), "编辑框1");

    const std::vector<std::string> forward = {
        "编辑框6", "编辑框9", "编辑框10", "编辑框11", "单选框1", "单选框2",
        "编辑框2", "编辑框3", "编辑框4",  "编辑框7",  "按钮1",   "按钮2",
        "按钮3",   "按钮5",   "按钮4",    "按钮6",    "编辑框1",
    };
    EXPECT_EQ(focusAfterEachPress(open, 17, kNoModifier), forward);

    const std::vector<std::string> backward = {
        "按钮6",    "按钮4",    "按钮5",   "按钮3",   "按钮2",   "按钮1",
        "编辑框7",  "编辑框4",  "编辑框3", "编辑框2", "单选框2", "单选框1",
        "编辑框11", "编辑框10", "编辑框9", "编辑框6", "编辑框1",
    };
    EXPECT_EQ(focusAfterEachPress(open, 17, kShift), backward);
}

TEST(FocusOrder, PassesOverHiddenAndDisabledControls) {
    OpenWindow open;
    EnableWindow(open.control(Control::编辑框6), FALSE);
    ShowWindow(open.control(Control::编辑框9), SW_HIDE);
    EnableWindow(open.control(Control::按钮6), FALSE);

    EXPECT_EQ(focusAfterEachPress(open, 1, kNoModifier), std::vector<std::string>{"编辑框10"});
    EXPECT_EQ(focusAfterEachPress(open, 2, kShift), (std::vector<std::string>{"编辑框1", "按钮4"}));
}

// Tab from outside the order, as from the result line after a double-click or from the window
// itself, enters it at the first control; Shift+Tab at the last.
TEST(FocusOrder, EntersTheOrderAtEitherEndFromOutsideIt) {
    const struct {
        const char* name;
        unsigned modifiers;
        const char* expected;
    } rows[] = {
        {"Tab", kNoModifier, "编辑框1"},
        {"Shift+Tab", kShift, "按钮6"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpenWindow open;
        SetFocus(open.control(Control::编辑框5));
        open.pumpMessages();
        ASSERT_EQ(focusName(open), "编辑框5");

        EXPECT_EQ(focusAfterEachPress(open, 1, row.modifiers),
                  std::vector<std::string>{row.expected});
    }
}

// The focus moves by the keyboard, so the window asks for its mark to be shown: on a desktop
// that shows keyboard cues only once the keyboard is used, the controls hide it until then.
// (Wine always shows the cues, so the request is what can be seen here.)
TEST(FocusOrder, TabAsksForTheFocusMarkToBeShown) {
    OpenWindow open;
    MessageWatch watch;

    pressKey(VK_TAB);
    open.pumpMessages();

    int requests = 0;
    for (const WatchedMessage& seen : watch.seen()) {
        if (seen.window == open.handle() && seen.message == WM_CHANGEUISTATE &&
            seen.wParam == MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS)) {
            ++requests;
        }
    }
    EXPECT_GE(requests, 1);
}

}  // namespace
}  // namespace orvane::testing
