// One handler per window event the program reacts to. Each reads what it needs through the
// view, acts, and writes the result line last and exactly once.
#pragma once

#include "ui/window_view.h"

namespace orvane {

void handleWindowCreated(WindowView& view);
void handleMacroEnergyClick(WindowView& view);
void handleLabelEnergyClick(WindowView& view);
void handleMetabolismClick(WindowView& view);
void handleCalculatorClick(WindowView& view);
void handleBrowserClick(WindowView& view);
void handleClearSettingsClick(WindowView& view);
void handleResultLineDoubleClick(WindowView& view);

// A left or right press on the result line. The answer tells the window whether the field
// may see the press; false keeps caret, selection and focus out of the read-only line.
bool handleResultLinePress(WindowView& view);

}  // namespace orvane
