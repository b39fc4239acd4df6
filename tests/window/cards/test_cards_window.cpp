// The cards and board window on its real widgets (offscreen), beside the
// headless main window: typing and the card grid, messages beside the boxes,
// the equity computed off the GUI thread with a progress mark for long runs,
// the pot odds, and pictures for a person to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <set>
#include <thread>

#include "engine/cards/CardParser.h"
#include "engine/odds/Equity.h"
#include "platform/form/Input.h"
#include "tests/support/PlayerInput.h"
#include "tests/support/QtTestApp.h"
#include "window/cards/CardGrid.h"
#include "window/cards/CardsText.h"
#include "window/cards/CardsWindow.h"
#include "window/cards/OpponentRows.h"
#include "window/cards/RangePickerDialog.h"
#include "window/model/FrmPoker.h"

namespace {

using namespace std::chrono_literals;
using engine::cards::Card;
using window::cards::CardBox;
using window::cards::CardsWindow;

Card card(std::string_view text)
{
    return engine::cards::parseCards(text).value.at(0);
}

// Stands in for the equity computation: reports some progress, then holds
// until the test opens it or the run is stopped.
struct HeldComputation {
    std::atomic<bool> open{false};
    std::atomic<int> started{0};
    std::atomic<int> stopped{0};

    window::cards::EquityWorker::Computation function()
    {
        return [this](const engine::odds::EquityRequest& r, std::stop_token stop,
                      const engine::odds::EquityProgressCallback& progress) {
            ++started;
            engine::odds::EquityResult result;
            result.method = engine::odds::EquityMethod::MonteCarlo;
            result.deals = 1000;
            result.equity = 0.1 * r.opponents;
            result.win = result.equity;
            progress({0.5, result});
            while (!open && !stop.stop_requested())
                std::this_thread::sleep_for(1ms);
            if (stop.stop_requested()) {
                ++stopped;
                result.status = engine::odds::EquityStatus::Cancelled;
            }
            return result;
        };
    }
};

class CardsWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void SetUp() override
    {
        frm.Form_Load();
        testsupport::type(frm.txtBB, "2");
        testsupport::click(frm.optLate);
        testsupport::click(frm.optOpened);
    }

    static void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    static void clickCard(window::cards::CardGrid* grid, std::string_view c)
    {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(card(c)).center());
    }
    static bool settled(const CardsWindow& w)
    {
        return QTest::qWaitFor([&] { return !w.computing(); }, 60000);
    }

    window::FrmPoker frm{{}, platform::Money::unitedStates()};
};

TEST_F(CardsWindowTest, TypingTheHandAndTheFlopSetsTheMainWindowAndShowsTheEquity)
{
    CardsWindow w(frm);
    w.show();
    type(w.cardBox(CardBox::Hole), QStringLiteral("AhKh"));
    EXPECT_EQ(frm.txtHoleCard.text(), "AK");
    EXPECT_EQ(frm.chkSuited.value(), 1);
    EXPECT_EQ(frm.lblCardValue.caption(), "AKs");
    type(w.cardBox(CardBox::Flop), QStringLiteral("Qh Jh 2c"));
    EXPECT_EQ(frm.cmbPostFlop.text(), "Nut Flush Draw");
    EXPECT_TRUE(frm.optHeadsUp.value());
    EXPECT_TRUE(w.readingText()->text().contains(QStringLiteral("Post-flop: Nut Flush Draw")));
    EXPECT_TRUE(w.readingText()->text().contains(QStringLiteral("Outs: 12")));

    ASSERT_TRUE(settled(w));
    ASSERT_TRUE(w.equity().has_value());
    const auto direct = engine::odds::computeEquity(*w.model().equityRequest());
    EXPECT_EQ(w.equityText()->text().toStdString(), window::cards::equityLine(direct));
    EXPECT_FALSE(w.progressMark()->isVisible());
}

