// Converts a picture into the form the program loads fastest: a header of
// width and height (two little-endian 32-bit numbers), then the pixels as
// premultiplied 32-bit ARGB, row by row. The hot spot text of a cursor
// picture follows the pixels as "x,y" when there is one.
//
//   raw_picture <picture.png> <picture.argb>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: raw_picture <picture.png> <picture.argb>\n");
        return 2;
    }
    const QImage picture = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        std::fprintf(stderr, "raw_picture: cannot read %s\n", argv[1]);
        return 1;
    }
    QByteArray out;
    const auto put32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    put32(static_cast<quint32>(picture.width()));
    put32(static_cast<quint32>(picture.height()));
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            put32(row[x]);
    }
    out.append(picture.text(QStringLiteral("HotSpot")).toLatin1());
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "raw_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
