// One pixel of the primary screen.
#pragma once

#include <QPointF>
#include <cstdint>

namespace tonik {

// The device pixel of the primary screen under the pointer, whose position
// an event gave in Qt's global (logical) coordinates. On X11 the pointer's
// device position is asked for, so that every device pixel of a scaled screen
// can be reached.
struct DevicePoint {
    int x = 0;
    int y = 0;
};
DevicePoint ToPrimaryDevicePixel(const QPointF& globalPosition);

// The colour 0x00BBGGRR of the device pixel (x, y) of the primary screen,
// counted from its top-left corner; -1 off the screen or when the pixel cannot
// be read.
int32_t ReadScreenPixel(int x, int y);

}  // namespace tonik