TEST_F(CardsWindowTest, TheGridPicksWithTheMouseAndTheKeyboard)
{
    CardsWindow w(frm);
    w.show();
    auto* grid = w.grid();
    clickCard(grid, "Ah");
    EXPECT_EQ(w.cardBox(CardBox::Hole)->text(), QStringLiteral("Ah"));
    // From the ace of spades: right to the king, down to hearts, Space.
    grid->setFocus();
    grid->setCurrent(card("As"));
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(w.cardBox(CardBox::Hole)->text(), QStringLiteral("Ah Kh"));
    EXPECT_EQ(frm.txtHoleCard.text(), "AK");
    EXPECT_EQ(frm.chkSuited.value(), 1);
    // Clamped at the edges; Enter picks as Space does.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(grid, Qt::Key_Down);
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->current(), card("2c"));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(w.cardBox(CardBox::Flop)->text(), QStringLiteral("2c"));
    EXPECT_EQ(w.model().reading().ownerOf(card("2c")), CardBox::Flop);

    // A card in use comes out again; the main window keeps what it had.
    clickCard(grid, "Ah");
    EXPECT_EQ(w.cardBox(CardBox::Hole)->text(), QStringLiteral("Kh"));
    EXPECT_FALSE(w.model().reading().ownerOf(card("Ah")));
    EXPECT_EQ(frm.txtHoleCard.text(), "AK");
    clickCard(grid, "7s");
    EXPECT_EQ(w.cardBox(CardBox::Hole)->text(), QStringLiteral("Kh 7s"));
    EXPECT_EQ(frm.txtHoleCard.text(), "K7");
    EXPECT_EQ(frm.chkSuited.value(), 0);
}

TEST_F(CardsWindowTest, TheOpponentsFollowTheMainWindowsPlayers)
{
    CardsWindow w(frm);
    w.show();
    type(w.cardBox(CardBox::Hole), QStringLiteral("AhKh"));
    ASSERT_TRUE(settled(w));
    platform::input::click(frm.optMultiWay);
    EXPECT_EQ(w.opponents()->value(), 2);
    EXPECT_EQ(w.model().input().opponents, 2);
    EXPECT_TRUE(w.computing()); // against two now
    ASSERT_TRUE(settled(w));
    EXPECT_TRUE(w.equityText()->text().startsWith(QStringLiteral("Win ")));
}

TEST_F(CardsWindowTest, RefusedCardsAreNamedBesideTheirBoxAndTheTextStays)
{
    CardsWindow w(frm);
    w.show();
    type(w.cardBox(CardBox::Hole), QStringLiteral("AhKh"));
    type(w.cardBox(CardBox::Flop), QStringLiteral("7c Ah 2d"));
    EXPECT_EQ(w.messageOf(CardBox::Flop)->text(), QStringLiteral("\"Ah\" is already in the hole cards"));
    EXPECT_EQ(w.cardBox(CardBox::Flop)->text(), QStringLiteral("7c Ah 2d"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    clickCard(w.grid(), "9s");
    EXPECT_EQ(w.gridMessage()->text(),
              QStringLiteral("Correct the flop first: \"Ah\" is already in the hole cards"));
    EXPECT_EQ(w.cardBox(CardBox::Flop)->text(), QStringLiteral("7c Ah 2d"));

    type(w.cardBox(CardBox::Turn), QStringLiteral("x"));
    EXPECT_EQ(w.messageOf(CardBox::Turn)->text(), QStringLiteral("\"x\" is not a card"));
    QTest::keyClick(w.cardBox(CardBox::Turn), Qt::Key_Backspace);
    EXPECT_EQ(w.messageOf(CardBox::Turn)->text(), QString());
}

// The state file follows what the window shows as the boxes are edited,
// whether a run starts, goes on or none can.
TEST_F(CardsWindowTest, TheStateFileHoldsTheMessagesShown)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("cards.txt"));
    qputenv("TABLEWISE_CARDS_STATE_FILE", path.toLocal8Bit());
    struct Edit {
        CardBox box;
        const char* typed; // nullptr: Backspace
    };
    const Edit edits[] = {{CardBox::Hole, "AhKh"}, {CardBox::Flop, "7c Ah 2d"}, {CardBox::Turn, "x"},
                          {CardBox::Turn, nullptr}, {CardBox::Flop, nullptr}, {CardBox::Flop, nullptr},
                          {CardBox::Flop, nullptr}, {CardBox::Flop, "Qh"}};
    static constexpr const char* names[] = {"hole", "flop", "turn", "river"};
    {
        CardsWindow w(frm);
        w.show();
        for (const Edit& edit : edits) {
            if (edit.typed != nullptr)
                type(w.cardBox(edit.box), QString::fromUtf8(edit.typed));
            else
                QTest::keyClick(w.cardBox(edit.box), Qt::Key_Backspace);
            ASSERT_TRUE(settled(w));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString dump = QString::fromUtf8(file.readAll());
            for (CardBox box : window::cards::kCardBoxes) {
                const QString name = QString::fromUtf8(names[static_cast<std::size_t>(box)]);
                const QString line = name + QStringLiteral(" message\t") + w.messageOf(box)->text() + QLatin1Char('\n');
                EXPECT_TRUE(dump.contains(line)) << "after editing " << names[static_cast<std::size_t>(edit.box)]
                                                 << ", no line " << line.toStdString() << " in\n" << dump.toStdString();
                EXPECT_TRUE(dump.contains(name + QLatin1Char('\t') + w.cardBox(box)->text() + QLatin1Char('\n')));
            }
        }
    }
    qunsetenv("TABLEWISE_CARDS_STATE_FILE");
}

