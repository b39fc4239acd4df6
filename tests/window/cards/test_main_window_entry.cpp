// The cards window's model against the headless main window: hole cards
// typed there enter the ranks and Suited here, a board that fits a category
// chooses it with Heads-up or Multi-way, and nothing else of the main window
// changes.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "engine/Postflop.h"
#include "platform/form/Input.h"
#include "platform/form/TextEditing.h"
#include "tests/support/PlayerInput.h"
#include "window/cards/CardsBoardModel.h"
#include "window/cards/CardsStateDump.h"
#include "window/model/FrmPoker.h"
#include "window/model/StateDump.h"

namespace {

using namespace platform;
using testsupport::click;
using testsupport::type;
using window::cards::CardBox;

class MainWindowEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frm.Form_Load();
        type(frm.txtBB, "2");
        click(frm.optLate);
        click(frm.optOpened);
    }

    // The dump as name -> value.
    std::map<std::string, std::string> state() const
    {
        std::string d;
        window::appendStateDump(d, frm);
        std::map<std::string, std::string> items;
        std::istringstream lines(d);
        for (std::string line; std::getline(lines, line);)
            if (const auto tab = line.find('\t'); tab != std::string::npos)
                items[line.substr(0, tab)] = line.substr(tab + 1);
        return items;
    }
    // The items that differ between two dumps.
    static std::set<std::string> changed(const std::map<std::string, std::string>& a,
                                         const std::map<std::string, std::string>& b)
    {
        std::set<std::string> names;
        for (const auto& [name, value] : a)
            if (!b.count(name) || b.at(name) != value)
                names.insert(name);
        return names;
    }

    window::FrmPoker frm{{}, platform::Money::unitedStates()};
    window::cards::CardsBoardModel model{frm};
};

TEST_F(MainWindowEntryTest, HoleCardsTypeTheRanksAndSetSuited)
{
    struct Case {
        std::string typed;
        std::string box;
        int suited;
        std::string hand;
    } cases[] = {
        {"AhKh", "AK", 1, "AKs"}, {"7c 7d", "77", 0, "77"}, {"9s,Kd", "K9", 0, "K9"},
        {"2h 3h", "32", 1, "32s"}, {"10s js", "JT", 1, "JTs"}, {"AcKd", "AK", 0, "AK"},
    };
    for (const Case& c : cases) {
        model.setText(CardBox::Hole, c.typed);
        EXPECT_EQ(frm.txtHoleCard.text(), c.box) << c.typed;
        EXPECT_EQ(frm.chkSuited.value(), c.suited) << c.typed;
        EXPECT_EQ(frm.lblCardValue.caption(), c.hand) << c.typed;
        EXPECT_NE(frm.lblBetAmount.caption(), "") << c.typed; // the pre-flop advice followed
    }
}

TEST_F(MainWindowEntryTest, OnlyTheHandAndItsResultsChange)
{
    const auto before = state();
    model.setText(CardBox::Hole, "Ah Kh");
    EXPECT_EQ(changed(before, state()), (std::set<std::string>{"txtHoleCard", "chkSuited", "lblCardSort",
                                                               "lblCardValue", "lblGroup", "lblBetAmount",
                                                               "txtPreFlop", "focus", "sortedCard", "groupNo",
                                                               "adviseText"}));

    // Unfinished or refused typing leaves the main window alone.
    const auto entered = state();
    for (const char* text : {"Ah K", "Ah Kx", "Ah", "", "Ah Ah"}) {
        model.setText(CardBox::Hole, text);
        EXPECT_EQ(state(), entered) << text;
    }
}

TEST_F(MainWindowEntryTest, TheSameHandTypedAgainIsEnteredAgain)
{
    model.setText(CardBox::Hole, "AhKh");
    // The player types another hand in the main window.
    input::moveFocus(frm.txtHoleCard);
    frm.txtHoleCard.setSelection(0, frm.txtHoleCard.text().size());
    input::keyPress(frm.txtHoleCard, 'Q');
    input::keyPress(frm.txtHoleCard, 'J');
    EXPECT_EQ(frm.lblCardValue.caption(), "QJs");
    model.setText(CardBox::Hole, "AhKh "); // the same hand: nothing to enter
    EXPECT_EQ(frm.txtHoleCard.text(), "QJ");
    model.setText(CardBox::Hole, "AhK");
    model.setText(CardBox::Hole, "AhKh");
    EXPECT_EQ(frm.txtHoleCard.text(), "AK");
    EXPECT_EQ(frm.lblCardValue.caption(), "AKs");
}

