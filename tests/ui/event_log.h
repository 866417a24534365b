// One ordered record of what a handler did, shared by the fake view and the recording
// desktop, so that tests can check the order of actions and writes.
#pragma once

#include <string>
#include <vector>

namespace orvane::testing {

std::vector<std::string>& eventLog();

}  // namespace orvane::testing
