// Sheerpane: its saved properties, and first placement, load and save.

#include "platform/draw/FontConvert.h"
#include "platform/propertybag/PropertyTable.h"
#include "sheerpane/Sheerpane.h"
#include "platform/qt/QtText.h"

namespace {

// A load at run time makes the control follow its form's paints after the
// mouse pointer and before the back style.
constexpr int kBeforeFollowingTheForm = 0;
constexpr int kAfterFollowingTheForm = 1;

} // namespace

template <bool (Sheerpane::*Get)() const, void (Sheerpane::*Set)(bool), void (QFont::*Style)(bool)>
platform::PropertyEntry<Sheerpane> Sheerpane::fontStyleProperty(std::string_view name)
{
    return {.name = name, .defaultValue = false,
            .get = platform::propertyGet<Get>, .set = platform::propertyPut<Set>,
            .load = [](Sheerpane& pane, const platform::PropertyValue& value) {
                pane.changeFont([&](QFont& font) { (font.*Style)(std::get<bool>(value)); });
            },
            .placed = false};
}

const platform::PropertyTable<Sheerpane>& Sheerpane::properties()
{
    using namespace platform;
    using Value = PropertyValue;
    // In the order of loading and saving. Most properties pass straight
    // through to the surface: a load sets them there without telling the
    // host. First placement sets only the font, the caption, the back style
    // and the border style.
    static const platform::PropertyTable<Sheerpane> table({
        {.name = "BackColor", .defaultValue = OleColour{kDefaultBackColor},
         .get = propertyGet<&Sheerpane::BackColor>, .set = propertyPut<&Sheerpane::setBackColor>,
         .load = propertyPut<&Sheerpane::surfaceBackColor>, .placed = false},
        {.name = "ForeColor", .defaultValue = OleColour{kDefaultForeColor},
         .get = propertyGet<&Sheerpane::ForeColor>, .set = propertyPut<&Sheerpane::setForeColor>,
         .load = propertyPut<&Sheerpane::surfaceForeColor>, .placed = false},
        {.name = "Enabled", .defaultValue = true,
         .get = propertyGet<&Sheerpane::Enabled>, .set = propertyPut<&Sheerpane::setEnabled>,
         .load = propertyPut<&Sheerpane::surfaceEnabled>, .placed = false},
        {.name = "Font", .defaultValue = platform::FontDesc{}, .ambientDefault = AmbientDefault::Font,
         .get = [](const Sheerpane& pane) -> Value { return platform::draw::toFontDesc(pane.font()); },
         .set = [](Sheerpane& pane, const Value& value) {
             pane.setFont(platform::draw::toQFont(std::get<platform::FontDesc>(value)));
         },
         .load = [](Sheerpane& pane, const Value& value) {
             pane.QWidget::setFont(platform::draw::toQFont(std::get<platform::FontDesc>(value)));
         }},
        {.name = "BorderStyle", .defaultValue = kDefaultBorderStyle,
         .get = propertyGet<&Sheerpane::BorderStyle>, .set = propertyPut<&Sheerpane::setBorderStyle>,
         .load = propertyPut<&Sheerpane::setBorderStyle>},
        {.name = "Caption", .defaultValue = std::string(), .ambientDefault = AmbientDefault::DisplayName,
         .get = [](const Sheerpane& pane) -> Value { return platform::qt::toUtf8(pane.caption_); },
         .set = [](Sheerpane& pane, const Value& value) {
             pane.setCaption(platform::qt::toQString(std::get<std::string>(value)));
         },
         .load = [](Sheerpane& pane, const Value& value) {
             pane.setCaption(platform::qt::toQString(std::get<std::string>(value)));
         }},
        {.name = "Appearance", .defaultValue = kDefaultAppearance,
         .get = propertyGet<&Sheerpane::Appearance>, .set = propertyPut<&Sheerpane::setAppearance>,
         .load = propertyPut<&Sheerpane::surfaceAppearance>, .placed = false},
        fontStyleProperty<&Sheerpane::FontUnderline, &Sheerpane::setFontUnderline, &QFont::setUnderline>(
            "FontUnderline"),
        {.name = "FontTransparent", .defaultValue = kDefaultFontTransparent,
         .get = propertyGet<&Sheerpane::FontTransparent>, .set = propertyPut<&Sheerpane::setFontTransparent>,
         .load = propertyPut<&Sheerpane::fontTransparent_>, .placed = false},
        fontStyleProperty<&Sheerpane::FontStrikethru, &Sheerpane::setFontStrikethru, &QFont::setStrikeOut>(
            "FontStrikethru"),
        // The defaults of the size and the name say nothing: the font keeps
        // what "Font" gave it.
        {.name = "FontSize", .defaultValue = 0.0,
         .get = propertyGet<&Sheerpane::FontSize>, .set = propertyPut<&Sheerpane::setFontSize>,
         .load = [](Sheerpane& pane, const Value& value) {
             if (const double size = std::get<double>(value); size != 0)
                 pane.surfaceFontSize(size);
         },
         .placed = false},
        {.name = "FontName", .defaultValue = std::string(),
         .get = [](const Sheerpane& pane) -> Value { return platform::qt::toUtf8(pane.FontName()); },
         .set = [](Sheerpane& pane, const Value& value) {
             pane.setFontName(platform::qt::toQString(std::get<std::string>(value)));
         },
         .load = [](Sheerpane& pane, const Value& value) {
             if (const std::string& name = std::get<std::string>(value); !name.empty())
                 pane.surfaceFontName(platform::qt::toQString(name));
         },
         .placed = false},
        fontStyleProperty<&Sheerpane::FontItalic, &Sheerpane::setFontItalic, &QFont::setItalic>("FontItalic"),
        fontStyleProperty<&Sheerpane::FontBold, &Sheerpane::setFontBold, &QFont::setBold>("FontBold"),
        {.name = "MouseIcon", .defaultValue = platform::Picture{},
         .get = propertyGet<&Sheerpane::MouseIcon>, .set = propertyPut<&Sheerpane::setMouseIcon>,
         .load = propertyPut<&Sheerpane::setMouseIcon>, .placed = false},
        {.name = "MousePointer", .defaultValue = kDefaultMousePointer,
         .get = propertyGet<&Sheerpane::MousePointer>, .set = propertyPut<&Sheerpane::setMousePointer>,
         .load = propertyPut<&Sheerpane::surfaceMousePointer>, .placed = false},
        {.name = "BackStyle", .defaultValue = kDefaultBackStyle,
         .get = propertyGet<&Sheerpane::BackStyle>, .set = propertyPut<&Sheerpane::setBackStyle>,
         .load = propertyPut<&Sheerpane::backStyle_>, .readPass = kAfterFollowingTheForm},
    });
    return table;
}

void Sheerpane::InitProperties()
{
    sited_ = true;
    properties().place(*this, ambient_);
}

void Sheerpane::ReadProperties(const platform::PropertyBag& bag)
{
    sited_ = true;
    properties().read(*this, bag, ambient_, kBeforeFollowingTheForm);
    if (ambient_.userMode)
        setMyParent(window());
    properties().read(*this, bag, ambient_, kAfterFollowingTheForm);
}

void Sheerpane::WriteProperties(platform::PropertyBag& bag) const
{
    properties().write(*this, bag, ambient_);
}
