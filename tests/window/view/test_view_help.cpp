// The window's help: F1 from any control shows the window's own topic,
// Help > Contents opens the contents owned by the window, and closing the
// window closes the viewers it opened.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTimer>

#include "ViewFixture.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "platform/handles/QtWindowHandles.h"
#include "platform/htmlhelp/HelpViewerWindow.h"
#include "platform/htmlhelp/QtHelpViewer.h"
#include "platform/htmlhelp/TopicBrowser.h"
#include "tests/support/RecordingHelpViewer.h"
#include "window/view/AboutDialog.h"
#include "window/chart/ChartWindow.h"

namespace viewtest {
namespace {

class RecordedHelp : public ViewTest {
protected:
    RecordedHelp() { viewer.result = 0x7001; } // every request shows one viewer window
    testsupport::RecordingHelpViewer viewer;
    // Made before the window, whose start-up registers with the help.
    help::HtmlHelpSession session{{&viewer, nullptr, &desktop.boxes, "Tablewise"}};

    std::vector<testsupport::RecordingHelpViewer::Call> shown() const
    {
        std::vector<testsupport::RecordingHelpViewer::Call> calls;
        for (const auto& c : viewer.calls)
            if (c.command != platform::HhInitialize && c.command != platform::HhUninitialize)
                calls.push_back(c);
        return calls;
    }
};

TEST_F(RecordedHelp, F1FromAnyControlShowsTheWindowsTopic)
{
    clickEnd("txtHoleCard");
    key(Qt::Key_F1);
    click("optEarly");
    key(Qt::Key_F1);
    const auto calls = shown();
    ASSERT_EQ(calls.size(), 2u);
    for (const auto& c : calls) {
        EXPECT_EQ(c.command, platform::HhHelpContext);
        EXPECT_EQ(c.caller, frm().form.hWnd());
        EXPECT_EQ(std::get<std::int32_t>(c.data), help::kHelpContextMainWindow);
    }
    EXPECT_NE(frm().form.hWnd(), 0);
    EXPECT_EQ(frm().txtHoleCard.text(), "");
    EXPECT_TRUE(desktop.boxes.calls.empty()); // the start-up registered without an error
}

TEST_F(RecordedHelp, ContentsOpensTheHelpFilesContentsOwnedByTheWindow)
{
    window->menuAction("mnuContents")->trigger();
    const auto calls = shown();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].command, platform::HhDisplayToc);
    EXPECT_EQ(calls[0].caller, frm().form.hWnd());
    EXPECT_TRUE(calls[0].file.ends_with("/BV_Tablewise.chm")) << calls[0].file;
}

// The chart window's own page, from any of its controls, owned by the chart.
TEST_F(RecordedHelp, F1InTheChartShowsTheChartsTopic)
{
    window->menuAction("mnuStrategyChart")->trigger();
    window::ChartWindow* chart = window->strategyChart();
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(chart));
    for (QWidget* w : {static_cast<QWidget*>(chart->findChild<window::ChartGrid*>()),
                       static_cast<QWidget*>(chart->findChild<QComboBox*>())}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_F1);
    }
    const auto calls = shown();
    ASSERT_EQ(calls.size(), 2u);
    for (const auto& c : calls) {
        EXPECT_EQ(c.command, platform::HhHelpContext);
        EXPECT_EQ(c.caller, platform::widgetHandle(*chart));
        EXPECT_EQ(std::get<std::int32_t>(c.data), help::kHelpContextStrategyChart);
        EXPECT_TRUE(c.file.ends_with("/BV_Tablewise.chm")) << c.file;
    }
    EXPECT_NE(platform::widgetHandle(*chart), 0);
}

// The About window's F1 shows the help's About page, owned by the About
// window; closing the window leaves its keys to the main window again.
TEST_F(RecordedHelp, F1InTheAboutWindowShowsTheAboutTopic)
{
    std::intptr_t aboutHandle = 0;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<window::view::AboutDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        aboutHandle = platform::widgetHandle(*about);
        // Offscreen, a dialog that is not active has no focus widget.
        QWidget* target = about->focusWidget() ? about->focusWidget() : about;
        QTest::keyClick(target, Qt::Key_F1);
        about->close();
    });
    window->menuAction("mnuAbout")->trigger();
    window->activateWindow(); // as a desktop gives the activation back
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    clickEnd("txtHoleCard");
    key(Qt::Key_F1);
    std::vector<std::pair<std::intptr_t, std::int32_t>> asked;
    for (const auto& c : shown())
        if (c.command == platform::HhHelpContext)
            asked.emplace_back(c.caller, std::get<std::int32_t>(c.data));
    const std::vector<std::pair<std::intptr_t, std::int32_t>> expected{
        {aboutHandle, IDH_ABOUT}, {frm().form.hWnd(), help::kHelpContextMainWindow}};
    EXPECT_EQ(asked, expected);
    EXPECT_NE(aboutHandle, 0);
    EXPECT_TRUE(desktop.boxes.calls.empty());
}

class RealHelp : public ViewTest {
protected:
    platform::chm::QtHelpViewer viewer;
    help::HtmlHelpSession session{{&viewer, nullptr, &desktop.boxes, "Tablewise"}};

    static platform::chm::HelpViewerWindow* openViewer()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<platform::chm::HelpViewerWindow*>(w); v && v->isVisible())
                return v;
        return nullptr;
    }
};

TEST_F(RealHelp, ClosingTheWindowClosesTheHelpItOpened)
{
    window->menuAction("mnuContents")->trigger();
    ASSERT_NE(openViewer(), nullptr);
    EXPECT_EQ(openViewer()->browser().currentTopic(), "/topics/main_window.htm");
    QTimer::singleShot(0, [&] { window->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openViewer(), nullptr);
}

} // namespace
} // namespace viewtest
