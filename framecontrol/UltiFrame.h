#pragma once
// UltiFrame: a container frame that draws its own border (flat in a pen
// style, etched or bump, with optional rounded corners), a caption at one of
// six places with optional 3-D text effects, and can let what lies behind it
// show through its background at run time.
//
// The host places it (InitProperties) or loads it (ReadProperties), saves it
// (WriteProperties), tells it whether the program runs (Ambient::userMode)
// and puts its own controls on it as child widgets. Properties that change
// the picture redraw it at once; every setter tells the host through
// propertyChanges() which property changed.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QCursor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "framecontrol/OleDataObject.h"
#include "platform/Event.h"
#include "platform/draw/DeviceContext.h"
#include "platform/draw/Rect.h"
#include "platform/propertybag/Ambient.h"
#include "platform/propertybag/PropertyBag.h"
#include "platform/propertybag/PropertyChanges.h"
#include "platform/propertybag/PropertyTable.h"
#include "platform/qt/ControlWidget.h"

namespace platform {
class SoundPort;
}

namespace framecontrol {

class DragMimeData;
class PictureBox;

// Values of the enumerated properties.
enum UltiFrameAlignment : std::int32_t {
    ufTopLeft = 0, ufTopCentre = 1, ufTopRight = 2, ufBottomLeft = 3, ufBottomCentre = 4, ufBottomRight = 5,
};
enum UltiFrameAppearance : std::int32_t { ufFlat = 0, ufEtched = 1, ufBump = 2 };
enum UltiFrameFont3D : std::int32_t {
    ufNone = 0, ufRaisedLight = 1, ufRaisedHeavy = 2, ufInsetLight = 3, ufInsetHeavy = 4, ufDropShadow = 5,
};
enum UltiFrameBackStyle : std::int32_t { ufTransparent = 0, ufOpaque = 1 };

class UltiFrame : public platform::qt::ControlWidget {
    Q_OBJECT

public:
    explicit UltiFrame(QWidget* parent = nullptr, platform::Ambient ambient = {});
    ~UltiFrame() override;

    // ---- The host's side.
    const platform::Ambient& ambient() const noexcept { return ambient_; }
    void setAmbient(platform::Ambient ambient) { ambient_ = std::move(ambient); }
    platform::PropertyChanges& propertyChanges() noexcept { return changes_; }
    // Where PlaySoundFile plays; without one the control plays through the
    // desktop's sound library itself.
    void setSoundPort(platform::SoundPort* port) { soundPort_ = port; }

    // First placement on a form: defaults, the host's name as caption, the
    // host's font, a size of 1500 x 750 twips.
    void InitProperties();
    // Load and save; a value equal to its default is not stored. A stored
    // value out of its property's range loads as the property's default.
    void ReadProperties(const platform::PropertyBag& bag);
    void WriteProperties(platform::PropertyBag& bag) const;

    // ---- Properties. Colours are stored colours (0x00BBGGRR or a system
    // colour 0x80000000 + n). Setters of properties with a fixed set of values
    // the platform checks (BackStyle, MousePointer, OLEDropMode, BorderStyle)
    // throw PlatformError 380 for other values and change nothing.
    std::int32_t Alignment() const noexcept { return alignment_; }
    void setAlignment(std::int32_t value);
    std::int32_t Appearance() const noexcept { return appearance_; }
    void setAppearance(std::int32_t value);
    std::uint32_t BackColor() const noexcept { return backColor_; }
    void setBackColor(std::uint32_t value);
    std::int32_t BackStyle() const noexcept { return backStyle_; }
    void setBackStyle(std::int32_t value);
    std::uint32_t BorderColor() const noexcept { return borderColor_; }
    void setBorderColor(std::uint32_t value);
    std::uint32_t BorderHighLightColor() const noexcept { return borderHighLightColor_; }
    void setBorderHighLightColor(std::uint32_t value);
    std::uint32_t BorderShadowColor() const noexcept { return borderShadowColor_; }
    void setBorderShadowColor(std::uint32_t value);
    std::int32_t BorderStyle() const noexcept { return borderStyle_; }
    void setBorderStyle(std::int32_t value);
    const std::string& Caption() const noexcept { return caption_; }
    void setCaption(const std::string& value);
    std::int32_t CaptionStyle() const noexcept { return captionStyle_; }
    void setCaptionStyle(std::int32_t value);
    bool ClipControls() const noexcept { return clipControls_; }
    void setClipControls(bool value);
    std::int32_t CornerRadius() const noexcept { return cornerRadius_; }
    void setCornerRadius(std::int32_t value);
    // The control's Enabled property (it hides QWidget::setEnabled).
    bool Enabled() const noexcept { return enabled_; }
    void setEnabled(bool value);
    // The caption's font (it hides QWidget::setFont).
    QFont Font() const;
    void setFont(const QFont& value);
    std::int32_t Font3D() const noexcept { return font3D_; }
    void setFont3D(std::int32_t value);
    std::uint32_t ForeColor() const noexcept { return foreColor_; }
    void setForeColor(std::uint32_t value);
    // The native window handle (reading it makes the control a native window).
    std::intptr_t hwnd();
    // The pointer shown with MousePointer 99; a default QCursor is none.
    QCursor MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QCursor& value);
    std::int32_t MousePointer() const noexcept { return mousePointer_; }
    void setMousePointer(std::int32_t value);
    std::int32_t OLEDropMode() const noexcept { return oleDropMode_; }
    void setOLEDropMode(std::int32_t value);

