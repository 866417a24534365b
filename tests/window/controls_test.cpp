// Every control of the main window: class, parent, place, size, styles, text, font, colours.
// The expectations are written out here, not taken from the program's own table.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "canvas.h"
#include "open_window.h"
#include "ui/utf16.h"

namespace orvane::testing {
namespace {

enum class Kind { GroupBox, Label, NumericField, ResultLine, PushButton, RadioButton };

struct ControlRow {
    const char* name;
    Control control;
    Kind kind;
    std::optional<Control> parent;  // none: the window itself
    int x, y, width, height;        // relative to the parent
    int windowX, windowY;           // in the window's client area
    const wchar_t* text;
};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(96, 96, 96);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct FontExpectation {
    bool defaultGuiFont;
    const wchar_t* face;
    int characterHeight;
    int weight;
};

struct ColourExpectation {
    UINT query;  // 0: the control answers no colour query
    bool platformColours;
    COLORREF text;
    COLORREF background;
};

struct KindRow {
    Kind kind;
    const wchar_t* className;  // null: the program's own label class
    LONG style;
    LONG exStyle;
    FontExpectation font;
    ColourExpectation colours;
};

constexpr LONG kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

const KindRow kKinds[] = {
    {Kind::GroupBox,
     L"Button",
     kChild | BS_GROUPBOX | BS_CENTER,
     0,
     {true, nullptr, 0, 0},
     {WM_CTLCOLORSTATIC, false, kBlack, kWhite}},
    {Kind::Label,
     nullptr,
     kChild | WS_DISABLED,
     WS_EX_TRANSPARENT,
     {false, L"", 16, 400},
     {0, false, 0, 0}},
    {Kind::NumericField,
     L"Edit",
     kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE,
     {true, nullptr, 0, 0},
     {WM_CTLCOLOREDIT, false, kBlack, kWhite}},
    // The edit control keeps WS_BORDER to itself and never shows it in its style; the thin
    // frame round the field is checked with the text area.
    {Kind::ResultLine,
     L"Edit",
     kChild | ES_CENTER | ES_READONLY | ES_AUTOHSCROLL,
     0,
     {false, L"楷体", 19, 700},
     {WM_CTLCOLORSTATIC, false, kGrey, kWhite}},
    {Kind::PushButton,
     L"Button",
     kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
     0,
     {false, L"新宋体", 14, 400},
     {WM_CTLCOLORBTN, true, 0, 0}},
    {Kind::RadioButton,
     L"Button",
     kChild | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE,
     0,
     {true, nullptr, 0, 0},
     {WM_CTLCOLORSTATIC, false, kBlack, kWhite}},
};

using C = Control;
using K = Kind;

const ControlRow kControls[] = {
    {"分组框2", C::分组框2, K::GroupBox, std::nullopt, 16, 16, 192, 240, 16, 16, L"各项参数计算"},
    {"透明标签3", C::透明标签3, K::Label, C::分组框2, 16, 32, 48, 24, 32, 48, L"蛋 白:"},
    {"编辑框1", C::编辑框1, K::NumericField, C::分组框2, 88, 32, 88, 24, 104, 48, L""},
    {"透明标签2", C::透明标签2, K::Label, C::分组框2, 16, 72, 48, 24, 32, 88, L"脂 肪:"},
    {"编辑框2", C::编辑框2, K::NumericField, C::分组框2, 88, 72, 88, 24, 104, 88, L""},
    {"透明标签1", C::透明标签1, K::Label, C::分组框2, 16, 112, 48, 24, 32, 128, L"碳 水:"},
    {"编辑框3", C::编辑框3, K::NumericField, C::分组框2, 88, 112, 88, 24, 104, 128, L""},
    {"透明标签6", C::透明标签6, K::Label, C::分组框2, 16, 152, 64, 24, 32, 168, L"重量(k):"},
    {"编辑框4", C::编辑框4, K::NumericField, C::分组框2, 88, 152, 88, 24, 104, 168, L""},
    {"按钮1", C::按钮1, K::PushButton, C::分组框2, 16, 192, 160, 26, 32, 208, L"计算热量"},
    {"分组框3", C::分组框3, K::GroupBox, std::nullopt, 224, 16, 192, 240, 224, 16, L"能量计算"},
    {"透明标签4", C::透明标签4, K::Label, C::分组框3, 16, 32, 48, 24, 240, 48, L"能 量:"},
    {"编辑框6", C::编辑框6, K::NumericField, C::分组框3, 88, 32, 88, 24, 312, 48, L""},
    {"透明标签5", C::透明标签5, K::Label, C::分组框3, 16, 72, 64, 24, 240, 88, L"重量(k):"},
    {"编辑框7", C::编辑框7, K::NumericField, C::分组框3, 88, 72, 88, 24, 312, 88, L""},
    {"按钮2", C::按钮2, K::PushButton, C::分组框3, 16, 192, 160, 26, 240, 208, L"计算热量"},
    {"分组框1", C::分组框1, K::GroupBox, std::nullopt, 432, 16, 224, 240, 432, 16, L"基础代谢计算"},
    {"透明标签7", C::透明标签7, K::Label, C::分组框1, 16, 32, 48, 24, 448, 48, L"性 别:"},
    {"单选框1", C::单选框1, K::RadioButton, C::分组框1, 120, 32, 40, 24, 552, 48, L"男"},
    {"单选框2", C::单选框2, K::RadioButton, C::分组框1, 168, 32, 40, 24, 600, 48, L"女"},
    {"透明标签8", C::透明标签8, K::Label, C::分组框1, 16, 72, 80, 24, 448, 88, L"体 重(kg):"},
    {"编辑框9", C::编辑框9, K::NumericField, C::分组框1, 120, 72, 88, 24, 552, 88, L""},
    {"透明标签9", C::透明标签9, K::Label, C::分组框1, 16, 112, 80, 24, 448, 128, L"身 高(cm):"},
    {"编辑框10", C::编辑框10, K::NumericField, C::分组框1, 120, 112, 88, 24, 552, 128, L""},
    {"透明标签10", C::透明标签10, K::Label, C::分组框1, 16, 152, 104, 24, 448, 168,
     L"年 龄(周岁):"},
    {"编辑框11", C::编辑框11, K::NumericField, C::分组框1, 120, 152, 88, 24, 552, 168, L""},
    {"按钮3", C::按钮3, K::PushButton, C::分组框1, 16, 192, 192, 26, 448, 208, L"计算基础代谢"},
    {"分组框4", C::分组框4, K::GroupBox, std::nullopt, 16, 264, 640, 72, 16, 264, L"实用工具"},
    {"按钮4", C::按钮4, K::PushButton, C::分组框4, 16, 28, 160, 26, 32, 292, L"打开计算器"},
    {"按钮5", C::按钮5, K::PushButton, C::分组框4, 224, 28, 160, 26, 240, 292, L"打开浏览器"},
    {"按钮6", C::按钮6, K::PushButton, C::分组框4, 432, 28, 192, 26, 448, 292, L"清空软件配置"},
    {"编辑框5", C::编辑框5, K::ResultLine, std::nullopt, 16, 344, 640, 32, 16, 344, L""},
};

const KindRow& kindRow(Kind kind) {
    for (const KindRow& row : kKinds) {
        if (row.kind == kind) {
            return row;
        }
    }
    return kKinds[0];
}

// The window rectangle of a control in the client coordinates of another window.
RECT placeIn(HWND control, HWND reference) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool sameClassName(const std::wstring& actual, const wchar_t* expected) {
    return CompareStringOrdinal(actual.c_str(), -1, expected, -1, TRUE) == CSTR_EQUAL;
}

class EveryControl : public ::testing::Test {
  protected:
    OpenWindow open;

