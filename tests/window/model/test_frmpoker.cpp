// The headless main window: start-up, the controls as designed, key filters,
// the handlers' guards and prompts, and Reset.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Postflop.h"
#include "engine/content/AdviceContent.h"
#include "platform/form/Input.h"
#include "platform/form/TextEditing.h"
#include "platform/text/Utf8.h"
#include "tests/support/EuroMoney.h"
#include "tests/support/PlayerInput.h"
#include "window/model/FrmPoker.h"
#include "window/model/Layout.h"

using namespace platform;

namespace {

using testsupport::click;
using testsupport::paste;
using testsupport::type;

struct Window : ::testing::Test {
    explicit Window(const Money& money = Money::unitedStates()) : frm({}, money) {}

    void SetUp() override { frm.Form_Load(); }

    // A big blind of 2, then the hole cards, the position and the action.
    void enterPreflop(std::u32string_view hand, OptionButton& position, OptionButton& action)
    {
        type(frm.txtBB, U"2");
        type(frm.txtHoleCard, hand);
        click(position);
        click(action);
    }

    // A big blind of 2, an opened pot from early position and Suited ticked:
    // everything but the hole cards.
    void enterSuitedOpenedFromEarly()
    {
        type(frm.txtBB, U"2");
        click(frm.optEarly);
        click(frm.optOpened);
        click(frm.chkSuited);
    }

