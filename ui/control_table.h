// What the main window is made of: every control with its kind, parent, place, size and text.
// The window is built from this table alone, so a control's look lives in one row.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "ui/window_view.h"

namespace orvane {

// Every control of a kind looks and behaves the same; only place, size and text differ.
enum class ControlKind {
    GroupBox,
    Label,
    NumericField,
    ResultLine,
    PushButton,
    RadioButton,
};

struct ControlSpec {
    Control name;
    ControlKind kind;
    // The group box the control lives in; none for a control placed on the window itself.
    std::optional<Control> parent;
    // Relative to the parent's top-left corner (the window's client area for the window).
    int x;
    int y;
    int width;
    int height;
    std::string_view text;
};

inline constexpr std::size_t kControlCount = 32;

// In creation order: each group box comes before the controls inside it.
extern const std::array<ControlSpec, kControlCount> kControlTable;

inline std::size_t controlIndex(Control control) {
    return static_cast<std::size_t>(control);
}

// The identifiers the window system tells controls apart by in notifications.
int controlId(Control control);
std::optional<Control> controlFromId(int id);

}  // namespace orvane
