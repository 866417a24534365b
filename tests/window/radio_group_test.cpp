// The two sex radio buttons form one group: both unchecked at start, a click checks one and
// unchecks the other, and the arrow keys move within the group, checking and clicking.
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

struct Checks {
    bool first;
    bool second;
    bool operator==(const Checks& other) const {
        return first == other.first && second == other.second;
    }
};

void PrintTo(const Checks& checks, std::ostream* out) {
    *out << "单选框1 " << (checks.first ? "checked" : "unchecked") << ", 单选框2 "
         << (checks.second ? "checked" : "unchecked");
}

Checks checksOf(OpenWindow& open) {
    return {open.view().isChecked(Control::单选框1), open.view().isChecked(Control::单选框2)};
}

TEST(RadioGroup, BothAreUncheckedAtStart) {
    OpenWindow open;
    EXPECT_EQ(checksOf(open), (Checks{false, false}));
}

void clickOn(OpenWindow& open, HWND control) {
    pressLeftButtonAt(middleOf(control));
    releaseLeftButtonAt(middleOf(control));
    open.pumpMessages();
}

TEST(RadioGroup, AClickChecksOneAndUnchecksTheOtherAndACheckedOneStaysChecked) {
    const struct {
        const char* clicked;
        Control radio;
        Checks after;
    } clicks[] = {
        {"单选框1", Control::单选框1, {true, false}},
        {"单选框2", Control::单选框2, {false, true}},
        {"单选框2 again", Control::单选框2, {false, true}},
        {"单选框1", Control::单选框1, {true, false}},
        {"单选框1 again", Control::单选框1, {true, false}},
    };
    OpenWindow open;
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.clicked);
        clickOn(open, open.control(click.radio));
        EXPECT_EQ(checksOf(open), click.after);
    }
}

// Each press moves to the other radio button (there are two), whatever its direction, so the
// rows go round the group both ways and wrap at both ends.
TEST(RadioGroup, ArrowsMoveWithinTheGroupCheckingAndClickingTheOneMovedTo) {
    const struct {
        const char* key;
        WORD virtualKey;
        const char* focus;
        Checks checks;
    } presses[] = {
        {"Right", VK_RIGHT, "单选框2", {false, true}},
        {"Right", VK_RIGHT, "单选框1", {true, false}},
        {"Down", VK_DOWN, "单选框2", {false, true}},
        {"Down", VK_DOWN, "单选框1", {true, false}},
        {"Left", VK_LEFT, "单选框2", {false, true}},
        {"Left", VK_LEFT, "单选框1", {true, false}},
        {"Up", VK_UP, "单选框2", {false, true}},
        {"Up", VK_UP, "单选框1", {true, false}},
    };
    OpenWindow open;
    open.view().setText(Control::编辑框5, "unchanged");
    for (int i = 0; i < 5; ++i) {
        pressKey(VK_TAB);
    }
    open.pumpMessages();
    ASSERT_EQ(focusName(open), "单选框1");
    ASSERT_EQ(checksOf(open), (Checks{false, false}));

    for (const auto& press : presses) {
        SCOPED_TRACE(std::string(press.key) + " to " + press.focus);
        MessageWatch watch;

        pressKey(press.virtualKey);
        open.pumpMessages();

        EXPECT_EQ(focusName(open), press.focus);
        EXPECT_EQ(checksOf(open), press.checks);
        std::vector<std::string> clicked;
        for (const HWND source : watch.clicksReaching(open.handle())) {
            clicked.push_back(nameOf(open, source));
        }
        EXPECT_EQ(clicked, std::vector<std::string>{press.focus});
    }
    // The radio buttons' clicks have no handler.
    EXPECT_EQ(open.view().getText(Control::编辑框5), "unchanged");
}

TEST(RadioGroup, ArrowsOnOtherControlsGoToTheControl) {
    OpenWindow open;
    const HWND field = open.control(Control::编辑框1);
    typeText(L"123");
    open.pumpMessages();

    pressKey(VK_LEFT);
    pressKey(VK_LEFT);
    pressKey(VK_RIGHT);
    open.pumpMessages();

    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 2u);
    EXPECT_EQ(focusName(open), "编辑框1");
    EXPECT_EQ(checksOf(open), (Checks{false, false}));
}

}  // namespace
}  // namespace orvane::testing
