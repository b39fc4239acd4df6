#include "platform/draw/FontConvert.h"

#include <QBuffer>
#include <QPixmap>

namespace platform::draw {

QFont toQFont(const FontDesc& font)
{
    QFont qfont(QString::fromStdString(font.name));
    if (font.size > 0)
        qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikethrough);
    return qfont;
}

FontDesc toFontDesc(const QFont& font)
{
    FontDesc desc;
    desc.name = font.family().toStdString();
    desc.size = font.pointSizeF() > 0 ? font.pointSizeF() : 0;
    desc.bold = font.bold();
    desc.italic = font.italic();
    desc.underline = font.underline();
    desc.strikethrough = font.strikeOut();
    return desc;
}

QImage toQImage(const Picture& picture)
{
    if (picture.empty())
        return {};
    QImage image;
    image.loadFromData(picture.data.data(), static_cast<int>(picture.data.size()), picture.format.c_str());
    return image;
}

Picture toPicture(const QImage& image, int hotX, int hotY)
{
    Picture picture;
    if (image.isNull())
        return picture;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    picture.format = "png";
    picture.hotX = hotX;
    picture.hotY = hotY;
    picture.data.assign(bytes.begin(), bytes.end());
    return picture;
}

QCursor toQCursor(const Picture& picture)
{
    const QImage image = toQImage(picture);
    if (image.isNull())
        return QCursor();
    return QCursor(QPixmap::fromImage(image), picture.hotX, picture.hotY);
}

Picture toPicture(const QCursor& cursor)
{
    if (cursor.shape() != Qt::BitmapCursor || cursor.pixmap().isNull())
        return {};
    const QPoint hot = cursor.hotSpot();
    return toPicture(cursor.pixmap().toImage(), hot.x(), hot.y());
}

} // namespace platform::draw