    HWND parentOf(const ControlRow& row) const {
        return row.parent ? open.control(*row.parent) : open.handle();
    }
};

struct Descendants {
    int count = 0;
    int visible = 0;
};

BOOL CALLBACK countDescendant(HWND child, LPARAM data) {
    auto* descendants = reinterpret_cast<Descendants*>(data);
    ++descendants->count;
    descendants->visible += IsWindowVisible(child) ? 1 : 0;
    return TRUE;
}

TEST_F(EveryControl, ThereAreExactly32AndAllAreVisible) {
    Descendants descendants;
    EnumChildWindows(open.handle(), countDescendant, reinterpret_cast<LPARAM>(&descendants));
    EXPECT_EQ(descendants.count, 32);
    EXPECT_EQ(descendants.visible, 32);
}

TEST_F(EveryControl, HasItsParentPlaceAndSize) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        const HWND control = open.control(row.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), parentOf(row));
        const RECT inParent = placeIn(control, parentOf(row));
        EXPECT_EQ(inParent.left, row.x);
        EXPECT_EQ(inParent.top, row.y);
        EXPECT_EQ(inParent.right - inParent.left, row.width);
        EXPECT_EQ(inParent.bottom - inParent.top, row.height);
        const RECT inWindow = placeIn(control, open.handle());
        EXPECT_EQ(inWindow.left, row.windowX);
        EXPECT_EQ(inWindow.top, row.windowY);
    }
}

