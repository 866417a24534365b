#include "ui/focus_order.h"

#include <cstddef>
#include <vector>

#include "ui/control_table.h"

namespace orvane {

namespace {

const ControlSpec& specOf(Control control) {
    for (const ControlSpec& spec : kControlTable) {
        if (spec.name == control) {
            return spec;
        }
    }
    return kControlTable.front();
}

bool isRadioButton(Control control) {
    return specOf(control).kind == ControlKind::RadioButton;
}

std::optional<std::size_t> positionIn(const std::vector<Control>& order, Control control) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == control) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<Control> step(const std::vector<Control>& order, std::optional<Control> from,
                            Direction direction, const Availability& available) {
    const std::size_t count = order.size();
    const bool forward = direction == Direction::Forward;
    const std::optional<std::size_t> at = from ? positionIn(order, *from) : std::nullopt;
    for (std::size_t k = 0; k < count; ++k) {
        std::size_t index = 0;
        if (at) {
            // The control itself comes last, when every other one is passed over.
            index = forward ? (*at + 1 + k) % count : (*at + count - 1 - k) % count;
        } else {
            index = forward ? k : count - 1 - k;
        }
        if (available(order[index])) {
            return order[index];
        }
    }
    return std::nullopt;
}

std::vector<Control> radioGroupOf(Control radio) {
    std::vector<Control> group;
    for (const Control control : kFocusOrder) {
        if (inSameRadioGroup(radio, control)) {
            group.push_back(control);
        }
    }
    return group;
}

}  // namespace

std::optional<Control> nextInFocusOrder(std::optional<Control> from, Direction direction,
                                        const Availability& available) {
    return step({kFocusOrder.begin(), kFocusOrder.end()}, from, direction, available);
}

std::optional<Control> nextInRadioGroup(Control from, Direction direction,
                                        const Availability& available) {
    if (!isRadioButton(from)) {
        return std::nullopt;
    }
    return step(radioGroupOf(from), from, direction, available);
}

bool inSameRadioGroup(Control radio, Control other) {
    return isRadioButton(radio) && isRadioButton(other) &&
           specOf(radio).parent == specOf(other).parent;
}

}  // namespace orvane
