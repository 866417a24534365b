#include "control_names.h"

namespace orvane::testing {

namespace {

struct Named {
    const char* name;
    Control control;
};

const Named kNames[] = {
    {"编辑框1", Control::编辑框1},     {"编辑框2", Control::编辑框2},
    {"编辑框3", Control::编辑框3},     {"编辑框4", Control::编辑框4},
    {"编辑框5", Control::编辑框5},     {"编辑框6", Control::编辑框6},
    {"编辑框7", Control::编辑框7},     {"编辑框9", Control::编辑框9},
    {"编辑框10", Control::编辑框10},   {"编辑框11", Control::编辑框11},
    {"按钮1", Control::按钮1},         {"按钮2", Control::按钮2},
    {"按钮3", Control::按钮3},         {"按钮4", Control::按钮4},
    {"按钮5", Control::按钮5},         {"按钮6", Control::按钮6},
    {"单选框1", Control::单选框1},     {"单选框2", Control::单选框2},
    {"分组框1", Control::分组框1},     {"分组框2", Control::分组框2},
    {"分组框3", Control::分组框3},     {"分组框4", Control::分组框4},
    {"透明标签1", Control::透明标签1}, {"透明标签2", Control::透明标签2},
    {"透明标签3", Control::透明标签3}, {"透明标签4", Control::透明标签4},
    {"透明标签5", Control::透明标签5}, {"透明标签6", Control::透明标签6},
    {"透明标签7", Control::透明标签7}, {"透明标签8", Control::透明标签8},
    {"透明标签9", Control::透明标签9}, {"透明标签10", Control::透明标签10},
};

}  // namespace

std::string nameOf(const OpenWindow& open, HWND window) {
    if (!window) {
        return "none";
    }
    if (window == open.handle()) {
        return "the window";
    }
    for (const Named& named : kNames) {
        if (open.control(named.control) == window) {
            return named.name;
        }
    }
    return "other";
}

std::string focusName(const OpenWindow& open) {
    return nameOf(open, GetFocus());
}

}  // namespace orvane::testing
