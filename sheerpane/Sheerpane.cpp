// Sheerpane: construction, properties, first placement, load and save.

#include "sheerpane/Sheerpane.h"

#include <cmath>

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QPaintEvent>

#include "platform/GuardedCall.h"
#include "platform/PlatformError.h"
#include "platform/draw/FontConvert.h"
#include "platform/draw/SystemColours.h"
#include "platform/propertybag/BagText.h"
#include "sheerpane/BorderLine.h"
#include "sheerpane/CaptionLabel.h"
#include "platform/qt/EtchedFrame.h"
#include "platform/qt/MousePointers.h"
#include "sheerpane/SheerpaneErrors.h"
#include "sheerpane/WindowHandles.h"
#include "sheerpane/server/LiveObjects.h"
#include "platform/qt/QtText.h"

using namespace sheerpane;

namespace {

using platform::OleColour;
using platform::PlatformError;

constexpr double kMaxFontSize = 2048;

[[noreturn]] void invalidValue(const char* property, const std::string& value)
{
    throw PlatformError(platform::kErrInvalidPropertyValue,
                        std::string("Invalid property value: ") + property + " = " + value);
}

QString withSpaces(const QString& caption)
{
    return QLatin1Char(' ') + caption + QLatin1Char(' ');
}

} // namespace

Sheerpane::Sheerpane(QWidget* parent) : ControlWidget(parent), gdi_(std::make_shared<WindowGdi>())
{
    LiveObjects::add();
    // The surface paints all of itself, so a repaint of it alone is not a
    // paint of the form behind.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    // Hidden while the background is captured: a layout must not close up.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);

    using platform::qt::kBottomRightColours;
    using platform::qt::kTopLeftColours;
    const auto pair = [this](const std::array<std::uint32_t, 2>& colours) {
        return std::array<BorderLine*, 2>{new BorderLine(this, colours[0]), new BorderLine(this, colours[1])};
    };
    linTop_ = pair(kTopLeftColours);
    linLeft_ = pair(kTopLeftColours);
    linRight_ = pair(kBottomRightColours);
    linBottom_ = pair(kBottomRightColours);
    const auto name = [](std::array<BorderLine*, 2>& lines, const char* base) {
        for (int i = 0; i < 2; ++i)
            lines[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i));
    };
    name(linTop_, "linTop");
    name(linLeft_, "linLeft");
    name(linRight_, "linRight");
    name(linBottom_, "linBottom");
    // After the lines, so that it stands over them. It stands on the
    // control's own background colour, not on the captured picture: button
    // text on a photograph of a card table cannot be read.
    lblCaption_ = new CaptionLabel(this, [this](QPainter& painter, const QRect& area) {
        platform::draw::ColourRef rgb = 0;
        platform::draw::OleTranslateColor(backColor_, rgb);
        painter.fillRect(area, platform::draw::toQColor(rgb));
    });
    lblCaption_->setObjectName(QStringLiteral("lblCaption"));
    lblCaption_->setCaption(withSpaces(caption_));
    showCaptionIfDue();
    layOutConstituents();
}

Sheerpane::~Sheerpane()
{
    LiveObjects::remove();
}

void Sheerpane::setAmbient(platform::Ambient ambient)
{
    ambient_ = std::move(ambient);
    ambientGiven_ = true;
}

// ---------------------------------------------------------------- life cycle

bool Sheerpane::ReadProperties(const QString& bagText)
{
    return platform::guardedCall([&] { ReadProperties(platform::readBagText(platform::qt::toUtf8(bagText))); },
                                 errorReporter());
}

QString Sheerpane::WriteProperties() const
{
    platform::PropertyBag bag;
    WriteProperties(bag);
    return platform::qt::toQString(platform::writeBagText(bag));
}

// ---------------------------------------------------------------- Qt hosts

bool Sheerpane::event(QEvent* event)
{
    if (event->type() == QEvent::Polish && !sited_)
        siteInQtHost();
    return QWidget::event(event);
}

void Sheerpane::siteInQtHost()
{
    if (!ambientGiven_) {
        ambient_.userMode = !designMode_;
        ambient_.displayName = objectName().isEmpty() ? std::string("Sheerpane1") : platform::qt::toUtf8(objectName());
        ambient_.font = platform::draw::toFontDesc(parentWidget() ? parentWidget()->font() : QApplication::font());
    }
    // Only a control placed new on a form being designed is initialised;
    // anywhere else it comes from a saved form.
    platform::guardedCall(
        [&] {
            if (designMode_ && !changes_.any())
                InitProperties();
            else
                ReadProperties(propertiesSetSoFar());
        },
        errorReporter());
    if (designMode_ && !ambientGiven_)
        connect(this, &QObject::objectNameChanged, this, &Sheerpane::followNewName);
}

