#include "window/view/Artwork.h"

#include <QImage>
#include <QResource>
#include <cstring>

namespace window::view {

namespace {

quint32 get32(QByteArrayView data, qsizetype at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<quint32>(static_cast<unsigned char>(data[at + i])) << (8 * i);
    return v;
}

// A picture stored raw by the build (see art/raw_picture): no decoder to
// find and run while the window starts. `trailer` gets what follows the
// pixels.
QImage rawPicture(const QString& name, QByteArray* trailer = nullptr)
{
    // The program stores them uncompressed: read in place.
    const QResource resource(QStringLiteral(":/tablewise/") + name);
    QByteArray unpacked;
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        unpacked = resource.uncompressedData();
    const QByteArrayView data = unpacked.isNull()
        ? QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size())
        : QByteArrayView(unpacked);
    if (data.size() < 8)
        return {};
    const int width = static_cast<int>(get32(data, 0));
    const int height = static_cast<int>(get32(data, 4));
    const qsizetype pixels = qsizetype(width) * height * 4;
    if (width <= 0 || height <= 0 || data.size() < 8 + pixels)
        return {};
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), data.constData() + 8 + qsizetype(y) * width * 4, std::size_t(width) * 4);
    if (trailer)
        *trailer = data.sliced(8 + pixels).toByteArray();
    return image;
}

} // namespace

QPixmap logoPicture()
{
    return QPixmap::fromImage(rawPicture(QStringLiteral("logo.argb")));
}

QCursor handCursor()
{
    QByteArray hotSpot;
    const QImage image = rawPicture(QStringLiteral("hand.argb"), &hotSpot);
    const QList<QByteArray> spot = hotSpot.split(',');
    const int x = spot.size() == 2 ? spot[0].toInt() : 0;
    const int y = spot.size() == 2 ? spot[1].toInt() : 0;
    return QCursor(QPixmap::fromImage(image), x, y);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : kProgramIconSizes)
        icon.addPixmap(QPixmap::fromImage(rawPicture(QStringLiteral("icon-%1.argb").arg(size))));
    return icon;
}

QPixmap scaledTo(const QPixmap& picture, QSize size)
{
    if (picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace window::view
