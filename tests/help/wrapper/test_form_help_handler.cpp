// A form bound to the help: F1, the Help button, closing and cancelling the
// close, and registering twice.

#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "help/CFormHtmlHelpHandler.h"
#include "help/CHtmlHelp.h"
#include "help/HelpErrors.h"
#include "platform/form/Input.h"

namespace {

class FormHelp : public ::testing::Test {
protected:
    FormHelp()
    {
        form.setHWnd(form.hWnd() == 0 ? 500 : form.hWnd());
        form.setHelpContextId(1000);
    }

    std::vector<std::pair<unsigned, std::intptr_t>> requests() const
    {
        std::vector<std::pair<unsigned, std::intptr_t>> out;
        for (const auto& c : desktop.viewer.calls)
            if (c.command != platform::HhInitialize && c.command != platform::HhUninitialize)
                out.emplace_back(c.command, c.caller);
        return out;
    }

    helptest::FakeDesktop desktop;
    std::shared_ptr<help::CHtmlHelp> hh = help::GetHtmlHelp();
    platform::Form form{"frmTest"};
    platform::CommandButton cmdHelp{form, "cmdHelp"};
    platform::TextBox txtSome{form, "txtSome"};
};

TEST_F(FormHelp, RegisteringSetsKeyPreviewAndListsTheHandlerUnderTheWindowHandle)
{
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    EXPECT_TRUE(form.keyPreview());
    EXPECT_EQ(hh->handlerKeys(), (std::vector<std::string>{"500"}));
    EXPECT_TRUE(desktop.messageBox.calls.empty());
}

TEST_F(FormHelp, KeyPreviewIsOffUnlessAsked)
{
    form.setKeyPreview(true);
    hh->InitFormHelpHandler(form, &cmdHelp);
    EXPECT_FALSE(form.keyPreview());
}

struct KeyCase {
    const char* name;
    int key;
    int shift;
    bool showsHelp;
};

class Keys : public FormHelp, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, OnlyF1ShowsTheFormsTopicAndIsConsumed)
{
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    txtSome.setFocus();
    const int left = platform::input::keyDown(form, GetParam().key, GetParam().shift);
    if (GetParam().showsHelp) {
        EXPECT_EQ(left, 0);
        ASSERT_EQ(requests().size(), 1u);
        EXPECT_EQ(requests()[0], std::make_pair(unsigned{platform::HhHelpContext}, std::intptr_t{500}));
        EXPECT_EQ(desktop.viewer.calls.back().data, platform::HelpData(std::int32_t{1000}));
        EXPECT_EQ(desktop.viewer.calls.back().file, help::AppFolder() + "BV_Tablewise.chm");
    } else {
        EXPECT_EQ(left, GetParam().key);
        EXPECT_TRUE(requests().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Keys,
                         ::testing::Values(KeyCase{"F1", 112, 0, true}, KeyCase{"ShiftF1", 112, 1, true},
                                           KeyCase{"F2", 113, 0, false}, KeyCase{"LetterA", 65, 0, false},
                                           KeyCase{"Return", 13, 0, false}, KeyCase{"Tab", 9, 0, false}),
                         [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(FormHelp, WithoutKeyPreviewF1GoesByTheForm)
{
    hh->InitFormHelpHandler(form, &cmdHelp, false);
    EXPECT_EQ(platform::input::keyDown(form, 112, 0), 112);
    EXPECT_TRUE(requests().empty());
}

TEST_F(FormHelp, TheHelpButtonShowsTheContentsThenTheFormsTopic)
{
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    platform::input::click(cmdHelp);
    EXPECT_EQ(requests(), (std::vector<std::pair<unsigned, std::intptr_t>>{{platform::HhDisplayToc, 500},
                                                                           {platform::HhHelpContext, 500}}));
    const std::intptr_t viewer = desktop.windowOfFile.begin()->second;
    const std::string e = "500_" + std::to_string(viewer);
    EXPECT_EQ(hh->helpWindows(), (std::vector<std::string>{e, e}));
}

TEST_F(FormHelp, ATopicThatFailsStillLeavesTheContentsOpen)
{
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    desktop.viewer.failOn = platform::HhHelpContext;
    platform::input::click(cmdHelp);
    EXPECT_EQ(hh->helpWindows().size(), 1u);
    EXPECT_TRUE(desktop.messageBox.calls.empty());
}

TEST_F(FormHelp, ClosingTheFormClosesItsViewersAndEndsTheBinding)
{
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    platform::input::keyDown(form, 112, 0);
    hh->OpenTOC("other.chm", 900); // another window's viewer
    const std::intptr_t mine = desktop.windowOfFile.at(help::AppFolder() + "BV_Tablewise.chm");
    const std::intptr_t theirs = desktop.windowOfFile.at(help::AppFolder() + "other.chm");

    EXPECT_TRUE(form.close(platform::FormControlMenu));
    EXPECT_TRUE(hh->handlerKeys().empty());
    EXPECT_FALSE(desktop.windows.isWindow(mine));
    EXPECT_TRUE(desktop.windows.isWindow(theirs));
    EXPECT_EQ(hh->helpWindows(), (std::vector<std::string>{"900_" + std::to_string(theirs)}));

    const auto before = desktop.viewer.calls.size();
    EXPECT_EQ(platform::input::keyDown(form, 112, 0), 112) << "F1 is no longer handled";
    platform::input::click(cmdHelp);
    EXPECT_EQ(desktop.viewer.calls.size(), before);
}

TEST_F(FormHelp, ACancelledCloseForgetsTheHandlerButLeavesItsViewersOpen)
{
    // The form's own close handler, which runs first, refuses the close.
    const int veto = form.queryUnload.connect([](int& cancel, int) { cancel = 1; });
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    platform::input::keyDown(form, 112, 0);
    const std::intptr_t viewer = desktop.windowOfFile.begin()->second;

    EXPECT_FALSE(form.close(platform::FormControlMenu));
    EXPECT_TRUE(hh->handlerKeys().empty());
    EXPECT_TRUE(desktop.windows.isWindow(viewer));
    EXPECT_EQ(hh->helpWindows().size(), 1u);

    // Still subscribed: F1 works, and the next close that goes through
    // closes the form's viewers.
    EXPECT_EQ(platform::input::keyDown(form, 112, 0), 0);
    form.queryUnload.disconnect(veto);
    EXPECT_TRUE(form.close(platform::FormControlMenu));
    EXPECT_FALSE(desktop.windows.isWindow(viewer));
    EXPECT_TRUE(hh->helpWindows().empty());
}

TEST_F(FormHelp, RegisteringTheSameFormTwiceIsReportedAndLeavesOneBinding)
{
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    ASSERT_EQ(desktop.messageBox.calls.size(), 1u);
    EXPECT_EQ(desktop.messageBox.calls[0].prompt,
              std::to_string(help::kErrFormAlreadyRegistered) + ": " + help::kErrFormAlreadyRegisteredText +
                  "\r\nin InitFormHelpHandler of CHtmlHelp");
    EXPECT_EQ(desktop.messageBox.calls[0].title, "[Brisvane Tablewise] Error");
    EXPECT_EQ(hh->handlerKeys().size(), 1u);

    platform::input::click(cmdHelp);
    EXPECT_EQ(requests().size(), 2u) << "one contents and one topic, not two of each";
}

TEST_F(FormHelp, TwoFormsKeepSeparateViewersAndHandlers)
{
    platform::Form other("frmOther");
    other.setHWnd(600);
    other.setHelpContextId(1100);
    hh->InitFormHelpHandler(form, &cmdHelp, true);
    hh->InitFormHelpHandler(other, nullptr, true);
    EXPECT_EQ(hh->handlerKeys(), (std::vector<std::string>{"500", "600"}));
    platform::input::keyDown(form, 112, 0);
    hh->OpenTOC("b.chm", 600);
    other.close(platform::FormCode);
    EXPECT_EQ(hh->handlerKeys(), (std::vector<std::string>{"500"}));
    ASSERT_EQ(hh->helpWindows().size(), 1u);
    EXPECT_EQ(hh->helpWindows()[0].substr(0, 4), "500_");
}

TEST(FormHelpHandler, InitResolvesANamedFileOnceAndKeepsTheDefaultBare)
{
    helptest::FakeDesktop desktop;
    platform::Form form("f");
    auto bare = std::make_shared<help::CFormHtmlHelpHandler>();
    bare->Init(form);
    EXPECT_EQ(bare->helpFile(), "BV_Tablewise.chm");
    auto named = std::make_shared<help::CFormHtmlHelpHandler>();
    named->Init(form, nullptr, "guide.chm");
    EXPECT_EQ(named->helpFile(), help::AppFolder() + "guide.chm");
    EXPECT_FALSE(named->hasParent());
}

TEST(FormHelpHandler, TerminateRunsOnce)
{
    helptest::FakeDesktop desktop;
    platform::Form form("f");
    form.setHWnd(1);
    auto handler = std::make_shared<help::CFormHtmlHelpHandler>();
    handler->Init(form, nullptr, {}, help::GetHtmlHelp(), true);
    help::GetHtmlHelp()->OpenTOC("", 1);
    handler->Terminate();
    EXPECT_TRUE(handler->terminated());
    help::GetHtmlHelp()->OpenTOC("", 1);
    handler->Terminate();
    EXPECT_EQ(help::GetHtmlHelp()->helpWindows().size(), 1u) << "a second Terminate closes nothing";
}

} // namespace