TEST_F(MainWindowEntryTest, ABoardThatFitsChoosesTheCategoryAndThePlayers)
{
    click(frm.optRaisedPost);
    model.setText(CardBox::Hole, "AhKh");
    const auto before = state();
    model.setText(CardBox::Flop, "Qh Jh 2c");
    EXPECT_EQ(frm.cmbPostFlop.text(), "Nut Flush Draw");
    EXPECT_TRUE(frm.optHeadsUp.value());
    EXPECT_EQ(frm.txtFlop.text(), frm.flopAdviseText);
    EXPECT_NE(frm.txtFlop.text(), "Enter the correct options above");
    EXPECT_EQ(changed(before, state()),
              (std::set<std::string>{"cmbPostFlop", "cmbPostFlop.ListIndex", "optHeadsUp", "txtFlop",
                                     "flopAdviseText", "focus"}));

    model.setOpponents(4);
    EXPECT_TRUE(frm.optMultiWay.value());
    EXPECT_FALSE(frm.optHeadsUp.value());
    model.setOpponents(1);
    EXPECT_TRUE(frm.optHeadsUp.value());

    // The turn makes the flush: the category follows.
    model.setText(CardBox::Turn, "9h");
    EXPECT_EQ(frm.cmbPostFlop.text(), "Nut Flush");
    EXPECT_EQ(frm.txtFlop.text(), frm.flopAdviseText);
}

// A hand that fits no category chooses the list's empty item, as a player
// would, so that the advice of the hand before is not left on show.
TEST_F(MainWindowEntryTest, WhenNoCategoryFitsThePostFlopListIsCleared)
{
    click(frm.optRaisedPost);
    const struct {
        const char* hand;
        const char* flop;
        const char* turn;
        const char* river;
    } noneFits[] = {
        {"7c 2d", "Ah Kd 9s", "", ""},     // nothing
        {"2c 2d", "9h 8c 7d", "6s", "5h"}, // the board plays
        {"As Qd", "Kh Kc 7d", "", ""},     // the board's pair
        {"7s 4d", "Kh 7c 2d", "3s", ""},   // middle pair, weak kicker
    };
    for (const auto& [hand, flop, turn, river] : noneFits) {
        const std::string board = std::string(flop) + " " + turn + " " + river;
        model.setText(CardBox::Flop, "");
        model.setText(CardBox::Turn, "");
        model.setText(CardBox::River, "");
        model.setText(CardBox::Hole, "AhKh");
        model.setText(CardBox::Flop, "Qh Jh 2c");
        ASSERT_EQ(frm.cmbPostFlop.text(), "Nut Flush Draw");
        const auto fitted = state();
        const std::string fittedAdvice = frm.txtFlop.text();

        model.setText(CardBox::Hole, hand);
        model.setText(CardBox::Flop, flop);
        model.setText(CardBox::Turn, turn);
        model.setText(CardBox::River, river);
        ASSERT_TRUE(model.reading().boardReading) << hand << " on " << board;
        ASSERT_FALSE(model.reading().boardReading->category) << hand << " on " << board;
        EXPECT_EQ(frm.cmbPostFlop.listIndex(), 0) << hand << " on " << board;
        EXPECT_EQ(frm.cmbPostFlop.text(), "") << hand << " on " << board;
        EXPECT_NE(frm.txtFlop.text(), fittedAdvice) << hand << " on " << board;
        EXPECT_EQ(frm.txtFlop.text(), frm.flopAdviseText) << hand << " on " << board;
        const auto cleared = state();
        for (const char* name : {"optHeadsUp", "optMultiWay", "optRaisedPost"}) // the players stay as they were
            EXPECT_EQ(cleared.at(name), fitted.at(name)) << name;

        // What a player who chooses the empty item by hand sees.
        input::chooseItem(frm.cmbPostFlop, 1);
        input::chooseItem(frm.cmbPostFlop, 0);
        EXPECT_EQ(state().at("txtFlop"), cleared.at("txtFlop")) << hand << " on " << board;
    }
    model.setOpponents(5); // the players follow only a category that fits
    EXPECT_TRUE(frm.optHeadsUp.value());
}

