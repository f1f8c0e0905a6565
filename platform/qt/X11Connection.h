// Qt's own connection to the X server, for the few requests Qt has no API for.
#pragma once

struct xcb_connection_t;

namespace tonik {

// The connection of the running QGuiApplication; null when Qt's platform is
// not xcb (Wayland, offscreen) or no application runs.
xcb_connection_t* X11Connection();

}  // namespace tonik
