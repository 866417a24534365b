// The one-line text area of the edit fields: exactly one line of the field's font high and
// centred inside the border, the strips above and below belonging to the frame.
#include <gtest/gtest.h>
#include <windows.h>

#include "open_window.h"

namespace orvane::testing {
namespace {

struct FieldRow {
    const char* name;
    Control field;
    int borderMetric;  // the system metric of the field's border height
};

const FieldRow kFields[] = {
    {"编辑框1", Control::编辑框1, SM_CYEDGE},   {"编辑框2", Control::编辑框2, SM_CYEDGE},
    {"编辑框3", Control::编辑框3, SM_CYEDGE},   {"编辑框4", Control::编辑框4, SM_CYEDGE},
    {"编辑框6", Control::编辑框6, SM_CYEDGE},   {"编辑框7", Control::编辑框7, SM_CYEDGE},
    {"编辑框9", Control::编辑框9, SM_CYEDGE},   {"编辑框10", Control::编辑框10, SM_CYEDGE},
    {"编辑框11", Control::编辑框11, SM_CYEDGE}, {"编辑框5", Control::编辑框5, SM_CYBORDER},
};

int heightOfW(HWND field) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, L"W", 1, &size);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return size.cy;
}

// Where a field's frame and text area lie on the screen.
struct FieldGeometry {
    RECT outer{};
    RECT client{};
    POINT clientTop{0, 0};
};

FieldGeometry geometryOf(HWND field) {
    FieldGeometry geometry;
    GetWindowRect(field, &geometry.outer);
    GetClientRect(field, &geometry.client);
    ClientToScreen(field, &geometry.clientTop);
    return geometry;
}

TEST(EditTextArea, IsOneLineOfTheFontHighAndCentredInsideTheBorder) {
    OpenWindow open;
    for (const FieldRow& row : kFields) {
        SCOPED_TRACE(row.name);
        const HWND field = open.control(row.field);
        const auto [outer, client, clientTop] = geometryOf(field);

        const int border = GetSystemMetrics(row.borderMetric);
        const int inside = (outer.bottom - outer.top) - 2 * border;
        const int line = heightOfW(field);
        ASSERT_LT(line, inside);
        EXPECT_EQ(client.bottom, line);
        EXPECT_EQ(clientTop.y - outer.top - border, (inside - line) / 2);
    }
}

TEST(EditTextArea, APressAboveOrBelowTheLineIsAPressOnTheFrame) {
    OpenWindow open;
    for (const FieldRow& row : kFields) {
        SCOPED_TRACE(row.name);
        const HWND field = open.control(row.field);
        const auto [outer, client, clientTop] = geometryOf(field);
        const int x = (outer.left + outer.right) / 2;
        const int border = GetSystemMetrics(row.borderMetric);

        const auto hitAt = [field, x](int y) {
            return SendMessageW(field, WM_NCHITTEST, 0, MAKELPARAM(x, y));
        };
        EXPECT_EQ(hitAt(outer.top + border), HTBORDER);
        EXPECT_EQ(hitAt(clientTop.y + client.bottom), HTBORDER);
        EXPECT_EQ(hitAt(clientTop.y + client.bottom / 2), HTCLIENT);
    }
}

}  // namespace
}  // namespace orvane::testing
