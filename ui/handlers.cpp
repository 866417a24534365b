#include "ui/handlers.h"

#include "core/food_energy.h"
#include "core/metabolism.h"
#include "core/tips.h"
#include "shell/desktop.h"

namespace orvane {

namespace {

void showResult(WindowView& view, std::string_view line) {
    view.setText(Control::编辑框5, line);
}

// The weight field is filled before the result is shown, so the user sees which weight the
// energy is for.
void showFoodEnergy(WindowView& view, Control weightField, const FoodEnergyOutcome& outcome) {
    if (outcome.weightReplacement) {
        view.setText(weightField, *outcome.weightReplacement);
    }
    showResult(view, outcome.resultLine);
}

}  // namespace

void handleWindowCreated(WindowView& view) {
    showResult(view, pickTip());
}

void handleMacroEnergyClick(WindowView& view) {
    const std::string protein = view.getText(Control::编辑框1);
    const std::string fat = view.getText(Control::编辑框2);
    const std::string carbohydrate = view.getText(Control::编辑框3);
    const std::string weight = view.getText(Control::编辑框4);
    showFoodEnergy(view, Control::编辑框4, macroEnergy(protein, fat, carbohydrate, weight));
}

void handleLabelEnergyClick(WindowView& view) {
    const std::string energy = view.getText(Control::编辑框6);
    const std::string weight = view.getText(Control::编辑框7);
    showFoodEnergy(view, Control::编辑框7, labelEnergy(energy, weight));
}

void handleMetabolismClick(WindowView& view) {
    const bool male = view.isChecked(Control::单选框1);
    const bool female = view.isChecked(Control::单选框2);
    // Without a sex there is nothing to compute, so the fields are not even read.
    if (!male && !female) {
        showResult(view, basalMetabolism(false, false, {}, {}, {}));
        return;
    }
    const std::string weight = view.getText(Control::编辑框9);
    const std::string height = view.getText(Control::编辑框10);
    const std::string age = view.getText(Control::编辑框11);
    showResult(view, basalMetabolism(male, female, weight, height, age));
}

// The utilities report nothing, so each line is written whatever the outcome.
void handleCalculatorClick(WindowView& view) {
    startCalculator();
    showResult(view, "打开计算器");
}

void handleBrowserClick(WindowView& view) {
    openWebPage();
    showResult(view, "打开浏览器");
}

void handleClearSettingsClick(WindowView& view) {
    deleteSettingsFile();
    showResult(view, "清空配置文件");
}

void handleResultLineDoubleClick(WindowView& view) {
    showResult(view, pickTip());
}

bool handleResultLinePress(WindowView&) {
    return false;
}

}  // namespace orvane