TEST_F(CardsWindowTest, TypingNeverWaitsAndLongRunsShowTheirProgress)
{
    HeldComputation held;
    CardsWindow w(frm, nullptr, held.function());
    w.show();
    type(w.cardBox(CardBox::Hole), QStringLiteral("AhKh")); // returns with the run held
    EXPECT_TRUE(w.computing());
    EXPECT_FALSE(w.progressMark()->isVisible()); // not yet: short runs show none
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.progressMark()->isVisible(); }, 10000));
    EXPECT_EQ(w.progressMark()->value(), 50);
    EXPECT_TRUE(w.equityText()->text().startsWith(QStringLiteral("Win 10.0%")));

    // New inputs abandon the run and start anew.
    w.opponents()->setValue(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.stopped == 1 && held.started == 2; }, 10000));
    held.open = true;
    ASSERT_TRUE(settled(w));
    EXPECT_FALSE(w.progressMark()->isVisible());
    EXPECT_TRUE(w.equityText()->text().startsWith(QStringLiteral("Win 30.0%")));
}

TEST_F(CardsWindowTest, ClosingDuringARunStopsIt)
{
    HeldComputation held;
    auto w = std::make_unique<CardsWindow>(frm, nullptr, held.function());
    w->show();
    type(w->cardBox(CardBox::Hole), QStringLiteral("7c2d"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.started == 1; }, 10000));
    w.reset();
    EXPECT_EQ(held.stopped, 1);
    QTest::qWait(20); // whatever the worker posted is dropped with the window
}

TEST_F(CardsWindowTest, PotOddsAgainstTheEquity)
{
    CardsWindow w(frm);
    w.show();
    type(w.pot(), QStringLiteral("7.5.0"));
    EXPECT_EQ(w.pot()->text(), QStringLiteral("7.50")); // one decimal point, as the big blind takes
    w.pot()->clear();
    type(w.pot(), QStringLiteral("75"));
    EXPECT_TRUE(w.potOddsText()->text().isEmpty());
    type(w.bet(), QStringLiteral("25"));
    EXPECT_EQ(w.potOddsText()->text(), QStringLiteral("A call needs 25.0% equity."));
    type(w.cardBox(CardBox::Hole), QStringLiteral("AhKh"));
    type(w.cardBox(CardBox::Flop), QStringLiteral("Qh Jh 2c"));
    ASSERT_TRUE(settled(w));
    ASSERT_TRUE(w.equity());
    EXPECT_EQ(w.potOddsText()->text().toStdString(),
              window::cards::potOddsLine({75, 25, 0.25}, *w.equity(), platform::Money::unitedStates()));
    EXPECT_TRUE(w.potOddsText()->text().endsWith(QStringLiteral("A call pays on the odds alone.")));
}

