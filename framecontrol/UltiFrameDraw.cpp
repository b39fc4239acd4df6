// UltiFrame: drawing the frame and making its background see-through.
//
// The border and the caption are drawn on the picture box and composed on the
// control surface's image with bit-block copies; the finished frame is copied
// back into the picture box, which shows it. At run time a transparent frame
// keeps only the pixels that differ from the background colour (border,
// caption) and boxes over its contained controls: a window mask, so the
// mouse reaches what lies behind the rest.

#include <QBitmap>
#include <QGuiApplication>
#include <QRegion>

#include "framecontrol/FrameLayout.h"
#include "framecontrol/PictureBox.h"
#include "framecontrol/TranslateColor.h"
#include "framecontrol/UltiFrame.h"
#include "framecontrol/modCaption.h"
#include "framecontrol/modEdges.h"
#include "platform/draw/Gdi.h"

namespace framecontrol {

using namespace platform::draw;

DeviceContext& UltiFrame::surfaceDC()
{
    // The surface image follows the control's size; it starts in the
    // surface's background colour.
    if (surfaceImage_->size() != size()) {
        *surfaceImage_ = size().isEmpty() ? QImage() : QImage(size(), QImage::Format_RGB32);
        if (!surfaceImage_->isNull())
            surfaceImage_->fill(toQColor(TranslateColor(surfaceBackColor_)));
    }
    return surfaceDC_;
}

void UltiFrame::Redraw()
{
    // Qt gives a hidden control its resize events only when it is shown; the
    // picture box must cover the control all the same.
    if (picFrame_->size() != size())
        picFrame_->setGeometry(rect());
    PictureBox& pic = *picFrame_;
    DeviceContext& surface = surfaceDC();
    const FrameOrigin frame{pic.ScaleWidth(), pic.ScaleHeight(), 0, 0};
    const int r = cornerRadius_;
    const int half = floorHalf(r);

    // 1. Measure the caption.
    captionWidth_ = 0;
    captionHeight_ = 0;
    if (!caption_.empty()) {
        const Rect measured = modCaption::MeasureCaption(pic, caption_, captionStyle_);
        captionWidth_ = measured.right - measured.left;
        captionHeight_ = measured.bottom - measured.top;
    }

    // 2. Place it.
    placeCaption(alignment_, frame, half, captionWidth_, captionHeight_, rcCaption_);

    // 3. A clean picture box.
    pic.setPicture(QImage());
    pic.Cls();

    // 4. The border, on the surface.
    placeBorder(alignment_, frame, captionHeight_, rcBorder_);
    switch (appearance_) {
    case ufFlat:
        modEdges::DrawFlatEdge(surface, pic, rcBorder_, rcCaption_, borderColor_, borderStyle_, r);
        break;
    case ufEtched:
        modEdges::Draw3DEdge(surface, pic, rcBorder_, rcCaption_, borderHighLightColor_, borderShadowColor_, r);
        break;
    case ufBump:
        modEdges::Draw3DEdge(surface, pic, rcBorder_, rcCaption_, borderShadowColor_, borderHighLightColor_, r);
        break;
    default:
        // No border: the clean box replaces whatever border an earlier look
        // left on the surface.
        BitBlt(surface, 0, 0, pic.ScaleWidth(), pic.ScaleHeight(), pic.hDC(), 0, 0, SRCCOPY);
        break;
    }

    // 5.-7. The caption, in the rectangle less two pixels each side. The
    // stored rectangle stays as laid out, so that a redraw that does not lay
    // it out again does not narrow it further.
    pic.Cls();
    Rect rcText = rcCaption_;
    rcText.left += 2;
    rcText.right -= 2;
    const bool disabledLook = ambient_.userMode && !enabled_;
    modCaption::DrawCaption(surface, pic, caption_, rcText, !disabledLook, disabledLook ? 0 : font3D_, alignment_);

    // 8. The finished frame into the picture box.
    pic.Cls();
    BitBlt(pic.hDC(), 0, 0, frame.width, frame.height, surface, 0, 0, SRCCOPY);

    // 9.
    applyBackStyle();
    pic.update();
    lastDrawn_ = drawnFor();
}

UltiFrame::DrawnFor UltiFrame::drawnFor() const
{
    DrawnFor key{changeCount_, size(), {}, ambient_.userMode, QGuiApplication::palette().cacheKey()};
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != picFrame_)
            key.children.push_back(child->geometry());
    return key;
}

void UltiFrame::redrawIfStale()
{
    if (lastDrawn_ != drawnFor())
        Redraw();
}

void UltiFrame::applyBackStyle()
{
    PictureBox& pic = *picFrame_;
    if (!(ambient_.userMode && backStyle_ == ufTransparent)) {
        setSurfaceBackStyle(ufOpaque);
        return;
    }

    pic.setPicture(pic.Image());
    // The boxes must differ from the background as it is drawn (a colour that
    // cannot be translated draws black).
    const bool blackBackground = toQColor(TranslateColor(pic.BackColor())) == QColor(Qt::black);
    const ColourRef keep = blackBackground ? RGB(255, 255, 255) : RGB(0, 0, 0);
    maskColor_ = pic.BackColor();

    // A contained control that fails to give its place gets no box; the
    // others still do.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == picFrame_)
            continue;
        try {
            pic.fillBox(child->geometry(), keep);
        } catch (...) {
        }
    }

    setSurfaceBackStyle(ufTransparent, pic.Image());
    pic.Cls();
    pic.update();
}

void UltiFrame::setSurfaceBackStyle(std::int32_t backStyle, const QImage& maskPicture)
{
    surfaceBackStyle_ = backStyle;
    updateSurfaceMask(maskPicture);
}

// A transparent surface shows only the pixels of its mask picture that differ
// from the mask colour; without a mask picture, only its contained controls.
void UltiFrame::updateSurfaceMask(const QImage& maskPicture)
{
    if (surfaceBackStyle_ != ufTransparent) {
        clearMask();
        return;
    }
    QRegion visible;
    if (!maskPicture.isNull()) {
        const QRgb background = toQColor(TranslateColor(maskColor_)).rgb();
        visible = QRegion(QBitmap::fromImage(maskPicture.createMaskFromColor(background, Qt::MaskInColor)));
    } else {
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != picFrame_)
                visible += child->geometry();
    }
    // An empty mask would mean no mask at all; nothing visible is a pixel
    // outside the control.
    setMask(visible.isEmpty() ? QRegion(-1, -1, 1, 1) : visible);
}

} // namespace framecontrol
