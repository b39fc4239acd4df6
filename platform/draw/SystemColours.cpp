#include "platform/draw/SystemColours.h"

#include <QGuiApplication>

namespace platform::draw {

namespace {

struct RoleOf {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Which palette entry plays the part of each system colour.
std::optional<RoleOf> roleOf(int index)
{
    using P = QPalette;
    switch (index) {
    case COLOR_SCROLLBAR: return RoleOf{P::Active, P::Button};
    case COLOR_BACKGROUND: return RoleOf{P::Active, P::Dark};
    case COLOR_ACTIVECAPTION: return RoleOf{P::Active, P::Highlight};
    case COLOR_INACTIVECAPTION: return RoleOf{P::Inactive, P::Mid};
    case COLOR_MENU: return RoleOf{P::Active, P::Window};
    case COLOR_WINDOW: return RoleOf{P::Active, P::Base};
    case COLOR_WINDOWFRAME: return RoleOf{P::Active, P::WindowText};
    case COLOR_MENUTEXT: return RoleOf{P::Active, P::WindowText};
    case COLOR_WINDOWTEXT: return RoleOf{P::Active, P::Text};
    case COLOR_CAPTIONTEXT: return RoleOf{P::Active, P::HighlightedText};
    case COLOR_ACTIVEBORDER: return RoleOf{P::Active, P::Button};
    case COLOR_INACTIVEBORDER: return RoleOf{P::Inactive, P::Button};
    case COLOR_APPWORKSPACE: return RoleOf{P::Active, P::Dark};
    case COLOR_HIGHLIGHT: return RoleOf{P::Active, P::Highlight};
    case COLOR_HIGHLIGHTTEXT: return RoleOf{P::Active, P::HighlightedText};
    case COLOR_BTNFACE: return RoleOf{P::Active, P::Button};
    case COLOR_BTNSHADOW: return RoleOf{P::Active, P::Dark};
    case COLOR_GRAYTEXT: return RoleOf{P::Disabled, P::Text};
    case COLOR_BTNTEXT: return RoleOf{P::Active, P::ButtonText};
    case COLOR_INACTIVECAPTIONTEXT: return RoleOf{P::Disabled, P::WindowText};
    case COLOR_BTNHIGHLIGHT: return RoleOf{P::Active, P::Light};
    case COLOR_3DDKSHADOW: return RoleOf{P::Active, P::Shadow};
    case COLOR_3DLIGHT: return RoleOf{P::Active, P::Midlight};
    case COLOR_INFOTEXT: return RoleOf{P::Active, P::ToolTipText};
    case COLOR_INFOBK: return RoleOf{P::Active, P::ToolTipBase};
    case COLOR_HOTLIGHT: return RoleOf{P::Active, P::Link};
    case COLOR_GRADIENTACTIVECAPTION: return RoleOf{P::Active, P::Highlight};
    case COLOR_GRADIENTINACTIVECAPTION: return RoleOf{P::Inactive, P::Midlight};
    case COLOR_MENUHILIGHT: return RoleOf{P::Active, P::Highlight};
    case COLOR_MENUBAR: return RoleOf{P::Active, P::Window};
    default: return std::nullopt;
    }
}

} // namespace

std::optional<QColor> systemColour(int index, const QPalette& palette)
{
    const auto role = roleOf(index);
    if (!role)
        return std::nullopt;
    return palette.color(role->group, role->role);
}

bool OleTranslateColor(std::uint32_t oleColour, ColourRef& rgb, const QPalette& palette)
{
    switch (oleColour >> 24) {
    case 0x00:
    case 0x02:
        rgb = static_cast<ColourRef>(oleColour & 0x00FFFFFFu);
        return true;
    case 0x80: {
        if ((oleColour & 0x00FFFFFFu) > 0xFFFF)
            return false;
        const auto colour = systemColour(static_cast<int>(oleColour & 0xFFFFu), palette);
        if (!colour)
            return false;
        rgb = fromQColor(*colour);
        return true;
    }
    default:
        return false;
    }
}

bool OleTranslateColor(std::uint32_t oleColour, ColourRef& rgb)
{
    return OleTranslateColor(oleColour, rgb, QGuiApplication::palette());
}

} // namespace platform::draw
