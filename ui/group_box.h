// A group box is the parent window of the controls inside it. The platform's group box keeps
// its children's notifications and colour queries to itself and leaves its inside unpainted;
// as a container it passes notifications on to its own parent, passes colour queries back to
// the child they concern, and fills its inside with its background colour.
#pragma once

#include <windows.h>

namespace orvane {

void makeContainer(HWND groupBox);

}  // namespace orvane
