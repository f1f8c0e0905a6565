#include "platform/qt/DisplayLoss.h"

#include <QtGlobal>
#include <memory>
#include <mutex>

#include "platform/qt/DisplayProbe.h"

namespace tonik {
namespace {

std::mutex watchMutex;
std::unique_ptr<std::function<void(bool)>> activeLoss;
QtMessageHandler previousHandler = nullptr;

bool QtReconnects(const QString& message)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    return message.startsWith(QLatin1String("The Wayland connection broke")) &&
           qEnvironmentVariableIsSet("QT_WAYLAND_RECONNECT") && WaylandDisplayReachable();
#else
    Q_UNUSED(message);
    return false;
#endif
}

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (SaysDisplayLost(message)) {
        // One at a time: Qt may find the break on two threads at once.
        const std::lock_guard lock(watchMutex);
        if (activeLoss) {
            (*activeLoss)(QtReconnects(message));
            return;
        }
    }
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
}

}  // namespace

bool SaysDisplayLost(const QString& message)
{
    return message.startsWith(QLatin1String("The X11 connection broke")) ||
           message.startsWith(QLatin1String("The Wayland connection broke")) ||
           message.startsWith(QLatin1String("The Wayland connection experienced a fatal error"));
}

DisplayLossWatch::DisplayLossWatch(std::function<void(bool reconnects)> onLoss)
{
    const std::lock_guard lock(watchMutex);
    activeLoss = std::make_unique<std::function<void(bool)>>(std::move(onLoss));
    previousHandler = qInstallMessageHandler(OnQtMessage);
}

DisplayLossWatch::~DisplayLossWatch()
{
    qInstallMessageHandler(previousHandler);
    const std::lock_guard lock(watchMutex);
    activeLoss.reset();
}

}  // namespace tonik
