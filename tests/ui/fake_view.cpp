#include "tests/ui/fake_view.h"

#include "tests/ui/event_log.h"

namespace orvane::testing {

std::string FakeView::getText(Control control) const {
    readFields.insert(control);
    const auto found = texts.find(control);
    return found == texts.end() ? std::string() : found->second;
}

void FakeView::setText(Control control, std::string_view text) {
    texts[control] = std::string(text);
    eventLog().push_back("setText " + controlName(control) + " " + std::string(text));
}

bool FakeView::isChecked(Control control) const {
    const auto found = checked.find(control);
    return found != checked.end() && found->second;
}

std::string controlName(Control control) {
    switch (control) {
        case Control::编辑框1:
            return "编辑框1";
        case Control::编辑框2:
            return "编辑框2";
        case Control::编辑框3:
            return "编辑框3";
        case Control::编辑框4:
            return "编辑框4";
        case Control::编辑框5:
            return "编辑框5";
        case Control::编辑框6:
            return "编辑框6";
        case Control::编辑框7:
            return "编辑框7";
        case Control::编辑框9:
            return "编辑框9";
        case Control::编辑框10:
            return "编辑框10";
        case Control::编辑框11:
            return "编辑框11";
        default:
            return "control " + std::to_string(static_cast<int>(control));
    }
}

}  // namespace orvane::testing
