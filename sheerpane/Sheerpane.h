#pragma once
// Sheerpane: a container frame with an etched border of eight lines, a
// caption set into its top edge, and a background that can show a picture of
// the form behind it, captured once when the form paints.
//
// The control is the surface: most properties pass straight through to it.
// A host either calls InitProperties (first placement) or ReadProperties
// (load) itself, or leaves it to the control: a Qt host (Qt Designer,
// QUiLoader, a program that builds it through the class factory) sets what it
// wants through the Qt properties, and the control loads itself from them when
// it is first polished; there, design mode is the flag the Designer plugin
// sets, and the display name is the object name.
//
// Errors of calls the host makes throw platform::PlatformError. Work the
// control does on its own (loading when first polished, the capture after a
// paint of its form) and writes through the Qt properties report them with
// errorRaised instead, since nothing could catch them there.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include <QFont>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>

#include "platform/propertybag/Ambient.h"
#include "platform/propertybag/PropertyBag.h"
#include "platform/propertybag/PropertyChanges.h"
#include "platform/propertybag/PropertyTable.h"
#include "platform/qt/ControlWidget.h"
#include "platform/qt/Twips.h"
#include "sheerpane/capture/StdPicture.h"
#include "sheerpane/capture/WindowGdi.h"

namespace sheerpane {
class BorderLine;
class CaptionLabel;
} // namespace sheerpane

// In no namespace: hosts and forms name the class "Sheerpane".
class Sheerpane : public platform::qt::ControlWidget {
    Q_OBJECT
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(BorderStyles BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(AppearanceConstants Appearance READ Appearance WRITE writeAppearance)
    Q_PROPERTY(QList<QWidget*> Controls READ Controls DESIGNABLE false STORED false)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline)
    Q_PROPERTY(bool FontTransparent READ FontTransparent WRITE setFontTransparent)
    Q_PROPERTY(bool FontStrikethru READ FontStrikethru WRITE setFontStrikethru)
    Q_PROPERTY(double FontSize READ FontSize WRITE writeFontSize)
    Q_PROPERTY(QString FontName READ FontName WRITE writeFontName)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold)
    Q_PROPERTY(int hWnd READ hWnd DESIGNABLE false STORED false)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIconPixmap WRITE writeMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE writeMousePointer)
    Q_PROPERTY(BackStyleConstants BackStyle READ BackStyle WRITE setBackStyle)

