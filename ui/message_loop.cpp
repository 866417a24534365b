#include "ui/message_loop.h"

namespace orvane {

void deliverMessage(MainWindow& window, MSG& message) {
    if (window.preTranslateMessage(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop(MainWindow& window) {
    MSG message{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        deliverMessage(window, message);
    }
    // GetMessageW gives -1 when it fails; that ends the loop too, as a failure.
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace orvane
