// The order the keyboard focus follows with Tab and Shift+Tab, and the radio groups the arrow
// keys move within. It is not the visual order: the controls live inside group boxes, and the
// fields of one calculation come before the next calculation's.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "ui/window_view.h"

namespace orvane {

inline constexpr std::array<Control, 17> kFocusOrder = {
    Control::编辑框1, Control::编辑框6, Control::编辑框9, Control::编辑框10, Control::编辑框11,
    Control::单选框1, Control::单选框2, Control::编辑框2, Control::编辑框3,  Control::编辑框4,
    Control::编辑框7, Control::按钮1,   Control::按钮2,   Control::按钮3,    Control::按钮5,
    Control::按钮4,   Control::按钮6,
};

enum class Direction { Forward, Backward };

// Whether a control can take the focus at this moment (visible and enabled).
using Availability = std::function<bool(Control)>;

// The control the focus moves to from `from` along the focus order, wrapping at the ends and
// passing over what is not available. From a control outside the order, Forward starts at the
// first control and Backward at the last. None when no control of the order is available.
std::optional<Control> nextInFocusOrder(std::optional<Control> from, Direction direction,
                                        const Availability& available);

// The radio button the arrow keys move to from the radio button `from`: the next available one
// of its group (the radio buttons of the same group box) in focus order, wrapping. None when
// `from` is no radio button.
std::optional<Control> nextInRadioGroup(Control from, Direction direction,
                                        const Availability& available);

// Whether both are radio buttons of one group.
bool inSameRadioGroup(Control radio, Control other);

}  // namespace orvane
