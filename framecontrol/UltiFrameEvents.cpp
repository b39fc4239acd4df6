// UltiFrame: resizing, showing, mouse events, and OLE drag and drop on top of
// Qt's drag and drop.

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QResizeEvent>
#include <QShowEvent>

#include "framecontrol/DragMimeData.h"
#include "framecontrol/PictureBox.h"
#include "framecontrol/UltiFrame.h"
#include "platform/qt/InputCodes.h"

namespace framecontrol {

namespace {

using platform::qt::buttonsOf;
using platform::qt::shiftOf;

// The control's scale: twips, at a fixed 15 to the pixel.
float toTwips(double pixels)
{
    return static_cast<float>(platform::qt::Twips().perPixel() * pixels);
}

constexpr std::int32_t kEffectBits = vbDropEffectCopy | vbDropEffectMove | vbDropEffectLink;

Qt::DropActions toDropActions(std::int32_t effects)
{
    return Qt::DropActions(effects & kEffectBits);
}

// The one action a drop performs: the proposed one where the effect allows
// it, else copy, move, link in that order.
Qt::DropAction chooseAction(std::int32_t effect, Qt::DropAction proposed)
{
    if (effect & proposed & kEffectBits)
        return proposed;
    for (const auto action : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction})
        if (effect & action)
            return action;
    return Qt::IgnoreAction;
}

} // namespace

// ---------------------------------------------------------------- size, show

void UltiFrame::resizeEvent(QResizeEvent* event)
{
    picFrame_->setGeometry(QRect(QPoint(0, 0), event->size()));
    redrawIfStale();
    Resize();
}

void UltiFrame::showEvent(QShowEvent*)
{
    redrawIfStale();
}

// ---------------------------------------------------------------- mouse

void UltiFrame::raiseMouse(platform::qt::MouseAction action, std::int16_t& button, std::int16_t& shift, float& x,
                           float& y)
{
    switch (action) {
    case platform::qt::MouseAction::Down: MouseDown(button, shift, x, y); break;
    case platform::qt::MouseAction::Up: MouseUp(button, shift, x, y); break;
    case platform::qt::MouseAction::Move: MouseMove(button, shift, x, y); break;
    }
}

// ---------------------------------------------------------------- drop target

void UltiFrame::raiseDragOver(QDropEvent* event, std::int16_t state)
{
    dropData_.emplace(event->mimeData());
    std::int32_t effect = static_cast<std::int32_t>(event->possibleActions()) & kEffectBits;
    std::int16_t button = buttonsOf(event->buttons());
    std::int16_t shift = shiftOf(event->modifiers());
    float x = toTwips(event->position().x());
    float y = toTwips(event->position().y());
    OLEDragOver(*dropData_, effect, button, shift, x, y, state);
    settleDrop(event, effect);
}

// The drop action the handlers' effect leaves; none refuses the data.
void UltiFrame::settleDrop(QDropEvent* event, std::int32_t effect)
{
    const Qt::DropAction action = chooseAction(effect & static_cast<std::int32_t>(event->possibleActions()),
                                               event->proposedAction());
    event->setDropAction(action);
    if (action == Qt::IgnoreAction)
        event->ignore();
    else
        event->accept();
}

void UltiFrame::dragEnterEvent(QDragEnterEvent* event)
{
    raiseDragOver(event, 0);
    // Entering is always accepted, so that the data may become welcome
    // further in; the drop action says whether it is welcome here.
    event->accept();
}

void UltiFrame::dragMoveEvent(QDragMoveEvent* event)
{
    raiseDragOver(event, 2);
}

void UltiFrame::dragLeaveEvent(QDragLeaveEvent* event)
{
    if (!dropData_)
        dropData_.emplace(static_cast<const QMimeData*>(nullptr));
    std::int32_t effect = vbDropEffectNone;
    std::int16_t button = 0;
    std::int16_t shift = 0;
    const QPoint at = mapFromGlobal(QCursor::pos());
    float x = toTwips(at.x());
    float y = toTwips(at.y());
    std::int16_t state = 1;
    OLEDragOver(*dropData_, effect, button, shift, x, y, state);
    dropData_.reset();
    event->accept();
}

void UltiFrame::dropEvent(QDropEvent* event)
{
    OleDataObject dataObject(event->mimeData());
    std::int32_t effect = static_cast<std::int32_t>(event->possibleActions()) & kEffectBits;
    std::int16_t button = buttonsOf(event->buttons());
    std::int16_t shift = shiftOf(event->modifiers());
    float x = toTwips(event->position().x());
    float y = toTwips(event->position().y());
    OLEDragDrop(dataObject, effect, button, shift, x, y);
    dropData_.reset();
    settleDrop(event, effect);
}

// ---------------------------------------------------------------- drag source

void UltiFrame::OLEDrag()
{
    auto* mime = new DragMimeData;
    std::int32_t allowed = vbDropEffectCopy | vbDropEffectMove;
    {
        OleDataObject dataObject(mime);
        OLEStartDrag(dataObject, allowed);
    }
    if ((allowed & kEffectBits) == 0) {
        delete mime;
        return;
    }
    // Data announced without a value is asked for when a target reads it.
    mime->setRequestHandler([this, mime](const QString& mimeType) {
        std::int16_t dataFormat = clipboardFormatOf(mimeType);
        if (dataFormat == 0)
            return;
        OleDataObject dataObject(mime);
        OLESetData(dataObject, dataFormat);
    });

    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
        std::int32_t effect = static_cast<std::int32_t>(action) & kEffectBits;
        bool defaultCursors = true;
        OLEGiveFeedback(effect, defaultCursors);
    });
    const Qt::DropAction preferred = (allowed & vbDropEffectMove) ? Qt::MoveAction : Qt::CopyAction;
    const Qt::DropAction result = drag->exec(toDropActions(allowed), preferred);
    std::int32_t effect = static_cast<std::int32_t>(result) & kEffectBits;
    drag->deleteLater();
    OLECompleteDrag(effect);
}

} // namespace framecontrol
