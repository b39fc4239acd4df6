// The main window's menus and web link, and the About window, headless: what
// each asks of the desktop through the recording ports.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/form/Input.h"
#include "platform/ports/MessageBoxPort.h"
#include "platform/ports/ShellOpenPort.h"
#include "tests/support/RecordingPorts.h"
#include "window/model/FrmBrisvaneAbout.h"
#include "window/model/FrmPoker.h"
#include "window/model/Layout.h"
#include "window/model/Product.h"

using namespace platform;

namespace {

struct Desktop {
    testsupport::RecordingShellOpen shell;
    testsupport::RecordingMessageBox boxes;
    Ports ports() { return {&boxes, &shell, nullptr, nullptr}; }
};

// Each place that leads to the web site, clicked as the user does.
struct LinkPlace {
    const char* name;
    std::function<void(Desktop&)> click;
};

void clickLogoArea(Desktop& d)
{
    window::FrmPoker frm(d.ports());
    frm.Form_Load();
    input::click(frm.lblHyper);
}

void clickAboutControl(Desktop& d, const char* name)
{
    window::FrmBrisvaneAbout about(d.ports());
    about.Form_Load();
    input::click(*about.form.find(name));
}

class WebLink : public ::testing::TestWithParam<LinkPlace> {};

TEST_P(WebLink, OpensTheSiteAndSaysNothingWhenTheDesktopDoes)
{
    Desktop d;
    GetParam().click(d);
    ASSERT_EQ(d.shell.targets.size(), 1u);
    EXPECT_EQ(d.shell.targets[0], window::kSiteAddress);
    EXPECT_TRUE(d.boxes.calls.empty());
}

TEST_P(WebLink, ReportsEachRefusalInOneBox)
{
    Desktop d;
    d.shell.succeed = false;
    GetParam().click(d);
    GetParam().click(d);
    ASSERT_EQ(d.boxes.calls.size(), 2u);
    for (const auto& call : d.boxes.calls) {
        EXPECT_EQ(call.prompt, "Error occured");
        EXPECT_EQ(call.style, MbOkOnly);
        EXPECT_EQ(call.title, "Tablewise");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, WebLink,
    ::testing::Values(LinkPlace{"MainLogo", clickLogoArea},
                      LinkPlace{"AboutAddress", [](Desktop& d) { clickAboutControl(d, "Label1"); }},
                      LinkPlace{"AboutLogo", [](Desktop& d) { clickAboutControl(d, "Image1"); }}),
    [](const ::testing::TestParamInfo<LinkPlace>& place) { return std::string(place.param.name); });

TEST(WebLinkWithoutADesktop, SaysItCouldNotOpen)
{
    testsupport::RecordingMessageBox boxes;
    window::FrmPoker frm({&boxes, nullptr, nullptr, nullptr});
    input::click(frm.lblHyper);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].prompt, "Error occured");
}

// The box keeps its prompt and carries the reason the desktop gave, or says
// that there is no desktop at all.
class ReasonBox final : public MessageBoxPort {
public:
    int show(const std::string& prompt, unsigned, const std::string&) override
    {
        shown.push_back({prompt, "(no reason)"});
        return MbResultOk;
    }
    int showWithReason(const std::string& prompt, unsigned, const std::string&, const std::string& reason) override
    {
        shown.push_back({prompt, reason});
        return MbResultOk;
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

class RefusingShell final : public ShellOpenPort {
public:
    bool open(const std::string&) override { return false; }
    std::string refusalReason() const override { return "No browser was found."; }
};

TEST(WebLinkRefused, TheBoxSaysWhy)
{
    struct Case {
        ShellOpenPort* shell;
        std::string reason;
    };
    RefusingShell refusing;
    for (const Case& c : {Case{&refusing, "No browser was found."},
                          Case{nullptr, "There is no desktop to open the page with."}}) {
        ReasonBox box;
        window::FrmPoker frm({&box, c.shell, nullptr, nullptr});
        input::click(frm.lblHyper);
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].first, "Error occured");
        EXPECT_EQ(box.shown[0].second, c.reason);
    }
}

