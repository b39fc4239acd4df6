// The viewer window behind the help-viewer port, with the real help file.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>
#include <QWindow>

#include "tests/support/QtTestApp.h"
#include "RealHelpFile.h"
#include "help/chm/context.h"
#include "platform/handles/QtWindowHandles.h"
#include "platform/handles/WindowHandleRegistry.h"
#include "platform/htmlhelp/HelpViewerWindow.h"
#include "platform/htmlhelp/QtHelpViewer.h"
#include "platform/htmlhelp/TopicBrowser.h"

namespace {

using platform::HelpData;
using platform::chm::HelpViewerWindow;

class Viewer : public ::testing::Test {
protected:
    void TearDown() override
    {
        viewer.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::intptr_t send(unsigned command, HelpData data = platform::NoHelpData{}, const std::string& file = helptest::kHelpFile)
    {
        return viewer.htmlHelp(0, file, command, data);
    }
    HelpViewerWindow& window() { return *viewer.windowFor(helptest::kHelpFile); }
    QString pageText() { return window().browser().document()->toPlainText(); }
    static int viewerWindows()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<HelpViewerWindow*>(w) && w->isVisible())
                ++n;
        return n;
    }

    platform::chm::QtHelpViewer viewer;
    platform::WindowHandleRegistry& registry = platform::WindowHandleRegistry::process();
};

TEST_F(Viewer, ContentsShowTheTreeAndTheFirstPage)
{
    const std::intptr_t h = send(platform::HhDisplayToc);
    ASSERT_GT(h, 0);
    EXPECT_TRUE(registry.isWindow(h));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), "Brisvane Tablewise Help");
    EXPECT_EQ(window().navigation().currentIndex(), 0);
    QTreeWidget& tree = window().contentsTree();
    ASSERT_EQ(tree.topLevelItemCount(), 6);
    EXPECT_EQ(tree.topLevelItem(2)->text(0), "Pre-flop advice");
    EXPECT_EQ(tree.topLevelItem(2)->childCount(), 6);
    EXPECT_EQ(window().browser().currentTopic(), "/topics/main_window.htm");
    EXPECT_TRUE(pageText().contains("How to use it, hand by hand"));

    tree.setCurrentItem(tree.topLevelItem(4)); // Glossary
    EXPECT_EQ(window().browser().currentTopic(), "/topics/glossary.htm");
}

// The viewer belongs to the window that asked for it, as a desktop's owned
// window: it stays above its owner and is minimised with it. A request from
// another window moves it there; one from no window leaves it where it is.
TEST_F(Viewer, TheWindowIsOwnedByTheWindowThatAskedForIt)
{
    QWidget first, second;
    for (QWidget* owner : {&first, &second}) {
        owner->resize(200, 100);
        owner->show();
    }
    const std::intptr_t h = viewer.htmlHelp(platform::registerWidget(first), helptest::kHelpFile,
                                            platform::HhDisplayToc, platform::NoHelpData{});
    ASSERT_GT(h, 0);
    EXPECT_EQ(window().parentWidget(), &first);
    EXPECT_TRUE(window().isWindow());
    EXPECT_TRUE(window().isVisible());
    ASSERT_NE(window().windowHandle(), nullptr);
    EXPECT_EQ(window().windowHandle()->transientParent(), first.windowHandle());

    EXPECT_EQ(viewer.htmlHelp(platform::registerWidget(second), helptest::kHelpFile, platform::HhHelpContext,
                              std::int32_t{IDH_GLOSSARY}),
              h);
    EXPECT_EQ(window().parentWidget(), &second);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowHandle()->transientParent(), second.windowHandle());
    EXPECT_EQ(window().browser().currentTopic(), "/topics/glossary.htm");

    EXPECT_EQ(send(platform::HhDisplayToc), h);
    EXPECT_EQ(window().parentWidget(), &second);
}

TEST_F(Viewer, OneWindowPerHelpFileWhateverThePathSpelling)
{
    const std::intptr_t h = send(platform::HhDisplayToc);
    const std::string other = QFileInfo(QString::fromStdString(helptest::kHelpFile)).absolutePath().toStdString() +
                              "/./BV_Tablewise.chm";
    EXPECT_EQ(send(platform::HhHelpContext, std::int32_t{IDH_GLOSSARY}, other), h);
    EXPECT_EQ(send(platform::HhDisplayIndex, std::string("limp")), h);
    EXPECT_EQ(viewerWindows(), 1);
}