public:
    enum AppearanceConstants : std::int32_t { Flat = 0, ThreeD = 1 };
    Q_ENUM(AppearanceConstants)
    enum BackStyleConstants : std::int32_t { Transparent = 0, Opaque = 1 };
    Q_ENUM(BackStyleConstants)
    enum BorderStyles : std::int32_t { None = 0, FixedSingle = 1 };
    Q_ENUM(BorderStyles)

    explicit Sheerpane(QWidget* parent = nullptr);
    ~Sheerpane() override;

    // ---- The host's side.
    const platform::Ambient& ambient() const noexcept { return ambient_; }
    void setAmbient(platform::Ambient ambient);
    // Set by the Designer plugin: the control is on a form being designed.
    bool designMode() const noexcept { return designMode_; }
    void setDesignMode(bool on) { designMode_ = on; }
    platform::PropertyChanges& propertyChanges() noexcept { return changes_; }

    void InitProperties();
    // Throws the type-mismatch error (13) when, at run time, the control has
    // no form to hold it; what was read before stays.
    void ReadProperties(const platform::PropertyBag& bag);
    void WriteProperties(platform::PropertyBag& bag) const;
    // The same with the bag in its text form, for hosts that reach the
    // control through its Qt properties only. Errors go to errorRaised.
    Q_INVOKABLE bool ReadProperties(const QString& bagText);
    Q_INVOKABLE QString WriteProperties() const;

    // ---- Properties. Colours are stored colours: 0x00BBGGRR, or 0x80000000 +
    // n for system colour n.
    uint BackColor() const noexcept { return backColor_; }
    void setBackColor(uint oleColour);
    uint ForeColor() const noexcept { return foreColor_; }
    void setForeColor(uint oleColour);
    // The control's own Enabled (it hides QWidget::setEnabled).
    bool Enabled() const;
    void setEnabled(bool value);
    // The surface's font (it hides QWidget::setFont).
    QFont Font() const { return font(); }
    void setFont(const QFont& value);
    BorderStyles BorderStyle() const noexcept { return static_cast<BorderStyles>(borderStyle_); }
    void setBorderStyle(BorderStyles value);
    QString Caption() const { return caption_; }
    void setCaption(const QString& value);
    // 0 or 1; anything else throws 380.
    AppearanceConstants Appearance() const noexcept { return static_cast<AppearanceConstants>(appearance_); }
    void setAppearance(AppearanceConstants value);
    // The controls the host put on this one.
    QList<QWidget*> Controls() const;
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool value);
    bool FontTransparent() const noexcept { return fontTransparent_; }
    void setFontTransparent(bool value);
    bool FontStrikethru() const { return font().strikeOut(); }
    void setFontStrikethru(bool value);
    // Points, more than 0 and at most 2048; anything else throws 380.
    double FontSize() const;
    void setFontSize(double points);
    // An empty name throws 380.
    QString FontName() const { return font().family(); }
    void setFontName(const QString& value);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool value);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool value);
    std::int32_t hWnd();
    // The pointer shown with MousePointer 99; a picture that is not an image
    // throws 481.
    const platform::Picture& MouseIcon() const noexcept { return mouseIcon_; }
    void setMouseIcon(const platform::Picture& value);
    // 0 to 15, or 99 for MouseIcon; anything else throws 380.
    int MousePointer() const noexcept { return mousePointer_; }
    void setMousePointer(int value);
    // Takes effect when the form next paints.
    BackStyleConstants BackStyle() const noexcept { return static_cast<BackStyleConstants>(backStyle_); }
    void setBackStyle(BackStyleConstants value);

    // ---- The background capture.
    // The form whose paints this control follows: set by a load at run time.
    QWidget* MyParent() const { return myParent_.data(); }
    // What a paint of the form does; a paint only queues it, and it runs as
    // soon as the paint is over. Called again while it runs, it does
    // nothing. Errors propagate.
    void MyParent_Paint();
    // Whether the captured background is shown. Setting true captures it
    // (once: nothing more while it is shown), false removes it.
    bool ShowParentImage() const noexcept { return imageShown_; }
    void setShowParentImage(bool value);
    // The form behind the control, read while it is hidden.
    sheerpane::StdPicture CaptureSelf();
    // width x height pixels of a window from (left, top); no picture for an
    // empty size. The picture carries the screen's palette on a 256-colour
    // palette screen.
    sheerpane::StdPicture CaptureWindow(sheerpane::HWND window, bool clientArea, int left, int top, int width,
                                        int height);
    // A picture that owns the bitmap and the palette from now on.
    sheerpane::StdPicture CreateBitmapPicture(sheerpane::HBITMAP bitmap, sheerpane::HPALETTE palette);
    // The surface's picture: the captured background, if shown.
    const sheerpane::StdPicture& Picture() const noexcept { return picture_; }
    // The drawing calls of the capture (tests put in their own).
    sheerpane::WindowGdi& windowGdi() noexcept { return *gdi_; }
    void setWindowGdi(std::shared_ptr<sheerpane::WindowGdi> gdi) { gdi_ = std::move(gdi); }

    // ---- Constituent parts.
    sheerpane::CaptionLabel& lblCaption() const noexcept { return *lblCaption_; }
    sheerpane::BorderLine& linTop(int index) const { return *linTop_.at(static_cast<std::size_t>(index)); }
    sheerpane::BorderLine& linLeft(int index) const { return *linLeft_.at(static_cast<std::size_t>(index)); }
    sheerpane::BorderLine& linRight(int index) const { return *linRight_.at(static_cast<std::size_t>(index)); }
    sheerpane::BorderLine& linBottom(int index) const { return *linBottom_.at(static_cast<std::size_t>(index)); }
    platform::qt::Twips twips() const;

signals:
    // Arguments are references: with a direct connection, a handler's
    // changes come back. A key whose KeyCode or KeyAscii a handler sets to 0
    // is used up; any other goes on to the form. Mouse positions are in
    // twips; Button 1 left, 2 right, 4 middle; Shift 1 shift, 2 control, 4 alt.
    void Click();
    void DblClick();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
    void errorRaised(int number, const QString& description);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    platform::qt::Twips mouseScale() const override { return twips(); }
    void raiseMouse(platform::qt::MouseAction action, qint16& button, qint16& shift, float& x, float& y) override;
    void raiseClick() override { emit Click(); }
    void raiseDblClick() override { emit DblClick(); }

