// Enter, Esc and F1 mean nothing to the window, and no caption has a mnemonic; the platform's
// own shortcuts for the window, Alt+F4 and Alt+Space, keep working.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "control_names.h"
#include "message_watch.h"
#include "open_window.h"
#include "user_input.h"

namespace orvane::testing {
namespace {

struct Snapshot {
    std::string focus;
    std::wstring protein;
    std::wstring weight;
    std::wstring resultLine;
    DWORD selectionStart;
    DWORD selectionEnd;
    bool firstChecked;
};

Snapshot snapshotOf(OpenWindow& open) {
    Snapshot snapshot{focusName(open),
                      windowText(open.control(Control::编辑框1)),
                      windowText(open.control(Control::编辑框4)),
                      windowText(open.control(Control::编辑框5)),
                      0,
                      0,
                      open.view().isChecked(Control::单选框1)};
    SendMessageW(open.control(Control::编辑框1), EM_GETSEL,
                 reinterpret_cast<WPARAM>(&snapshot.selectionStart),
                 reinterpret_cast<LPARAM>(&snapshot.selectionEnd));
    return snapshot;
}

void expectUnchanged(const Snapshot& before, const Snapshot& after) {
    EXPECT_EQ(after.focus, before.focus);
    EXPECT_EQ(after.protein, before.protein);
    EXPECT_EQ(after.weight, before.weight);
    EXPECT_EQ(after.resultLine, before.resultLine);
    EXPECT_EQ(after.selectionStart, before.selectionStart);
    EXPECT_EQ(after.selectionEnd, before.selectionEnd);
    EXPECT_EQ(after.firstChecked, before.firstChecked);
}

// With the fields filled, a press of 按钮1 would write a result and fill the weight, a press
// of a radio button would check it, and a help request or a close would show in the messages.
TEST(SpecialKeys, EnterEscAndF1ChangeNothingWhereverTheFocusIs) {
    const struct {
        const char* name;
        WORD key;
    } keys[] = {{"Enter", VK_RETURN}, {"Esc", VK_ESCAPE}, {"F1", VK_F1}};
    const struct {
        const char* name;
        Control control;
    } focused[] = {
        {"编辑框1", Control::编辑框1},
        {"按钮1", Control::按钮1},
        {"单选框1", Control::单选框1},
    };
    OpenWindow open;
    open.view().setText(Control::编辑框1, "20");
    open.view().setText(Control::编辑框2, "10");
    open.view().setText(Control::编辑框3, "30");
    open.view().setText(Control::编辑框5, "unchanged");
    for (const auto& target : focused) {
        for (const auto& key : keys) {
            SCOPED_TRACE(std::string(key.name) + " on " + target.name);
            SetFocus(open.control(target.control));
            SendMessageW(open.control(Control::编辑框1), EM_SETSEL, 1, 1);
            open.pumpMessages();
            const Snapshot before = snapshotOf(open);
            MessageWatch watch;

            pressKey(key.key);
            open.pumpMessages();

            ASSERT_TRUE(IsWindow(open.handle()));
            EXPECT_TRUE(IsWindowVisible(open.handle()));
            expectUnchanged(before, snapshotOf(open));
            EXPECT_EQ(watch.clicksReaching(open.handle()).size(), 0u);
            EXPECT_EQ(watch.count(WM_HELP), 0);
            EXPECT_EQ(watch.count(WM_CLOSE), 0);
            EXPECT_EQ(watch.count(WM_SYSCOMMAND), 0);
        }
    }
}

TEST(SpecialKeys, AltWithALetterSelectsNoControl) {
    OpenWindow open;
    open.view().setText(Control::编辑框5, "unchanged");
    const Snapshot before = snapshotOf(open);
    MessageWatch watch;

    for (WORD letter = 'A'; letter <= 'Z'; ++letter) {
        pressKey(letter, kAlt);
        open.pumpMessages();
    }

    expectUnchanged(before, snapshotOf(open));
    EXPECT_EQ(watch.clicksReaching(open.handle()).size(), 0u);
}

TEST(SpecialKeys, AltF4ClosesTheWindow) {
    OpenWindow open;
    const HWND window = open.handle();

    pressKey(VK_F4, kAlt);
    open.pumpMessages();

    EXPECT_FALSE(IsWindow(window));
}

// Closes the system menu as soon as it waits for input, once it has been seen to open.
int systemMenusOpened = 0;

LRESULT CALLBACK closeSystemMenu(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITMENUPOPUP && HIWORD(call->lParam)) {
        ++systemMenusOpened;
    }
    if (code == HC_ACTION && call->message == WM_ENTERIDLE && call->wParam == MSGF_MENU) {
        EndMenu();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(SpecialKeys, AltSpaceOpensTheSystemMenu) {
    OpenWindow open;
    systemMenusOpened = 0;
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, closeSystemMenu, nullptr, GetCurrentThreadId());

    pressKey(VK_SPACE, kAlt);
    open.pumpMessages();
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(systemMenusOpened, 1);
    EXPECT_TRUE(IsWindow(open.handle()));
}

}  // namespace
}  // namespace orvane::testing