TEST_F(Viewer, IndexSelectsTheKeywordAndShowsItsTopic)
{
    ASSERT_GT(send(platform::HhDisplayIndex, std::string("mini")), 0);
    EXPECT_EQ(window().navigation().currentIndex(), 1);
    EXPECT_EQ(window().indexField().text(), "mini");
    ASSERT_NE(window().indexList().currentItem(), nullptr);
    EXPECT_EQ(window().indexList().currentItem()->text(), "mini-raise");
    QTest::keyClick(&window().indexField(), Qt::Key_Return);
    EXPECT_EQ(window().browser().source().path(), "/topics/glossary.htm");
    EXPECT_EQ(window().browser().source().fragment(), "miniraise");

    // Typing moves the selection along.
    window().indexField().clear();
    QTest::keyClicks(&window().indexField(), "suit");
    EXPECT_EQ(window().indexList().currentItem()->text(), "Suited");
}

TEST_F(Viewer, SearchFindsAWordTypedIntoItsField)
{
    platform::FullTextQuery query;
    query.fUniCodeStrings = 1;
    query.fExecute = 1;
    ASSERT_GT(send(platform::HhDisplaySearch, query), 0);
    EXPECT_EQ(window().navigation().currentIndex(), 2);
    EXPECT_TRUE(window().searchField().text().isEmpty());
    EXPECT_EQ(window().searchResults().count(), 0);

    QTest::keyClicks(&window().searchField(), "fold equity");
    QTest::keyClick(&window().searchField(), Qt::Key_Return);
    ASSERT_GT(window().searchResults().count(), 0);
    QStringList titles;
    for (int i = 0; i < window().searchResults().count(); ++i)
        titles << window().searchResults().item(i)->text();
    EXPECT_TRUE(titles.contains("Glossary")) << titles.join(", ").toStdString();
    emit window().searchResults().itemActivated(window().searchResults().currentItem());
    EXPECT_TRUE(pageText().contains("fold equity", Qt::CaseInsensitive));
}

TEST_F(Viewer, ASearchWithAQueryRunsAtOnce)
{
    platform::FullTextQuery query;
    query.pszSearchQuery = "limpers";
    query.fExecute = 1;
    send(platform::HhDisplaySearch, query);
    EXPECT_EQ(window().searchField().text(), "limpers");
    EXPECT_GT(window().searchResults().count(), 0);
}

TEST_F(Viewer, TopicsByNameAndByContextNumber)
{
    EXPECT_GT(send(platform::HhDisplayTopic, std::string("topics/glossary.htm")), 0);
    EXPECT_EQ(window().browser().currentTopic(), "/topics/glossary.htm");
    EXPECT_GT(send(platform::HhDisplayTopic, std::string("/topics/glossary.htm#rule510")), 0);
    EXPECT_EQ(window().browser().source().fragment(), "rule510");
    EXPECT_GT(send(platform::HhHelpContext, std::int32_t{IDH_MAIN_WINDOW}), 0);
    EXPECT_EQ(window().browser().currentTopic(), "/topics/main_window.htm");
}

TEST_F(Viewer, AnUnknownTopicOrContextShowsNothing)
{
    EXPECT_EQ(send(platform::HhDisplayTopic, std::string("topics/nowhere.htm")), 0);
    EXPECT_EQ(send(platform::HhDisplayTopic, std::string()), 0);
    EXPECT_EQ(send(platform::HhHelpContext, std::int32_t{4711}), 0);
    EXPECT_EQ(send(platform::HhDisplayTopic, platform::NoHelpData{}), 0) << "data of the wrong kind";
    EXPECT_EQ(viewerWindows(), 0) << "no window is left open for a request that showed nothing";
    EXPECT_EQ(send(999), 0) << "unknown command";
}

