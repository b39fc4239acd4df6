#include "window/model/Layout.h"

#include "platform/form/StaticControls.h"
#include "window/model/Product.h"

namespace window {

namespace {

using K = platform::ControlKind;

constexpr DesignedFont kSmall{"MS Sans Serif", 8.25, false};
constexpr DesignedFont kSmallBold{"MS Sans Serif", 8.25, true};
constexpr DesignedFont kRegular{"MS Sans Serif", 9.75, false};
constexpr DesignedFont kBold = kFormFont;

constexpr ControlLayout kLayout[] = {
    // name               kind              container          caption               left   top    width  height  tab  font
    {"cmdResetPartial",   K::CommandButton, "",                "Reset",              {1920, 10440, 1575, 375},  40, kSmall},
    {"UltiFrame1",        K::Frame,         "",                "Pre-Flop",           {120, 1440, 5415, 2175},   30, kBold},
    {"txtLimpers",        K::TextBox,       "UltiFrame1",      "",                   {1320, 600, 615, 285},     36, kSmall},
    {"optRaiseReRaise",   K::OptionButton,  "UltiFrame1",      "Raise and Re-Raise", {120, 1680, 2055, 375},    35, kSmallBold},
    {"optRaisedCalled",   K::OptionButton,  "UltiFrame1",      "Raise and Call",     {120, 1320, 1935, 375},    34, kSmallBold},
    {"optRaised",         K::OptionButton,  "UltiFrame1",      "Raise",              {120, 960, 1215, 375},     33, kSmallBold},
    {"optLimped",         K::OptionButton,  "UltiFrame1",      "Limped",             {120, 600, 1215, 375},     32, kSmallBold},
    {"optOpened",         K::OptionButton,  "UltiFrame1",      "Opened",             {120, 240, 1215, 375},     31, kSmallBold},
    {"cmbPostFlop",       K::ComboBox,      "",                "",                   {240, 7440, 5175, 360},    19, kBold},
    {"Frame2",            K::Frame,         "",                "Post-Flop",          {120, 6120, 5415, 1815},   25, kBold},
    {"frmPot",            K::Frame,         "Frame2",          "Pot",                {3720, 360, 1455, 855},    28, kBold},
    {"optRaisedPost",     K::OptionButton,  "frmPot",          "Raised",             {120, 480, 1215, 255},     12, kBold},
    {"optLimpedPost",     K::OptionButton,  "frmPot",          "Limped",             {120, 240, 1240, 255},     11, kBold},
    {"frmPlayers",        K::Frame,         "Frame2",          "Players",            {1680, 360, 1695, 855},    27, kBold},
    {"optHeadsUp",        K::OptionButton,  "frmPlayers",      "Heads-up",           {120, 480, 1455, 255},     10, kBold},
    {"optMultiWay",       K::OptionButton,  "frmPlayers",      "Multi-way",          {120, 240, 1455, 255},     9,  kBold},
    {"frmPostPosition",   K::Frame,         "Frame2",          "Position",           {120, 360, 1335, 855},     26, kBold},
    {"optOut",            K::OptionButton,  "frmPostPosition", "Out",                {120, 480, 855, 255},      8,  kBold},
    {"optIn",             K::OptionButton,  "frmPostPosition", "In",                 {120, 240, 855, 255},      7,  kBold},
    {"txtFlop",           K::TextBox,       "",                "",                   {120, 8040, 5415, 2055},   17, kRegular},
    {"txtHoleCard",       K::TextBox,       "",                "",                   {1800, 480, 615, 360},     2,  kBold},
    {"Frame1",            K::Frame,         "",                "Position",           {4080, 120, 1455, 1335},   23, kBold},
    {"optBlinds",         K::OptionButton,  "Frame1",          "Blinds",             {120, 240, 1095, 255},     29, kBold},
    {"optLate",           K::OptionButton,  "Frame1",          "Late",               {120, 960, 975, 255},      6,  kBold},
    {"optMiddle",         K::OptionButton,  "Frame1",          "Middle",             {120, 720, 1095, 255},     5,  kBold},
    {"optEarly",          K::OptionButton,  "Frame1",          "Early",              {120, 480, 1095, 255},     4,  kBold},
    {"chkSuited",         K::CheckBox,      "",                "Yes",                {3120, 360, 735, 375},     3,  kBold},
    {"txtBB",             K::TextBox,       "",                "",                   {120, 480, 1215, 350},     1,  kRegular},
    {"txtPreFlop",        K::TextBox,       "",                "",                   {120, 4440, 5415, 1575},   16, kRegular},
    {"cmdHelp",           K::CommandButton, "",                "Command1",           {2400, 10440, 615, 255},   39, kBold, false},
    {"lblHyper",          K::Label,         "",                "",                   {2640, 1440, 2535, 2415},  38, kBold},
    {"lblLimpers",        K::Label,         "",                "Number of Limpers",  {1440, 1755, 1935, 255},   37, kSmallBold},
    {"lblCardSort",       K::Label,         "",                "",                   {0, 0, 495, 375},          24, kBold, false},
    {"Label3",            K::Label,         "",                "Bet Amount:",        {240, 4080, 1335, 375},    14, kBold},
    {"Label1",            K::Label,         "",                "Group:",             {240, 3720, 735, 375},     15, kBold},
    {"lblCardValue",      K::Label,         "",                "",                   {0, 480, 495, 375},        22, kBold, false},
    {"lblSuited",         K::Label,         "",                "Suited",             {3120, 120, 855, 255},     21, kBold},
    {"lblHoleCards",      K::Label,         "",                "Hole Cards",         {1680, 120, 1215, 255},    20, kBold},
    {"lblBB",             K::Label,         "",                "Big Blind",          {240, 120, 975, 255},      18, kBold},
    {"lblBetAmount",      K::Label,         "",                "",                   {1560, 4080, 4095, 375},   0,  kBold},
    {"lblGroup",          K::Label,         "",                "",                   {1080, 3720, 4455, 360},   13, kBold},
    {"Image1",            K::Picture,       "",                "",                   {2160, 1200, 3315, 3000},  -1, kBold},
};

} // namespace

void applyLayout(platform::Form& form, std::span<const ControlLayout> layout)
{
    for (const ControlLayout& l : layout) {
        platform::Control* c = form.find(l.name);
        if (!c)
            continue;
        c->setGeometry(l.rect);
        c->setTabIndex(l.tabIndex);
        c->setVisible(l.visible);
        if (!l.container.empty())
            c->setContainer(form.find(l.container));
        if (auto* captioned = dynamic_cast<platform::CaptionedControl*>(c))
            captioned->setCaption(l.caption);
    }
}

std::span<const ControlLayout> frmPokerLayout()
{
    return kLayout;
}

const ControlLayout* findLayout(std::string_view name)
{
    for (const ControlLayout& c : kLayout)
        if (c.name == name)
            return &c;
    return nullptr;
}

std::span<const MenuLayout> frmPokerMenus()
{
    static const MenuLayout menus[] = {
        {"mnuFile", "", "&File"},
        {"mnuExit", "mnuFile", "E&xit"},
        {"mnuView", "", "&View"},
        {"mnuStrategyChart", "mnuView", "&Strategy Chart"},
        {"mnuCardsAndBoard", "mnuView", "&Cards and Board"},
        {"mnuReviewHands", "mnuView", "Review &Hands"},
        {"mnuPractice", "mnuView", "&Practice"},
        {"mnuHelp", "", "&Help"},
        {"mnuContents", "mnuHelp", "Contents"},
        {"mnuAbout", "mnuHelp", "&About " + std::string(kSiteName) + " " + std::string(kProgramTitle)},
    };
    return menus;
}

} // namespace window
