#include "ui/window_class.h"

namespace orvane {

bool registerClassOnce(const WNDCLASSEXW& windowClass) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) {
        return true;
    }
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace orvane
