// The program's one top-level window with its 32 controls, and the real view the handlers
// read and write it through.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "ui/control_table.h"
#include "ui/window_fonts.h"
#include "ui/window_view.h"

namespace orvane {

class MainWindow final : public WindowView {
  public:
    // Runs the whole creation sequence: on return the window is on screen and active, its tip
    // is in the result line and the focus is in the first field. The instance is the module
    // that holds the icon. handle() is null when the platform refused the window.
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Null once the window has been destroyed.
    HWND handle() const { return window_; }
    HWND control(Control control) const { return controls_[controlIndex(control)]; }

    // The window's own keyboard rules, applied to each message before it is translated and
    // dispatched; true when the message has been dealt with and must go no further.
    bool preTranslateMessage(MSG& message);

    std::string getText(Control control) const override;
    void setText(Control control, std::string_view text) override;
    bool isChecked(Control control) const override;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK resultLineProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR self);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleResultLineMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    void createHidden(HINSTANCE instance);
    void keepOuterSize();
    void setIcons(HINSTANCE instance);
    void createControls(HINSTANCE instance);
    void bindResultLine();
    void showControls();
    void showAndActivate();

    void paintBackground(HDC dc);
    void paint();
    void restoreFocus();
    void rememberFocus();
    void onActivate(WPARAM state);
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onNcDestroy();

    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    WindowFonts fonts_;
    HFONT font_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HWND focusToRestore_ = nullptr;
};

}  // namespace orvane
