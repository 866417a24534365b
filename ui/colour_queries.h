// Every control decides its own colours. A parent passes each colour query (WM_CTLCOLOREDIT,
// WM_CTLCOLORSTATIC, WM_CTLCOLORBTN) back to the control it concerns; a control that answers
// sets its text and background colours and gives a solid brush of its background colour.
#pragma once

#include <windows.h>

namespace orvane {

struct ControlColours {
    COLORREF text;
    COLORREF background;
};

bool isColourQuery(UINT message);

// For a parent: the control's own answer to the query, or 0 when it gives none and the
// platform's colours apply.
LRESULT passColourQueryBack(UINT message, WPARAM dc, LPARAM control);

// The control answers every query passed back to it with these colours; it owns its brush.
void answerColourQueries(HWND control, ControlColours colours);

// The brush the control paints its background with: what its parent answers to the query the
// control sends, or the platform's when the parent gives none.
HBRUSH queryBackgroundBrush(HWND control, UINT query, HDC dc);

}  // namespace orvane
