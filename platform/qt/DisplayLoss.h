// When the connection to the window system breaks (the X server or the
// Wayland compositor went away), Qt's platform plugin ends the process from
// wherever it found the break: a warning, then exit, _exit or qFatal. That
// warning is the last moment Tonik runs; DisplayLossWatch turns it into one
// call, so that the colours can still be saved.
#pragma once

#include <QString>
#include <functional>

namespace tonik {

class DisplayLossWatch {
public:
    // While this object lives, onLoss runs (on the thread that found the
    // break, in place of Qt's warning) when Qt says the connection broke.
    // reconnects is true when Qt will connect again instead of ending (Qt
    // 6.6 and later with QT_WAYLAND_RECONNECT set, and a compositor
    // listening on the display's socket again): onLoss should then return.
    // Otherwise Qt ends the process as soon as onLoss returns.
    explicit DisplayLossWatch(std::function<void(bool reconnects)> onLoss);
    ~DisplayLossWatch();
    DisplayLossWatch(const DisplayLossWatch&) = delete;
    DisplayLossWatch& operator=(const DisplayLossWatch&) = delete;
};

// Whether a message of Qt's says that the window system's connection broke.
bool SaysDisplayLost(const QString& message);

}  // namespace tonik
