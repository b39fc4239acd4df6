#include "window/view/Artwork.h"

#include <QImage>

namespace window::view {

QPixmap logoPicture()
{
    return QPixmap(QStringLiteral(":/tablewise/logo.png"));
}

QCursor handCursor()
{
    const QImage image(QStringLiteral(":/tablewise/hand.png"));
    // The hot spot travels with the picture, as "x,y" in its text.
    const QStringList spot = image.text(QStringLiteral("HotSpot")).split(u',');
    const int x = spot.size() == 2 ? spot[0].toInt() : 0;
    const int y = spot.size() == 2 ? spot[1].toInt() : 0;
    return QCursor(QPixmap::fromImage(image), x, y);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/tablewise/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace window::view
