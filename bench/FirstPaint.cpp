// Starts a program on the X server of DISPLAY and prints the milliseconds from
// its start to its first painted window, and its resident memory in kB one
// second later. A window counts as painted when the pixel at its centre is no
// longer the empty screen's black.
// Usage: tonik_firstpaint PROGRAM [ARGS...]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

long ResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

bool Painted(xcb_connection_t* c, xcb_window_t root, int x, int y)
{
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, int16_t(x), int16_t(y), 1, 1, ~0u), nullptr);
    if (reply == nullptr)
        return false;
    const uint8_t* data = xcb_get_image_data(reply);
    const bool painted = xcb_get_image_data_length(reply) >= 3 && (data[0] | data[1] | data[2]) != 0;
    std::free(reply);
    return painted;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tonik_firstpaint PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    // The first top-level window the program maps (override-redirect
    // helpers such as tooltips are skipped).
    int x = -1, y = -1;
    while (x < 0) {
        xcb_generic_event_t* event = xcb_wait_for_event(c);
        if (event == nullptr)
            return 1;
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, map->window), nullptr);
            if (g != nullptr && !map->override_redirect && g->width > 50) {
                x = g->x + g->width / 2;
                y = g->y + g->height / 2;
            }
            std::free(g);
        }
        std::free(event);
    }
    while (!Painted(c, screen->root, x, y))
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = ResidentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld\n", ms, rss);
    xcb_disconnect(c);
    return 0;
}
