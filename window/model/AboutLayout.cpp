#include "window/model/AboutLayout.h"

#include "window/model/Product.h"

namespace window {

namespace {

using K = platform::ControlKind;

constexpr DesignedFont kAddress{"Arial", 9.75, false, true};
constexpr DesignedFont kTitle{"Times New Roman", 9.75, false};

// Captions filled in by the window itself (the address, the credit line and
// the version) are left empty here.
constexpr ControlLayout kLayout[] = {
    // name          kind              container  caption               left   top   width  height  tab  font
    {"cmbClose",     K::CommandButton, "",        "OK",                 {2040, 6960, 1335, 375}, 3, kAboutFont},
    {"Frame2",       K::Frame,         "",        "Frame1",             {1320, 3000, 3015, 615}, 1, kAboutFont},
    {"Label1",       K::Label,         "Frame2",  "",                   {240, 120, 2400, 405},   2, kAddress},
    {"lblDeveloped", K::Label,         "",        "",                   {120, 4320, 3375, 255},  5, kAboutFont},
    {"lblVersion",   K::Label,         "",        "",                   {120, 4080, 1455, 255},  4, kAboutFont},
    {"lblAbout",     K::Label,         "",        kProductName,         {120, 3840, 5415, 255},  0, kTitle},
    {"Image1",       K::Picture,       "",        "",                   {1080, 0, 3315, 3000},   -1, kAboutFont},
};

} // namespace

std::span<const ControlLayout> frmBrisvaneAboutLayout()
{
    return kLayout;
}

} // namespace window
