// The help wrapper driving the real viewer with the help file installed next
// to the program, as the advisor runs it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "help/CHtmlHelp.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "platform/form/Input.h"
#include "platform/handles/QtWindowHandles.h"
#include "platform/handles/WindowHandleRegistry.h"
#include "platform/htmlhelp/HelpViewerWindow.h"
#include "platform/htmlhelp/QtHelpViewer.h"
#include "platform/htmlhelp/TopicBrowser.h"
#include "tests/support/RecordingPorts.h"

namespace {

using platform::chm::HelpViewerWindow;

int argc = 1;
char appName[] = "test_help_end_to_end";
char* argv[] = {appName, nullptr};

HelpViewerWindow* viewerWindow(std::intptr_t handle)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<HelpViewerWindow*>(w); v && v->handle() == handle)
            return v;
    return nullptr;
}

std::intptr_t viewerOf(const std::string& entry)
{
    return std::stoll(entry.substr(entry.find('_') + 1));
}

TEST(HelpEndToEnd, EveryOpenOfTheWrapperShowsTheFileInOneWindowAndCloseAllClosesIt)
{
    QApplication app(argc, argv);
    platform::chm::QtHelpViewer viewer;
    testsupport::RecordingMessageBox box;
    help::HtmlHelpSession session({&viewer, nullptr, &box, "Brisvane Tablewise"});
    auto hh = help::GetHtmlHelp();
    EXPECT_NE(hh->cookie(), 0);

    hh->OpenTOC("");
    ASSERT_EQ(hh->helpWindows().size(), 1u);
    const std::intptr_t handle = viewerOf(hh->helpWindows()[0]);
    HelpViewerWindow* window = viewerWindow(handle);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->browser().currentTopic(), "/topics/main_window.htm");

    hh->OpenIndex("", 0, "glossary");
    EXPECT_EQ(window->indexList().currentItem()->text(), "glossary");

    hh->OpenSearch("");
    EXPECT_EQ(window->navigation().currentIndex(), 2);
    QTest::keyClicks(&window->searchField(), "button");
    QTest::keyClick(&window->searchField(), Qt::Key_Return);
    EXPECT_GT(window->searchResults().count(), 0);

    hh->OpenTopic("topics/bet_sizing.htm", "BV_Tablewise.chm");
    EXPECT_EQ(window->browser().currentTopic(), "/topics/bet_sizing.htm");

    hh->OpenContext(help::kHelpContextMainWindow, "");
    EXPECT_EQ(window->browser().currentTopic(), "/topics/main_window.htm");

    hh->OpenTopic("topics/missing.htm", "");
    hh->OpenContext(4711, "");
    ASSERT_EQ(hh->helpWindows().size(), 5u) << "requests that show nothing are not remembered";
    for (const std::string& e : hh->helpWindows())
        EXPECT_EQ(e, "0_" + std::to_string(handle)) << "one window for the file";

    hh->CloseAll();
    EXPECT_TRUE(hh->helpWindows().empty());
    EXPECT_FALSE(platform::WindowHandleRegistry::process().isWindow(handle));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(viewerWindow(handle), nullptr);
    EXPECT_TRUE(box.calls.empty());
}

TEST(HelpEndToEnd, F1InAFormShowsItsTopicAndClosingTheFormClosesIt)
{
    QApplication app(argc, argv);
    platform::chm::QtHelpViewer viewer;
    help::HtmlHelpSession session({&viewer, nullptr, nullptr, {}});
    QWidget mainWindow;
    platform::Form form("frmMain");
    form.setHWnd(platform::registerWidget(mainWindow));
    form.setHelpContextId(help::kHelpContextMainWindow);
    platform::CommandButton cmdHelp(form, "cmdHelp");
    help::GetHtmlHelp()->InitFormHelpHandler(form, &cmdHelp, true);

    EXPECT_EQ(platform::input::keyDown(form, platform::KeyF1, 0), 0);
    ASSERT_EQ(help::GetHtmlHelp()->helpWindows().size(), 1u);
    const std::intptr_t handle = viewerOf(help::GetHtmlHelp()->helpWindows()[0]);
    EXPECT_EQ(viewerWindow(handle)->browser().currentTopic(), "/topics/main_window.htm");
    EXPECT_EQ(help::GetHtmlHelp()->helpWindows()[0], std::to_string(form.hWnd()) + "_" + std::to_string(handle));

    form.close(platform::FormControlMenu);
    EXPECT_FALSE(platform::WindowHandleRegistry::process().isWindow(handle));
}

// The program ends when its main window closes, even with a viewer open that
// no window owns; whatever is still open is closed by the session's end,
// before the application object goes.
TEST(HelpLifetime, AViewerOfNoWindowDoesNotKeepTheProgramRunning)
{
    std::intptr_t handle = 0;
    int exitCode = -1;
    {
        QApplication app(argc, argv);
        platform::chm::QtHelpViewer viewer;
        help::HtmlHelpSession session({&viewer, nullptr, nullptr, {}});
        QWidget mainWindow;
        mainWindow.show();
        help::GetHtmlHelp()->OpenTOC("", 0);
        ASSERT_EQ(help::GetHtmlHelp()->helpWindows().size(), 1u);
        handle = viewerOf(help::GetHtmlHelp()->helpWindows()[0]);

        QTimer::singleShot(50, &mainWindow, &QWidget::close);
        QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(99); }); // the program hung
        exitCode = QApplication::exec();
    }
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(platform::WindowHandleRegistry::process().isWindow(handle)) << "closed at the session's end";
}

} // namespace
