#include "ui/click_bindings.h"

#include <array>

#include "ui/handlers.h"

namespace orvane {

namespace {

struct ClickBinding {
    Control button;
    ClickHandler handler;
};

constexpr std::array<ClickBinding, 6> kClickBindings = {{
    {Control::按钮1, handleMacroEnergyClick},
    {Control::按钮2, handleLabelEnergyClick},
    {Control::按钮3, handleMetabolismClick},
    {Control::按钮4, handleCalculatorClick},
    {Control::按钮5, handleBrowserClick},
    {Control::按钮6, handleClearSettingsClick},
}};

}  // namespace

ClickHandler clickHandlerFor(Control control) {
    for (const ClickBinding& binding : kClickBindings) {
        if (binding.button == control) {
            return binding.handler;
        }
    }
    return nullptr;
}

}  // namespace orvane
