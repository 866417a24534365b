// The program's own window classes: registered on first use, once per process, since a second
// window of the same class (tests open many) must not fail on an existing class.
#pragma once

#include <windows.h>

namespace orvane {

// Registers the class unless its module already has one of that name; true when it is
// registered either way.
bool registerClassOnce(const WNDCLASSEXW& windowClass);

}  // namespace orvane
