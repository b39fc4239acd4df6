#include "platform/qt/ControlWidget.h"

#include <QMouseEvent>

#include "platform/qt/InputCodes.h"

namespace platform::qt {

void ControlWidget::raise(MouseAction action, const QMouseEvent& event, std::int16_t button)
{
    const double perPixel = mouseScale().perPixel();
    std::int16_t shift = shiftOf(event.modifiers());
    auto x = static_cast<float>(event.position().x() * perPixel);
    auto y = static_cast<float>(event.position().y() * perPixel);
    raiseMouse(action, button, shift, x, y);
}

void ControlWidget::mousePressEvent(QMouseEvent* event)
{
    suppressClick_ = false;
    raise(MouseAction::Down, *event, buttonOf(event->button()));
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event)
{
    raise(MouseAction::Up, *event, buttonOf(event->button()));
    if (event->button() == Qt::LeftButton && !suppressClick_ && rect().contains(event->position().toPoint()))
        raiseClick();
    suppressClick_ = false;
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        suppressClick_ = true;
        raiseDblClick();
    } else {
        raise(MouseAction::Down, *event, buttonOf(event->button()));
    }
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event)
{
    raise(MouseAction::Move, *event, buttonsOf(event->buttons()));
}

} // namespace platform::qt
