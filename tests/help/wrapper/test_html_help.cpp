// The shared help wrapper against a recording viewer: what each open sends,
// which windows it remembers, how it closes them, and its lifecycle.

#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "help/CHtmlHelp.h"
#include "platform/PlatformError.h"

namespace {

using platform::FullTextQuery;
using platform::HelpData;

class HtmlHelp : public ::testing::Test {
protected:
    helptest::FakeDesktop desktop;
    std::shared_ptr<help::CHtmlHelp> hh = help::GetHtmlHelp();

    const testsupport::RecordingHelpViewer::Call& lastCall() const { return desktop.viewer.calls.back(); }
    std::string entry(std::intptr_t caller, std::intptr_t viewer) const
    {
        return std::to_string(caller) + "_" + std::to_string(viewer);
    }
};

TEST_F(HtmlHelp, CreationInitialisesTheViewerAndKeepsTheCookie)
{
    ASSERT_EQ(desktop.viewer.calls.size(), 1u);
    EXPECT_EQ(desktop.viewer.calls[0].command, platform::HhInitialize);
    EXPECT_EQ(desktop.viewer.calls[0].caller, 0);
    EXPECT_EQ(hh->cookie(), 77);
    EXPECT_EQ(help::GetHtmlHelp(), hh) << "one shared instance";
}

struct OpenCase {
    const char* name;
    std::function<void(help::CHtmlHelp&)> open;
    unsigned command;
    HelpData data;
};

class Opening : public HtmlHelp, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(Opening, SendsTheCommandWithTheResolvedFileAndTheCallersData)
{
    GetParam().open(*hh);
    const auto& call = lastCall();
    EXPECT_EQ(call.command, GetParam().command);
    EXPECT_EQ(call.caller, 4242);
    EXPECT_EQ(call.file, help::AppFolder() + "BV_Tablewise.chm");
    EXPECT_EQ(call.data, GetParam().data);
    EXPECT_EQ(hh->helpWindows(), (std::vector<std::string>{entry(4242, desktop.windowOfFile[call.file])}));
}

FullTextQuery searchRecord()
{
    FullTextQuery q;
    q.cbStruct = 32;
    q.fUniCodeStrings = 1;
    q.fExecute = 1;
    return q;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, Opening,
    ::testing::Values(
        OpenCase{"Contents", [](help::CHtmlHelp& h) { h.OpenTOC("", 4242); }, platform::HhDisplayToc, platform::NoHelpData{}},
        OpenCase{"IndexWithKeyword", [](help::CHtmlHelp& h) { h.OpenIndex("BV_Tablewise.chm", 4242, "limpers"); },
                 platform::HhDisplayIndex, std::string("limpers")},
        OpenCase{"IndexWithoutKeyword", [](help::CHtmlHelp& h) { h.OpenIndex("", 4242); }, platform::HhDisplayIndex,
                 std::string()},
        OpenCase{"Search", [](help::CHtmlHelp& h) { h.OpenSearch("", 4242); }, platform::HhDisplaySearch, searchRecord()},
        OpenCase{"Topic", [](help::CHtmlHelp& h) { h.OpenTopic("topics/glossary.htm", "", 4242); },
                 platform::HhDisplayTopic, std::string("topics/glossary.htm")},
        OpenCase{"Context", [](help::CHtmlHelp& h) { h.OpenContext(1000, "", 4242); }, platform::HhHelpContext,
                 std::int32_t{1000}}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(HtmlHelp, APathIsPassedAsItIs)
{
    hh->OpenTOC("/opt/help/other.chm");
    EXPECT_EQ(lastCall().file, "/opt/help/other.chm");
    EXPECT_EQ(lastCall().caller, 0);
}

TEST_F(HtmlHelp, ARequestThatShowsNothingIsNotRemembered)
{
    desktop.opens = false;
    hh->OpenTopic("missing.htm", "", 1);
    hh->OpenContext(999, "", 1);
    EXPECT_TRUE(hh->helpWindows().empty());
    EXPECT_TRUE(desktop.messageBox.calls.empty()) << "no message for a viewer that shows nothing";
}

TEST_F(HtmlHelp, HandlesBelowOneAreNotRemembered)
{
    for (std::intptr_t handle : {std::intptr_t{0}, std::intptr_t{-5}, std::intptr_t{1}}) {
        desktop.viewer.respond = nullptr;
        desktop.viewer.result = handle;
        hh->OpenTOC("", 9);
    }
    EXPECT_EQ(hh->helpWindows(), (std::vector<std::string>{"9_1"}));
}

TEST_F(HtmlHelp, AViewerErrorEndsTheOpenSilentlyAndKeepsEarlierState)
{
    hh->OpenTOC("", 5);
    desktop.viewer.failOn = platform::HhDisplayIndex;
    desktop.viewer.failNumber = 53;
    desktop.viewer.failDescription = "File not found";
    EXPECT_NO_THROW(hh->OpenIndex("", 5, "x"));
    EXPECT_EQ(hh->helpWindows().size(), 1u);
    EXPECT_TRUE(desktop.messageBox.calls.empty());
}

TEST_F(HtmlHelp, TwoOpensOfTheSameWindowLeaveTwoEqualEntriesAndOneCloseRemovesBoth)
{
    hh->OpenTOC("", 10);
    hh->OpenContext(1000, "", 10);
    const std::intptr_t viewer = desktop.windowOfFile.begin()->second;
    ASSERT_EQ(hh->helpWindows(), (std::vector<std::string>{entry(10, viewer), entry(10, viewer)}));

    hh->CloseHelpWindows(10);
    EXPECT_TRUE(hh->helpWindows().empty());
    EXPECT_EQ(desktop.log, (std::vector<std::string>{"close " + std::to_string(viewer), "pump"}))
        << "the close message goes only while the window still exists, and pending messages run after it";
}

TEST_F(HtmlHelp, ClosingForOneCallerLeavesTheOthersEntries)
{
    hh->OpenTOC("a.chm", 1);
    hh->OpenTOC("b.chm", 2);
    hh->OpenTOC("c.chm", 1);
    const auto windowA = desktop.windowOfFile.at(help::AppFolder() + "a.chm");
    const auto windowB = desktop.windowOfFile.at(help::AppFolder() + "b.chm");
    const auto windowC = desktop.windowOfFile.at(help::AppFolder() + "c.chm");

    hh->CloseHelpWindows(1);
    EXPECT_EQ(hh->helpWindows(), (std::vector<std::string>{entry(2, windowB)}));
    EXPECT_EQ(desktop.log, (std::vector<std::string>{"close " + std::to_string(windowC), "pump",
                                                     "close " + std::to_string(windowA), "pump"}))
        << "newest first";
    EXPECT_TRUE(desktop.windows.isWindow(windowB));
}

TEST_F(HtmlHelp, CallerZeroAndCloseAllCloseEverything)
{
    for (auto close : {std::function<void()>([&] { hh->CloseHelpWindows(); }), std::function<void()>([&] { hh->CloseAll(); })}) {
        hh->OpenTOC("a.chm", 1);
        hh->OpenTOC("b.chm", 2);
        hh->OpenTOC("c.chm", 0);
        close();
        EXPECT_TRUE(hh->helpWindows().empty());
        for (const auto& [file, handle] : desktop.windowOfFile)
            EXPECT_FALSE(desktop.windows.isWindow(handle)) << file;
    }
}

TEST_F(HtmlHelp, AWindowTheUserClosedIsSkippedButForgotten)
{
    hh->OpenTOC("", 3);
    const std::intptr_t viewer = desktop.windowOfFile.begin()->second;
    desktop.windows.release(viewer); // the user closed it
    hh->CloseHelpWindows(3);
    EXPECT_TRUE(hh->helpWindows().empty());
    EXPECT_TRUE(desktop.log.empty()) << "no close message to a window that is gone";
}

TEST_F(HtmlHelp, MessagesRunningDuringTheWalkMayChangeTheList)
{
    hh->OpenTOC("a.chm", 1);
    hh->OpenTOC("b.chm", 1);
    hh->OpenTOC("c.chm", 1);
    // While the first window closes, another handler closes everything of
    // caller 1 and a new request of caller 2 comes in.
    bool nested = false;
    desktop.onPump = [&] {
        if (nested)
            return;
        nested = true;
        hh->CloseHelpWindows(1);
        hh->OpenTOC("d.chm", 2);
    };
    hh->CloseHelpWindows(1);
    desktop.onPump = nullptr; // it refers to this test's locals
    const auto windowD = desktop.windowOfFile.at(help::AppFolder() + "d.chm");
    EXPECT_EQ(hh->helpWindows(), (std::vector<std::string>{entry(2, windowD)}));
}

TEST_F(HtmlHelp, TerminationClosesEverythingAndUninitialisesOnce)
{
    hh->OpenTOC("", 1);
    hh->Terminate();
    hh->Terminate();
    EXPECT_TRUE(hh->terminated());
    EXPECT_TRUE(hh->helpWindows().empty());
    const auto commands = desktop.commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), platform::HhUninitialize), 1);
    EXPECT_EQ(lastCall().command, platform::HhUninitialize);
    EXPECT_EQ(lastCall().data, HelpData(std::int32_t{77}));
    EXPECT_EQ(desktop.log.front(), "close " + std::to_string(desktop.windowOfFile.begin()->second));
}

