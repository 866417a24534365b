// A group box is the parent window of the controls inside it. The platform's group box keeps
// its children's notifications and colour queries to itself and leaves its inside unpainted;
// as a container it passes notifications on to its own parent, passes colour queries back to
// the child they concern, and fills its inside with its background colour. A left press on it
// moves the window, as a press on the window's background does.
#pragma once

#include <windows.h>

namespace orvane {

void makeContainer(HWND groupBox);

}  // namespace orvane
