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
    // Calls onQuit from the event loop for each of those signals until this
    // object goes, which puts back the handlers that were there before.
    explicit QuitSignals(std::function<void()> onQuit, QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> onQuit;
    QSocketNotifier* notifier = nullptr;
};

}  // namespace tonik
