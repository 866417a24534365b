#include "ui/handlers.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/ui/event_log.h"
#include "tests/ui/fake_view.h"

namespace orvane {
namespace {

using testing::eventLog;
using testing::FakeView;

using Texts = std::map<Control, std::string>;

// Which of the two sex radio buttons is checked.
enum class Sex { none, male, female };

struct HandlerCase {
    const char* message;
    std::function<void(WindowView&)> handler;
    Texts texts;
    Sex sex;
    // Every action and write, in order: the result line must come last and only once.
    std::vector<std::string> expectedEvents;
};

class HandlersTest : public ::testing::Test {
  protected:
    void SetUp() override { eventLog().clear(); }
};

TEST_F(HandlersTest, ClickHandlersActThenWriteTheResultLineOnce) {
    const std::vector<HandlerCase> cases = {
        {"macro energy, empty weight filled with 100 before the result",
         handleMacroEnergyClick,
         {{Control::编辑框1, "20"}, {Control::编辑框2, "10"}, {Control::编辑框3, "30"}},
         Sex::none,
         {"setText 编辑框4 100", "setText 编辑框5 当前热量约 280 千卡"}},
        {"macro energy, weight 100 already there: no fill, same energy",
         handleMacroEnergyClick,
         {{Control::编辑框1, "20"},
          {Control::编辑框2, "10"},
          {Control::编辑框3, "30"},
          {Control::编辑框4, "100"}},
         Sex::none,
         {"setText 编辑框5 当前热量约 280 千卡"}},
        {"macro energy, weight 150 scales the portion",
         handleMacroEnergyClick,
         {{Control::编辑框1, "20"},
          {Control::编辑框2, "10"},
          {Control::编辑框3, "30"},
          {Control::编辑框4, "150"}},
         Sex::none,
         {"setText 编辑框5 当前热量约 420 千卡"}},
        {"macro energy, a blank weight is not empty and reads as 0",
         handleMacroEnergyClick,
         {{Control::编辑框1, "20"}, {Control::编辑框4, " "}},
         Sex::none,
         {"setText 编辑框5 当前热量约 0 千卡"}},
        {"label energy, empty weight filled with 100",
         handleLabelEnergyClick,
         {{Control::编辑框6, "500"}},
         Sex::none,
         {"setText 编辑框7 100", "setText 编辑框5 当前热量约 119 千卡"}},
        {"label energy, weight 300",
         handleLabelEnergyClick,
         {{Control::编辑框6, "500"}, {Control::编辑框7, "300"}},
         Sex::none,
         {"setText 编辑框5 当前热量约 358 千卡"}},
        {"label energy reads its own fields, not the macro ones",
         handleLabelEnergyClick,
         {{Control::编辑框1, "20"},
          {Control::编辑框4, "300"},
          {Control::编辑框6, "100"},
          {Control::编辑框7, "210"}},
         Sex::none,
         {"setText 编辑框5 当前热量约 50 千卡"}},
        {"metabolism without a sex asks for one",
         handleMetabolismClick,
         {{Control::编辑框9, "70"}, {Control::编辑框10, "175"}, {Control::编辑框11, "30"}},
         Sex::none,
         {"setText 编辑框5 请勾选您的性别"}},
        {"metabolism, male",
         handleMetabolismClick,
         {{Control::编辑框9, "70.5"}, {Control::编辑框10, "175"}, {Control::编辑框11, "30"}},
         Sex::male,
         {"setText 编辑框5 基础代谢为 1702.85 千卡/天"}},
        {"metabolism, female",
         handleMetabolismClick,
         {{Control::编辑框9, "60"}, {Control::编辑框10, "165"}, {Control::编辑框11, "30"}},
         Sex::female,
         {"setText 编辑框5 基础代谢为 1387 千卡/天"}},
        {"metabolism, age missing",
         handleMetabolismClick,
         {{Control::编辑框9, "60"}, {Control::编辑框10, "165"}},
         Sex::male,
         {"setText 编辑框5 请完整填写需要的内容"}},
        {"calculator started before its line",
         handleCalculatorClick,
         {},
         Sex::none,
         {"startCalculator", "setText 编辑框5 打开计算器"}},
        {"browser opened before its line",
         handleBrowserClick,
         {},
         Sex::none,
         {"openWebPage", "setText 编辑框5 打开浏览器"}},
        {"settings file deleted before its line",
         handleClearSettingsClick,
         {},
         Sex::none,
         {"deleteSettingsFile", "setText 编辑框5 清空配置文件"}},
    };

    for (const HandlerCase& c : cases) {
        SCOPED_TRACE(c.message);
        eventLog().clear();
        FakeView view;
        view.texts = c.texts;
        view.checked = {{Control::单选框1, c.sex == Sex::male},
                        {Control::单选框2, c.sex == Sex::female}};

        c.handler(view);

        EXPECT_EQ(eventLog(), c.expectedEvents);
    }
}

TEST_F(HandlersTest, MetabolismWithoutSexReadsNoField) {
    FakeView view;
    view.texts = {{Control::编辑框9, "70"}, {Control::编辑框10, "175"}, {Control::编辑框11, "30"}};

    handleMetabolismClick(view);

    EXPECT_EQ(view.readFields, std::set<Control>{});
}

TEST_F(HandlersTest, SecondMacroClickAfterFillGivesTheSameLine) {
    FakeView view;
    view.texts = {{Control::编辑框1, "20"}, {Control::编辑框2, "10"}, {Control::编辑框3, "30"}};

    handleMacroEnergyClick(view);
    const std::string first = view.texts[Control::编辑框5];
    handleMacroEnergyClick(view);

    EXPECT_EQ(view.texts[Control::编辑框4], "100");
    EXPECT_EQ(view.texts[Control::编辑框5], first);
}

TEST_F(HandlersTest, TipHandlersWriteOneTipIntoTheResultLine) {
    const std::set<std::string> tips = {
        "4500大卡热量约等于1斤脂肪",
        "三分练 七分吃",
        "大部分肉类都是优质蛋白 反而更有利于减脂",
        "不要不吃碳水 不然头发掉光光",
        "制造热量缺口 得先知道自己的基础代谢",
    };
    const std::vector<std::pair<const char*, std::function<void(WindowView&)>>> handlers = {
        {"window created", handleWindowCreated},
        {"result line double-clicked", handleResultLineDoubleClick},
    };

    for (const auto& [message, handler] : handlers) {
        SCOPED_TRACE(message);
        eventLog().clear();
        FakeView view;
        view.texts[Control::编辑框5] = "基础代谢为 1696 千卡/天";

        handler(view);

        ASSERT_EQ(eventLog().size(), 1u);
        EXPECT_EQ(tips.count(view.texts[Control::编辑框5]), 1u) << view.texts[Control::编辑框5];
    }
}

TEST_F(HandlersTest, ResultLinePressIsRefusedAndChangesNothing) {
    FakeView view;
    view.texts[Control::编辑框5] = "三分练 七分吃";

    EXPECT_FALSE(handleResultLinePress(view));
    EXPECT_EQ(eventLog(), std::vector<std::string>{});
    EXPECT_EQ(view.texts[Control::编辑框5], "三分练 七分吃");
}

}  // namespace
}  // namespace orvane
