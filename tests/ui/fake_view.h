// A window without a window: field texts and radio states in maps, every write recorded in
// the shared event log and every read remembered.
#pragma once

#include <map>
#include <set>
#include <string>

#include "ui/window_view.h"

namespace orvane::testing {

class FakeView : public WindowView {
  public:
    std::map<Control, std::string> texts;
    std::map<Control, bool> checked;
    mutable std::set<Control> readFields;

    std::string getText(Control control) const override;
    void setText(Control control, std::string_view text) override;
    bool isChecked(Control control) const override;
};

// The name a test writes for a control, e.g. "编辑框5".
std::string controlName(Control control);

}  // namespace orvane::testing
