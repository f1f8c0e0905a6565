#include "platform/qt/QuitSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tonik {
namespace {

constexpr std::array<int, 3> QUIT_SIGNALS{SIGTERM, SIGHUP, SIGINT};

// The handler may only do what is safe in a signal: write to a pipe, which
// the event loop reads.
int signalPipe[2] = {-1, -1};
struct sigaction previous[QUIT_SIGNALS.size()];

void OnSignal(int)
{
    const int saved = errno;
    (void)!write(signalPipe[1], "q", 1);
    errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onQuit, QObject* parent) : QObject(parent), onQuit(std::move(onQuit))
{
    if (signalPipe[0] >= 0 || pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char drained[16];
        while (read(signalPipe[0], drained, sizeof drained) > 0) {
        }
        if (this->onQuit)
            this->onQuit();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < QUIT_SIGNALS.size(); ++i)
        sigaction(QUIT_SIGNALS[i], &action, &previous[i]);
}

QuitSignals::~QuitSignals()
{
    if (notifier == nullptr)
        return;
    for (size_t i = 0; i < QUIT_SIGNALS.size(); ++i)
        sigaction(QUIT_SIGNALS[i], &previous[i], nullptr);
    delete notifier;
    close(signalPipe[0]);
    close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

}  // namespace tonik
