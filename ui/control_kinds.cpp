#include "ui/control_kinds.h"

#include <commctrl.h>

#include <optional>

#include "ui/colour_queries.h"
#include "ui/edit_text_area.h"
#include "ui/group_box.h"
#include "ui/label_window.h"
#include "ui/numeric_filter.h"
#include "ui/utf16.h"

namespace orvane {

namespace {

struct KindWindow {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Controls are created hidden; the window shows them all at once when every one exists.
KindWindow kindWindow(ControlKind kind) {
    constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    switch (kind) {
        case ControlKind::GroupBox:
            return {WC_BUTTONW, child | BS_GROUPBOX | BS_CENTER, 0};
        case ControlKind::Label:
            return {kLabelClassName, child | WS_DISABLED, WS_EX_TRANSPARENT};
        case ControlKind::NumericField:
            return {WC_EDITW, child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ResultLine:
            // Its thin frame is drawn with the centred text area (EditFrame::ThinLine): given
            // WS_BORDER, the edit control would draw that line round the text area only.
            return {WC_EDITW, child | ES_CENTER | ES_READONLY | ES_AUTOHSCROLL, 0};
        case ControlKind::PushButton:
            return {WC_BUTTONW,
                    child | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
        case ControlKind::RadioButton:
            return {WC_BUTTONW,
                    child | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE,
                    0};
    }
    return {WC_STATICW, child, 0};
}

// Push buttons keep the platform's colours; labels draw their own.
std::optional<ControlColours> kindColours(ControlKind kind) {
    constexpr COLORREF black = RGB(0, 0, 0);
    constexpr COLORREF grey = RGB(96, 96, 96);
    constexpr COLORREF white = RGB(255, 255, 255);
    switch (kind) {
        case ControlKind::GroupBox:
        case ControlKind::NumericField:
        case ControlKind::RadioButton:
            return ControlColours{black, white};
        case ControlKind::ResultLine:
            return ControlColours{grey, white};
        case ControlKind::Label:
        case ControlKind::PushButton:
            break;
    }
    return std::nullopt;
}

bool isEditField(ControlKind kind) {
    return kind == ControlKind::NumericField || kind == ControlKind::ResultLine;
}

void addKindBehaviour(ControlKind kind, HWND control) {
    if (const std::optional<ControlColours> colours = kindColours(kind)) {
        answerColourQueries(control, *colours);
    }
    if (kind == ControlKind::GroupBox) {
        makeContainer(control);
    }
    if (kind == ControlKind::NumericField) {
        centreTextArea(control, EditFrame::PlatformEdge);
        filterTypedCharacters(control);
    }
    if (kind == ControlKind::ResultLine) {
        centreTextArea(control, EditFrame::ThinLine);
    }
}

}  // namespace

HWND createControl(const ControlSpec& spec, HWND parent, HINSTANCE instance, HFONT font) {
    const KindWindow window = kindWindow(spec.kind);
    const HWND control = CreateWindowExW(
        window.exStyle, window.className, toUtf16(spec.text).c_str(), window.style, spec.x, spec.y,
        spec.width, spec.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(spec.name))), instance, nullptr);
    if (!control) {
        return nullptr;
    }
    addKindBehaviour(spec.kind, control);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (isEditField(spec.kind)) {
        ensureOneLineHeight(control);
    }
    return control;
}

}  // namespace orvane
