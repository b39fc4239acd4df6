// The main window's help wiring: registration at load, F1 from any field,
// Help > Contents, and closing the window.

#include <gtest/gtest.h>

#include "help/CHtmlHelp.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "platform/form/Input.h"
#include "platform/handles/WindowHandleRegistry.h"
#include "tests/support/RecordingPorts.h"
#include "tests/support/RecordingHelpViewer.h"
#include "window/model/FrmPoker.h"
#include "window/model/FrmPokerHelp.h"

namespace {

class FrmPokerHelp : public ::testing::Test {
protected:
    FrmPokerHelp()
    {
        viewer.cookie = 5;
        viewer.respond = [this](const testsupport::RecordingHelpViewer::Call&) {
            if (!windows.isWindow(viewerWindow))
                viewerWindow = windows.allocate([this](unsigned m, std::intptr_t, std::intptr_t) {
                    if (m == platform::WmClose)
                        windows.release(viewerWindow);
                    return std::intptr_t{0};
                });
            return viewerWindow;
        };
        session.emplace(help::HelpPlatform{&viewer, &windows, &messageBox, "Brisvane Tablewise"});
        frm.form.setHWnd(31337);
        window::wireHelp(frm);
        frm.Form_Load();
    }

    const testsupport::RecordingHelpViewer::Call& last() const { return viewer.calls.back(); }

    testsupport::RecordingHelpViewer viewer;
    testsupport::RecordingMessageBox messageBox;
    platform::WindowHandleRegistry windows;
    std::intptr_t viewerWindow = 0;
    std::optional<help::HtmlHelpSession> session;
    window::FrmPoker frm;
};

TEST_F(FrmPokerHelp, LoadRegistersTheWindowWithKeyPreview)
{
    EXPECT_TRUE(frm.form.keyPreview());
    EXPECT_EQ(help::GetHtmlHelp()->handlerKeys(), (std::vector<std::string>{"31337"}));
    EXPECT_TRUE(messageBox.calls.empty());
}

TEST_F(FrmPokerHelp, F1InAnyFieldShowsTheMainWindowsTopic)
{
    for (platform::Control* field : std::initializer_list<platform::Control*>{&frm.txtBB, &frm.txtHoleCard, &frm.cmbPostFlop}) {
        platform::input::moveFocus(*field);
        EXPECT_EQ(platform::input::keyDown(frm.form, platform::KeyF1, 0), 0) << field->name();
        EXPECT_EQ(last().command, platform::HhHelpContext);
        EXPECT_EQ(last().data, platform::HelpData(std::int32_t{help::kHelpContextMainWindow}));
        EXPECT_EQ(last().caller, 31337);
        EXPECT_EQ(last().file, help::AppFolder() + "BV_Tablewise.chm");
    }
}

TEST_F(FrmPokerHelp, HelpContentsOpensTheContentsOwnedByTheWindow)
{
    window::openHelpContents(frm);
    EXPECT_EQ(last().command, platform::HhDisplayToc);
    EXPECT_EQ(last().caller, 31337);
    EXPECT_EQ(last().file, help::AppFolder() + "BV_Tablewise.chm");
    EXPECT_EQ(help::GetHtmlHelp()->helpWindows(), (std::vector<std::string>{"31337_" + std::to_string(viewerWindow)}));
}

TEST_F(FrmPokerHelp, ClosingTheWindowClosesItsHelp)
{
    window::openHelpContents(frm);
    ASSERT_TRUE(windows.isWindow(viewerWindow));
    EXPECT_TRUE(frm.form.close(platform::FormControlMenu));
    EXPECT_FALSE(windows.isWindow(viewerWindow));
    EXPECT_TRUE(help::GetHtmlHelp()->handlerKeys().empty());
}

TEST_F(FrmPokerHelp, ASecondRegistrationIsReportedByTheWrapper)
{
    help::GetHtmlHelp()->InitFormHelpHandler(frm.form, &frm.cmdHelp, true);
    ASSERT_EQ(messageBox.calls.size(), 1u);
    EXPECT_NE(messageBox.calls[0].prompt.find("in InitFormHelpHandler of CHtmlHelp"), std::string::npos);
    EXPECT_EQ(messageBox.calls[0].title, "[Brisvane Tablewise] Error");
}

TEST_F(FrmPokerHelp, ALoadFailureIsReportedForFormLoad)
{
    frm.loadHooks.reportLoadError(frm, platform::PlatformError(53, "File not found"));
    ASSERT_EQ(messageBox.calls.size(), 1u);
    EXPECT_EQ(messageBox.calls[0].prompt, "53: File not found\r\nin Form_Load of Form_Poker");
    EXPECT_EQ(messageBox.calls[0].style, 48u);
}

TEST_F(FrmPokerHelp, EndingTheSessionClosesTheHelpAndUninitialises)
{
    window::openHelpContents(frm);
    session.reset();
    EXPECT_FALSE(windows.isWindow(viewerWindow));
    EXPECT_EQ(last().command, platform::HhUninitialize);
    EXPECT_EQ(last().data, platform::HelpData(std::int32_t{5}));
}

} // namespace
