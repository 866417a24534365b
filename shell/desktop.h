// The three actions that reach outside the window. None reports back: the caller writes its
// fixed line whatever happened.
#pragma once

namespace orvane {

void startCalculator();
void openWebPage();
void deleteSettingsFile();

}  // namespace orvane
