#pragma once
// The About window as a model: the product's name, version and credit, the
// web site's address with its hover colour, the logo, and OK. It is built
// and loaded afresh at each showing and unloads by OK or by being closed.

#include <cstdint>

#include "platform/form/Form.h"
#include "platform/form/StaticControls.h"
#include "platform/ports/Ports.h"

namespace window {

class FrmBrisvaneAbout {
public:
    explicit FrmBrisvaneAbout(platform::Ports ports = {});
    FrmBrisvaneAbout(const FrmBrisvaneAbout&) = delete;
    FrmBrisvaneAbout& operator=(const FrmBrisvaneAbout&) = delete;

    platform::Form form{"frmBrisvaneAbout"};
    platform::CommandButton cmbClose{form, "cmbClose"};
    platform::Frame Frame2{form, "Frame2"};
    platform::Label Label1{form, "Label1"};
    platform::Label lblDeveloped{form, "lblDeveloped"};
    platform::Label lblVersion{form, "lblVersion"};
    platform::Label lblAbout{form, "lblAbout"};
    platform::Image Image1{form, "Image1"};

    platform::Ports ports;

    // The address label's text colour, 0xRRGGBB.
    static constexpr std::uint32_t kWhite = 0xFFFFFF;
    static constexpr std::uint32_t kBlue = 0x0000FF;
    std::uint32_t label1ForeColor() const noexcept { return label1ForeColor_; }

    // Runs once, before the window is first shown; the focus goes to OK.
    void Form_Load();

    // The pointer moved over the address label, or over the frame around it.
    // Only moves count: leaving the frame quickly leaves the colour as it was.
    void Label1_MouseMove();
    void Frame2_MouseMove();

private:
    void cmbClose_Click();
    void Label1_Click();
    void Image1_Click();

    std::uint32_t label1ForeColor_ = kWhite;
};

} // namespace window
