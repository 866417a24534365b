// The real main window, built in the test process as the program builds it, and torn down
// again without leaving the quit message it posts behind for the next test.
#pragma once

#include <windows.h>

#include <string>

#include "ui/main_window.h"

namespace orvane::testing {

class OpenWindow {
  public:
    OpenWindow();
    ~OpenWindow();
    OpenWindow(const OpenWindow&) = delete;
    OpenWindow& operator=(const OpenWindow&) = delete;

    MainWindow& view() { return window_; }
    HWND handle() const { return window_.handle(); }
    HWND control(Control control) const { return window_.control(control); }

    // Delivers every pending message along the program's own path.
    void pumpMessages();

  private:
    MainWindow window_;
};

std::wstring windowText(HWND window);
std::wstring className(HWND window);

// The five tips, as the result line must show them.
bool isTip(const std::wstring& text);

}  // namespace orvane::testing
