// How the window's events reach the handlers: button clicks, the result line's presses and
// double-click, and the creation event before the window is first shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "open_window.h"
#include "recording_desktop.h"
#include "ui/utf16.h"

namespace orvane::testing {
namespace {

struct FieldText {
    Control field;
    const char* text;
};

struct ClickRow {
    const char* name;
    Control button;
    std::vector<FieldText> before;
    const wchar_t* resultLine;
    std::vector<FieldText> after;
    DesktopCalls calls;
};

TEST(EventBinding, EachPushButtonsClickWritesItsLine) {
    const ClickRow rows[] = {
        {"按钮1",
         Control::按钮1,
         {{Control::编辑框1, "20"}, {Control::编辑框2, "10"}, {Control::编辑框3, "30"}},
         L"当前热量约 280 千卡",
         {{Control::编辑框4, "100"}},
         {}},
        {"按钮2",
         Control::按钮2,
         {{Control::编辑框6, "500"}},
         L"当前热量约 119 千卡",
         {{Control::编辑框7, "100"}},
         {}},
        {"按钮3", Control::按钮3, {}, L"请勾选您的性别", {}, {}},
        {"按钮4", Control::按钮4, {}, L"打开计算器", {}, {1, 0, 0}},
        {"按钮5", Control::按钮5, {}, L"打开浏览器", {}, {0, 1, 0}},
        {"按钮6", Control::按钮6, {}, L"清空配置文件", {}, {0, 0, 1}},
    };
    for (const ClickRow& row : rows) {
        SCOPED_TRACE(row.name);
        desktopCalls() = {};
        OpenWindow open;
        for (const FieldText& field : row.before) {
            open.view().setText(field.field, field.text);
        }

        SendMessageW(open.control(row.button), BM_CLICK, 0, 0);
        open.pumpMessages();

        EXPECT_EQ(windowText(open.control(Control::编辑框5)), row.resultLine);
        for (const FieldText& field : row.after) {
            EXPECT_EQ(open.view().getText(field.field), field.text);
        }
        EXPECT_EQ(desktopCalls().calculatorStarts, row.calls.calculatorStarts);
        EXPECT_EQ(desktopCalls().webPageOpenings, row.calls.webPageOpenings);
        EXPECT_EQ(desktopCalls().settingsDeletions, row.calls.settingsDeletions);
    }
}

TEST(EventBinding, RadioButtonClicksRunNoHandler) {
    OpenWindow open;
    open.view().setText(Control::编辑框5, "unchanged");
    SendMessageW(open.control(Control::单选框2), BM_CLICK, 0, 0);
    open.pumpMessages();
    EXPECT_EQ(open.view().getText(Control::编辑框5), "unchanged");
}

POINT pointInResultLine(HWND resultLine) {
    RECT client{};
    GetClientRect(resultLine, &client);
    return {client.right / 4, client.bottom / 2};
}

// A press the control took would move the focus to it, place its caret there and capture
// the mouse for a selection.
TEST(EventBinding, ResultLinePressesGiveItNeitherFocusNorCaretNorSelection) {
    const struct {
        const char* name;
        UINT press;
        WPARAM buttons;
    } rows[] = {
        {"left", WM_LBUTTONDOWN, MK_LBUTTON},
        {"right", WM_RBUTTONDOWN, MK_RBUTTON},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpenWindow open;
        const HWND resultLine = open.control(Control::编辑框5);
        open.view().setText(Control::编辑框5, "一行足够长的结果文字");
        DWORD startBefore = 0;
        DWORD endBefore = 0;
        SendMessageW(resultLine, EM_GETSEL, reinterpret_cast<WPARAM>(&startBefore),
                     reinterpret_cast<LPARAM>(&endBefore));
        const POINT at = pointInResultLine(resultLine);

        PostMessageW(resultLine, row.press, row.buttons, MAKELPARAM(at.x, at.y));
        PostMessageW(resultLine, WM_MOUSEMOVE, row.buttons, MAKELPARAM(at.x + 40, at.y));
        open.pumpMessages();

        EXPECT_EQ(GetFocus(), open.control(Control::编辑框1));
        EXPECT_NE(GetCapture(), resultLine);
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &thread));
        EXPECT_NE(thread.hwndCaret, resultLine);
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(resultLine, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, startBefore);
        EXPECT_EQ(end, endBefore);
        if (row.press == WM_LBUTTONDOWN) {
            PostMessageW(resultLine, WM_LBUTTONUP, 0, MAKELPARAM(at.x + 40, at.y));
            open.pumpMessages();
        }
    }
}

// The handler writes a tip, then the field's own double-click handling selects in it.
TEST(EventBinding, ResultLineDoubleClickWritesATipThenReachesTheField) {
    OpenWindow open;
    const HWND resultLine = open.control(Control::编辑框5);
    open.view().setText(Control::编辑框5, "当前热量约 280 千卡");
    const POINT at = pointInResultLine(resultLine);

    PostMessageW(resultLine, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    open.pumpMessages();

    const std::wstring line = windowText(resultLine);
    EXPECT_TRUE(isTip(line)) << toUtf8(line);
    EXPECT_EQ(GetCapture(), resultLine);
    PostMessageW(resultLine, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    open.pumpMessages();
    EXPECT_NE(GetCapture(), resultLine);
}

// What the result line held the moment the window was first about to be shown.
struct FirstShow {
    bool seen = false;
    bool wasVisible = true;
    std::wstring resultLine;
};

FirstShow firstShow;
constexpr wchar_t kCaption[] = L"                    Orvane";

LRESULT CALLBACK watchFirstShow(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam && !firstShow.seen &&
        GetParent(call->hwnd) == nullptr && windowText(call->hwnd) == kCaption) {
        firstShow.seen = true;
        firstShow.wasVisible = IsWindowVisible(call->hwnd);
        // The result line is the one edit field placed on the window itself.
        firstShow.resultLine = windowText(FindWindowExW(call->hwnd, nullptr, L"Edit", nullptr));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(EventBinding, TheTipIsInTheResultLineBeforeTheWindowIsFirstShown) {
    firstShow = {};
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, watchFirstShow, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    {
        OpenWindow open;
        UnhookWindowsHookEx(hook);
        ASSERT_TRUE(firstShow.seen);
        EXPECT_FALSE(firstShow.wasVisible);
        EXPECT_TRUE(isTip(firstShow.resultLine)) << toUtf8(firstShow.resultLine);
        EXPECT_EQ(windowText(open.control(Control::编辑框5)), firstShow.resultLine);
    }
}

}  // namespace
}  // namespace orvane::testing
