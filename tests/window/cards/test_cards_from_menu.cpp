// View > Cards and Board on the real main window: a window of its own beside
// the advisor, whose typing shows in the advisor's widgets, with its own help
// topic, closed with the advisor.

#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSpinBox>
#include <QTest>

#include "ViewFixture.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "tests/support/RecordingHelpViewer.h"
#include "window/cards/CardsWindow.h"

namespace viewtest {
namespace {

using window::cards::CardBox;

class CardsFromTheMenu : public ViewTest {
protected:
    CardsFromTheMenu() { viewer.result = 0x7001; }
    testsupport::RecordingHelpViewer viewer;
    help::HtmlHelpSession session{{&viewer, nullptr, &desktop.boxes, "Tablewise"}};

    window::cards::CardsWindow* openCards()
    {
        window->menuAction("mnuCardsAndBoard")->trigger();
        return window->cardsAndBoard();
    }
};

TEST_F(CardsFromTheMenu, OpensOneNonModalWindowBesideTheAdvisor)
{
    auto* cards = openCards();
    ASSERT_NE(cards, nullptr);
    EXPECT_TRUE(cards->isVisible());
    EXPECT_FALSE(cards->isModal());
    EXPECT_TRUE(cards->isWindow());
    // Beside the advisor where the screen has room, else within the screen.
    const QRect available = cards->screen()->availableGeometry();
    if (window->frameGeometry().right() + 8 + cards->frameGeometry().width() <= available.right())
        EXPECT_GT(cards->x(), window->frameGeometry().right());
    else
        EXPECT_TRUE(available.contains(cards->frameGeometry()));
    EXPECT_EQ(openCards(), cards);

    cards->cardBox(CardBox::Hole)->setFocus();
    QTest::keyClicks(cards->cardBox(CardBox::Hole), QStringLiteral("AhKh"));
    QTest::keyClicks(cards->cardBox(CardBox::Flop), QStringLiteral("Qh Jh 2c"));
    EXPECT_EQ(static_cast<QLineEdit*>(widget("txtHoleCard"))->text(), QStringLiteral("AK"));
    EXPECT_EQ(static_cast<QComboBox*>(widget("cmbPostFlop"))->currentText(), QStringLiteral("Nut Flush Draw"));
    expectWidgetsMirrorTheModel(*window);

    // The advisor still takes input while it is open.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    click("optLimpedPost");
    EXPECT_TRUE(frm().optLimpedPost.value());
}

TEST_F(CardsFromTheMenu, F1ShowsItsOwnTopicOwnedByTheAdvisor)
{
    auto* cards = openCards();
    ASSERT_TRUE(QTest::qWaitForWindowActive(cards));
    cards->cardBox(CardBox::Flop)->setFocus();
    QTest::keyClick(cards->cardBox(CardBox::Flop), Qt::Key_F1);
    std::vector<testsupport::RecordingHelpViewer::Call> shown;
    for (const auto& c : viewer.calls)
        if (c.command == platform::HhHelpContext)
            shown.push_back(c);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(std::get<std::int32_t>(shown[0].data), help::kHelpContextCardsBoard);
    EXPECT_EQ(shown[0].caller, frm().form.hWnd());
}

TEST_F(CardsFromTheMenu, ClosingTheAdvisorTakesItAlongEvenDuringARun)
{
    window::cards::CardsWindow* opened = openCards();
    ASSERT_NE(opened, nullptr);
    const QPointer<window::cards::CardsWindow> cards = opened;
    opened->opponents()->setValue(9);
    opened->cardBox(CardBox::Hole)->setFocus();
    QTest::keyClicks(opened->cardBox(CardBox::Hole), QStringLiteral("7c2d"));
    EXPECT_TRUE(opened->computing());
    window.reset();
    EXPECT_TRUE(cards.isNull());
}

} // namespace
} // namespace viewtest