TEST_F(HtmlHelp, ReleaseTerminatesTheSharedWrapperAndTheNextUseCreatesANewOne)
{
    hh->OpenTOC("", 1);
    help::ReleaseHtmlHelp();
    EXPECT_TRUE(hh->terminated());
    EXPECT_EQ(desktop.commands().back(), platform::HhUninitialize);
    EXPECT_NE(help::GetHtmlHelp(), hh);
    EXPECT_EQ(desktop.commands().back(), platform::HhInitialize);
}

TEST(HtmlHelpLifecycle, WithoutACookieThereIsNoUninitialise)
{
    helptest::FakeDesktop desktop;
    desktop.viewer.cookie = 0;
    {
        auto hh = std::make_shared<help::CHtmlHelp>(help::CurrentHelpPlatform());
        EXPECT_EQ(hh->cookie(), 0);
    }
    EXPECT_EQ(desktop.commands(), (std::vector<unsigned>{platform::HhInitialize}));
}

TEST(HtmlHelpLifecycle, AViewerThatFailsToInitialiseLeavesAUsableWrapper)
{
    helptest::FakeDesktop desktop;
    desktop.viewer.failOn = platform::HhInitialize;
    auto hh = std::make_shared<help::CHtmlHelp>(help::CurrentHelpPlatform());
    EXPECT_EQ(hh->cookie(), 0);
    desktop.viewer.failOn.reset();
    hh->OpenTOC("", 1);
    EXPECT_EQ(hh->helpWindows().size(), 1u);
}

TEST(HtmlHelpLifecycle, WithoutAViewerEveryRequestShowsNothing)
{
    help::ReleaseHtmlHelp();
    help::SetHelpPlatform({});
    auto hh = help::GetHtmlHelp();
    hh->OpenTOC("");
    hh->OpenContext(1000, "", 5);
    EXPECT_TRUE(hh->helpWindows().empty());
    EXPECT_EQ(hh->cookie(), 0);
    help::ReleaseHtmlHelp();
}

} // namespace
