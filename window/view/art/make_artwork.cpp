// Draws the program's pictures into a folder: the logo (221 x 200), the hand
// pointer (32 x 32, two colours, its hot spot stored in the picture's text as
// "HotSpot") and the program icon at 16, 32, 48, 64, 128 and 256 pixels and
// as a scalable picture (SVG) drawn with the same shapes.
//
//   make_artwork <folder>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <string_view>

namespace {

const QColor kGreen(5, 124, 19);
const QColor kCardRed(196, 30, 44);
const QColor kInk(24, 24, 28);
const QColor kGold(236, 196, 84);

// A spade of height h, its centre at the origin.
QPainterPath spade(double h)
{
    const double w = h * 0.86;
    QPainterPath p;
    p.moveTo(0, -h * 0.50);
    p.cubicTo(w * 0.18, -h * 0.26, w * 0.52, -h * 0.14, w * 0.50, h * 0.10);
    p.cubicTo(w * 0.48, h * 0.30, w * 0.22, h * 0.34, w * 0.06, h * 0.18);
    p.cubicTo(w * 0.08, h * 0.32, w * 0.16, h * 0.44, w * 0.26, h * 0.50);
    p.lineTo(-w * 0.26, h * 0.50);
    p.cubicTo(-w * 0.16, h * 0.44, -w * 0.08, h * 0.32, -w * 0.06, h * 0.18);
    p.cubicTo(-w * 0.22, h * 0.34, -w * 0.48, h * 0.30, -w * 0.50, h * 0.10);
    p.cubicTo(-w * 0.52, -h * 0.14, -w * 0.18, -h * 0.26, 0, -h * 0.50);
    p.closeSubpath();
    return p;
}

// A heart of height h, its centre at the origin.
QPainterPath heart(double h)
{
    const double w = h * 1.0;
    QPainterPath p;
    p.moveTo(0, h * 0.50);
    p.cubicTo(-w * 0.30, h * 0.22, -w * 0.52, h * 0.02, -w * 0.50, -h * 0.20);
    p.cubicTo(-w * 0.48, -h * 0.44, -w * 0.16, -h * 0.56, 0, -h * 0.28);
    p.cubicTo(w * 0.16, -h * 0.56, w * 0.48, -h * 0.44, w * 0.50, -h * 0.20);
    p.cubicTo(w * 0.52, h * 0.02, w * 0.30, h * 0.22, 0, h * 0.50);
    p.closeSubpath();
    return p;
}

// A playing card w x h with its centre at the origin: a corner index, the
// suit in the middle.
void drawCard(QPainter& p, double w, double h, const QString& rank, const QPainterPath& suit, const QColor& colour,
              bool detailed)
{
    const QRectF card(-w / 2, -h / 2, w, h);
    const double radius = w * 0.10;
    // Shadow, then the face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(card.translated(w * 0.035, w * 0.05), radius, radius);
    QLinearGradient face(card.topLeft(), card.bottomRight());
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(232, 234, 228));
    p.setBrush(face);
    p.setPen(QPen(QColor(150, 150, 140), std::max(1.0, w / 60)));
    p.drawRoundedRect(card, radius, radius);

    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.save();
    p.scale(w / 64.0, w / 64.0);
    p.drawPath(suit);
    p.restore();
    if (!detailed)
        return;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(w * 0.26));
    p.setFont(font);
    p.setPen(colour);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        p.rotate(corner * 180.0);
        const QRectF index(-w / 2 + w * 0.05, -h / 2 + w * 0.03, w * 0.22, w * 0.28);
        p.drawText(index, Qt::AlignHCenter | Qt::AlignTop, rank);
        p.translate(index.center().x(), index.bottom() + w * 0.09);
        p.scale(w / 64.0 * 0.28, w / 64.0 * 0.28);
        p.setPen(Qt::NoPen);
        p.drawPath(suit);
        p.restore();
        p.setPen(colour);
    }
}

// A chip of radius r with its centre at the origin.
void drawChip(QPainter& p, double r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(QPointF(r * 0.06, r * 0.10), r, r);
    QRadialGradient body(QPointF(-r * 0.3, -r * 0.3), r * 1.4);
    body.setColorAt(0, QColor(40, 40, 46));
    body.setColorAt(1, QColor(12, 12, 16));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Edge spots.
    p.setBrush(QColor(245, 245, 240));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.rotate(i * 60.0 + 15.0);
        p.drawRoundedRect(QRectF(-r * 0.14, -r * 0.98, r * 0.28, r * 0.26), r * 0.05, r * 0.05);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, r * 0.07));
    p.drawEllipse(QPointF(0, 0), r * 0.62, r * 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.save();
    p.scale(r / 64.0 * 0.62, r / 64.0 * 0.62);
    p.drawPath(spade(64));
    p.restore();
}

