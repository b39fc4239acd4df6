// UltiFrame: properties, first placement, load and save, methods.

#include "framecontrol/UltiFrame.h"

#include "framecontrol/PictureBox.h"
#include "platform/PlatformError.h"
#include "platform/qt/MousePointers.h"
#include "platform/propertybag/PropertyErrors.h"
#include "platform/sound/CanberraSound.h"
#include "platform/sound/SoundFlags.h"

namespace framecontrol {

UltiFrame::UltiFrame(QWidget* parent, platform::Ambient ambient)
    : ControlWidget(parent), ambient_(std::move(ambient)), surfaceImage_(std::make_shared<QImage>()),
      surfaceDC_(surfaceImage_)
{
    picFrame_ = new PictureBox(this);
    picFrame_->setObjectName(QStringLiteral("picFrame"));
    picFrame_->setGeometry(rect());
    picFrame_->lower();
    takeFixedDefaults();
    setMouseTracking(true);
}

UltiFrame::~UltiFrame() = default;

// The stored values the surface and the picture box carry. The picture box
// takes BackColor too, as its setter gives it: a loaded colour must show.
void UltiFrame::applyToSurface()
{
    picFrame_->setBackColor(backColor_);
    surfaceBackColor_ = backColor_;
    setSurfaceBackStyle(backStyle_);
    surfaceClipControls_ = clipControls_;
    QWidget::setEnabled(enabled_);
    applyMousePointer();
    setAcceptDrops(oleDropMode_ == 1);
}

void UltiFrame::applyMousePointer()
{
    if (mousePointer_ == platform::qt::kPointerCustom && mouseIcon_.shape() == Qt::BitmapCursor)
        setCursor(mouseIcon_);
    else if (const auto shape = platform::qt::cursorShapeOf(mousePointer_))
        setCursor(*shape);
    else
        unsetCursor();
}

// ---------------------------------------------------------------- properties

void UltiFrame::setAlignment(std::int32_t value) { setDrawn(alignment_, value, "Alignment"); }

void UltiFrame::setAppearance(std::int32_t value) { setDrawn(appearance_, value, "Appearance"); }

void UltiFrame::setBackColor(std::uint32_t value)
{
    picFrame_->setBackColor(value);
    setDrawn(backColor_, value, "BackColor");
}

void UltiFrame::setBackStyle(std::int32_t value)
{
    checkValue("BackStyle", value);
    setSurfaceBackStyle(value);
    setDrawn(backStyle_, value, "BackStyle");
}

void UltiFrame::setBorderColor(std::uint32_t value) { setDrawn(borderColor_, value, "BorderColor"); }

void UltiFrame::setBorderHighLightColor(std::uint32_t value)
{
    setDrawn(borderHighLightColor_, value, "BorderHighLightColor");
}

void UltiFrame::setBorderShadowColor(std::uint32_t value) { setDrawn(borderShadowColor_, value, "BorderShadowColor"); }

void UltiFrame::setBorderStyle(std::int32_t value)
{
    checkValue("BorderStyle", value);
    setDrawn(borderStyle_, value, "BorderStyle");
}

void UltiFrame::setCaption(const std::string& value) { setDrawn(caption_, value, "Caption"); }

void UltiFrame::setCaptionStyle(std::int32_t value) { setDrawn(captionStyle_, value, "CaptionStyle"); }

void UltiFrame::setClipControls(bool value)
{
    clipControls_ = value;
    markChanged("ClipControls");
}

void UltiFrame::setCornerRadius(std::int32_t value) { setDrawn(cornerRadius_, value, "CornerRadius"); }

void UltiFrame::setEnabled(bool value)
{
    enabled_ = value;
    QWidget::setEnabled(value);
    markChanged("Enabled");
}

QFont UltiFrame::Font() const
{
    return picFrame_->font();
}

void UltiFrame::setFont(const QFont& value)
{
    picFrame_->setFont(value);
    markChanged("Font");
    Redraw();
}

void UltiFrame::setFont3D(std::int32_t value) { setDrawn(font3D_, value, "Font3D"); }

void UltiFrame::setForeColor(std::uint32_t value)
{
    picFrame_->setForeColor(value);
    setDrawn(foreColor_, value, "ForeColor");
}

std::intptr_t UltiFrame::hwnd()
{
    return static_cast<std::intptr_t>(winId());
}

void UltiFrame::setMouseIcon(const QCursor& value)
{
    mouseIcon_ = value;
    applyMousePointer();
    markChanged("MouseIcon");
}

void UltiFrame::setMousePointer(std::int32_t value)
{
    checkValue("MousePointer", value);
    mousePointer_ = value;
    applyMousePointer();
    markChanged("MousePointer");
}

void UltiFrame::setOLEDropMode(std::int32_t value)
{
    checkValue("OLEDropMode", value);
    oleDropMode_ = value;
    setAcceptDrops(value == 1);
    markChanged("OLEDropMode");
}

// ---------------------------------------------------------------- methods

void UltiFrame::PlaySoundFile(const std::string& lpSound, std::optional<std::int32_t> lFlag)
{
    using namespace platform;
    const unsigned source = (!lFlag || *lFlag == 0) ? SND_FILENAME : SND_ALIAS;
    if (!soundPort_) {
        if (!ownSound_)
            ownSound_ = std::make_unique<CanberraSound>();
        soundPort_ = ownSound_.get();
    }
    soundPort_->play(lpSound, source | SND_ASYNC | SND_NODEFAULT | SND_PURGE);
}

void UltiFrame::Refresh()
{
    Redraw();
}

} // namespace framecontrol
