// The handlers' view of the main window: controls by name, texts in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The main window's controls, by the names the whole program knows them by.
enum class Control {
    编辑框1,
    编辑框2,
    编辑框3,
    编辑框4,
    编辑框5,
    编辑框6,
    编辑框7,
    编辑框9,
    编辑框10,
    编辑框11,
    按钮1,
    按钮2,
    按钮3,
    按钮4,
    按钮5,
    按钮6,
    单选框1,
    单选框2,
    分组框1,
    分组框2,
    分组框3,
    分组框4,
    透明标签1,
    透明标签2,
    透明标签3,
    透明标签4,
    透明标签5,
    透明标签6,
    透明标签7,
    透明标签8,
    透明标签9,
    透明标签10,
};

class WindowView {
  public:
    virtual ~WindowView() = default;

    // The whole text of an edit field; empty when the field is empty.
    virtual std::string getText(Control control) const = 0;
    // Replaces the whole text of an edit field, the read-only result line included.
    virtual void setText(Control control, std::string_view text) = 0;
    // Whether a radio button is checked.
    virtual bool isChecked(Control control) const = 0;
};

}  // namespace orvane
