// Draws every look of the frame on one sheet: the flat border in each pen
// style, etched, bump and none; the six caption places; corner radii; the
// caption effects; the disabled look at run time and at design time; and
// see-through frames over a striped background.
//
//   framecontrol_gallery [sheet.png]

#include <functional>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

#include "framecontrol/UltiFrame.h"

using framecontrol::UltiFrame;

namespace {

constexpr int kCellWidth = 200;
constexpr int kCellHeight = 100;
constexpr int kLabelHeight = 18;
constexpr int kColumns = 6;
constexpr int kMargin = 8;

struct Variant {
    QString label;
    std::function<void(UltiFrame&)> setup;
    bool userMode = true;
    bool seeThrough = false;
};

std::vector<Variant> variants()
{
    std::vector<Variant> all;
    static const char* const kPens[] = {"solid", "dash", "dot", "dash-dot", "dash-dot-dot", "none", "inside frame"};
    for (int pen = 0; pen <= 6; ++pen)
        all.push_back({QStringLiteral("Flat, pen %1 (%2)").arg(pen).arg(QLatin1String(kPens[pen])), [pen](UltiFrame& f) {
                           f.setAppearance(0);
                           f.setBorderStyle(pen);
                       }});
    all.push_back({QStringLiteral("Etched"), [](UltiFrame& f) { f.setAppearance(1); }});
    all.push_back({QStringLiteral("Bump"), [](UltiFrame& f) { f.setAppearance(2); }});
    all.push_back({QStringLiteral("Appearance 3: no border"), [](UltiFrame& f) { f.setAppearance(3); }});
    all.push_back({QStringLiteral("Empty caption"), [](UltiFrame& f) { f.setCaption(""); }});
    all.push_back({QStringLiteral("Wrapped caption"), [](UltiFrame& f) {
                       f.setCaptionStyle(1);
                       f.setCaption("A caption long enough to wrap onto lines");
                   }});
    static const char* const kPlaces[] = {"top left", "top centre", "top right",
                                          "bottom left", "bottom centre", "bottom right"};
    for (int alignment = 0; alignment <= 5; ++alignment)
        all.push_back({QStringLiteral("Alignment %1 (%2)").arg(alignment).arg(QLatin1String(kPlaces[alignment])),
                       [alignment](UltiFrame& f) { f.setAlignment(alignment); }});
    for (int radius : {0, 1, 7, 16, 31})
        all.push_back({QStringLiteral("Etched, radius %1").arg(radius), [radius](UltiFrame& f) {
                           f.setCornerRadius(radius);
                       }});
    all.push_back({QStringLiteral("Flat dash, radius 20"), [](UltiFrame& f) {
                       f.setAppearance(0);
                       f.setBorderStyle(1);
                       f.setCornerRadius(20);
                   }});
    static const char* const kEffects[] = {"none", "raised light", "raised heavy", "inset light", "inset heavy",
                                           "drop shadow"};
    for (int effect = 0; effect <= 5; ++effect)
        all.push_back({QStringLiteral("Font3D %1 (%2)").arg(effect).arg(QLatin1String(kEffects[effect])),
                       [effect](UltiFrame& f) {
                           f.setBackColor(0x00B0B0B0); // so that highlight and shadow both show
                           f.setFont3D(effect);
                       }});
    all.push_back({QStringLiteral("Disabled, run time"), [](UltiFrame& f) {
                       f.setFont3D(2);
                       f.setEnabled(false);
                       f.Refresh();
                   }});
    Variant design{QStringLiteral("Disabled, design time"), [](UltiFrame& f) {
                       f.setFont3D(2);
                       f.setEnabled(false);
                       f.Refresh();
                   }};
    design.userMode = false;
    all.push_back(design);
    auto seeThrough = [](std::uint32_t back, std::uint32_t fore) {
        return [back, fore](UltiFrame& f) {
            f.setCornerRadius(12);
            f.setBackColor(back);
            f.setForeColor(fore);
            auto* box = new QCheckBox(QStringLiteral("Contained"), &f);
            box->setGeometry(12, 30, 110, 24);
            f.setBackStyle(0);
        };
    };
    Variant clear{QStringLiteral("See-through, run time"), seeThrough(0x8000000F, 0x80000012)};
    clear.seeThrough = true;
    all.push_back(clear);
    Variant black{QStringLiteral("See-through, black back"), seeThrough(0x000000, 0xFFFFFF)};
    black.seeThrough = true;
    all.push_back(black);
    Variant pre{QStringLiteral("Main window's Pre-Flop"), [](UltiFrame& f) {
                    QFont font(QStringLiteral("MS Sans Serif"));
                    font.setPointSizeF(9.75);
                    font.setBold(true);
                    f.setFont(font);
                    f.setBackColor(0x00137C05);
                    f.setForeColor(0xFFFFFF);
                    f.setCornerRadius(1);
                    auto* box = new QCheckBox(QStringLiteral("Opened"), &f);
                    box->setGeometry(8, 16, 90, 24);
                    f.setBackStyle(0);
                }};
    pre.seeThrough = true;
    all.push_back(pre);
    Variant designSeeThrough{QStringLiteral("BackStyle 0, design time"), seeThrough(0x8000000F, 0x80000012)};
    designSeeThrough.userMode = false;
    designSeeThrough.seeThrough = true;
    all.push_back(designSeeThrough);
    return all;
}

void drawStripes(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, QColor(250, 220, 120));
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(QColor(200, 80, 60), 3));
    for (int x = area.left() - area.height(); x < area.right(); x += 12)
        painter.drawLine(x, area.bottom(), x + area.height(), area.top());
    painter.restore();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("framecontrol-gallery.png");

    const auto all = variants();
    const int rows = static_cast<int>((all.size() + kColumns - 1) / kColumns);
    QImage sheet(kMargin + kColumns * (kCellWidth + kMargin), kMargin + rows * (kCellHeight + kLabelHeight + kMargin),
                 QImage::Format_RGB32);
    sheet.fill(QColor(255, 255, 255));
    QPainter painter(&sheet);
    QFont labelFont = QApplication::font();
    labelFont.setPointSize(8);
    painter.setFont(labelFont);

    for (std::size_t i = 0; i < all.size(); ++i) {
        const Variant& variant = all[i];
        const int column = static_cast<int>(i) % kColumns;
        const int row = static_cast<int>(i) / kColumns;
        const QPoint at(kMargin + column * (kCellWidth + kMargin), kMargin + row * (kCellHeight + kLabelHeight + kMargin));

        platform::Ambient ambient;
        ambient.userMode = variant.userMode;
        ambient.displayName = "Pre-Flop";
        UltiFrame frame(nullptr, ambient);
        frame.InitProperties();
        frame.resize(kCellWidth, kCellHeight);
        variant.setup(frame);
        const QPixmap picture = frame.grab();

        const QRect cell(at, QSize(kCellWidth, kCellHeight));
        if (variant.seeThrough) {
            drawStripes(painter, cell);
            painter.save();
            painter.setClipRegion(frame.mask().isEmpty() ? QRegion(cell) : frame.mask().translated(at));
            painter.drawPixmap(at, picture);
            painter.restore();
        } else {
            painter.drawPixmap(at, picture);
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(at.x(), at.y() + kCellHeight, kCellWidth, kLabelHeight), Qt::AlignCenter,
                         variant.label);
    }
    painter.end();
    if (!sheet.save(output, "PNG")) {
        qWarning("framecontrol_gallery: cannot write %s", qPrintable(output));
        return 1;
    }
    return 0;
}