    // ---- Methods.
    // Starts a drag from the control: OLEStartDrag fills the data, then the
    // drag runs (OLEGiveFeedback, OLESetData) and OLECompleteDrag reports it.
    void OLEDrag();
    // Plays a sound file (lFlag 0 or omitted) or a system sound alias
    // (otherwise), without waiting; a sound that cannot play is silent.
    void PlaySoundFile(const std::string& lpSound, std::optional<std::int32_t> lFlag = std::nullopt);
    void Refresh();

    // ---- The layout of the last redraw.
    int captionWidth() const noexcept { return captionWidth_; }
    int captionHeight() const noexcept { return captionHeight_; }
    platform::draw::Rect captionRect() const noexcept { return rcCaption_; }
    platform::draw::Rect borderRect() const noexcept { return rcBorder_; }

    // ---- Events. Arguments are references: a handler's changes take effect.
    // Mouse positions are in twips; Button 1 left, 2 right, 4 middle; Shift
    // 1 shift, 2 control, 4 alt.
    platform::Event<> Click;
    platform::Event<> DblClick;
    platform::Event<std::int16_t&, std::int16_t&, float&, float&> MouseDown;
    platform::Event<std::int16_t&, std::int16_t&, float&, float&> MouseMove;
    platform::Event<std::int16_t&, std::int16_t&, float&, float&> MouseUp;
    platform::Event<std::int32_t&> OLECompleteDrag;
    platform::Event<OleDataObject&, std::int32_t&, std::int16_t&, std::int16_t&, float&, float&> OLEDragDrop;
    // State: 0 entering, 1 leaving, 2 moving over.
    platform::Event<OleDataObject&, std::int32_t&, std::int16_t&, std::int16_t&, float&, float&, std::int16_t&>
        OLEDragOver;
    platform::Event<std::int32_t&, bool&> OLEGiveFeedback;
    platform::Event<OleDataObject&, std::int16_t&> OLESetData;
    platform::Event<OleDataObject&, std::int32_t&> OLEStartDrag;
    platform::Event<> Resize;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The control's scale: twips, at a fixed 15 to the pixel.
    platform::qt::Twips mouseScale() const override { return platform::qt::Twips(); }
    void raiseMouse(platform::qt::MouseAction action, std::int16_t& button, std::int16_t& shift, float& x,
                    float& y) override;
    void raiseClick() override { Click(); }
    void raiseDblClick() override { DblClick(); }

private:
    // The saved properties: name, default, how to read and store each.
    static const platform::PropertyTable<UltiFrame>& properties();
    void takeFixedDefaults();
    platform::PropertyBag withoutRefusedValues(const platform::PropertyBag& bag) const;
    // Throws PlatformError 380 for a value the property does not take.
    static void checkValue(std::string_view name, std::int32_t value);

    // Drawing.
    void Redraw();
    // What a drawing depends on besides the stored properties. A resize or a
    // show that changes none of it keeps the frame as it was last drawn.
    struct DrawnFor {
        std::uint64_t changes = 0;
        QSize size;
        std::vector<QRect> children;
        bool userMode = false;
        qint64 palette = 0;
        bool operator==(const DrawnFor&) const = default;
    };
    DrawnFor drawnFor() const;
    void redrawIfStale();
    void applyBackStyle();
    // The mask of a transparent surface is made from the picture given; it is
    // not kept.
    void setSurfaceBackStyle(std::int32_t backStyle, const QImage& maskPicture = {});
    void updateSurfaceMask(const QImage& maskPicture);
    platform::draw::DeviceContext& surfaceDC();

    // Applying stored values to the surface and the picture box.
    void applyToSurface();
    void applyMousePointer();
    void markChanged(const char* key)
    {
        ++changeCount_;
        changes_.mark(key);
    }
    // Stores a property the picture shows, tells the host, and redraws.
    template <class T>
    void setDrawn(T& field, const T& value, const char* key)
    {
        field = value;
        markChanged(key);
        Redraw();
    }

    // Raising drag events from Qt's.
    void raiseDragOver(QDropEvent* event, std::int16_t state);
    void settleDrop(QDropEvent* event, std::int32_t effect);

    platform::Ambient ambient_;
    platform::PropertyChanges changes_;
    platform::SoundPort* soundPort_ = nullptr;
    std::unique_ptr<platform::SoundPort> ownSound_;

    // Stored property values; their defaults are in the property table.
    std::int32_t alignment_;
    std::int32_t appearance_;
    std::uint32_t backColor_;
    std::int32_t backStyle_;
    std::uint32_t borderColor_;
    std::uint32_t borderHighLightColor_;
    std::uint32_t borderShadowColor_;
    std::int32_t borderStyle_;
    std::string caption_;
    std::int32_t captionStyle_;
    bool clipControls_;
    std::int32_t cornerRadius_;
    bool enabled_;
    std::int32_t font3D_;
    std::uint32_t foreColor_;
    std::int32_t mousePointer_;
    std::int32_t oleDropMode_;

    // Property changes so far (loads count as one), and what the last
    // redraw was drawn for.
    std::uint64_t changeCount_ = 0;
    std::optional<DrawnFor> lastDrawn_;

    // The layout of the last redraw.
    int captionWidth_ = 0;
    int captionHeight_ = 0;
    platform::draw::Rect rcCaption_;
    platform::draw::Rect rcBorder_;

    // The control surface: its own image and settings. The picture box lies
    // over all of it and shows the finished frame.
    PictureBox* picFrame_;
    platform::draw::Bitmap surfaceImage_;
    platform::draw::DeviceContext surfaceDC_;
    std::uint32_t surfaceBackColor_ = 0x8000000F;
    std::int32_t surfaceBackStyle_ = 1;
    bool surfaceClipControls_ = true;
    std::uint32_t maskColor_ = 0x8000000F;
    QCursor mouseIcon_;

    // Drag and drop state.
    std::optional<OleDataObject> dropData_;
};

} // namespace framecontrol
