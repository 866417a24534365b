#include "ui/main_window.h"

#include <commctrl.h>

#include "ui/click_bindings.h"
#include "ui/colour_queries.h"
#include "ui/control_kinds.h"
#include "ui/handlers.h"
#include "ui/keyboard_rules.h"
#include "ui/label_window.h"
#include "ui/utf16.h"
#include "ui/window_class.h"
#include "ui/window_drag.h"

namespace orvane {

namespace {

constexpr wchar_t kClassName[] = L"OrvaneMainWindow";
constexpr int kOuterWidth = 677;
constexpr int kOuterHeight = 423;
// A fixed frame with a close button only: no sizing edges, no minimise or maximise button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

std::string caption() {
    return std::string(20, ' ') + "Orvane";
}

bool registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    // No background brush: the window paints its own white.
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return registerClassOnce(windowClass);
}

// Centred on the primary screen, work area and taskbar aside, and not clamped: on a screen
// smaller than the window the corner lies off screen.
POINT startPlace() {
    return {(GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2};
}

HICON loadIcon(HINSTANCE instance, int size) {
    return static_cast<HICON>(
        LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) {
    createHidden(instance);
    if (!window_) {
        return;
    }
    keepOuterSize();
    setIcons(instance);
    createControls(instance);
    showControls();
    // The user never sees the window before the result line holds its first tip.
    handleWindowCreated(*this);
    showAndActivate();
}

MainWindow::~MainWindow() {
    if (window_) {
        DestroyWindow(window_);
    }
    if (bigIcon_) {
        DestroyIcon(bigIcon_);
    }
    if (smallIcon_) {
        DestroyIcon(smallIcon_);
    }
}

bool MainWindow::preTranslateMessage(MSG& message) {
    return applyKeyboardRules(*this, message);
}

std::string MainWindow::getText(Control which) const {
    const HWND field = control(which);
    const int length = field ? GetWindowTextLengthW(field) : 0;
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(field, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return toUtf8(text);
}

void MainWindow::setText(Control which, std::string_view text) {
    if (const HWND field = control(which)) {
        SetWindowTextW(field, toUtf16(text).c_str());
    }
}

bool MainWindow::isChecked(Control which) const {
    const HWND button = control(which);
    return button && SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->onNcDestroy();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            paintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const LRESULT brush = passColourQueryBack(message, wParam, lParam)) {
                return brush;
            }
            break;
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_ACTIVATE:
            onActivate(wParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            startWindowMove(window_, lParam);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::resultLineProc(HWND control, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, resultLineProc, id);
        return DefSubclassProc(control, message, wParam, lParam);
    }
    return reinterpret_cast<MainWindow*>(self)->handleResultLineMessage(control, message, wParam,
                                                                        lParam);
}

// The result line's presses are looked at before the field sees them; an answer of false
// swallows the press, so it places no caret, starts no selection and takes no focus. Releases,
// moves and the double-click always reach the field.
LRESULT MainWindow::handleResultLineMessage(HWND control, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (!handleResultLinePress(*this)) {
                return 0;
            }
            break;
        case WM_LBUTTONDBLCLK:
            handleResultLineDoubleClick(*this);
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void MainWindow::createHidden(HINSTANCE instance) {
    if (!registerWindowClass(instance, windowProc)) {
        return;
    }
    const POINT place = startPlace();
    CreateWindowExW(0, kClassName, toUtf16(caption()).c_str(), kStyle, place.x, place.y,
                    kOuterWidth, kOuterHeight, nullptr, nullptr, instance, this);
    if (window_) {
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFonts::defaultGuiFont()),
                     FALSE);
    }
}

void MainWindow::keepOuterSize() {
    RECT outer{};
    GetWindowRect(window_, &outer);
    if (outer.right - outer.left != kOuterWidth || outer.bottom - outer.top != kOuterHeight) {
        SetWindowPos(window_, nullptr, outer.left, outer.top, kOuterWidth, kOuterHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::setIcons(HINSTANCE instance) {
    bigIcon_ = loadIcon(instance, 32);
    smallIcon_ = loadIcon(instance, 16);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void MainWindow::createControls(HINSTANCE instance) {
    registerLabelClass(instance);
    for (const ControlSpec& spec : kControlTable) {
        const HWND parent = spec.parent ? control(*spec.parent) : window_;
        controls_[controlIndex(spec.name)] =
            createControl(spec, parent, instance, fonts_.forKind(spec.kind));
    }
    bindResultLine();
}

void MainWindow::bindResultLine() {
    if (const HWND resultLine = control(Control::编辑框5)) {
        SetWindowSubclass(resultLine, resultLineProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
}

void MainWindow::showControls() {
    for (const HWND control : controls_) {
        if (control) {
            ShowWindow(control, SW_SHOWNA);
        }
    }
}

// The activation puts the focus into the first field.
void MainWindow::showAndActivate() {
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
}

void MainWindow::paintBackground(HDC dc) {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void MainWindow::paint() {
    PAINTSTRUCT paintStruct{};
    const HDC dc = BeginPaint(window_, &paintStruct);
    if (paintStruct.fErase) {
        paintBackground(dc);
    }
    EndPaint(window_, &paintStruct);
}

void MainWindow::rememberFocus() {
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) {
        focusToRestore_ = focus;
    }
}

void MainWindow::restoreFocus() {
    const bool remembered = focusToRestore_ && IsChild(window_, focusToRestore_);
    const HWND target = remembered ? focusToRestore_ : control(Control::编辑框1);
    if (target) {
        SetFocus(target);
    }
}

void MainWindow::onActivate(WPARAM state) {
    if (LOWORD(state) == WA_INACTIVE) {
        rememberFocus();
    } else {
        restoreFocus();
    }
}

void MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    const std::optional<Control> source = controlFromId(LOWORD(wParam));
    if (!source || reinterpret_cast<HWND>(lParam) != control(*source)) {
        return;
    }
    if (const ClickHandler handler = clickHandlerFor(*source)) {
        handler(*this);
    }
}

void MainWindow::onNcDestroy() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    controls_.fill(nullptr);
}

}  // namespace orvane
