#include "sheerpane/BorderLine.h"

#include <algorithm>
#include <cstdlib>

#include <QPainter>

#include "platform/draw/SystemColours.h"

namespace sheerpane {

BorderLine::BorderLine(QWidget* parent, std::uint32_t borderColor) : QWidget(parent), borderColor_(borderColor)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BorderLine::setBorderColor(std::uint32_t oleColour)
{
    borderColor_ = oleColour;
    update();
}

void BorderLine::place(const LineEnds& ends, const Twips& twips)
{
    ends_ = ends;
    const QPoint a(twips.toPixels(ends.x1), twips.toPixels(ends.y1));
    const QPoint b(twips.toPixels(ends.x2), twips.toPixels(ends.y2));
    const QPoint origin(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    from_ = a - origin;
    to_ = b - origin;
    setGeometry(QRect(origin, QSize(std::abs(b.x() - a.x()) + 1, std::abs(b.y() - a.y()) + 1)));
}

void BorderLine::paintEvent(QPaintEvent*)
{
    platform::draw::ColourRef rgb = 0;
    platform::draw::OleTranslateColor(borderColor_, rgb);
    QPainter painter(this);
    platform::qt::drawFrameLine(painter, from_, to_, platform::draw::toQColor(rgb));
}

} // namespace sheerpane
