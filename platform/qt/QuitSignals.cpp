#include "platform/qt/QuitSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tonik {
namespace {

// The handler may only do what is safe in a signal: count, and write to a
// pipe, which the event loop reads. The pipe is never closed, so the handler
// never writes to a descriptor that has come to mean another file.
int signalPipe[2] = {-1, -1};
volatile sig_atomic_t signalCount = 0;

void Drain()
{
    char drained[16];
    while (read(signalPipe[0], drained, sizeof drained) > 0) {
    }
}

void OnSignal(int)
{
    const int saved = errno;
    signalCount = signalCount + 1;
    (void)!write(signalPipe[1], "q", 1);
    errno = saved;
}

bool TakeOverSignals()
{
    if (signalPipe[0] >= 0)
        return true;
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int quit : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction before {};
        if (sigaction(quit, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            sigaction(quit, &action, nullptr);
    }
    return true;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onQuit, QObject* parent) : QObject(parent), onQuit(std::move(onQuit))
{
    if (!TakeOverSignals())
        return;
    Drain();  // a signal before this object was no request to it
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        Drain();
        if (this->onQuit)
            this->onQuit();
    });
}

QuitSignals::~QuitSignals()
{
    delete notifier;
}

unsigned QuitSignalCount()
{
    return unsigned(signalCount);
}

}  // namespace tonik
