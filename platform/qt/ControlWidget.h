#pragma once
// The widget under the platform's container controls: it turns Qt's mouse
// events into the control's own. MouseDown, MouseUp and MouseMove carry
// Button (1 left, 2 right, 4 middle; the buttons held while moving), Shift
// (1 shift, 2 control, 4 alt) and the position in twips. A click is a left
// press and release over the control; the release that ends a double click is
// not one. A double click of another button is a press.

#include <cstdint>

#include <QWidget>

#include "platform/qt/Twips.h"

namespace platform::qt {

enum class MouseAction { Down, Up, Move };

class ControlWidget : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    // The scale of the positions the mouse events carry.
    virtual Twips mouseScale() const = 0;
    // Arguments are references: a handler's changes come back.
    virtual void raiseMouse(MouseAction action, std::int16_t& button, std::int16_t& shift, float& x, float& y) = 0;
    virtual void raiseClick() = 0;
    virtual void raiseDblClick() = 0;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void raise(MouseAction action, const QMouseEvent& event, std::int16_t button);

    bool suppressClick_ = false;
};

} // namespace platform::qt