TEST_F(EveryControl, HasItsKindsClassAndStyles) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        const HWND control = open.control(row.control);
        ASSERT_NE(control, nullptr);
        const KindRow& kind = kindRow(row.kind);
        if (kind.className) {
            EXPECT_TRUE(sameClassName(className(control), kind.className))
                << toUtf8(className(control));
        } else {
            const std::wstring name = className(control);
            EXPECT_FALSE(sameClassName(name, L"Button") || sameClassName(name, L"Edit") ||
                         sameClassName(name, L"Static"))
                << toUtf8(name);
            EXPECT_EQ(GetClassLongPtrW(control, GCL_STYLE), CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
            EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(control, GCLP_HCURSOR)),
                      LoadCursorW(nullptr, IDC_ARROW));
            EXPECT_EQ(GetClassLongPtrW(control, GCLP_HBRBACKGROUND), 0u);
        }
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE), kind.style) << std::hex;
        EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE), kind.exStyle) << std::hex;
    }
}

TEST_F(EveryControl, HasItsText) {
    open.view().setText(Control::编辑框5, "");
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(windowText(open.control(row.control)), row.text);
    }
}

TEST_F(EveryControl, HasItsKindsFont) {
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        const FontExpectation& expected = kindRow(row.kind).font;
        const auto font =
            reinterpret_cast<HFONT>(SendMessageW(open.control(row.control), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        if (expected.defaultGuiFont) {
            EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT));
            continue;
        }
        LOGFONTW made{};
        ASSERT_EQ(GetObjectW(font, sizeof made, &made), static_cast<int>(sizeof made));
        EXPECT_STREQ(made.lfFaceName, expected.face);
        EXPECT_EQ(made.lfHeight, -expected.characterHeight);
        EXPECT_EQ(made.lfWidth, 0);
        EXPECT_EQ(made.lfWeight, expected.weight);
        EXPECT_FALSE(made.lfItalic || made.lfUnderline || made.lfStrikeOut);
        EXPECT_EQ(made.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(made.lfOutPrecision, OUT_DEFAULT_PRECIS);
        EXPECT_EQ(made.lfClipPrecision, CLIP_DEFAULT_PRECIS);
        EXPECT_EQ(made.lfQuality, PROOF_QUALITY);
        EXPECT_EQ(made.lfPitchAndFamily, DEFAULT_PITCH);

        // The font mapper chooses the face for an empty name and may put another face in for
        // a named one that is not installed, still reporting the name asked for; it may also
        // take the nearest size the face has. What the user sees is the real font: within a
        // pixel of the height asked for, and bold exactly where bold was asked for.
        const HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICW real{};
        GetTextMetricsW(dc, &real);
        SelectObject(dc, previous);
        EXPECT_NEAR(real.tmHeight - real.tmInternalLeading, expected.characterHeight, 1);
        EXPECT_EQ(real.tmWeight >= FW_SEMIBOLD, expected.weight >= FW_SEMIBOLD) << real.tmWeight;
    }
    DeleteDC(dc);
}

