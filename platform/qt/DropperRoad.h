// Which road the dropper takes to a pixel of the screen. On an X server it
// reads the root window; in a Wayland session, where no client may read the
// screen, it asks the desktop portal, whose own picker takes the click.
#pragma once

#include <QByteArray>
#include <QString>

namespace tonik {

enum class DropperRoad { X11Grab, Portal };

// The one place that decides: Qt's platform "wayland" (or a variant of it)
// takes the portal; otherwise XDG_SESSION_TYPE decides when it says
// "wayland" (the portal, also through Xwayland) or "x11"; when it says
// neither, a WAYLAND_DISPLAY means the portal. Everything else the X11 road.
DropperRoad DropperRoadFor(const QString& qtPlatform, const QByteArray& sessionType,
                           const QByteArray& waylandDisplay);

// The road of this process, from Qt's platform and the environment.
DropperRoad CurrentDropperRoad();

}  // namespace tonik