// Opponent 1 holds a typed range, opponent 2 a random hand, a card is dead:
// the equity is of every player, counted as the engine counts the same
// request; a range that does not read says why and stops the count.
TEST_F(CardsWindowTest, RangesAndDeadCardsShowEachPlayersEquity)
{
    CardsWindow w(frm);
    w.show();
    auto* rows = w.opponentRows();
    EXPECT_FALSE(rows->rangeBox(0)->isHidden());
    EXPECT_TRUE(rows->rangeBox(1)->isHidden());
    w.opponents()->setValue(2);
    EXPECT_FALSE(rows->rangeBox(1)->isHidden());
    EXPECT_TRUE(rows->rangeBox(2)->isHidden());
    EXPECT_EQ(rows->rangeBox(1)->placeholderText(), QStringLiteral("random"));

    type(w.cardBox(CardBox::Hole), QStringLiteral("AhKh"));
    type(w.cardBox(CardBox::Flop), QStringLiteral("Qh Jh 2c"));
    type(w.cardBox(CardBox::Turn), QStringLiteral("9s"));
    ASSERT_TRUE(settled(w));
    EXPECT_TRUE(w.playersTable()->isHidden()); // random hands alone: as before

    type(rows->rangeBox(0), QStringLiteral("QQ+, AKs"));
    type(w.cardBox(CardBox::Dead), QStringLiteral("3c"));
    EXPECT_EQ(w.model().reading().ownerOf(card("3c")), CardBox::Dead);
    ASSERT_TRUE(settled(w));
    ASSERT_TRUE(w.equity().has_value());
    const auto direct = engine::odds::computeEquity(*w.model().equityRequest());
    ASSERT_EQ(direct.players.size(), 3u);
    ASSERT_EQ(direct.method, engine::odds::EquityMethod::Exact);
    EXPECT_EQ(w.equityText()->text().toStdString(), window::cards::equityLine(direct));
    EXPECT_TRUE(w.equityTitle()->text().contains(QStringLiteral("1 dead card")));
    QTableWidget* table = w.playersTable();
    EXPECT_FALSE(table->isHidden());
    ASSERT_EQ(table->rowCount(), 3);
    const QString holds[] = {QStringLiteral("AhKh"), QStringLiteral("QQ+, AKs"), QStringLiteral("random")};
    for (int row = 0; row < 3; ++row) {
        const auto& p = direct.players[static_cast<std::size_t>(row)];
        EXPECT_EQ(table->item(row, 1)->text(), holds[row]);
        EXPECT_EQ(table->item(row, 2)->text().toStdString(), window::cards::percentText(p.win));
        EXPECT_EQ(table->item(row, 3)->text().toStdString(), window::cards::percentText(p.tie));
        EXPECT_EQ(table->item(row, 4)->text().toStdString(), window::cards::percentText(p.equity));
    }
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("You"));
    EXPECT_EQ(table->item(2, 0)->text(), QStringLiteral("Opponent 2"));

    // The same range written otherwise: the count stands, the row follows.
    type(rows->rangeBox(0), QStringLiteral(","));
    EXPECT_FALSE(w.computing());
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("QQ+, AKs,"));
    EXPECT_EQ(table->item(1, 4)->text().toStdString(), window::cards::percentText(direct.players[1].equity));

    type(rows->rangeBox(1), QStringLiteral("AKx"));
    EXPECT_TRUE(rows->messageOf(1)->text().contains(QStringLiteral("\"AKx\"")));
    EXPECT_FALSE(w.computing());
    EXPECT_EQ(w.equityTitle()->text(), QStringLiteral("Correct opponent 2's range for the equity."));
    EXPECT_TRUE(table->isHidden());
    EXPECT_TRUE(w.equityText()->text().isEmpty());
}

