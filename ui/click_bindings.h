// Which handler a push button's click runs. The window raises these after the click; no other
// control's click has a handler.
#pragma once

#include "ui/window_view.h"

namespace orvane {

using ClickHandler = void (*)(WindowView& view);

// The handler bound to the control's click, or null when its click takes the default course.
ClickHandler clickHandlerFor(Control control);

}  // namespace orvane
