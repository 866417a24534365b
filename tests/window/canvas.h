// A bitmap in memory to let a window paint into, so that its colours can be read back
// without depending on what else is on the screen.
#pragma once

#include <windows.h>

namespace orvane::testing {

class Canvas {
  public:
    Canvas(int width, int height, COLORREF background);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    WPARAM dcParam() const { return reinterpret_cast<WPARAM>(dc_); }
    COLORREF pixel(int x, int y) const { return GetPixel(dc_, x, y); }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

}  // namespace orvane::testing
