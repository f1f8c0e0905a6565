#include "platform/qt/DropperRoad.h"

#include <QGuiApplication>

namespace tonik {

DropperRoad DropperRoadFor(const QString& qtPlatform, const QByteArray& sessionType,
                           const QByteArray& waylandDisplay)
{
    if (qtPlatform.startsWith(QLatin1String("wayland")))
        return DropperRoad::Portal;
    if (sessionType == "wayland" || !waylandDisplay.isEmpty())
        return DropperRoad::Portal;
    return DropperRoad::X11Grab;
}

DropperRoad CurrentDropperRoad()
{
    return DropperRoadFor(QGuiApplication::platformName(), qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"));
}

}  // namespace tonik
