// View > Review Hands on the real main window: one window of its own beside
// the advisor, on the store TABLEWISE_REVIEW_DB names, with its own help
// topic, closed with the advisor.

#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "ViewFixture.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "tests/support/RecordingHelpViewer.h"
#include "window/review/ReviewWindow.h"

namespace viewtest {
namespace {

class ReviewFromTheMenu : public ViewTest {
protected:
    ReviewFromTheMenu()
    {
        viewer.result = 0x7001;
        qputenv("TABLEWISE_REVIEW_DB", (temp.path() + QStringLiteral("/review.sqlite")).toUtf8());
    }
    ~ReviewFromTheMenu() override { qunsetenv("TABLEWISE_REVIEW_DB"); }

    window::review::ReviewWindow* openReview()
    {
        window->menuAction("mnuReviewHands")->trigger();
        return window->handReview();
    }

    QTemporaryDir temp;
    testsupport::RecordingHelpViewer viewer;
    help::HtmlHelpSession session{{&viewer, nullptr, &desktop.boxes, "Tablewise"}};
};

TEST_F(ReviewFromTheMenu, OpensOneWindowOnTheStoreTheEnvironmentNames)
{
    EXPECT_EQ(window->menuAction("mnuReviewHands")->text(), QStringLiteral("Review &Hands"));
    const std::string before = dump();
    auto* review = openReview();
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->isVisible());
    EXPECT_TRUE(review->isWindow());
    EXPECT_FALSE(review->isModal());
    EXPECT_EQ(openReview(), review);
    EXPECT_FALSE(review->messageLine()->isVisible()) << review->messageLine()->text().toStdString();
    EXPECT_TRUE(QFileInfo::exists(temp.path() + QStringLiteral("/review.sqlite")));
    EXPECT_EQ(dump(), before); // opening it changes nothing in the advisor
}

TEST_F(ReviewFromTheMenu, F1ShowsItsOwnTopic)
{
    auto* review = openReview();
    ASSERT_TRUE(QTest::qWaitForWindowActive(review));
    QTest::keyClick(review->listView(), Qt::Key_F1);
    std::vector<testsupport::RecordingHelpViewer::Call> shown;
    for (const auto& c : viewer.calls)
        if (c.command == platform::HhHelpContext)
            shown.push_back(c);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(std::get<std::int32_t>(shown[0].data), help::kHelpContextReviewHands);
}

TEST_F(ReviewFromTheMenu, ClosingTheAdvisorTakesItAlong)
{
    const QPointer<window::review::ReviewWindow> review = openReview();
    ASSERT_FALSE(review.isNull());
    window.reset();
    EXPECT_TRUE(review.isNull());
}

} // namespace
} // namespace viewtest
