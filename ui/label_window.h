// The program's own label: only its caption, drawn in grey straight onto whatever lies beneath
// it. A label takes no input; presses go through to what lies under it.
#pragma once

#include <windows.h>

namespace orvane {

inline constexpr wchar_t kLabelClassName[] = L"OrvaneLabel";

// Registers the label class once per process; true when it is registered.
bool registerLabelClass(HINSTANCE instance);

}  // namespace orvane
