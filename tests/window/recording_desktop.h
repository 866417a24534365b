// Stands in for the desktop utilities in the window tests: a test must never start a program
// or open a browser, only see that the window asked for it.
#pragma once

namespace orvane::testing {

struct DesktopCalls {
    int calculatorStarts = 0;
    int webPageOpenings = 0;
    int settingsDeletions = 0;
};

DesktopCalls& desktopCalls();

}  // namespace orvane::testing