TEST(AboutWindow, LoadsWithItsVersionAndOnlyOkTakesTheFocus)
{
    window::FrmBrisvaneAbout about;
    about.Form_Load();
    EXPECT_EQ(about.form.caption(), "About Brisvane Tablewise");
    EXPECT_EQ(about.lblVersion.caption(), "Version 1.0.8");
    EXPECT_EQ(about.lblAbout.caption(), "Brisvane Tablewise");
    EXPECT_EQ(about.Label1.caption(), "BRISVANE.EXAMPLE");
    EXPECT_FALSE(about.lblDeveloped.caption().empty());
    EXPECT_EQ(about.form.focus(), &about.cmbClose);
    ASSERT_EQ(about.form.tabOrder().size(), 1u);
    EXPECT_EQ(about.Label1.container(), &about.Frame2);
}

TEST(AboutWindow, AddressColourFollowsTheLastMoveOnly)
{
    window::FrmBrisvaneAbout about;
    about.Form_Load();
    const std::uint32_t white = window::FrmBrisvaneAbout::kWhite;
    const std::uint32_t blue = window::FrmBrisvaneAbout::kBlue;
    EXPECT_EQ(about.label1ForeColor(), white);
    about.Label1_MouseMove();
    EXPECT_EQ(about.label1ForeColor(), blue);
    about.Label1_MouseMove();
    EXPECT_EQ(about.label1ForeColor(), blue); // a fast exit leaves it blue
    about.Frame2_MouseMove();
    EXPECT_EQ(about.label1ForeColor(), white);
}

TEST(AboutWindow, OkUnloadsIt)
{
    window::FrmBrisvaneAbout about;
    about.Form_Load();
    int unloads = 0;
    about.form.unload.connect([&] { ++unloads; });
    input::click(about.cmbClose);
    EXPECT_TRUE(about.form.closed());
    EXPECT_EQ(unloads, 1);
}

TEST(Menus, AboutIsLoadedAfreshAtEachShowing)
{
    window::FrmPoker frm;
    int showings = 0;
    frm.menuHooks.showModal = [&](window::FrmBrisvaneAbout& about) {
        ++showings;
        EXPECT_EQ(about.lblVersion.caption(), "Version 1.0.8");
        EXPECT_EQ(about.label1ForeColor(), window::FrmBrisvaneAbout::kWhite);
        EXPECT_FALSE(about.form.closed());
        about.Label1_MouseMove(); // left blue by this showing
        input::click(about.cmbClose);
    };
    frm.mnuAbout_Click();
    frm.mnuAbout_Click();
    EXPECT_EQ(showings, 2);
}

TEST(Menus, ExitEndsWithoutAnyCloseNotification)
{
    window::FrmPoker frm;
    frm.Form_Load();
    int ended = 0;
    int closeNotifications = 0;
    frm.menuHooks.endProgram = [&] { ++ended; };
    frm.form.queryUnload.connect([&](int&, int) { ++closeNotifications; });
    frm.form.unload.connect([&] { ++closeNotifications; });
    frm.mnuExit_Click();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(closeNotifications, 0);
    EXPECT_FALSE(frm.form.closed());
}

TEST(Menus, ContentsAsksForTheHelpOfThisWindow)
{
    window::FrmPoker frm;
    const window::FrmPoker* asked = nullptr;
    frm.menuHooks.openContents = [&](window::FrmPoker& f) { asked = &f; };
    frm.mnuContents_Click();
    EXPECT_EQ(asked, &frm);
}

TEST(Menus, CaptionsAndAccessKeys)
{
    std::vector<std::string> captions;
    for (const window::MenuLayout& m : window::frmPokerMenus())
        captions.push_back(std::string(m.parent) + ">" + m.caption);
    const std::vector<std::string> expected{">&File", "mnuFile>E&xit", ">&View", "mnuView>&Strategy Chart",
                                            "mnuView>&Cards and Board", "mnuView>Review &Hands", "mnuView>&Practice",
                                            ">&Help", "mnuHelp>Contents",
                                            "mnuHelp>&About Brisvane Tablewise"};
    EXPECT_EQ(captions, expected);
}

} // namespace
