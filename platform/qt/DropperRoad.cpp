#include "platform/qt/DropperRoad.h"

#include <QGuiApplication>

namespace tonik {

DropperRoad DropperRoadFor(const QString& qtPlatform, const QByteArray& sessionType,
                           const QByteArray& waylandDisplay)
{
    if (qtPlatform.startsWith(QLatin1String("wayland")))
        return DropperRoad::Portal;
    // The session's own word counts; a WAYLAND_DISPLAY left over from a
    // nested compositor does not make an X11 session a Wayland one.
    if (sessionType == "wayland")
        return DropperRoad::Portal;
    if (sessionType == "x11")
        return DropperRoad::X11Grab;
    return waylandDisplay.isEmpty() ? DropperRoad::X11Grab : DropperRoad::Portal;
}

DropperRoad CurrentDropperRoad()
{
    return DropperRoadFor(QGuiApplication::platformName(), qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"));
}

}  // namespace tonik
