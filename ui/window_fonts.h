// The fonts of the main window and its controls, one per kind that has its own; the others
// use the platform's default GUI font. Made once per window and freed with it.
#pragma once

#include <windows.h>

#include "ui/control_table.h"

namespace orvane {

class WindowFonts {
  public:
    WindowFonts();
    ~WindowFonts();
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;

    HFONT forKind(ControlKind kind) const;
    static HFONT defaultGuiFont();

  private:
    HFONT label_;
    HFONT resultLine_;
    HFONT pushButton_;
};

}  // namespace orvane
