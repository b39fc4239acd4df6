// Sheerpane: the surface's key and mouse events, raised as the control's own.

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/qt/InputCodes.h"
#include "sheerpane/Sheerpane.h"

using namespace sheerpane;
using platform::qt::buttonOf;
using platform::qt::buttonsOf;
using platform::qt::keyCodeOf;
using platform::qt::shiftOf;

namespace {

// The character a key press types, as a 16-bit code; 0 for none.
qint16 keyAsciiOf(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).unicode() > 0x7FFF)
        return 0;
    return static_cast<qint16>(text.at(0).unicode());
}

} // namespace

void Sheerpane::keyPressEvent(QKeyEvent* event)
{
    qint16 keyCode = keyCodeOf(event->key(), event->modifiers());
    qint16 shift = shiftOf(event->modifiers());
    bool usedUp = false;
    if (keyCode != 0) {
        emit KeyDown(keyCode, shift);
        usedUp = keyCode == 0;
    }
    if (!usedUp) {
        qint16 keyAscii = keyAsciiOf(*event);
        if (keyAscii != 0) {
            emit KeyPress(keyAscii);
            usedUp = keyAscii == 0;
        }
    }
    // The control itself does nothing with keys: the form may.
    event->setAccepted(usedUp);
}

void Sheerpane::keyReleaseEvent(QKeyEvent* event)
{
    qint16 keyCode = keyCodeOf(event->key(), event->modifiers());
    qint16 shift = shiftOf(event->modifiers());
    bool usedUp = false;
    if (keyCode != 0 && !event->isAutoRepeat()) {
        emit KeyUp(keyCode, shift);
        usedUp = keyCode == 0;
    }
    event->setAccepted(usedUp);
}

void Sheerpane::raiseMouse(void (Sheerpane::*signal)(qint16&, qint16&, float&, float&), QMouseEvent* qt,
                           qint16 button)
{
    const double perPixel = twips().perPixel();
    qint16 shift = shiftOf(qt->modifiers());
    auto x = static_cast<float>(qt->position().x() * perPixel);
    auto y = static_cast<float>(qt->position().y() * perPixel);
    (this->*signal)(button, shift, x, y);
}

void Sheerpane::mousePressEvent(QMouseEvent* event)
{
    suppressClick_ = false;
    raiseMouse(&Sheerpane::MouseDown, event, buttonOf(event->button()));
}

void Sheerpane::mouseReleaseEvent(QMouseEvent* event)
{
    raiseMouse(&Sheerpane::MouseUp, event, buttonOf(event->button()));
    // A click is a left press and release over the control; the release that
    // ends a double click is not one.
    if (event->button() == Qt::LeftButton && !suppressClick_ && rect().contains(event->position().toPoint()))
        emit Click();
    suppressClick_ = false;
}

void Sheerpane::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        suppressClick_ = true;
        emit DblClick();
    } else {
        raiseMouse(&Sheerpane::MouseDown, event, buttonOf(event->button()));
    }
}

void Sheerpane::mouseMoveEvent(QMouseEvent* event)
{
    raiseMouse(&Sheerpane::MouseMove, event, buttonsOf(event->buttons()));
}