TEST_F(Viewer, MissingUnreadableOrDamagedFilesShowNothing)
{
    const QString dir = QDir::tempPath() + "/tablewise-viewer-test";
    QDir().mkpath(dir);
    QFile bad(dir + "/damaged.chm");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray::fromStdString(helptest::readFile(helptest::kHelpFile).substr(0, 3000)));
    bad.close();
    for (const std::string& file : {std::string("/nonexistent/BV_Tablewise.chm"), std::string(""), dir.toStdString(),
                                    (dir + "/damaged.chm").toStdString(), std::string("/etc/hostname")})
        for (unsigned command : {platform::HhDisplayToc, platform::HhDisplayIndex, platform::HhHelpContext})
            EXPECT_EQ(viewer.htmlHelp(0, file, command, std::int32_t{IDH_MAIN_WINDOW}), 0) << file;
    EXPECT_EQ(viewerWindows(), 0);
}

TEST_F(Viewer, PagesFollowLinksAndShowTheirImagesAndStyleSheet)
{
    send(platform::HhDisplayTopic, std::string("topics/inputs.htm"));
    auto& browser = window().browser();
    const QImage image = browser.loadResource(QTextDocument::ImageResource, QUrl("../images/table_positions.png")).value<QImage>();
    EXPECT_EQ(image.size(), QSize(520, 370));
    EXPECT_TRUE(browser.loadResource(QTextDocument::StyleSheetResource, QUrl("../style.css")).toString().contains("h1"));
    // The heading has the style sheet's colour.
    const QTextBlock heading = browser.document()->firstBlock();
    EXPECT_EQ(heading.text(), "The inputs");
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor("#057c13"));

    QSignalSpy back(&browser, &QTextBrowser::backwardAvailable);
    browser.setSource(QUrl("preflop_limped.htm")); // a relative link, as a click follows it
    EXPECT_EQ(browser.currentTopic(), "/topics/preflop_limped.htm");
    browser.setSource(QUrl("../topics/glossary.htm#limp"));
    EXPECT_EQ(browser.currentTopic(), "/topics/glossary.htm");
    browser.backward();
    EXPECT_EQ(browser.currentTopic(), "/topics/preflop_limped.htm");
    browser.backward();
    EXPECT_EQ(browser.currentTopic(), "/topics/inputs.htm");
    browser.forward();
    EXPECT_EQ(browser.currentTopic(), "/topics/preflop_limped.htm");
    EXPECT_FALSE(back.isEmpty());
}

TEST_F(Viewer, TheCloseMessageClosesTheWindowAndTheNextRequestOpensANewOne)
{
    const std::intptr_t h = send(platform::HhDisplayToc);
    registry.sendMessage(h, platform::WmClose, 0, 0);
    EXPECT_FALSE(registry.isWindow(h));
    EXPECT_EQ(viewerWindows(), 0);
    const std::intptr_t again = send(platform::HhDisplayToc);
    EXPECT_GT(again, h);
    EXPECT_TRUE(registry.isWindow(again));
}

TEST_F(Viewer, UninitialisingTheLastCookieClosesTheWindows)
{
    std::int32_t first = 0;
    std::int32_t second = 0;
    send(platform::HhInitialize, &first);
    send(platform::HhInitialize, &second);
    EXPECT_NE(first, 0);
    EXPECT_NE(first, second);
    const std::intptr_t h = send(platform::HhDisplayToc);
    send(platform::HhUninitialize, first);
    EXPECT_TRUE(registry.isWindow(h)) << "another user of the viewer remains";
    send(platform::HhUninitialize, std::int32_t{12345});
    EXPECT_TRUE(registry.isWindow(h)) << "an unknown cookie changes nothing";
    send(platform::HhUninitialize, second);
    EXPECT_FALSE(registry.isWindow(h));
}

TEST_F(Viewer, ViewerWindowsNeverKeepTheProgramRunning)
{
    send(platform::HhDisplayToc);
    EXPECT_FALSE(window().testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(Viewer, Screenshot)
{
    send(platform::HhDisplayToc);
    window().contentsTree().expandAll();
    send(platform::HhDisplayTopic, std::string("topics/groups.htm"));
    window().resize(980, 700);
    QCoreApplication::processEvents();
    const QImage shot = window().grab().toImage();
    EXPECT_EQ(shot.size(), QSize(980, 700));
    EXPECT_TRUE(shot.save(QString::fromUtf8(TABLEWISE_SCREENSHOT)));
}

} // namespace
