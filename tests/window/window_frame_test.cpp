// The main window itself: caption, class, frame, size, place, icons, font and background.
#include <gtest/gtest.h>
#include <windows.h>

#include "canvas.h"
#include "open_window.h"

namespace orvane::testing {
namespace {

SIZE iconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return {0, 0};
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    const LONG height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    if (info.hbmColor) {
        DeleteObject(info.hbmColor);
    }
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, height};
}

TEST(MainWindowFrame, HasTwentyBlanksAndTheNameAsCaption) {
    OpenWindow open;
    EXPECT_EQ(windowText(open.handle()), L"                    Orvane");
}

TEST(MainWindowFrame, ClassRedrawsOnResizeTakesDoubleClicksAndPaintsItsOwnBackground) {
    OpenWindow open;
    const HWND window = open.handle();
    EXPECT_EQ(GetClassLongPtrW(window, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(window, GCLP_HCURSOR)),
              LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(GetClassLongPtrW(window, GCLP_HICON), 0u);
    EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), 0u);
}

TEST(MainWindowFrame, IsAnOwnerlessFixedFrameWithACloseButtonOnly) {
    OpenWindow open;
    const HWND window = open.handle();
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    for (const DWORD present : {WS_CAPTION, WS_SYSMENU, WS_CLIPCHILDREN, WS_VISIBLE}) {
        EXPECT_EQ(style & present, present) << std::hex << present;
    }
    for (const DWORD absent : std::initializer_list<DWORD>{
             WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_POPUP, WS_CHILD, WS_DISABLED}) {
        EXPECT_EQ(style & absent, 0u) << std::hex << absent;
    }
    // The platform gives every captioned window the raised edge; nothing else is asked for.
    EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetParent(window), nullptr);
}

TEST(MainWindowFrame, Is677By423CentredOnThePrimaryScreenWithoutClamping) {
    OpenWindow open;
    RECT outer{};
    GetWindowRect(open.handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 677);
    EXPECT_EQ(outer.bottom - outer.top, 423);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 677) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 423) / 2);
}

TEST(MainWindowFrame, HasA32PixelBigAndA16PixelSmallIcon) {
    OpenWindow open;
    const auto big = reinterpret_cast<HICON>(SendMessageW(open.handle(), WM_GETICON, ICON_BIG, 0));
    const auto small =
        reinterpret_cast<HICON>(SendMessageW(open.handle(), WM_GETICON, ICON_SMALL, 0));
    ASSERT_NE(big, nullptr);
    ASSERT_NE(small, nullptr);
    const SIZE bigSize = iconSize(big);
    const SIZE smallSize = iconSize(small);
    EXPECT_EQ(bigSize.cx, 32);
    EXPECT_EQ(bigSize.cy, 32);
    EXPECT_EQ(smallSize.cx, 16);
    EXPECT_EQ(smallSize.cy, 16);
}

TEST(MainWindowFrame, UsesTheDefaultGuiFont) {
    OpenWindow open;
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(open.handle(), WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));
}

TEST(MainWindowFrame, PaintsItsWholeClientAreaWhite) {
    OpenWindow open;
    RECT client{};
    GetClientRect(open.handle(), &client);
    const Canvas canvas(client.right, client.bottom, RGB(0, 0, 0));

    SendMessageW(open.handle(), WM_ERASEBKGND, canvas.dcParam(), 0);

    for (const POINT corner :
         {POINT{0, 0}, POINT{client.right - 1, 0}, POINT{0, client.bottom - 1},
          POINT{client.right - 1, client.bottom - 1}, POINT{client.right / 2, client.bottom / 2}}) {
        EXPECT_EQ(canvas.pixel(corner.x, corner.y), RGB(255, 255, 255))
            << corner.x << "," << corner.y;
    }
}

TEST(MainWindowFrame, StartsActiveWithTheCaretInTheProteinField) {
    OpenWindow open;
    EXPECT_TRUE(IsWindowVisible(open.handle()));
    EXPECT_EQ(GetActiveWindow(), open.handle());
    EXPECT_EQ(GetFocus(), open.control(Control::编辑框1));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &thread));
    EXPECT_EQ(thread.hwndCaret, open.control(Control::编辑框1));
}

TEST(MainWindowFrame, IsDestroyedOnCloseAndAsksTheLoopToQuit) {
    OpenWindow open;
    const HWND window = open.handle();
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(open.handle(), nullptr);
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

}  // namespace
}  // namespace orvane::testing
