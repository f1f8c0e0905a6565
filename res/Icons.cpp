#include "res/Icons.h"

#include <QPixmap>

#include "res/ResourceIds.h"

namespace tonik {

QIcon LoadIconResource(int id)
{
    QIcon icon;
    if (id == IDR_MAINFRAME) {
        for (int size : {16, 32, 48})
            icon.addFile(QStringLiteral(":/tonik/icons/tonik-%1.png").arg(size), QSize(size, size));
    } else if (id == IDI_DROPPER) {
        // 64 pixels: the 32-pixel icon on a screen scaled by 2.
        for (int size : {16, 32, 64})
            icon.addFile(QStringLiteral(":/tonik/icons/dropper-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QCursor LoadDropperCursor(qreal devicePixelRatio)
{
    // On a scaled screen the cursor drawn at twice the size, so that it stays
    // crisp; its hot spot stays (16, 15) in the screen's logical pixels.
    const bool doubled = devicePixelRatio > 1.0;
    QPixmap image(doubled ? QStringLiteral(":/tonik/icons/dropper-cursor-64.png")
                          : QStringLiteral(":/tonik/icons/dropper-cursor.png"));
    if (image.isNull())
        return QCursor();
    image.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    return QCursor(image, 16, 15);
}

}  // namespace tonik