private:
    // The saved properties: name, default, getter, setter, and what placing
    // and loading do with a value.
    static const platform::PropertyTable<Sheerpane>& properties();
    // The entry of a style of the surface's font.
    template <bool (Sheerpane::*Get)() const, void (Sheerpane::*Set)(bool), void (QFont::*Style)(bool)>
    static platform::PropertyEntry<Sheerpane> fontStyleProperty(std::string_view name);

    // The defaults that are not the host's (the table's, and the control's
    // own before it is placed or loaded).
    static constexpr uint kDefaultBackColor = 0x8000000F; // button face
    static constexpr uint kDefaultForeColor = 0x80000012; // button text
    static constexpr std::int32_t kDefaultBackStyle = Transparent;
    static constexpr std::int32_t kDefaultBorderStyle = FixedSingle;
    static constexpr std::int32_t kDefaultAppearance = ThreeD;
    static constexpr bool kDefaultFontTransparent = true;
    static constexpr std::int32_t kDefaultMousePointer = 0;

    // Property writes from Qt (Designer, QUiLoader, setProperty): no
    // exception may cross Qt, so failures go to errorRaised.
    void writeProperty(std::string_view name, const platform::PropertyValue& value);
    void writeAppearance(AppearanceConstants value);
    void writeFontSize(double points);
    void writeFontName(const QString& value);
    QPixmap mouseIconPixmap() const;
    void writeMouseIcon(const QPixmap& value);
    void writeMousePointer(int value);

    // The surface's own settings, as a load applies them (nothing marked).
    void surfaceBackColor(uint oleColour);
    void surfaceForeColor(uint oleColour);
    void surfaceEnabled(bool value);
    void surfaceAppearance(std::int32_t value);
    void surfaceFontSize(double points);
    void surfaceFontName(const QString& value);
    void surfaceMousePointer(std::int32_t value);
    void changeFont(const std::function<void(QFont&)>& change);
    void applyMousePointer();
    void markChanged(const char* key) { changes_.mark(key); }
    void showCaptionIfDue();

    // Layout and the background.
    void layOutConstituents();
    void paintBackground(QPainter& painter, const QRect& area, const QPoint& offset) const;
    void setPicture(sheerpane::StdPicture picture);
    void setMyParent(QWidget* form);
    void queueParentPaint();

    // Qt hosts.
    void siteInQtHost();
    void followNewName(const QString& name);
    platform::PropertyBag propertiesSetSoFar() const;
    void raiseError(long number, const std::string& description);
    std::function<void(long, const std::string&)> errorReporter();

    platform::Ambient ambient_;
    bool ambientGiven_ = false;
    bool designMode_ = false;
    bool sited_ = false;
    platform::PropertyChanges changes_;

    // Fields of the control.
    std::int32_t backStyle_ = kDefaultBackStyle;
    std::int32_t borderStyle_ = kDefaultBorderStyle;
    QString caption_;
    bool imageShown_ = false;
    bool painting_ = false;

    // Settings of the surface.
    uint backColor_ = kDefaultBackColor;
    uint foreColor_ = kDefaultForeColor;
    std::int32_t appearance_ = kDefaultAppearance;
    bool fontTransparent_ = kDefaultFontTransparent;
    std::int32_t mousePointer_ = kDefaultMousePointer;
    platform::Picture mouseIcon_;
    sheerpane::StdPicture picture_;

    // Constituents.
    sheerpane::CaptionLabel* lblCaption_ = nullptr;
    std::array<sheerpane::BorderLine*, 2> linTop_{};
    std::array<sheerpane::BorderLine*, 2> linLeft_{};
    std::array<sheerpane::BorderLine*, 2> linRight_{};
    std::array<sheerpane::BorderLine*, 2> linBottom_{};

    QPointer<QWidget> myParent_;
    bool parentPaintQueued_ = false;
    std::shared_ptr<sheerpane::WindowGdi> gdi_;
};
