#pragma once
// The main window's controls as designed: kind, container, caption, place and
// size in twips, tab index and font, in creation order.

#include <span>
#include <string>
#include <string_view>

#include "platform/form/Control.h"
#include "platform/form/Form.h"

namespace window {

struct DesignedFont {
    std::string_view family; // the designed face; views map it to an installed one
    double points;
    bool bold;
    bool underline = false;
};

inline constexpr DesignedFont kFormFont{"MS Sans Serif", 9.75, true};

struct ControlLayout {
    std::string_view name;
    platform::ControlKind kind;
    std::string_view container; // empty: the window's inner area
    std::string_view caption;
    platform::TwipRect rect;
    int tabIndex; // -1: none
    DesignedFont font;
    bool visible = true;
};

// Creation order: within a container an earlier control lies in front of a
// later one where they overlap, and labels and pictures lie behind windowed
// controls.
std::span<const ControlLayout> frmPokerLayout();

const ControlLayout* findLayout(std::string_view name);

// Gives the form's controls their designed place, tab index, visibility,
// container and caption.
void applyLayout(platform::Form& form, std::span<const ControlLayout> layout);

// The menu bar: each menu, then its items, in order.
struct MenuLayout {
    std::string_view name;
    std::string_view parent; // empty: a menu of the bar
    std::string caption;     // "&" marks the access key
};
std::span<const MenuLayout> frmPokerMenus();

// The window's inner area in twips.
inline constexpr int kFormWidthTwips = 5655;
inline constexpr int kFormHeightTwips = 11355;

} // namespace window
