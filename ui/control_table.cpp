#include "ui/control_table.h"

namespace orvane {

namespace {

using K = ControlKind;
using C = Control;

constexpr int kFirstControlId = 1000;

static_assert(static_cast<std::size_t>(Control::透明标签10) + 1 == kControlCount,
              "one row and one identifier per control");

}  // namespace

const std::array<ControlSpec, kControlCount> kControlTable = {{
    {C::分组框2, K::GroupBox, std::nullopt, 16, 16, 192, 240, "各项参数计算"},
    {C::透明标签3, K::Label, C::分组框2, 16, 32, 48, 24, "蛋 白:"},
    {C::编辑框1, K::NumericField, C::分组框2, 88, 32, 88, 24, ""},
    {C::透明标签2, K::Label, C::分组框2, 16, 72, 48, 24, "脂 肪:"},
    {C::编辑框2, K::NumericField, C::分组框2, 88, 72, 88, 24, ""},
    {C::透明标签1, K::Label, C::分组框2, 16, 112, 48, 24, "碳 水:"},
    {C::编辑框3, K::NumericField, C::分组框2, 88, 112, 88, 24, ""},
    {C::透明标签6, K::Label, C::分组框2, 16, 152, 64, 24, "重量(k):"},
    {C::编辑框4, K::NumericField, C::分组框2, 88, 152, 88, 24, ""},
    {C::按钮1, K::PushButton, C::分组框2, 16, 192, 160, 26, "计算热量"},

    {C::分组框3, K::GroupBox, std::nullopt, 224, 16, 192, 240, "能量计算"},
    {C::透明标签4, K::Label, C::分组框3, 16, 32, 48, 24, "能 量:"},
    {C::编辑框6, K::NumericField, C::分组框3, 88, 32, 88, 24, ""},
    {C::透明标签5, K::Label, C::分组框3, 16, 72, 64, 24, "重量(k):"},
    {C::编辑框7, K::NumericField, C::分组框3, 88, 72, 88, 24, ""},
    {C::按钮2, K::PushButton, C::分组框3, 16, 192, 160, 26, "计算热量"},

    {C::分组框1, K::GroupBox, std::nullopt, 432, 16, 224, 240, "基础代谢计算"},
    {C::透明标签7, K::Label, C::分组框1, 16, 32, 48, 24, "性 别:"},
    {C::单选框1, K::RadioButton, C::分组框1, 120, 32, 40, 24, "男"},
    {C::单选框2, K::RadioButton, C::分组框1, 168, 32, 40, 24, "女"},
    {C::透明标签8, K::Label, C::分组框1, 16, 72, 80, 24, "体 重(kg):"},
    {C::编辑框9, K::NumericField, C::分组框1, 120, 72, 88, 24, ""},
    {C::透明标签9, K::Label, C::分组框1, 16, 112, 80, 24, "身 高(cm):"},
    {C::编辑框10, K::NumericField, C::分组框1, 120, 112, 88, 24, ""},
    {C::透明标签10, K::Label, C::分组框1, 16, 152, 104, 24, "年 龄(周岁):"},
    {C::编辑框11, K::NumericField, C::分组框1, 120, 152, 88, 24, ""},
    {C::按钮3, K::PushButton, C::分组框1, 16, 192, 192, 26, "计算基础代谢"},

    {C::分组框4, K::GroupBox, std::nullopt, 16, 264, 640, 72, "实用工具"},
    {C::按钮4, K::PushButton, C::分组框4, 16, 28, 160, 26, "打开计算器"},
    {C::按钮5, K::PushButton, C::分组框4, 224, 28, 160, 26, "打开浏览器"},
    {C::按钮6, K::PushButton, C::分组框4, 432, 28, 192, 26, "清空软件配置"},

    {C::编辑框5, K::ResultLine, std::nullopt, 16, 344, 640, 32, ""},
}};

int controlId(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

std::optional<Control> controlFromId(int id) {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(kControlCount)) {
        return std::nullopt;
    }
    return static_cast<Control>(index);
}

}  // namespace orvane