QImage drawLogo()
{
    QImage image(221, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Two cards, fanned, an ace of hearts behind an ace of spades.
    const double w = 62;
    const double h = 88;
    p.save();
    p.translate(112, 80);
    p.rotate(-13);
    drawCard(p, w, h, QStringLiteral("A"), heart(30), kCardRed, true);
    p.restore();
    p.save();
    p.translate(146, 78);
    p.rotate(11);
    drawCard(p, w, h, QStringLiteral("A"), spade(30), kInk, true);
    p.restore();
    p.save();
    p.translate(88, 106);
    drawChip(p, 20);
    p.restore();

    // The name.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(25);
    p.setFont(font);
    const QRectF name(30, 126, 190, 30);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(name.translated(1.5, 1.5), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Tablewise"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(name, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Tablewise"));
    return image;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // The green of the window, a rounded square with a light edge.
    QLinearGradient felt(0, 0, 0, 64);
    felt.setColorAt(0, kGreen.lighter(125));
    felt.setColorAt(1, kGreen.darker(120));
    p.setPen(QPen(kGreen.darker(160), 1.5));
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    if (size >= 32) {
        p.save();
        p.translate(24, 33);
        p.rotate(-12);
        drawCard(p, 28, 40, QString(), heart(36), kCardRed, false);
        p.restore();
        p.save();
        p.translate(40, 31);
        p.rotate(10);
        drawCard(p, 28, 40, QString(), spade(36), kInk, false);
        p.restore();
    } else {
        // Too small for two: one card, a large spade.
        p.save();
        p.translate(32, 32);
        drawCard(p, 34, 46, QString(), spade(50), kInk, false);
        p.restore();
    }
    return image;
}

QString svgNumber(double n)
{
    return QString::number(n, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

// A path as SVG path data, scaled by `scale`.
QString svgPath(const QPainterPath& path, double scale)
{
    QString d;
    auto point = [&](const QPainterPath::Element& e) { return svgNumber(e.x * scale) + u' ' + svgNumber(e.y * scale); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo())
            d += (i ? QStringLiteral("Z M") : QStringLiteral("M")) + point(e);
        else if (e.isLineTo())
            d += u'L' + point(e);
        else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            d += u'C' + point(e) + u' ' + point(path.elementAt(i + 1)) + u' ' + point(path.elementAt(i + 2));
            i += 2;
        }
    }
    return d + u'Z';
}

QString svgColour(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

// The icon's larger form (two cards) in SVG, on the same 64-unit square.
QString iconSvg()
{
    auto card = [](double x, double y, double angle, const QPainterPath& suit, const QColor& colour) {
        const double w = 28, h = 40, radius = w * 0.10;
        return QStringLiteral(R"svg(  <g transform="translate(%1 %2) rotate(%3)">
    <rect x="%4" y="%5" width="%6" height="%7" rx="%8" fill="#000" fill-opacity="0.275"/>
    <rect x="%9" y="%10" width="%6" height="%7" rx="%8" fill="url(#face)" stroke="#96968c" stroke-width="1"/>
    <path d="%11" fill="%12"/>
  </g>
)svg")
            .arg(svgNumber(x), svgNumber(y), svgNumber(angle), svgNumber(-w / 2 + w * 0.035), svgNumber(-h / 2 + w * 0.05),
                 svgNumber(w), svgNumber(h), svgNumber(radius), svgNumber(-w / 2))
            .arg(svgNumber(-h / 2), svgPath(suit, w / 64.0), svgColour(colour));
    };
    return QStringLiteral(R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <defs>
    <linearGradient id="felt" x1="0" y1="0" x2="0" y2="64" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="%1"/>
      <stop offset="1" stop-color="%2"/>
    </linearGradient>
    <linearGradient id="face" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="1" stop-color="#e8eae4"/>
    </linearGradient>
  </defs>
  <rect x="2" y="2" width="60" height="60" rx="12" fill="url(#felt)" stroke="%3" stroke-width="1.5"/>
)svg")
               .arg(svgColour(kGreen.lighter(125)), svgColour(kGreen.darker(120)), svgColour(kGreen.darker(160)))
        + card(24, 33, -12, heart(36), kCardRed) + card(40, 31, 10, spade(36), kInk) + QStringLiteral("</svg>\n");
}

bool saveText(const QString& text, const QString& folder, const QString& name)
{
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// The hand pointer: '#' black, 'o' white, '.' transparent. The hot spot is
// the tip of the pointing finger.
constexpr const char* kHand[] = {
    ".....##.................",
    "....#oo#................",
    "....#oo#................",
    "....#oo#................",
    "....#oo#................",
    "....#oo###..............",
    "....#oo#oo###...........",
    "....#oo#oo#oo##.........",
    "....#oo#oo#oo#o#........",
    "....#oo#oo#oo#oo#.......",
    ".##.#ooooooooooo#.......",
    "#oo##ooooooooooo#.......",
    "#ooo#oooooooooooo#......",
    ".#ooooooooooooooo#......",
    ".#oooooooooooooooo#.....",
    "..#ooooooooooooooo#.....",
    "..#ooooooooooooooo#.....",
    "...#oooooooooooooo#.....",
    "...#ooooooooooooo#......",
    "....#oooooooooooo#......",
    "....#ooooooooooo#.......",
    ".....#oooooooooo#.......",
    ".....#oooooooooo#.......",
    ".....############.......",
};
constexpr int kHotX = 5;
constexpr int kHotY = 0;

QImage drawHand()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char* row : kHand) {
        for (int x = 0; row[x]; ++x) {
            if (row[x] == '#')
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
            else if (row[x] == 'o')
                image.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
        ++y;
    }
    image.setText(QStringLiteral("HotSpot"), QStringLiteral("%1,%2").arg(kHotX).arg(kHotY));
    return image;
}

bool save(const QImage& image, const QString& folder, const QString& name)
{
    const QString path = folder + u'/' + name;
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = save(drawLogo(), folder, QStringLiteral("logo.png"));
    ok = save(drawHand(), folder, QStringLiteral("hand.png")) && ok;
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = save(drawIcon(size), folder, QStringLiteral("icon-%1.png").arg(size)) && ok;
    ok = saveText(iconSvg(), folder, QStringLiteral("icon.svg")) && ok;
    return ok ? 0 : 1;
}
