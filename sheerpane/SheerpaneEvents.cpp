// Sheerpane: the surface's key and mouse events, raised as the control's own (the
// mouse events come through ControlWidget).

#include <QKeyEvent>

#include "platform/qt/InputCodes.h"
#include "sheerpane/Sheerpane.h"

using namespace sheerpane;
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

void Sheerpane::raiseMouse(platform::qt::MouseAction action, qint16& button, qint16& shift, float& x, float& y)
{
    switch (action) {
    case platform::qt::MouseAction::Down: emit MouseDown(button, shift, x, y); break;
    case platform::qt::MouseAction::Up: emit MouseUp(button, shift, x, y); break;
    case platform::qt::MouseAction::Move: emit MouseMove(button, shift, x, y); break;
    }
}