    window::FrmPoker frm;
    window::FrmPoker& s = frm;
};

TEST_F(Window, StartsEmptyWithTheFocusInTheBigBlind)
{
    EXPECT_EQ(frm.form.caption(), "Brisvane Tablewise");
    EXPECT_EQ(frm.form.focus(), &s.txtBB);
    for (Control* c : frm.form.controls()) {
        if (auto* o = dynamic_cast<OptionButton*>(c)) {
            EXPECT_FALSE(o->value()) << c->name();
        }
        if (auto* t = dynamic_cast<TextBox*>(c)) {
            EXPECT_EQ(t->text(), "") << c->name();
        }
    }
    EXPECT_EQ(s.chkSuited.value(), 0);
    ASSERT_EQ(s.cmbPostFlop.items().size(), 14u);
    EXPECT_EQ(s.cmbPostFlop.items()[0], "");
    for (std::size_t i = 0; i < engine::kPostFlopCategories.size(); ++i)
        EXPECT_EQ(s.cmbPostFlop.items()[i + 1], engine::kPostFlopCategories[i]);
    EXPECT_EQ(s.cmbPostFlop.listIndex(), -1);
}

TEST_F(Window, EveryDesignedControlExistsWithItsPlaceAndTabIndex)
{
    for (const window::ControlLayout& l : window::frmPokerLayout()) {
        const Control* c = frm.form.find(l.name);
        ASSERT_NE(c, nullptr) << l.name;
        EXPECT_EQ(c->kind(), l.kind) << l.name;
        EXPECT_EQ(c->geometry().left, l.rect.left) << l.name;
        EXPECT_EQ(c->geometry().height, l.rect.height) << l.name;
        EXPECT_EQ(c->tabIndex(), l.tabIndex) << l.name;
        EXPECT_EQ(c->visible(), l.visible) << l.name;
        if (!l.container.empty()) {
            EXPECT_EQ(c->container(), frm.form.find(l.container)) << l.name;
        }
    }
    EXPECT_EQ(frm.form.controls().size(), window::frmPokerLayout().size());
}

TEST_F(Window, FocusOrderOfTheControlsThatTakeIt)
{
    std::vector<std::string> names;
    for (const Control* c : frm.form.tabOrder())
        names.push_back(c->name());
    const std::vector<std::string> expected{
        "txtBB",         "txtHoleCard",   "chkSuited",   "optEarly",   "optMiddle",  "optLate",
        "optIn",         "optOut",        "optMultiWay", "optHeadsUp", "optLimpedPost", "optRaisedPost",
        "txtPreFlop",    "txtFlop",       "cmbPostFlop", "optBlinds",  "optOpened",  "optLimped",
        "optRaised",     "optRaisedCalled", "optRaiseReRaise", "txtLimpers", "cmdResetPartial"};
    EXPECT_EQ(names, expected);
}

struct FilterCase {
    const char* box;
    std::u32string keys;
    const char* result;
};

class KeyFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(KeyFilters, LetOnlyTheirKeysThrough)
{
    window::FrmPoker frm({}, platform::Money::unitedStates());
    frm.Form_Load();
    auto& box = static_cast<TextBox&>(*frm.form.find(GetParam().box));
    type(box, GetParam().keys);
    EXPECT_EQ(box.text(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyFilters,
    ::testing::Values(FilterCase{"txtHoleCard", U"a", "a"}, FilterCase{"txtHoleCard", U"kT", "kT"},
                      FilterCase{"txtHoleCard", U"10", ""}, FilterCase{"txtHoleCard", U"xX sS", ""},
                      FilterCase{"txtHoleCard", U"q9", "q9"}, FilterCase{"txtHoleCard", U"2", "2"},
                      FilterCase{"txtHoleCard", U"AKQ", "AK"}, FilterCase{"txtHoleCard", U"\u00e4\u20ac", ""},
                      FilterCase{"txtBB", U"12.5", "12.5"}, FilterCase{"txtBB", U"1,5$ -e", "1,5"},
                      FilterCase{"txtBB", U"1.2,5", "1.25"},
                      FilterCase{"txtBB", U"12345678901", "1234567890"}, FilterCase{"txtBB", U"0", "0"},
                      FilterCase{"txtLimpers", U"3.5", "35"}, FilterCase{"txtLimpers", U"123456789012345", "123456789012345"},
                      FilterCase{"txtLimpers", U"a-1", "1"}, FilterCase{"txtPreFlop", U"any text!", "any text!"},
                      FilterCase{"txtFlop", U"x\ry", "x\r\ny"}));

TEST_F(Window, HoleCardsWithoutABigBlindComputeNothingButSuitedDoes)
{
    click(s.optEarly);
    click(s.optOpened); // computes once, with a big blind of zero
    type(s.txtHoleCard, U"AK");
    EXPECT_EQ(s.lblGroup.caption(), "Not Ranked"); // still the computation without a hand
    click(s.chkSuited);
    EXPECT_EQ(s.lblGroup.caption(), "1");
    EXPECT_EQ(s.lblBetAmount.caption(), "$0.00 to $0.00");
}

TEST_F(Window, ChoosingAnotherActionEmptiesTheLimpers)
{
    type(s.txtBB, U"2");
    type(s.txtHoleCard, U"72");
    click(s.optLimped);
    type(s.txtLimpers, U"4");
    for (OptionButton* action : {&s.optOpened, &s.optRaised, &s.optRaisedCalled, &s.optRaiseReRaise}) {
        click(s.optLimped);
        type(s.txtLimpers, U"4");
        click(*action);
        EXPECT_EQ(s.txtLimpers.text(), "") << action->name();
        EXPECT_EQ(s.lblBetAmount.caption(), "Fold") << action->name();
    }
}

TEST_F(Window, LimpedPromptsForTheSixteenHandsAndComputesOthers)
{
    type(s.txtBB, U"2");
    click(s.optLate);
    for (const char* hand : {"AA", "KK", "QQ", "AK", "AQ", "AT", "99", "JJ", "TT", "KT"}) {
        click(s.optOpened);
        s.txtHoleCard.setText(hand);
        click(s.optLimped);
        EXPECT_EQ(s.txtPreFlop.text(), "Enter amount of limpers") << hand;
        EXPECT_EQ(s.lblBetAmount.caption(), "") << hand;
        EXPECT_EQ(frm.form.focus(), &s.txtLimpers) << hand;
    }
    click(s.optOpened);
    s.txtHoleCard.setText("72");
    click(s.optLimped);
    EXPECT_EQ(s.lblBetAmount.caption(), "Fold");
    EXPECT_EQ(s.txtPreFlop.text(), "This is not a playable hand");
    EXPECT_EQ(frm.form.focus(), &s.optLimped);
}

TEST_F(Window, LeavingTheBigBlindFormatsOrEmptiesIt)
{
    struct {
        std::u32string typed;
        const char* shown;
    } cases[] = {{U"12.5", "$12.50"}, {U"5", "$5.00"}, {U".5", "$0.50"}, {U"5.", "$5.00"},
                 {U"1000", "$1,000.00"}, {U"0.875", "$0.88"}, {U".", ""}, {U"", ""},
                 // a second decimal point is refused as it is typed
                 {U"1.2.5", "$1.25"}, {U"..5", "$0.50"}};
    for (const auto& c : cases) {
        input::moveFocus(s.txtBB);
        s.txtBB.setText("");
        type(s.txtBB, c.typed);
        input::moveFocus(s.txtHoleCard);
        EXPECT_EQ(s.txtBB.text(), c.shown);
        input::moveFocus(s.txtBB);
        input::moveFocus(s.txtHoleCard);
        EXPECT_EQ(s.txtBB.text(), c.shown) << "leaving twice";
    }
    EXPECT_EQ(s.txtPreFlop.text(), "Enter Big Blind Amount");
    EXPECT_EQ(s.lblBetAmount.caption(), "$0.00");
}

TEST_F(Window, ResetKeepsTheBigBlindAndEmptiesEveryResult)
{
    enterPreflop(U"AA", s.optBlinds, s.optLimped);
    type(s.txtLimpers, U"2");
    input::chooseItem(s.cmbPostFlop, 4);
    click(s.optLimpedPost);
    click(s.optMultiWay);
    ASSERT_FALSE(s.txtFlop.text().empty());
    click(frm.cmdResetPartial);
    EXPECT_EQ(s.txtBB.text(), "$2.00");
    for (const char* name : {"txtHoleCard", "txtLimpers", "txtPreFlop", "txtFlop"})
        EXPECT_EQ(static_cast<TextBox*>(frm.form.find(name))->text(), "") << name;
    EXPECT_EQ(s.lblGroup.caption(), "");
    EXPECT_EQ(s.lblBetAmount.caption(), "");
    EXPECT_EQ(s.cmbPostFlop.listIndex(), 0);
    for (OptionGroup* g : {&s.actionGroup, &s.positionGroup, &s.potGroup, &s.playersGroup, &s.postPositionGroup})
        EXPECT_EQ(g->selected(), nullptr);
    EXPECT_EQ(frm.form.focus(), &s.txtHoleCard);
    EXPECT_EQ(s.sortedCard, "AA");
    EXPECT_EQ(s.lblCardValue.caption(), "AA");
}

TEST_F(Window, PostFlopNeedsOneOptionBeforeTheCategoryCounts)
{
    input::chooseItem(s.cmbPostFlop, 12);
    EXPECT_EQ(s.txtFlop.text(), "Enter the correct options above");
    click(s.optHeadsUp);
    input::chooseItem(s.cmbPostFlop, 4);
    EXPECT_EQ(s.txtFlop.text(), "Enter the correct options above"); // Top Two Pair needs the pot
    input::chooseItem(s.cmbPostFlop, 0);
    EXPECT_EQ(s.txtFlop.text(), "");
}

// The recomputation rewrites the hole cards in capitals and unticks Suited
// for a pair; each write runs its control's handler at once, nested, and the
// outer computation's writes decide what stays shown.
TEST_F(Window, TheCapitalsRewriteIsOneChangeAndRunsItsHandlerNested)
{
    enterSuitedOpenedFromEarly();
    int changes = 0;
    s.txtHoleCard.change.connect([&] { ++changes; });
    paste(s.txtHoleCard, "ak");
    EXPECT_EQ(s.txtHoleCard.text(), "AK");
    EXPECT_EQ(changes, 2); // the paste, then the rewrite in capitals
    EXPECT_EQ(s.lblCardValue.caption(), "AKs");
    EXPECT_EQ(s.lblGroup.caption(), "1");
    EXPECT_EQ(s.txtPreFlop.text(), engine::adviceText(engine::AdviceKey::ADV_O_05));
    EXPECT_EQ(s.bbText, "$2.00");
    EXPECT_EQ(s.lblBetAmount.caption(), "$8.00 to $12.00");
    // The same inputs again change nothing.
    click(s.optMiddle);
    click(s.optEarly);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(s.lblBetAmount.caption(), "$8.00 to $12.00");
}

TEST_F(Window, APairUnticksSuitedAfterTheCapitalsAndBeforeTheHandIsShown)
{
    enterSuitedOpenedFromEarly();
    std::vector<std::string> seen;
    s.chkSuited.click.connect([&] { seen.push_back(s.txtHoleCard.text() + "/" + std::to_string(s.chkSuited.value())); });
    paste(s.txtHoleCard, "jj");
    EXPECT_EQ(seen, (std::vector<std::string>{"JJ/0"}));
    EXPECT_EQ(s.chkSuited.value(), 0);
    EXPECT_EQ(s.lblCardValue.caption(), "JJ");
    EXPECT_EQ(s.sortedCard, "JJ");
}

// The window in each money format: the United States fallback, and a locale
// whose monetary decimal point is a comma.
struct MoneyFormat {
    const char* name;
    const Money* money;
    const char* zero; // a bet of zero as the window shows it
};

class WindowInEachMoney : public Window, public ::testing::WithParamInterface<MoneyFormat> {
public:
    WindowInEachMoney() : Window(*GetParam().money) {}
};

TEST_P(WindowInEachMoney, EmptyingTheHoleCardsPromptsWithAZeroBet)
{
    enterPreflop(U"AK", s.optLate, s.optOpened);
    s.txtHoleCard.setSelection(0, 2);
    input::keyPress(s.txtHoleCard, KeyBackspace);
    EXPECT_EQ(s.txtPreFlop.text(), "Enter Hole Cards");
    EXPECT_EQ(s.lblBetAmount.caption(), GetParam().zero);
}

INSTANTIATE_TEST_SUITE_P(Formats, WindowInEachMoney,
                         ::testing::Values(MoneyFormat{"UnitedStates", &Money::unitedStates(), "$0.00"},
                                           MoneyFormat{"Euro", &testsupport::euroMoney(), "0,00 \xE2\x82\xAC"}),
                         [](const auto& formatInfo) { return std::string(formatInfo.param.name); });

struct EuroWindow : Window {
    EuroWindow() : Window(testsupport::euroMoney()) {}
    window::FrmPoker& euro = frm;
};

TEST_F(EuroWindow, TheBigBlindTakesTheLocalesDecimalPoint)
{
    type(euro.txtBB, U"0,50");
    EXPECT_EQ(euro.txtBB.text(), "0,50");
    type(euro.txtHoleCard, U"AK");
    click(euro.chkSuited);
    click(euro.optEarly);
    click(euro.optOpened);
    EXPECT_EQ(euro.txtBB.text(), "0,50 \xE2\x82\xAC");
    EXPECT_EQ(euro.lblBetAmount.caption(), "2,00 \xE2\x82\xAC to 3,00 \xE2\x82\xAC");
}

TEST_F(EuroWindow, APasteAfterTheWrittenAmountIsRefusedWhole)
{
    type(euro.txtBB, U"2");
    input::moveFocus(euro.txtHoleCard);
    ASSERT_EQ(euro.txtBB.text(), "2,00 \xE2\x82\xAC");
    input::moveFocus(euro.txtBB);
    euro.txtBB.moveCaretToEnd();
    EXPECT_FALSE(input::typeText(euro.txtBB, U"25"));
    EXPECT_EQ(euro.txtBB.text(), "2,00 \xE2\x82\xAC");
}

TEST_F(EuroWindow, OneDecimalPointOfEitherKind)
{
    for (const auto& [typed, kept] : {std::pair{U"1,2.3", "1,23"}, std::pair{U"1.2,3", "1.23"}, std::pair{U",,5", ",5"}}) {
        input::moveFocus(euro.txtBB);
        euro.txtBB.setText("");
        type(euro.txtBB, typed);
        EXPECT_EQ(euro.txtBB.text(), kept);
    }
    // A selection that holds the point may be typed over with a new one.
    euro.txtBB.setText("1,5");
    euro.txtBB.setSelection(1, 1);
    input::keyPress(euro.txtBB, '.');
    EXPECT_EQ(euro.txtBB.text(), "1.5");
}

// The box reads back what it writes: an amount typed, written as money on
// leaving, then edited down to part of its number, is the amount the number
// says.
struct BigBlindEdit {
    const char* name;
    const Money* money;
    std::u32string typed;
    std::size_t deleted; // characters taken from the end of the money text
    std::u32string added; // and typed after them
    const char* shown;    // on leaving the box again
};

class BigBlindEditedInEachMoney : public Window, public ::testing::WithParamInterface<BigBlindEdit> {
public:
    BigBlindEditedInEachMoney() : Window(*GetParam().money) {}
};

TEST_P(BigBlindEditedInEachMoney, ReadsBackWhatItWrote)
{
    const BigBlindEdit& c = GetParam();
    type(s.txtBB, c.typed);
    input::moveFocus(s.txtHoleCard);
    if (c.deleted > 0 || !c.added.empty()) {
        input::moveFocus(s.txtBB);
        for (std::size_t i = 0; i < c.deleted; ++i) {
            s.txtBB.moveCaretToEnd();
            input::keyPress(s.txtBB, KeyBackspace);
        }
        type(s.txtBB, c.added);
        input::moveFocus(s.txtHoleCard);
    }
    EXPECT_EQ(s.txtBB.text(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BigBlindEditedInEachMoney,
    ::testing::Values(
        BigBlindEdit{"EuroWhole", &testsupport::euroMoney(), U"12345", 0, U"", "12.345,00 \xE2\x82\xAC"},
        BigBlindEdit{"EuroCentsDeleted", &testsupport::euroMoney(), U"12345", 5, U"", "12.345,00 \xE2\x82\xAC"},
        BigBlindEdit{"EuroCentsRetyped", &testsupport::euroMoney(), U"1500", 4, U"5", "1.500,50 \xE2\x82\xAC"},
        BigBlindEdit{"EuroTypedGrouped", &testsupport::euroMoney(), U"1.000,00", 0, U"", "1.000,00 \xE2\x82\xAC"},
        BigBlindEdit{"EuroMillion", &testsupport::euroMoney(), U"1.000.000", 0, U"", "1.000.000,00 \xE2\x82\xAC"},
        BigBlindEdit{"EuroPointBeforeCents", &testsupport::euroMoney(), U"0.50", 0, U"", "0,50 \xE2\x82\xAC"},
        BigBlindEdit{"EuroThreeDecimals", &testsupport::euroMoney(), U"1234.567", 0, U"", "1.234,57 \xE2\x82\xAC"},
        BigBlindEdit{"UsGrouped", &Money::unitedStates(), U"1,000", 0, U"", "$1,000.00"},
        BigBlindEdit{"UsCommaPoint", &Money::unitedStates(), U"0,50", 0, U"", "$0.50"},
        BigBlindEdit{"UsCentsDeleted", &Money::unitedStates(), U"12345", 3, U"", "$12,345.00"},
        BigBlindEdit{"UsCentsRetyped", &Money::unitedStates(), U"1500", 2, U"5", "$1,500.50"}),
    [](const auto& editInfo) { return std::string(editInfo.param.name); });

TEST_F(Window, APastedCommaIsTheDecimalPointUnlessItGroupsThreeDigits)
{
    for (const auto& [pasted, shown] : {std::pair{"9,99", "$9.99"}, std::pair{"1,000", "$1,000.00"}}) {
        input::moveFocus(s.txtBB);
        s.txtBB.setText("");
        paste(s.txtBB, pasted);
        input::moveFocus(s.txtHoleCard);
        EXPECT_EQ(s.txtBB.text(), shown) << pasted;
    }
}

// A paste goes in as typed keys do, but one whose result is no amount is
// refused whole: the box keeps what it held.
TEST_F(Window, APasteThatWouldLeaveNoAmountInTheBigBlindIsRefusedWhole)
{
    type(s.txtBB, U"2");
    input::moveFocus(s.txtHoleCard);
    ASSERT_EQ(s.txtBB.text(), "$2.00");
    // Before the amount: no amount is left.
    input::moveFocus(s.txtBB);
    s.txtBB.setSelection(0, 0);
    EXPECT_FALSE(input::typeText(s.txtBB, U"call 4668 now"));
    EXPECT_EQ(s.txtBB.text(), "$2.00");
    input::moveFocus(s.txtHoleCard);
    EXPECT_EQ(s.txtBB.text(), "$2.00");
    // After it, the second decimal point goes and an amount is left.
    input::moveFocus(s.txtBB);
    s.txtBB.moveCaretToEnd();
    EXPECT_TRUE(input::typeText(s.txtBB, U"call 4668. now"));
    EXPECT_EQ(s.txtBB.text(), "$2.004668");
    input::moveFocus(s.txtHoleCard);
    EXPECT_EQ(s.txtBB.text(), "$2.00");
    // Pasted over the whole box, what the filter keeps is an amount.
    input::moveFocus(s.txtBB);
    s.txtBB.setSelection(0, 5);
    EXPECT_TRUE(input::typeText(s.txtBB, U"$1,234.50"));
    EXPECT_EQ(s.txtBB.text(), "1,234.50");
    s.txtBB.setSelection(0, 8);
    EXPECT_TRUE(input::typeText(s.txtBB, U"1.5.5"));
    EXPECT_EQ(s.txtBB.text(), "1.55");
}

TEST(FormLoad, AHelpWiringFailureIsReportedAndTheLoadGoesOn)
{
    window::FrmPoker frm({}, platform::Money::unitedStates());
    std::vector<std::string> reports;
    frm.loadHooks.initFormHelp = [](window::FrmPoker&) { throw PlatformError(457, "This key is already associated"); };
    frm.loadHooks.reportLoadError = [&](window::FrmPoker&, const PlatformError& e) {
        reports.push_back(std::to_string(e.number()) + ": " + e.description());
    };
    int sized = 0;
    frm.loadHooks.sizeCombo = [&](window::FrmPoker& f) {
        ++sized;
        EXPECT_TRUE(f.cmbPostFlop.items().empty()); // sized before it is filled
    };
    frm.Form_Load();
    EXPECT_EQ(sized, 1);
    EXPECT_EQ(reports, (std::vector<std::string>{"457: This key is already associated"}));
    EXPECT_EQ(frm.cmbPostFlop.items().size(), 14u);
    EXPECT_EQ(frm.form.focus(), &frm.txtBB);
}

} // namespace

namespace {

// Input a person might try to break the window with: every answer is clear
// and nothing typed is lost.
TEST_F(Window, AFourHundredDigitLimperCountIsKeptAndAnsweredClearly)
{
    enterPreflop(U"AA", s.optEarly, s.optLimped);
    const std::u32string digits(400, U'9');
    type(s.txtLimpers, digits);
    EXPECT_EQ(s.txtLimpers.text(), std::string(400, '9'));
    EXPECT_EQ(s.lblBetAmount.caption(), "Amount too large to Amount too large");
    EXPECT_EQ(s.txtPreFlop.text(), engine::adviceText(engine::AdviceKey::ADV_L_01));
}

TEST_F(Window, ABigBlindOfTenNinesShowsEveryDigit)
{
    type(s.txtHoleCard, U"AK");
    click(s.optLate);
    click(s.optOpened);
    type(s.txtBB, U"99999999999");
    input::moveFocus(s.txtHoleCard);
    EXPECT_EQ(s.txtBB.text(), "$9,999,999,999.00");
    EXPECT_EQ(s.lblBetAmount.caption(), "$39,999,999,996.00 to $59,999,999,994.00");
    input::moveFocus(s.txtBB);
    input::moveFocus(s.txtHoleCard);
    EXPECT_EQ(s.txtBB.text(), "$9,999,999,999.00");
}

TEST_F(Window, PastedTextThatIsNoNumberCountsAsMissing)
{
    enterPreflop(U"KT", s.optLate, s.optLimped);
    paste(s.txtLimpers, "three");
    EXPECT_EQ(s.txtLimpers.text(), "three");
    EXPECT_EQ(s.txtPreFlop.text(), "Enter amount of Limpers");
}

} // namespace
