// View > Practice on the real main window: one window of its own beside the
// advisor, on the review's store, with its own help topic, closed with the
// advisor.

#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ViewFixture.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "tests/support/RecordingHelpViewer.h"
#include "window/practice/PracticeWindow.h"

namespace viewtest {
namespace {

class PracticeFromTheMenu : public ViewTest {
protected:
    PracticeFromTheMenu()
    {
        viewer.result = 0x7001;
        qputenv("TABLEWISE_REVIEW_DB", (temp.path() + QStringLiteral("/review.sqlite")).toUtf8());
    }
    ~PracticeFromTheMenu() override { qunsetenv("TABLEWISE_REVIEW_DB"); }

    window::practice::PracticeWindow* openPractice()
    {
        window->menuAction("mnuPractice")->trigger();
        return window->practiceWindow();
    }

    QTemporaryDir temp;
    testsupport::RecordingHelpViewer viewer;
    help::HtmlHelpSession session{{&viewer, nullptr, &desktop.boxes, "Tablewise"}};
};

TEST_F(PracticeFromTheMenu, OpensOneWindowOnTheReviewsStore)
{
    EXPECT_EQ(window->menuAction("mnuPractice")->text(), QStringLiteral("&Practice"));
    const std::string before = dump();
    auto* practice = openPractice();
    ASSERT_NE(practice, nullptr);
    EXPECT_TRUE(practice->isVisible());
    EXPECT_TRUE(practice->isWindow());
    EXPECT_FALSE(practice->isModal());
    EXPECT_EQ(openPractice(), practice);
    EXPECT_FALSE(practice->messageLine()->isVisible()) << practice->messageLine()->text().toStdString();
    EXPECT_TRUE(practice->foldButton()->isEnabled());
    EXPECT_TRUE(QFileInfo::exists(temp.path() + QStringLiteral("/review.sqlite")));
    EXPECT_EQ(dump(), before); // opening it changes nothing in the advisor
}

TEST_F(PracticeFromTheMenu, TheQuestionsTakeTheBigBlindTypedInTheAdvisor)
{
    const struct {
        const char* typed;
        double bigBlind;
    } cases[] = {{"5", 5}, {"0.5", 0.5}, {"", 2}};
    for (const auto& c : cases) {
        delete window->practiceWindow();
        frm().txtBB.setText(c.typed);
        auto* practice = openPractice();
        ASSERT_NE(practice, nullptr);
        ASSERT_NE(practice->model(), nullptr);
        ASSERT_NE(practice->model()->question(), nullptr);
        EXPECT_DOUBLE_EQ(practice->model()->question()->scene.bigBlind, c.bigBlind) << c.typed;
    }
}

TEST_F(PracticeFromTheMenu, F1ShowsItsOwnTopic)
{
    auto* practice = openPractice();
    ASSERT_TRUE(QTest::qWaitForWindowActive(practice));
    QTest::keyClick(practice->foldButton(), Qt::Key_F1);
    std::vector<testsupport::RecordingHelpViewer::Call> shown;
    for (const auto& c : viewer.calls)
        if (c.command == platform::HhHelpContext)
            shown.push_back(c);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(std::get<std::int32_t>(shown[0].data), help::kHelpContextPractice);
}

TEST_F(PracticeFromTheMenu, ClosingTheAdvisorTakesItAlong)
{
    const QPointer<window::practice::PracticeWindow> practice = openPractice();
    ASSERT_FALSE(practice.isNull());
    window.reset();
    EXPECT_TRUE(practice.isNull());
}

} // namespace
} // namespace viewtest