TEST_F(EveryControl, AnswersItsColourQueryThroughItsParent) {
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        const ColourExpectation& expected = kindRow(row.kind).colours;
        if (expected.query == 0) {
            continue;
        }
        const HWND control = open.control(row.control);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkColor(dc, RGB(4, 5, 6));
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(control), expected.query, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control)));
        ASSERT_NE(brush, nullptr);
        LOGBRUSH brushColour{};
        ASSERT_NE(GetObjectW(brush, sizeof brushColour, &brushColour), 0);
        EXPECT_EQ(brushColour.lbStyle, static_cast<UINT>(BS_SOLID));
        if (expected.platformColours) {
            EXPECT_EQ(brush, GetSysColorBrush(COLOR_BTNFACE));
            EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
            continue;
        }
        EXPECT_EQ(GetTextColor(dc), expected.text);
        EXPECT_EQ(GetBkColor(dc), expected.background);
        EXPECT_EQ(brushColour.lbColor, expected.background);
    }
    DeleteDC(dc);
}

// A label has no colour query: it draws its caption in grey straight onto what lies beneath,
// leaving everything else as it was.
TEST_F(EveryControl, LabelsDrawOnlyTheirCaptionInGrey) {
    for (const ControlRow& row : kControls) {
        if (row.kind != Kind::Label) {
            continue;
        }
        SCOPED_TRACE(row.name);
        const HWND label = open.control(row.control);
        const Canvas canvas(row.width, row.height, kWhite);

        SendMessageW(label, WM_PRINTCLIENT, canvas.dcParam(), PRF_CLIENT);

        int grey = 0;
        int other = 0;
        for (int y = 0; y < row.height; ++y) {
            for (int x = 0; x < row.width; ++x) {
                const COLORREF pixel = canvas.pixel(x, y);
                if (pixel == kGrey) {
                    ++grey;
                } else if (GetRValue(pixel) != GetGValue(pixel) ||
                           GetGValue(pixel) != GetBValue(pixel) || GetRValue(pixel) < 96) {
                    ++other;  // neither the caption's grey, a blend of it, nor the white beneath
                }
            }
        }
        EXPECT_GT(grey, 0);
        EXPECT_EQ(other, 0);
    }
}

// The window clips its children, so nothing but the group box itself paints its inside.
TEST_F(EveryControl, GroupBoxesFillTheirInsideWhite) {
    for (const ControlRow& row : kControls) {
        if (row.kind != Kind::GroupBox) {
            continue;
        }
        SCOPED_TRACE(row.name);
        const Canvas canvas(row.width, row.height, kBlack);

        SendMessageW(open.control(row.control), WM_ERASEBKGND, canvas.dcParam(), 0);

        for (const POINT point : {POINT{0, 0}, POINT{row.width - 1, row.height - 1},
                                  POINT{row.width / 2, row.height / 2}}) {
            EXPECT_EQ(canvas.pixel(point.x, point.y), kWhite) << point.x << "," << point.y;
        }
    }
}

bool regionCovers(HRGN region, const RECT& area) {
    for (const POINT point :
         {POINT{area.left, area.top}, POINT{area.right - 1, area.top},
          POINT{area.left, area.bottom - 1}, POINT{area.right - 1, area.bottom - 1},
          POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2}}) {
        if (!PtInRegion(region, point.x, point.y)) {
            return false;
        }
    }
    return true;
}

// A label draws no background, so the group box under it must be drawn again wherever its
// caption was and is, or the old caption would stay on screen.
TEST_F(EveryControl, WhatLiesUnderALabelIsRepaintedWhenItsCaptionChangesOrItMoves) {
    const HWND label = open.control(Control::透明标签3);
    const HWND groupBox = open.control(Control::分组框2);
    const RECT before{16, 32, 16 + 48, 32 + 24};
    const RECT moved{24, 36, 24 + 48, 36 + 24};
    const struct {
        const char* name;
        void (*change)(HWND label);
        RECT newPlace;
    } rows[] = {
        {"caption", [](HWND l) { SetWindowTextW(l, L"蛋白质:"); }, before},
        {"place",
         [](HWND l) {
             SetWindowPos(l, nullptr, 24, 36, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
         },
         moved},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetWindowPos(label, nullptr, before.left, before.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(open.handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        open.pumpMessages();
        RECT pending{};
        ASSERT_FALSE(GetUpdateRect(groupBox, &pending, FALSE));

        row.change(label);

        const HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(groupBox, region, FALSE);
        EXPECT_TRUE(regionCovers(region, before));
        EXPECT_TRUE(regionCovers(region, row.newPlace));
        DeleteObject(region);
    }
}

}  // namespace
}  // namespace orvane::testing
