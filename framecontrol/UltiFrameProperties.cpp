// UltiFrame: its saved properties, and first placement, load and save.

#include <algorithm>
#include <string_view>
#include <vector>

#include "framecontrol/PictureBox.h"
#include "framecontrol/UltiFrame.h"
#include "platform/draw/FontConvert.h"
#include "platform/propertybag/PropertyTable.h"
#include "platform/qt/MousePointers.h"
#include "platform/qt/Twips.h"

namespace framecontrol {

namespace {

constexpr int kPlacedWidthTwips = 1500;
constexpr int kPlacedHeightTwips = 750;

template <std::int32_t Low, std::int32_t High>
bool inRange(const platform::PropertyValue& value)
{
    const auto* number = std::get_if<std::int32_t>(&value);
    return number && *number >= Low && *number <= High;
}

bool isMousePointer(const platform::PropertyValue& value)
{
    const auto* number = std::get_if<std::int32_t>(&value);
    return number && platform::qt::isMousePointer(*number);
}

} // namespace

const platform::PropertyTable<UltiFrame>& UltiFrame::properties()
{
    using namespace platform;
    using Value = PropertyValue;
    // In the order of saving. Loading reads the fields in their own order
    // (pass 0, then pass 1), then the font and the mouse icon (pass 2).
    static const platform::PropertyTable<UltiFrame> table({
        {.name = "Alignment", .defaultValue = 0,
         .get = propertyGet<&UltiFrame::alignment_>, .load = propertyPut<&UltiFrame::alignment_>},
        {.name = "Appearance", .defaultValue = 1,
         .get = propertyGet<&UltiFrame::appearance_>, .load = propertyPut<&UltiFrame::appearance_>},
        {.name = "BackColor", .defaultValue = OleColour{0x8000000F}, // button face
         .get = propertyGet<&UltiFrame::backColor_>, .load = propertyPut<&UltiFrame::backColor_>},
        {.name = "BackStyle", .defaultValue = 1,
         .get = propertyGet<&UltiFrame::backStyle_>, .load = propertyPut<&UltiFrame::backStyle_>,
         .valid = inRange<ufTransparent, ufOpaque>},
        {.name = "BorderColor", .defaultValue = OleColour{0x80000006}, // window frame
         .get = propertyGet<&UltiFrame::borderColor_>, .load = propertyPut<&UltiFrame::borderColor_>},
        {.name = "BorderHighLightColor", .defaultValue = OleColour{0x80000014}, // 3-D highlight
         .get = propertyGet<&UltiFrame::borderHighLightColor_>,
         .load = propertyPut<&UltiFrame::borderHighLightColor_>},
        {.name = "BorderShadowColor", .defaultValue = OleColour{0x80000010}, // button shadow
         .get = propertyGet<&UltiFrame::borderShadowColor_>, .load = propertyPut<&UltiFrame::borderShadowColor_>},
        // The pen styles 0 (solid) to 6 (inside frame).
        {.name = "BorderStyle", .defaultValue = 0,
         .get = propertyGet<&UltiFrame::borderStyle_>, .load = propertyPut<&UltiFrame::borderStyle_>,
         .valid = inRange<0, 6>},
        // Placed new, the control shows its name; loaded, only what was saved.
        {.name = "Caption", .defaultValue = std::string(), .placedDefault = AmbientDefault::DisplayName,
         .get = propertyGet<&UltiFrame::caption_>, .load = propertyPut<&UltiFrame::caption_>},
        {.name = "CaptionStyle", .defaultValue = 0,
         .get = propertyGet<&UltiFrame::captionStyle_>, .load = propertyPut<&UltiFrame::captionStyle_>,
         .readPass = 1},
        {.name = "ClipControls", .defaultValue = true,
         .get = propertyGet<&UltiFrame::clipControls_>, .load = propertyPut<&UltiFrame::clipControls_>},
        {.name = "CornerRadius", .defaultValue = 0,
         .get = propertyGet<&UltiFrame::cornerRadius_>, .load = propertyPut<&UltiFrame::cornerRadius_>},
        {.name = "Enabled", .defaultValue = true,
         .get = propertyGet<&UltiFrame::enabled_>, .load = propertyPut<&UltiFrame::enabled_>, .readPass = 1},
        {.name = "Font", .defaultValue = platform::FontDesc{}, .ambientDefault = AmbientDefault::Font,
         .get = [](const UltiFrame& frame) -> Value { return platform::draw::toFontDesc(frame.Font()); },
         .load = [](UltiFrame& frame, const Value& value) {
             frame.picFrame_->setFont(platform::draw::toQFont(std::get<platform::FontDesc>(value)));
         },
         .readPass = 2},
        {.name = "Font3D", .defaultValue = 0,
         .get = propertyGet<&UltiFrame::font3D_>, .load = propertyPut<&UltiFrame::font3D_>, .readPass = 1},
        {.name = "ForeColor", .defaultValue = OleColour{0x80000012}, // button text
         .get = propertyGet<&UltiFrame::foreColor_>, .load = propertyPut<&UltiFrame::foreColor_>, .readPass = 1},
        {.name = "MouseIcon", .defaultValue = platform::Picture{},
         .get = [](const UltiFrame& frame) -> Value { return platform::draw::toPicture(frame.mouseIcon_); },
         .load = [](UltiFrame& frame, const Value& value) {
             frame.mouseIcon_ = platform::draw::toQCursor(std::get<platform::Picture>(value));
         },
         .readPass = 2},
        {.name = "MousePointer", .defaultValue = 0,
         .get = propertyGet<&UltiFrame::mousePointer_>, .load = propertyPut<&UltiFrame::mousePointer_>,
         .valid = isMousePointer, .readPass = 1},
        {.name = "OLEDropMode", .defaultValue = 0,
         .get = propertyGet<&UltiFrame::oleDropMode_>, .load = propertyPut<&UltiFrame::oleDropMode_>,
         .valid = inRange<0, 1>, .readPass = 1},
    });
    return table;
}

void UltiFrame::checkValue(std::string_view name, std::int32_t value)
{
    properties().check(name, value);
}

void UltiFrame::takeFixedDefaults()
{
    for (const auto& entry : properties().entries())
        if (entry.ambientDefault == platform::AmbientDefault::None)
            entry.load(*this, entry.defaultValue);
}

void UltiFrame::InitProperties()
{
    properties().place(*this, ambient_);
    ++changeCount_;
    picFrame_->setForeColor(foreColor_);
    applyToSurface();
    const platform::qt::Twips twips;
    resize(twips.toPixels(kPlacedWidthTwips), twips.toPixels(kPlacedHeightTwips));
}

// A bag an older build saved may hold a value a setter now refuses. Such a
// value is left out, so that its property takes its default (nothing ever
// draws with a value out of range) and the rest of the bag loads as stored.
platform::PropertyBag UltiFrame::withoutRefusedValues(const platform::PropertyBag& bag) const
{
    std::vector<std::string_view> refused;
    for (const auto& entry : properties().entries()) {
        if (entry.valid && bag.contains(entry.name) &&
            !entry.valid(bag.read(entry.name, properties().defaultOf(entry, ambient_))))
            refused.push_back(entry.name);
    }
    if (refused.empty())
        return bag;
    platform::PropertyBag kept;
    for (const auto& [key, value] : bag.entries())
        if (std::find(refused.begin(), refused.end(), key) == refused.end())
            kept.set(key, value);
    return kept;
}

void UltiFrame::ReadProperties(const platform::PropertyBag& bag)
{
    properties().read(*this, withoutRefusedValues(bag), ambient_);
    picFrame_->setForeColor(foreColor_);
    applyToSurface();
    Redraw();
}

void UltiFrame::WriteProperties(platform::PropertyBag& bag) const
{
    properties().write(*this, bag, ambient_);
}

} // namespace framecontrol
