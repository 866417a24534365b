#include "ui/keyboard_rules.h"

#include <optional>

#include "ui/control_table.h"
#include "ui/focus_order.h"
#include "ui/main_window.h"

namespace orvane {

namespace {

// Posted by the platform when F1 goes down, before the loop sees the key; answered by a help
// request (WM_HELP) unless it is taken here.
constexpr UINT kF1Pressed = 0x004D;

bool belongsTo(HWND window, HWND target) {
    return target && (target == window || IsChild(window, target));
}

std::optional<Control> controlOf(const MainWindow& window, HWND handle) {
    const std::optional<Control> control = controlFromId(GetDlgCtrlID(handle));
    if (control && window.control(*control) == handle) {
        return control;
    }
    return std::nullopt;
}

Availability canTakeFocus(const MainWindow& window) {
    return [&window](Control control) {
        const HWND handle = window.control(control);
        return handle && IsWindowVisible(handle) && IsWindowEnabled(handle);
    };
}

// The focus is moved by the keyboard from now on, so the controls show where it is.
void showFocusCues(const MainWindow& window) {
    SendMessageW(window.handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void moveFocus(const MainWindow& window, HWND from, Direction direction) {
    if (const std::optional<Control> to =
            nextInFocusOrder(controlOf(window, from), direction, canTakeFocus(window))) {
        showFocusCues(window);
        SetFocus(window.control(*to));
    }
}

// Checks the radio button moved to and unchecks the rest of its group, raises its click as
// the button itself would, and gives it the focus.
bool moveInRadioGroup(const MainWindow& window, HWND from, Direction direction) {
    const std::optional<Control> radio = controlOf(window, from);
    const std::optional<Control> to =
        radio ? nextInRadioGroup(*radio, direction, canTakeFocus(window)) : std::nullopt;
    if (!to) {
        return false;
    }
    const HWND target = window.control(*to);
    SendMessageW(target, BM_SETCHECK, BST_CHECKED, 0);
    for (const Control other : kFocusOrder) {
        if (other != *to && inSameRadioGroup(*to, other)) {
            SendMessageW(window.control(other), BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    SendMessageW(GetParent(target), WM_COMMAND, MAKEWPARAM(controlId(*to), BN_CLICKED),
                 reinterpret_cast<LPARAM>(target));
    showFocusCues(window);
    SetFocus(target);
    return true;
}

bool shiftHeld() {
    return GetKeyState(VK_SHIFT) < 0;
}

bool applyKeyDown(const MainWindow& window, const MSG& message) {
    switch (message.wParam) {
        case VK_TAB:
            moveFocus(window, message.hwnd, shiftHeld() ? Direction::Backward : Direction::Forward);
            return true;
        case VK_RIGHT:
        case VK_DOWN:
            return moveInRadioGroup(window, message.hwnd, Direction::Forward);
        case VK_LEFT:
        case VK_UP:
            return moveInRadioGroup(window, message.hwnd, Direction::Backward);
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_F1:
            return true;
    }
    return false;
}

}  // namespace

bool applyKeyboardRules(const MainWindow& window, const MSG& message) {
    if (!belongsTo(window.handle(), message.hwnd)) {
        return false;
    }
    switch (message.message) {
        case WM_KEYDOWN:
            return applyKeyDown(window, message);
        case kF1Pressed:
            return true;
    }
    return false;
}

}  // namespace orvane
