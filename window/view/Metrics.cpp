#include "window/view/Metrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "platform/qt/Twips.h"

namespace window::view {

Metrics Metrics::forScreen(const QScreen* screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return Metrics(dpi > 0 ? dpi / 96.0 : 1.0);
}

int Metrics::px(int twips) const
{
    return static_cast<int>(std::lround(twips / platform::qt::Twips().perPixel() * scale_));
}

QRect Metrics::rect(const platform::TwipRect& r) const
{
    const int left = px(r.left);
    const int top = px(r.top);
    return QRect(left, top, px(r.left + r.width) - left, px(r.top + r.height) - top);
}

QSize Metrics::size(int widthTwips, int heightTwips) const
{
    return QSize(px(widthTwips), px(heightTwips));
}

QString Metrics::familyFor(std::string_view designed)
{
    if (designed == "Times New Roman")
        return QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans");
}

QFont Metrics::applicationFont()
{
    return Metrics(1.0).font({"MS Sans Serif", 8.25, false});
}

QFont Metrics::font(const DesignedFont& designed) const
{
    QFont f(familyFor(designed.family));
    f.setStyleHint(designed.family == "Times New Roman" ? QFont::Serif : QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(designed.points * 96.0 / 72.0 * scale_))));
    f.setBold(designed.bold);
    f.setUnderline(designed.underline);
    return f;
}

} // namespace window::view
