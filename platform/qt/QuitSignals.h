// The signals that end a program at the end of a desktop session (SIGTERM at
// logout, SIGHUP when its terminal goes, SIGINT for Ctrl+C), turned into a
// call on the event loop, so that Tonik ends as a user's Escape would.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tonik {

class QuitSignals : public QObject {
public:
    // Calls onQuit from the event loop for each of those signals while this
    // object lives. The first one takes the signals over for the rest of the
    // process, so that a signal during the save at the end is not fatal; a
    // signal that was ignored when Tonik started (nohup, a background job)
    // stays ignored.
    explicit QuitSignals(std::function<void()> onQuit, QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> onQuit;
    QSocketNotifier* notifier = nullptr;
};

// How many quit signals the process has had, for waits outside the event loop.
unsigned QuitSignalCount();

}  // namespace tonik