// Designer keeps only the properties a person set: a caption that is still
// the control's name is not saved, and the program shows the name the form
// gives it then. So while it is the name, the caption follows a renaming.
void Sheerpane::followNewName(const QString& name)
{
    const QString previous = platform::qt::toQString(ambient_.displayName);
    ambient_.displayName = platform::qt::toUtf8(name);
    if (caption_ == previous)
        setCaption(name);
}

// What the host set through the Qt properties, as a bag to load from: the
// keys it set with their values now. A value equal to its default is not in
// the bag, and reads back as that same default.
platform::PropertyBag Sheerpane::propertiesSetSoFar() const
{
    platform::PropertyBag all;
    WriteProperties(all);
    platform::PropertyBag bag;
    for (const std::string& key : changes_.keys())
        if (const platform::PropertyValue* value = all.find(key))
            bag.set(key, *value);
    return bag;
}

std::function<void(long, const std::string&)> Sheerpane::errorReporter()
{
    return [this](long number, const std::string& description) { raiseError(number, description); };
}

void Sheerpane::raiseError(long number, const std::string& description)
{
    const QString text = platform::qt::toQString(description);
    if (isSignalConnected(QMetaMethod::fromSignal(&Sheerpane::errorRaised)))
        emit errorRaised(static_cast<int>(number), text);
    else
        qWarning("Sheerpane %s: error %ld: %s", qPrintable(objectName()), number, qPrintable(text));
}

// ---------------------------------------------------------------- properties

void Sheerpane::setBackColor(uint oleColour)
{
    surfaceBackColor(oleColour);
    markChanged("BackColor");
}

void Sheerpane::setForeColor(uint oleColour)
{
    surfaceForeColor(oleColour);
    markChanged("ForeColor");
}

bool Sheerpane::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void Sheerpane::setEnabled(bool value)
{
    surfaceEnabled(value);
    markChanged("Enabled");
}

void Sheerpane::setFont(const QFont& value)
{
    QWidget::setFont(value);
    markChanged("Font");
}

void Sheerpane::setBorderStyle(BorderStyles value)
{
    borderStyle_ = value;
    for (auto* pair : {&linTop_, &linLeft_, &linRight_, &linBottom_})
        for (BorderLine* line : *pair)
            line->setVisible(borderStyle_ == FixedSingle);
    showCaptionIfDue();
    markChanged("BorderStyle");
}

void Sheerpane::setCaption(const QString& value)
{
    caption_ = value;
    lblCaption_->setCaption(withSpaces(value));
    showCaptionIfDue();
    markChanged("Caption");
}

void Sheerpane::showCaptionIfDue()
{
    lblCaption_->setVisible(!caption_.isEmpty() && borderStyle_ == FixedSingle);
}

void Sheerpane::setAppearance(AppearanceConstants value)
{
    surfaceAppearance(value);
    markChanged("Appearance");
}

QList<QWidget*> Sheerpane::Controls() const
{
    QList<QWidget*> controls;
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        bool constituent = child == lblCaption_;
        for (const auto* pair : {&linTop_, &linLeft_, &linRight_, &linBottom_})
            constituent = constituent || (*pair)[0] == child || (*pair)[1] == child;
        if (!constituent)
            controls.append(child);
    }
    return controls;
}

void Sheerpane::setFontUnderline(bool value)
{
    changeFont([&](QFont& font) { font.setUnderline(value); });
    markChanged("FontUnderline");
}

void Sheerpane::setFontTransparent(bool value)
{
    fontTransparent_ = value;
    markChanged("FontTransparent");
}

void Sheerpane::setFontStrikethru(bool value)
{
    changeFont([&](QFont& font) { font.setStrikeOut(value); });
    markChanged("FontStrikethru");
}

double Sheerpane::FontSize() const
{
    const QFont current = font();
    if (current.pointSizeF() > 0)
        return current.pointSizeF();
    // A font sized in pixels.
    return current.pixelSize() * 72.0 / logicalDpiY();
}

void Sheerpane::setFontSize(double points)
{
    surfaceFontSize(points);
    markChanged("FontSize");
}

void Sheerpane::setFontName(const QString& value)
{
    surfaceFontName(value);
    markChanged("FontName");
}

void Sheerpane::setFontItalic(bool value)
{
    changeFont([&](QFont& font) { font.setItalic(value); });
    markChanged("FontItalic");
}

void Sheerpane::setFontBold(bool value)
{
    changeFont([&](QFont& font) { font.setBold(value); });
    markChanged("FontBold");
}

std::int32_t Sheerpane::hWnd()
{
    return windowHandleOf(*this);
}

void Sheerpane::setMouseIcon(const platform::Picture& value)
{
    if (!value.empty() && platform::draw::toQImage(value).isNull())
        throw PlatformError(kErrInvalidPicture, "Invalid picture: the MouseIcon is not an image");
    mouseIcon_ = value;
    applyMousePointer();
    markChanged("MouseIcon");
}

void Sheerpane::setMousePointer(int value)
{
    surfaceMousePointer(value);
    markChanged("MousePointer");
}

