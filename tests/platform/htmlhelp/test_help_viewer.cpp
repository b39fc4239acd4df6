// The viewer window behind the help-viewer port, with the real help file.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWindow>

#include "tests/support/QtTestApp.h"
#include "RealHelpFile.h"
#include "help/chm/context.h"
#include "platform/handles/QtWindowHandles.h"
#include "platform/handles/WindowHandleRegistry.h"
#include "platform/htmlhelp/HelpFile.h"
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
    // Other pages hold both words apart; the glossary holds the phrase.
    const int glossary = static_cast<int>(titles.indexOf("Glossary"));
    ASSERT_GE(glossary, 0) << titles.join(", ").toStdString();
    window().searchResults().setCurrentRow(glossary);
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

// The contents highlight the page shown, however it was reached: every page
// of the file in turn, and Back. A page the contents do not list leaves no
// entry highlighted.
TEST_F(Viewer, TheContentsHighlightThePageShown)
{
    send(platform::HhDisplayToc);
    QTreeWidget& tree = window().contentsTree();
    auto topicOf = [&](const QTreeWidgetItem* item) {
        const auto path = window().helpFile().findFile(item->data(0, Qt::UserRole).toString().toStdString());
        return path ? QString::fromStdString(*path) : QString();
    };
    QStringList listed;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        listed << topicOf(*it);

    const std::vector<std::string> pages = window().helpFile().topics();
    ASSERT_GT(pages.size(), 5u);
    int highlighted = 0;
    for (const std::string& page : pages) {
        ASSERT_TRUE(window().showTopic(QString::fromStdString(page))) << page;
        QTreeWidgetItem* current = tree.currentItem();
        if (!listed.contains(QString::fromStdString(page))) {
            EXPECT_TRUE(current == nullptr || !current->isSelected()) << page;
            continue;
        }
        ASSERT_NE(current, nullptr) << page;
        EXPECT_TRUE(current->isSelected()) << page;
        EXPECT_EQ(topicOf(current).toStdString(), page);
        EXPECT_EQ(tree.selectedItems().size(), 1) << page;
        ++highlighted;
    }
    EXPECT_GT(highlighted, 5);

    window().showTopic(QStringLiteral("/topics/glossary.htm"));
    window().showTopic(QStringLiteral("/topics/menus.htm"));
    window().browser().backward();
    ASSERT_NE(tree.currentItem(), nullptr);
    EXPECT_EQ(topicOf(tree.currentItem()), QStringLiteral("/topics/glossary.htm"));
}

// Index and search say so when nothing matches, and say nothing when
// something does.
struct NoMatchCase {
    const char* name;
    int tab;
    const char* typed;
    bool matches;
};

void PrintTo(const NoMatchCase& c, std::ostream* out)
{
    *out << c.name;
}

class NoMatch : public Viewer, public ::testing::WithParamInterface<NoMatchCase> {};

TEST_P(NoMatch, IsToldInThePane)
{
    const NoMatchCase& c = GetParam();
    send(platform::HhDisplayToc);
    window().navigation().setCurrentIndex(c.tab);
    QLineEdit& field = c.tab == 1 ? window().indexField() : window().searchField();
    QLabel& message = c.tab == 1 ? window().indexMessage() : window().searchMessage();
    field.setFocus();
    QTest::keyClicks(&field, QString::fromUtf8(c.typed));
    if (c.tab == 2)
        QTest::keyClick(&field, Qt::Key_Return);
    QListWidget& list = c.tab == 1 ? window().indexList() : window().searchResults();
    if (c.matches) {
        EXPECT_FALSE(message.isVisible()) << message.text().toStdString();
        EXPECT_NE(list.currentItem(), nullptr);
    } else {
        EXPECT_TRUE(message.isVisible());
        EXPECT_TRUE(message.text().contains(QString::fromUtf8(c.typed))) << message.text().toStdString();
        EXPECT_EQ(list.currentItem(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Panes, NoMatch,
    ::testing::Values(NoMatchCase{"IndexMatches", 1, "suit", true},
                      NoMatchCase{"IndexNothing", 1, "zzqx", false},
                      NoMatchCase{"SearchMatches", 2, "limpers", true},
                      NoMatchCase{"SearchNothing", 2, "xylophone", false}),
    [](const ::testing::TestParamInfo<NoMatchCase>& c) { return std::string(c.param.name); });

// A match found after a miss takes the message away.
TEST_F(Viewer, TheNoMatchMessageGoesWhenSomethingMatches)
{
    send(platform::HhDisplayIndex, std::string());
    QTest::keyClicks(&window().indexField(), "zzqx");
    EXPECT_TRUE(window().indexMessage().isVisible());
    window().indexField().clear();
    QTest::keyClicks(&window().indexField(), "limp");
    EXPECT_FALSE(window().indexMessage().isVisible());
}

// At the size the viewer opens with, no page is wider than the page area.
TEST_F(Viewer, NoPageNeedsAHorizontalScrollBarAtTheOpeningSize)
{
    send(platform::HhDisplayToc);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    for (const std::string& page : window().helpFile().topics()) {
        ASSERT_TRUE(window().showTopic(QString::fromStdString(page)));
        QCoreApplication::processEvents();
        const QScrollBar* bar = window().browser().horizontalScrollBar();
        EXPECT_EQ(bar->maximum(), 0) << page << " is " << bar->maximum() << " pixels too wide";
    }
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
