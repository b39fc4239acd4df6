#include "window/view/FocusMarkStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <functional>

namespace window::view {

namespace {

// An icon made when it is first drawn or measured, not when it is asked for.
class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(make_); }

private:
    const QIcon& icon()
    {
        if (!made_) {
            icon_ = make_();
            made_ = true;
        }
        return icon_;
    }

    std::function<QIcon()> make_;
    QIcon icon_;
    bool made_ = false;
};

} // namespace

FocusMarkStyle::FocusMarkStyle(const QString& base)
    : QProxyStyle(base.isEmpty() ? QApplication::style()->name() : base)
{
}

void FocusMarkStyle::applyTo(QWidget& widget)
{
    if (qobject_cast<FocusMarkStyle*>(QApplication::style()))
        return;
    // Owned by the application, so that it outlives every widget using it.
    static FocusMarkStyle* const shared = [] {
        auto* s = new FocusMarkStyle;
        s->setParent(qApp);
        return s;
    }();
    widget.setStyle(shared);
}

// The menu bar makes its overflow button at once, and the base style reads
// three pictures for its icon then; the button shows only when the menus do
// not fit the bar, which they do here.
QIcon FocusMarkStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredIconEngine([this, icon] { return QProxyStyle::standardIcon(icon); }));
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
