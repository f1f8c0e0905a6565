// One pixel of the screen, on any monitor.
#pragma once

#include <QPoint>
#include <QPointF>

class QWidget;
#include <cstdint>

namespace tonik {

// The device pixel under the pointer, in device pixels of the whole virtual
// desktop (on X11 the root window's coordinates), whose position an event
// gave in Qt's global (logical) coordinates. On X11 the pointer's device
// position is asked for, so that every device pixel of a scaled screen can
// be reached.
struct DevicePoint {
    int x = 0;
    int y = 0;
};
DevicePoint ToDevicePixel(const QPointF& globalPosition);

// The colour 0x00BBGGRR of the device pixel (x, y) of the virtual desktop,
// on whichever monitor holds it; -1 off every monitor or when the pixel
// cannot be read.
int32_t ReadScreenPixel(int x, int y);

// The colour of the pixel at point of the widget's own rendering (where no
// program may read the screen); -1 outside the widget.
int32_t ReadWidgetPixel(QWidget* widget, QPoint point);

}  // namespace tonik
