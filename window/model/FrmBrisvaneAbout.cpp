#include "window/model/FrmBrisvaneAbout.h"

#include "window/model/AboutLayout.h"
#include "window/model/Product.h"
#include "window/model/WebLink.h"

namespace window {

namespace {

constexpr const char* kCredit = "Written by the Tablewise developers";

} // namespace

FrmBrisvaneAbout::FrmBrisvaneAbout(platform::Ports p) : ports(p)
{
    form.setCaption(std::string("About ") + std::string(kProductName));
    applyLayout(form, frmBrisvaneAboutLayout());
    Label1.setCaption(siteAddressShown());
    lblDeveloped.setCaption(kCredit);
    cmbClose.click.connect([this] { cmbClose_Click(); });
    Label1.click.connect([this] { Label1_Click(); });
    Image1.click.connect([this] { Image1_Click(); });
}

void FrmBrisvaneAbout::Form_Load()
{
    lblVersion.setCaption(versionText());
    form.setFocus(cmbClose);
}

void FrmBrisvaneAbout::Label1_MouseMove()
{
    label1ForeColor_ = kBlue;
}

void FrmBrisvaneAbout::Frame2_MouseMove()
{
    label1ForeColor_ = kWhite;
}

void FrmBrisvaneAbout::cmbClose_Click()
{
    form.close(platform::FormCode);
}

void FrmBrisvaneAbout::Label1_Click()
{
    openLink(ports, kSiteAddress);
}

void FrmBrisvaneAbout::Image1_Click()
{
    openLink(ports, kSiteAddress);
}

} // namespace window
