#include "platform/qt/DisplayProbe.h"

#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace tonik {
namespace {

bool PlatformNamed(int argc, char** argv)
{
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform != nullptr && *platform != '\0')
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

}  // namespace

bool WaylandDisplayReachable()
{
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (name == nullptr || *name == '\0')
        return false;
    std::string path = name;
    if (path.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr || *runtime == '\0')
            return false;
        path = std::string(runtime) + '/' + path;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

namespace {

bool X11Reachable(const std::string& display)
{
    if (display.empty())
        return false;
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return connected;
}

}  // namespace

bool DisplayReachable(int argc, char** argv, const std::string& x11Display)
{
    return PlatformNamed(argc, argv) || WaylandDisplayReachable() || X11Reachable(x11Display);
}

}  // namespace tonik
