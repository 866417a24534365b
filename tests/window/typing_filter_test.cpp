// The numeric fields take typed digits, points and minus signs and silently drop every other
// typed character, by whatever way it is typed; pasted text arrives unchanged.
#include <gtest/gtest.h>
#include <windows.h>

#include <imm.h>

#include <string>

#include "open_window.h"
#include "ui/utf16.h"
#include "user_input.h"

namespace orvane::testing {
namespace {

struct TypingRow {
    const wchar_t* typed;
    const wchar_t* expected;
};

TEST(TypingFilter, KeepsDigitsPointAndMinusAndDropsEveryOtherCharacter) {
    const TypingRow rows[] = {
        {L"0123456789", L"0123456789"},
        {L".", L"."},
        {L"-", L"-"},
        // The filter judges characters one by one, never the text they make.
        {L"1.2.3", L"1.2.3"},
        {L"--5", L"--5"},
        {L"5-", L"5-"},
        {L"a", L""},
        {L"e", L""},
        {L"Z", L""},
        {L" ", L""},
        {L"+", L""},
        {L",", L""},
        {L"*/=_", L""},
        {L"1e5", L"15"},
        {L"2,5", L"25"},
        {L"+3", L"3"},
        {L"4 2", L"42"},
        // Outside ASCII: full-width digits and point, an ideograph, an accented letter, and a
        // character that takes two UTF-16 units.
        {L"０１２", L""},
        {L"。．", L""},
        {L"中", L""},
        {L"é", L""},
        {L"\U0001F600", L""},
        {L"7\U0001F6008", L"78"},
    };
    OpenWindow open;
    const HWND field = open.control(Control::编辑框1);
    for (const TypingRow& row : rows) {
        SCOPED_TRACE(toUtf8(row.typed));
        SetWindowTextW(field, L"");
        ASSERT_EQ(GetFocus(), field);

        typeText(row.typed);
        open.pumpMessages();

        EXPECT_EQ(windowText(field), row.expected);
    }
}

// An input method hands characters over as WM_IME_CHAR, and some as WM_UNICHAR (a whole code
// point); the field would insert them from either.
TEST(TypingFilter, JudgesCharactersTypedThroughAnInputMethodAlike) {
    const struct {
        const char* name;
        UINT message;
        WPARAM character;
        const wchar_t* expected;
    } rows[] = {
        {"WM_IME_CHAR digit", WM_IME_CHAR, L'7', L"7"},
        {"WM_IME_CHAR minus", WM_IME_CHAR, L'-', L"-"},
        {"WM_IME_CHAR letter", WM_IME_CHAR, L'a', L""},
        {"WM_IME_CHAR ideograph", WM_IME_CHAR, 0x4E2D, L""},
        {"WM_IME_CHAR full-width digit", WM_IME_CHAR, 0xFF17, L""},
        {"WM_UNICHAR digit", WM_UNICHAR, L'7', L"7"},
        {"WM_UNICHAR point", WM_UNICHAR, L'.', L"."},
        {"WM_UNICHAR letter", WM_UNICHAR, L'a', L""},
        {"WM_UNICHAR ideograph", WM_UNICHAR, 0x4E2D, L""},
        {"WM_UNICHAR outside the BMP", WM_UNICHAR, 0x1F600, L""},
        {"WM_UNICHAR digit plus 2^16", WM_UNICHAR, 0x10037, L""},
    };
    OpenWindow open;
    const HWND field = open.control(Control::编辑框1);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetWindowTextW(field, L"");

        PostMessageW(field, row.message, row.character, 1);
        open.pumpMessages();

        EXPECT_EQ(windowText(field), row.expected);
    }
}

// What an input method composes reaches a field whole, past the typed characters the filter
// judges; a numeric field has no input method, so its keys arrive as plain characters.
TEST(TypingFilter, EveryNumericFieldFiltersAndHasNoInputMethod) {
    const struct {
        const char* name;
        Control field;
    } fields[] = {
        {"编辑框1", Control::编辑框1},   {"编辑框2", Control::编辑框2},
        {"编辑框3", Control::编辑框3},   {"编辑框4", Control::编辑框4},
        {"编辑框6", Control::编辑框6},   {"编辑框7", Control::编辑框7},
        {"编辑框9", Control::编辑框9},   {"编辑框10", Control::编辑框10},
        {"编辑框11", Control::编辑框11},
    };
    OpenWindow open;
    for (const auto& row : fields) {
        SCOPED_TRACE(row.name);
        const HWND field = open.control(row.field);
        SetFocus(field);
        open.pumpMessages();

        typeText(L"x1中.");
        open.pumpMessages();

        EXPECT_EQ(windowText(field), L"1.");
        const HIMC context = ImmGetContext(field);
        EXPECT_EQ(context, nullptr);
        if (context) {
            ImmReleaseContext(field, context);
        }
    }
}

// Backspace and the Ctrl combinations arrive as characters below 32; they reach the field.
TEST(TypingFilter, ControlCharactersReachTheField) {
    OpenWindow open;
    const HWND first = open.control(Control::编辑框1);
    typeText(L"5");
    pressKey('Z', kControl);
    open.pumpMessages();
    EXPECT_EQ(windowText(first), L"") << "Ctrl+Z";

    typeText(L"123");
    pressKey(VK_BACK);
    open.pumpMessages();
    EXPECT_EQ(windowText(first), L"12") << "Backspace";

    SendMessageW(first, EM_SETSEL, 0, -1);
    pressKey('C', kControl);
    pressKey(VK_TAB);
    pressKey('V', kControl);
    open.pumpMessages();
    EXPECT_EQ(windowText(open.control(Control::编辑框6)), L"12") << "Ctrl+C, then Ctrl+V";
}

void putOnClipboard(const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// Picks the context menu's Paste by its mnemonic once the menu is open and waits for input.
bool menuSeen = false;
bool pasteChosen = false;

LRESULT CALLBACK choosePaste(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_ENTERIDLE && call->wParam == MSGF_MENU &&
        !menuSeen) {
        const auto menu = reinterpret_cast<HMENU>(
            SendMessageW(reinterpret_cast<HWND>(call->lParam), MN_GETHMENU, 0, 0));
        wchar_t item[64] = {};
        GetMenuStringW(menu, WM_PASTE, item, 64, MF_BYCOMMAND);
        const wchar_t* mnemonic = wcschr(item, L'&');
        menuSeen = true;
        pasteChosen = mnemonic != nullptr;
        // Without a mnemonic the menu is closed again, so that the test fails rather than waits.
        pressKey(mnemonic ? static_cast<WORD>(towupper(mnemonic[1])) : VK_ESCAPE);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void pasteFromContextMenu(OpenWindow& open, HWND field) {
    menuSeen = false;
    pasteChosen = false;
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, choosePaste, nullptr, GetCurrentThreadId());
    clickRightButtonAt(middleOf(field));
    open.pumpMessages();
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(menuSeen) << "the context menu did not open";
    EXPECT_TRUE(pasteChosen) << "the context menu has no Paste with a mnemonic";
}

TEST(TypingFilter, PastedTextArrivesUnchangedAndStaysWhenTheFieldIsLeft) {
    const struct {
        const char* name;
        void (*paste)(OpenWindow&, HWND);
    } ways[] = {
        {"Ctrl+V", [](OpenWindow&, HWND) { pressKey('V', kControl); }},
        {"Shift+Insert", [](OpenWindow&, HWND) { pressKey(VK_INSERT, kShift); }},
        {"context menu", pasteFromContextMenu},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        OpenWindow open;
        const HWND field = open.control(Control::编辑框1);
        putOnClipboard(L"abc");

        way.paste(open, field);
        open.pumpMessages();
        EXPECT_EQ(windowText(field), L"abc");

        pressKey(VK_TAB);
        open.pumpMessages();
        EXPECT_EQ(GetFocus(), open.control(Control::编辑框6));
        EXPECT_EQ(windowText(field), L"abc");
    }
}

// The result line is read-only to the user: even with the focus in it (the keyboard never gives
// it the focus, a program can), typing, deleting and pasting leave its text as it is.
TEST(TypingFilter, TheResultLineTakesNothingFromTheKeyboard) {
    OpenWindow open;
    const HWND resultLine = open.control(Control::编辑框5);
    open.view().setText(Control::编辑框5, "当前热量约 280 千卡");
    putOnClipboard(L"abc");
    SetFocus(resultLine);
    open.pumpMessages();

    typeText(L"12a-");
    pressKey(VK_BACK);
    pressKey(VK_DELETE);
    pressKey('V', kControl);
    open.pumpMessages();
    SendMessageW(resultLine, EM_SETSEL, 0, -1);
    pressKey('X', kControl);
    open.pumpMessages();

    EXPECT_EQ(windowText(resultLine), L"当前热量约 280 千卡");
}

}  // namespace
}  // namespace orvane::testing