// A player's own choice after "none fits" stands until the cards change.
TEST_F(MainWindowEntryTest, NoneFitsClearsOnceForEachHand)
{
    model.setText(CardBox::Hole, "7c 2d");
    model.setText(CardBox::Flop, "Ah Kd 9s");
    input::chooseItem(frm.cmbPostFlop, 4);
    model.setOpponents(3); // the same reading: nothing to enter
    EXPECT_EQ(frm.cmbPostFlop.listIndex(), 4);
    model.setText(CardBox::Turn, "3h"); // still none fits
    EXPECT_EQ(frm.cmbPostFlop.listIndex(), 4);
    model.setText(CardBox::Hole, "8c 2d"); // another hand that fits none
    EXPECT_EQ(frm.cmbPostFlop.listIndex(), 0);
    input::chooseItem(frm.cmbPostFlop, 4);
    model.setText(CardBox::Flop, "Ah Kd"); // unfinished
    EXPECT_EQ(frm.cmbPostFlop.listIndex(), 4);
    model.setText(CardBox::Flop, "Ah Kd 9s"); // the board typed again
    EXPECT_EQ(frm.cmbPostFlop.listIndex(), 0);
}

TEST_F(MainWindowEntryTest, TheOpponentsFollowThePlayersOptionChangedThere)
{
    EXPECT_FALSE(model.followMainWindow()); // nothing changed there yet
    click(frm.optMultiWay);
    EXPECT_TRUE(model.followMainWindow());
    EXPECT_EQ(model.input().opponents, 2);
    EXPECT_FALSE(model.followMainWindow());
    model.setOpponents(6);
    click(frm.optHeadsUp);
    EXPECT_TRUE(model.followMainWindow());
    EXPECT_EQ(model.input().opponents, 1);
    click(frm.cmdResetPartial); // no option selected: the count stays
    EXPECT_FALSE(model.followMainWindow());
    EXPECT_EQ(model.input().opponents, 1);

    // What this window enters there is in step already.
    model.setText(CardBox::Hole, "AhKh");
    model.setText(CardBox::Flop, "Qh Jh 2c");
    model.setOpponents(3);
    EXPECT_TRUE(frm.optMultiWay.value());
    EXPECT_FALSE(model.followMainWindow());
    EXPECT_EQ(model.input().opponents, 3);
}

TEST_F(MainWindowEntryTest, EveryCategoryReachesItsListItem)
{
    // One hand and board per category, in the list's order.
    const std::pair<const char*, const char*> boards[] = {
        {"AsKd", "Kh 7c 2d"}, {"Ks8d", "Kh 7c 2d"}, {"As7d", "Kh 7c 2d"}, {"Kd7d", "Kh 7c 2s"},
        {"Kd2d", "Kh 7c 2s"}, {"AhTh", "Kh 7h 2h"}, {"AhKh", "9h 7h 2c"}, {"QhTh", "Kh 7h 2h"},
        {"Qh9h", "Kh 7h 2c"}, {"9d8d", "7c 6s 5h"}, {"9d8d", "7c 6s 2h"}, {"7d7s", "Kh 7c 2s"},
        {"Kd7d", "Kh Kc 7s"},
    };
    for (std::size_t i = 0; i < std::size(boards); ++i) {
        model.setText(CardBox::Flop, "");
        model.setText(CardBox::Hole, boards[i].first);
        model.setText(CardBox::Flop, boards[i].second);
        EXPECT_EQ(frm.cmbPostFlop.text(), engine::kPostFlopCategories[i]) << boards[i].first << " " << boards[i].second;
        EXPECT_EQ(frm.cmbPostFlop.listIndex(), static_cast<int>(i) + 1);
    }
}

// Typed and pasted text may hold tabs and line breaks; the dump keeps every
// item on a line of its own, as the main window's dump does.
TEST_F(MainWindowEntryTest, TheCardsDumpKeepsEachItemOnItsLine)
{
    model.setText(CardBox::Hole, "Ah\tKh");
    model.setText(CardBox::Flop, "Qh\r\n7s 2d");
    const std::string dump = window::cards::cardsStateDump(model, nullptr);
    EXPECT_NE(dump.find("hole\tAh\\tKh\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("flop\tQh\\r\\n7s 2d\n"), std::string::npos) << dump;
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 1) << line;
}

} // namespace
