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
        for (int size : {16, 32})
            icon.addFile(QStringLiteral(":/tonik/icons/dropper-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QCursor LoadDropperCursor()
{
    const QPixmap image(QStringLiteral(":/tonik/icons/dropper-cursor.png"));
    if (image.isNull())
        return QCursor();
    return QCursor(image, 16, 15);
}

}  // namespace tonik
