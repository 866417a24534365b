// Stands in for the Windows desktop utilities: the handlers link against these instead, so
// tests see each call and no calculator or browser is started.
#include "shell/desktop.h"
#include "tests/ui/event_log.h"

namespace orvane {

void startCalculator() {
    testing::eventLog().push_back("startCalculator");
}

void openWebPage() {
    testing::eventLog().push_back("openWebPage");
}

void deleteSettingsFile() {
    testing::eventLog().push_back("deleteSettingsFile");
}

namespace testing {

std::vector<std::string>& eventLog() {
    static std::vector<std::string> log;
    return log;
}

}  // namespace testing
}  // namespace orvane