void Sheerpane::setBackStyle(BackStyleConstants value)
{
    backStyle_ = value;
    markChanged("BackStyle");
}

// ---------------------------------------------------------------- Qt property writes

// Through the property's setter in the table; no exception may cross Qt.
void Sheerpane::writeProperty(std::string_view name, const platform::PropertyValue& value)
{
    platform::guardedCall([&] { properties().set(*this, name, value); }, errorReporter());
}

void Sheerpane::writeAppearance(AppearanceConstants value) { writeProperty("Appearance", platform::toPropertyValue(value)); }
void Sheerpane::writeFontSize(double points) { writeProperty("FontSize", points); }
void Sheerpane::writeFontName(const QString& value) { writeProperty("FontName", platform::qt::toUtf8(value)); }
void Sheerpane::writeMousePointer(int value) { writeProperty("MousePointer", value); }

QPixmap Sheerpane::mouseIconPixmap() const
{
    return QPixmap::fromImage(platform::draw::toQImage(mouseIcon_));
}

void Sheerpane::writeMouseIcon(const QPixmap& value)
{
    writeProperty("MouseIcon", value.isNull() ? platform::Picture{} : platform::draw::toPicture(value.toImage()));
}

// ---------------------------------------------------------------- the surface

void Sheerpane::surfaceBackColor(uint oleColour)
{
    backColor_ = oleColour;
    update();
}

void Sheerpane::surfaceForeColor(uint oleColour)
{
    foreColor_ = oleColour;
    // Text that contained controls draw in the surface's colours follows it.
    platform::draw::ColourRef rgb = 0;
    if (platform::draw::OleTranslateColor(oleColour, rgb)) {
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, platform::draw::toQColor(rgb));
        setPalette(colours);
    }
}

void Sheerpane::surfaceEnabled(bool value)
{
    QWidget::setEnabled(value);
}

void Sheerpane::surfaceAppearance(std::int32_t value)
{
    if (value != Flat && value != ThreeD)
        invalidValue("Appearance", std::to_string(value));
    appearance_ = value;
}

void Sheerpane::surfaceFontSize(double points)
{
    if (!std::isfinite(points) || points <= 0 || points > kMaxFontSize)
        invalidValue("FontSize", std::to_string(points));
    changeFont([&](QFont& font) { font.setPointSizeF(points); });
}

void Sheerpane::surfaceFontName(const QString& value)
{
    if (value.trimmed().isEmpty())
        invalidValue("FontName", "\"" + platform::qt::toUtf8(value) + "\"");
    changeFont([&](QFont& font) { font.setFamily(value); });
}

void Sheerpane::surfaceMousePointer(std::int32_t value)
{
    if (!platform::qt::isMousePointer(value))
        invalidValue("MousePointer", std::to_string(value));
    mousePointer_ = value;
    applyMousePointer();
}

void Sheerpane::changeFont(const std::function<void(QFont&)>& change)
{
    QFont changed = font();
    change(changed);
    QWidget::setFont(changed);
}

void Sheerpane::applyMousePointer()
{
    if (mousePointer_ == platform::qt::kPointerCustom && !mouseIcon_.empty())
        setCursor(platform::draw::toQCursor(mouseIcon_));
    else if (const auto shape = platform::qt::cursorShapeOf(mousePointer_))
        setCursor(*shape);
    else
        unsetCursor();
}

// ---------------------------------------------------------------- layout and painting

platform::qt::Twips Sheerpane::twips() const
{
    return platform::qt::Twips::ofDpi(logicalDpiX());
}

void Sheerpane::layOutConstituents()
{
    const platform::qt::Twips scale = twips();
    const platform::qt::EtchedFrameLayout layout =
        platform::qt::layOutEtchedFrame(scale.fromPixels(width()), scale.fromPixels(height()), scale.onePixel(),
                                        scale.fromPixels(lblCaption_->height()));
    lblCaption_->move(scale.toPixels(layout.captionLeft), scale.toPixels(layout.captionTop));
    for (std::size_t i = 0; i < 2; ++i) {
        linTop_[i]->place(layout.top[i], scale);
        linLeft_[i]->place(layout.left[i], scale);
        linRight_[i]->place(layout.right[i], scale);
        linBottom_[i]->place(layout.bottom[i], scale);
    }
}

void Sheerpane::resizeEvent(QResizeEvent*)
{
    layOutConstituents();
}

void Sheerpane::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintBackground(painter, event->rect(), QPoint(0, 0));
}

// Paints the surface's background (its colour, then its picture from the top
// left corner) into area of the painter, which shows the surface from offset.
void Sheerpane::paintBackground(QPainter& painter, const QRect& area, const QPoint& offset) const
{
    platform::draw::ColourRef rgb = 0;
    platform::draw::OleTranslateColor(backColor_, rgb);
    painter.fillRect(area, platform::draw::toQColor(rgb));
    if (!picture_.empty())
        painter.drawImage(area.topLeft(), *picture_.bitmap, area.translated(offset));
}

