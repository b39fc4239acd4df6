// Sheerpane: following the form's paints, and capturing the form behind the
// control as its background.

#include <QApplication>
#include <QEvent>
#include <QPointer>

#include "platform/GuardedCall.h"
#include "platform/PlatformError.h"
#include "platform/draw/DeviceCaps.h"
#include "platform/draw/Gdi.h"
#include "sheerpane/Cleanup.h"
#include "sheerpane/SheerpaneErrors.h"
#include "sheerpane/Sheerpane.h"

using namespace sheerpane;

namespace {

// Lets pending window messages run.
void doEvents()
{
    QCoreApplication::processEvents();
}

// The widget inside `control` (or the control itself) that has the focus.
QWidget* focusWithin(QWidget& control)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == &control || control.isAncestorOf(focus)) ? focus : nullptr;
}

} // namespace

void Sheerpane::setMyParent(QWidget* form)
{
    if (!form || form == this)
        throw platform::PlatformError(platform::kErrTypeMismatch,
                                      "Type mismatch: the control is not on a form, so it cannot follow the "
                                      "form's paints");
    if (myParent_)
        myParent_->removeEventFilter(this);
    myParent_ = form;
    form->installEventFilter(this);
}

bool Sheerpane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == myParent_ && event->type() == QEvent::Paint)
        queueParentPaint();
    return QWidget::eventFilter(watched, event);
}

// Hiding the control and letting messages run cannot happen inside Qt's
// painting, so a paint of the form only queues the work.
void Sheerpane::queueParentPaint()
{
    if (parentPaintQueued_)
        return;
    parentPaintQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            parentPaintQueued_ = false;
            platform::guardedCall([this] { MyParent_Paint(); }, errorReporter());
        },
        Qt::QueuedConnection);
}

void Sheerpane::MyParent_Paint()
{
    if (painting_)
        return;
    painting_ = true;
    // Cleared however the work ends: a guard left set would stop every later
    // paint from doing anything.
    const Cleanup clearGuard([this] { painting_ = false; });
    setShowParentImage(backStyle_ == Transparent);
}

void Sheerpane::setShowParentImage(bool value)
{
    if (!value) {
        setPicture({});
    } else if (!imageShown_) {
        // Shown again (as it was) and given its focus back even when the
        // capture fails, so that the form does not lose the control.
        const bool wasHidden = isHidden();
        const QPointer<QWidget> focus = focusWithin(*this);
        hide();
        const Cleanup showAgain([&] {
            if (!wasHidden)
                show();
            if (QWidget* widget = focus.data(); widget && widget->isVisible())
                widget->setFocus(Qt::OtherFocusReason);
        });
        // The form repaints the area the control uncovered.
        doEvents();
        setPicture(CaptureSelf());
        doEvents();
    }
    imageShown_ = value;
}

void Sheerpane::setPicture(StdPicture picture)
{
    if (picture.empty() && picture_.empty())
        return;
    picture_ = std::move(picture);
    update();
}

StdPicture Sheerpane::CaptureSelf()
{
    const platform::qt::Twips scale = twips();
    const int width = scale.toPixels(scale.fromPixels(this->width()));
    const int height = scale.toPixels(scale.fromPixels(this->height()));
    return CaptureWindow(hWnd(), false, 0, 0, width, height);
}

StdPicture Sheerpane::CaptureWindow(HWND window, bool clientArea, int left, int top, int width, int height)
{
    namespace draw = platform::draw;
    // Nothing to capture, and no empty bitmap can be made.
    if (width <= 0 || height <= 0)
        return {};
    WindowGdi& gdi = *gdi_;

    // Every object is given back if a step fails; on success the bitmap and
    // the palette go to the picture, everything else is given back in order.
    const HDC source = clientArea ? gdi.GetDC(window) : gdi.GetWindowDC(window);
    Cleanup releaseSource([&] { gdi.ReleaseDC(window, source); });
    const HDC memory = gdi.CreateCompatibleDC(source);
    Cleanup deleteMemory([&] { gdi.DeleteDC(memory); });
    const HBITMAP bitmap = gdi.CreateCompatibleBitmap(source, width, height);
    Cleanup deleteBitmap([&] { gdi.DeleteObject(bitmap); });
    const HGDIOBJ oldBitmap = gdi.SelectObject(memory, bitmap);
    Cleanup restoreBitmap([&] { gdi.SelectObject(memory, oldBitmap); });

    HPALETTE palette = 0;
    HPALETTE oldPalette = 0;
    Cleanup deletePalette([&] {
        if (palette)
            gdi.DeleteObject(palette);
    });
    Cleanup restorePalette([&] {
        if (oldPalette)
            gdi.SelectPalette(memory, oldPalette, false);
    });
    const bool paletteDevice = (gdi.GetDeviceCaps(source, draw::RASTERCAPS) & draw::RC_PALETTE) != 0;
    if (paletteDevice && gdi.GetDeviceCaps(source, draw::SIZEPALETTE) == 256) {
        LogPalette entries;
        entries.version = kLogPaletteVersion;
        entries.numEntries = 256;
        gdi.GetSystemPaletteEntries(source, 0, 256, entries.entries.data());
        palette = gdi.CreatePalette(entries);
        oldPalette = gdi.SelectPalette(memory, palette, false);
        gdi.RealizePalette(memory);
    }

    gdi.BitBlt(memory, 0, 0, width, height, source, left, top, draw::SRCCOPY);

    gdi.SelectObject(memory, oldBitmap);
    restoreBitmap.dismiss();
    if (palette) {
        gdi.SelectPalette(memory, oldPalette, false);
        restorePalette.dismiss();
    }
    gdi.DeleteDC(memory);
    deleteMemory.dismiss();
    gdi.ReleaseDC(window, source);
    releaseSource.dismiss();

    StdPicture picture = CreateBitmapPicture(bitmap, palette);
    deleteBitmap.dismiss();
    deletePalette.dismiss();
    return picture;
}

StdPicture Sheerpane::CreateBitmapPicture(HBITMAP bitmap, HPALETTE palette)
{
    PictDesc desc;
    desc.cbSizeofstruct = sizeof(PictDesc);
    desc.picType = PICTYPE_BITMAP;
    desc.hbitmap = bitmap;
    desc.hpal = palette;
    // The picture owns the bitmap and the palette from now on.
    return gdi_->OleCreatePictureIndirect(desc, true);
}

