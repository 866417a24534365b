#include "recording_desktop.h"

#include "shell/desktop.h"

namespace orvane {

namespace testing {

DesktopCalls& desktopCalls() {
    static DesktopCalls calls;
    return calls;
}

}  // namespace testing

void startCalculator() {
    ++testing::desktopCalls().calculatorStarts;
}

void openWebPage() {
    ++testing::desktopCalls().webPageOpenings;
}

void deleteSettingsFile() {
    ++testing::desktopCalls().settingsDeletions;
}

}  // namespace orvane
