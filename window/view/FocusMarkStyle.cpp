#include "window/view/FocusMarkStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>

namespace window::view {

FocusMarkStyle::FocusMarkStyle() : QProxyStyle(QApplication::style()->name()) {}

FocusMarkStyle& FocusMarkStyle::shared()
{
    // Owned by the application, so that it outlives every widget using it.
    static FocusMarkStyle* style = [] {
        auto* s = new FocusMarkStyle;
        s->setParent(qApp);
        return s;
    }();
    return *style;
}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element != PE_FrameFocusRect || !(option->state & State_HasFocus)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // On a button the caption is in the button text colour; on the form it is
    // the window text colour, white or light grey on the green.
    const QColor colour = option->palette.color(qobject_cast<const QPushButton*>(widget) ? QPalette::ButtonText
                                                                                          : QPalette::WindowText);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(colour, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // This style's push buttons show the focus only by a coloured frame, and
    // only after a Tab Qt saw: the mark goes inside the button face.
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
    drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
}

void FocusMarkStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                        const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ComboBox || !(option->state & State_HasFocus))
        return;
    // The edit field covers the inside: the mark is the frame, drawn dark.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(option->palette.color(QPalette::Highlight).darker(160), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace window::view
