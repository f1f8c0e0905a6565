// Window services for dialogs built from templates: control ids, the colour
// request a control makes when it paints, and notifications to the parent.
#pragma once

#include <QColor>
#include <cstdint>
#include <optional>

#include "platform/Brush.h"

class QWidget;

namespace tonik {

// Control ids, as the dialog builder records them on each widget.
void SetDlgCtrlID(QWidget* control, int id);
int GetDlgCtrlID(const QWidget* control);  // 0 for null or a widget without id
QWidget* GetDlgItem(const QWidget* dialog, int id);  // the first descendant with id, or null

// Colour values 0x00BBGGRR to and from Qt colours.
QColor ColorRefToQColor(uint32_t color);
uint32_t QColorToColorRef(const QColor& color);

// Kinds of colour request.
enum : unsigned {
    CTLCOLOR_MSGBOX = 0,
    CTLCOLOR_EDIT = 1,
    CTLCOLOR_LISTBOX = 2,
    CTLCOLOR_BTN = 3,
    CTLCOLOR_DLG = 4,
    CTLCOLOR_SCROLLBAR = 5,
    CTLCOLOR_STATIC = 6,
};

// What a colour handler sets on the control's drawing state.
struct ControlDC {
    bool transparent = false;
    std::optional<uint32_t> textColor;
    std::optional<uint32_t> bkColor;
    void SetBkModeTransparent() { transparent = true; }
    void SetTextColor(uint32_t color) { textColor = color & 0xFFFFFFu; }
    void SetBkColor(uint32_t color) { bkColor = color & 0xFFFFFFu; }
};

// A dialog that answers its controls' colour requests. A null brush means:
// paint as usual.
class CtlColorHandler {
public:
    virtual HBRUSH OnCtlColor(ControlDC& dc, QWidget* control, unsigned type) = 0;

protected:
    ~CtlColorHandler() = default;
};

struct CtlColorAnswer {
    HBRUSH brush = nullptr;
    ControlDC dc;
};

// Asked by a control at paint time: the nearest ancestor that handles colour
// requests answers; without one the answer is the default.
CtlColorAnswer RequestCtlColor(QWidget* control, unsigned type);

// A notification record sent to a control's parent.
constexpr int NM_RCLICK = -5;
struct NMHDR {
    QWidget* hwndFrom = nullptr;
    uintptr_t idFrom = 0;
    int code = 0;
};

class NotifyHandler {
public:
    virtual bool OnNotify(uintptr_t wParam, NMHDR* header, intptr_t* result) = 0;

protected:
    ~NotifyHandler() = default;
};

// Sends the notification to the nearest ancestor that handles notifications,
// synchronously; false when there is none.
bool SendNotify(QWidget* control, int code);

}  // namespace tonik
