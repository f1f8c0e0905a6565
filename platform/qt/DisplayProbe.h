// Whether any window system is there to open a window on, asked before Qt is:
// Qt aborts when its platform cannot connect.
#pragma once

#include <string>

namespace tonik {

// True when Qt's platform is named (-platform or QT_QPA_PLATFORM), which then
// decides, or when the X display named (as DisplayName gives it) or the
// Wayland display ($WAYLAND_DISPLAY, in $XDG_RUNTIME_DIR unless a path)
// accepts a connection.
bool DisplayReachable(int argc, char** argv, const std::string& x11Display);

// Whether the Wayland display ($WAYLAND_DISPLAY) accepts a connection.
bool WaylandDisplayReachable();

}  // namespace tonik