// While the dead cards are the box last in use, the grid picks into them,
// with the mouse as with the keys; once another box is in use, as before.
TEST_F(CardsWindowTest, TheGridPicksIntoTheDeadCardsWhileTheyAreInUse)
{
    CardsWindow w(frm);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.cardBox(CardBox::Dead)->setFocus();
    EXPECT_TRUE(w.model().deadCardsInUse());
    clickCard(w.grid(), "3c");
    EXPECT_EQ(w.cardBox(CardBox::Dead)->text(), QStringLiteral("3c"));
    w.grid()->setCurrent(card("9d"));
    QTest::keyClick(w.grid(), Qt::Key_Space);
    EXPECT_EQ(w.cardBox(CardBox::Dead)->text(), QStringLiteral("3c 9d"));
    EXPECT_EQ(w.model().reading().ownerOf(card("9d")), CardBox::Dead);

    w.cardBox(CardBox::Flop)->setFocus();
    EXPECT_FALSE(w.model().deadCardsInUse());
    clickCard(w.grid(), "Ah");
    EXPECT_EQ(w.cardBox(CardBox::Hole)->text(), QStringLiteral("Ah"));
    clickCard(w.grid(), "3c"); // a dead card picked comes out
    EXPECT_EQ(w.cardBox(CardBox::Dead)->text(), QStringLiteral("9d"));
}

// "Grid..." opens the range picker on the opponent's range; OK writes what
// was picked into the row, Cancel leaves it.
TEST_F(CardsWindowTest, TheGridButtonPicksAnOpponentsRange)
{
    // The picker's library of ranges lives in a store of the test's own.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    qputenv("TABLEWISE_REVIEW_DB", folder.filePath(QStringLiteral("ranges.db")).toLocal8Bit());
    CardsWindow w(frm);
    w.show();
    auto* rows = w.opponentRows();
    type(rows->rangeBox(0), QStringLiteral("QQ+"));
    const auto read = [](std::string_view text) { return engine::cards::parseRange(text).value; };
    // A range's combinations in no particular order.
    const auto combos = [](const engine::cards::Range& r) {
        std::set<std::string> texts;
        for (const auto& c : r.combos())
            texts.insert(c.text());
        return texts;
    };
    struct Step {
        bool accept;
        const char* picked;
        QString after;
    } steps[] = {{true, "KK+, AKs:0.5", QStringLiteral("KK+, AKs:0.5")}, {false, "22+", QStringLiteral("KK+, AKs:0.5")}};
    std::set<std::string> seen;
    for (const Step& step : steps) {
        QTimer::singleShot(0, &w, [&] {
            auto* dialog = qobject_cast<window::cards::RangePickerDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = combos(dialog->range());
            dialog->setRange(read(step.picked));
            if (step.accept)
                dialog->accept();
            else
                dialog->reject();
        });
        const auto before = combos(read(rows->rangeBox(0)->text().toStdString()));
        QTest::mouseClick(rows->gridButton(0), Qt::LeftButton);
        EXPECT_EQ(seen, before);
        EXPECT_EQ(rows->rangeBox(0)->text(), step.after);
    }
    EXPECT_EQ(w.model().input().ranges[0], "KK+, AKs:0.5");
    EXPECT_TRUE(w.model().severalPlayers());
    qunsetenv("TABLEWISE_REVIEW_DB");
}

TEST_F(CardsWindowTest, Screenshots)
{
    const QString folder = QStringLiteral(SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    CardsWindow w(frm);
    w.show();
    type(w.cardBox(CardBox::Hole), QStringLiteral("AhKh"));
    type(w.cardBox(CardBox::Flop), QStringLiteral("Qh Jh 2c"));
    type(w.pot(), QStringLiteral("75"));
    type(w.bet(), QStringLiteral("25"));
    w.opponents()->setValue(2);
    ASSERT_TRUE(settled(w));
    w.layout()->activate();
    EXPECT_TRUE(w.grab().save(folder + QStringLiteral("/cards-flop.png")));

    type(w.cardBox(CardBox::Turn), QStringLiteral("Jh"));
    w.layout()->activate();
    EXPECT_TRUE(w.grab().save(folder + QStringLiteral("/cards-refused.png")));

    QTest::keyClick(w.cardBox(CardBox::Turn), Qt::Key_Backspace);
    QTest::keyClick(w.cardBox(CardBox::Turn), Qt::Key_Backspace);
    type(w.opponentRows()->rangeBox(0), QStringLiteral("chart(raised, late):raise"));
    type(w.cardBox(CardBox::Dead), QStringLiteral("3c"));
    ASSERT_TRUE(settled(w));
    w.layout()->activate();
    EXPECT_TRUE(w.grab().save(folder + QStringLiteral("/cards-players.png")));
}

} // namespace
