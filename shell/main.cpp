// The process: reset the floating-point unit, build the window, run the event loop, and end
// when the window is gone. The command line and the environment are not looked at.
#include <windows.h>

#include <float.h>

#include "ui/main_window.h"
#include "ui/message_loop.h"

namespace {

// Round to nearest with every exception masked, so that an overflow gives infinity instead
// of a fault, whatever state the process was started in.
void resetFloatingPoint() {
    _fpreset();
    _controlfp(_RC_NEAR | _MCW_EM, _MCW_RC | _MCW_EM);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    resetFloatingPoint();
    orvane::MainWindow window(instance);
    if (!window.handle()) {
        return 1;
    }
    return orvane::runMessageLoop(window);
}
