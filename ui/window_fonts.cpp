#include "ui/window_fonts.h"

#include <string_view>

#include "ui/utf16.h"

namespace orvane {

namespace {

// Sizes are character heights in pixels, so the requested height is negative.
HFONT makeFont(std::string_view face, int characterHeight, int weight) {
    return CreateFontW(-characterHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH,
                       toUtf16(face).c_str());
}

}  // namespace

WindowFonts::WindowFonts()
    // An empty face lets the font mapper choose the labels' face.
    : label_(makeFont("", 16, FW_NORMAL)),
      resultLine_(makeFont("楷体", 19, FW_BOLD)),
      pushButton_(makeFont("新宋体", 14, FW_NORMAL)) {}

WindowFonts::~WindowFonts() {
    DeleteObject(label_);
    DeleteObject(resultLine_);
    DeleteObject(pushButton_);
}

HFONT WindowFonts::forKind(ControlKind kind) const {
    switch (kind) {
        case ControlKind::Label:
            return label_;
        case ControlKind::ResultLine:
            return resultLine_;
        case ControlKind::PushButton:
            return pushButton_;
        case ControlKind::GroupBox:
        case ControlKind::NumericField:
        case ControlKind::RadioButton:
            break;
    }
    return defaultGuiFont();
}

HFONT WindowFonts::defaultGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace orvane
