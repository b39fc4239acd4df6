// The cards and board window as the program opens it, with the program's own
// face: Escape closes it from any of its controls, it opens without a word
// from Qt about its fonts, and the Opponents box shows its arrows.

#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include "ViewFixture.h"
#include "window/cards/CardGrid.h"
#include "window/cards/CardsWindow.h"
#include "window/view/Metrics.h"

namespace viewtest {
namespace {

using window::cards::CardBox;
using window::cards::CardsWindow;

// The messages Qt writes while one lives.
class QtMessages {
public:
    QtMessages() { previous_ = qInstallMessageHandler(record); }
    ~QtMessages() { qInstallMessageHandler(previous_); }
    QtMessages(const QtMessages&) = delete;
    QtMessages& operator=(const QtMessages&) = delete;
    static QStringList& seen()
    {
        static QStringList messages;
        return messages;
    }

private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& message) { seen() << message; }
    QtMessageHandler previous_ = nullptr;
};

class CardsOnTheDesktop : public ViewTest {
protected:
    void SetUp() override
    {
        // The face the program sets for all its windows, sized in pixels.
        savedFont_ = QApplication::font();
        QApplication::setFont(window::view::Metrics::applicationFont());
        ViewTest::SetUp();
    }
    void TearDown() override
    {
        ViewTest::TearDown();
        QApplication::setFont(savedFont_);
    }

    CardsWindow* openCards()
    {
        window->menuAction("mnuCardsAndBoard")->trigger();
        CardsWindow* cards = window->cardsAndBoard();
        if (cards) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(cards));
        }
        return cards;
    }

private:
    QFont savedFont_;
};

struct FocusCase {
    const char* name;
    QWidget* (*widget)(CardsWindow&);
};

void PrintTo(const FocusCase& c, std::ostream* out)
{
    *out << c.name;
}

class EscapeInTheCards : public CardsOnTheDesktop, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(EscapeInTheCards, ClosesTheWindow)
{
    QPointer<CardsWindow> cards = openCards();
    ASSERT_NE(cards, nullptr);
    QWidget* focus = GetParam().widget(*cards);
    focus->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), focus);
    QTest::keyClick(focus, Qt::Key_Escape);
    // Closed, it goes: it is deleted on closing.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(cards.isNull());
    EXPECT_EQ(window->cardsAndBoard(), nullptr);
    // The advisor stays.
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    FromEachKindOfControl, EscapeInTheCards,
    ::testing::Values(FocusCase{"HoleCards", [](CardsWindow& w) -> QWidget* { return w.cardBox(CardBox::Hole); }},
                      FocusCase{"River", [](CardsWindow& w) -> QWidget* { return w.cardBox(CardBox::River); }},
                      FocusCase{"Opponents", [](CardsWindow& w) -> QWidget* { return w.opponents(); }},
                      FocusCase{"Pot", [](CardsWindow& w) -> QWidget* { return w.pot(); }},
                      FocusCase{"CardGrid", [](CardsWindow& w) -> QWidget* { return w.grid(); }}),
    [](const ::testing::TestParamInfo<FocusCase>& c) { return std::string(c.param.name); });

TEST_F(CardsOnTheDesktop, OpensWithoutAWarningAndShowsTheEquityLarger)
{
    QtMessages::seen().clear();
    CardsWindow* cards = nullptr;
    {
        const QtMessages messages;
        cards = openCards();
    }
    ASSERT_NE(cards, nullptr);
    for (const QString& message : QtMessages::seen())
        EXPECT_FALSE(message.contains(QLatin1String("Point size"))) << message.toStdString();
    const QFontInfo normal(cards->readingText()->font());
    const QFontInfo equity(cards->equityText()->font());
    EXPECT_GT(equity.pixelSize(), normal.pixelSize());
    EXPECT_TRUE(equity.bold());
}

// The Opponents box's arrows stand out from their buttons: somewhere in each
// button the picture differs clearly from the button's own colour.
TEST_F(CardsOnTheDesktop, TheOpponentsBoxShowsItsArrows)
{
    CardsWindow* cards = openCards();
    ASSERT_NE(cards, nullptr);
    QSpinBox* spin = cards->opponents();
    spin->setValue(3); // both arrows enabled
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.rect = spin->rect();
    option.subControls = QStyle::SC_All;
    option.buttonSymbols = spin->buttonSymbols();
    option.frame = spin->hasFrame();
    const QImage picture = spin->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = picture.devicePixelRatio();
    for (QStyle::SubControl button : {QStyle::SC_SpinBoxUp, QStyle::SC_SpinBoxDown}) {
        const QRect place = spin->style()->subControlRect(QStyle::CC_SpinBox, &option, button, spin);
        ASSERT_FALSE(place.isEmpty());
        const QRect inner(QPoint(qRound(place.left() * dpr) + 2, qRound(place.top() * dpr) + 1),
                          QPoint(qRound(place.right() * dpr) - 2, qRound(place.bottom() * dpr) - 1));
        const int background = qGray(picture.pixel(inner.topLeft()));
        int strongest = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                strongest = std::max(strongest, std::abs(qGray(picture.pixel(x, y)) - background));
        EXPECT_GE(strongest, 80) << (button == QStyle::SC_SpinBoxUp ? "up" : "down");
    }
}

} // namespace
} // namespace viewtest
