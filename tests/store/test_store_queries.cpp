// What the review reads: hands stored once by their keys, decisions read back
// as they were written, and the summary's sums per situation.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/Hand.h"
#include "store/Database.h"
#include "store/HandStore.h"
#include "store/HandWriter.h"
#include "store/Transaction.h"
#include "tests/store/StoreTestFolder.h"

namespace {

using engine::Position;
using engine::PreflopAction;
using history::Verdict;
using storetest::StoreTest;

history::HandHistory handNumbered(std::string site, std::string number)
{
    history::HandHistory hand;
    hand.site = std::move(site);
    hand.handNumber = std::move(number);
    hand.bigBlind = 1;
    hand.players.resize(6);
    return hand;
}

history::Decision decision(std::string player, PreflopAction before, std::optional<Position> position, Verdict verdict,
                           std::optional<double> net)
{
    history::Decision d;
    d.player = std::move(player);
    d.cards = {history::Card(12, 1), history::Card(11, 2)}; // Ah Kd
    d.handIndex = engine::handIndex("AK");
    d.players = 6;
    d.seat = "CO";
    d.position = position;
    d.before = before;
    d.verdict = verdict;
    d.reason = verdict == Verdict::Ungraded ? "heads-up" : "";
    d.netBB = net;
    return d;
}

// Opens the store, then writes each decision in a hand of its own through a
// second connection, as an import does.
class StoredDecisions : public StoreTest {
protected:
    void store(const std::vector<history::Decision>& decisions)
    {
        store::HandStore made(db);
        store::Database conn(db, store::Database::Access::ReadWrite);
        store::HandWriter writer(conn);
        store::Transaction transaction(conn);
        for (const auto& d : decisions) {
            const auto id = writer.insertHand(handNumbered("Site", std::to_string(++number_)), "text",
                                              history::FileFormat::RoomText, std::nullopt);
            ASSERT_TRUE(id);
            writer.insertDecision(*id, d);
        }
        transaction.commit();
    }

private:
    int number_ = 0;
};

TEST_F(StoredDecisions, AHandIsStoredOnceBySiteAndNumberOrByItsText)
{
    store::HandStore made(db);
    store::Database conn(db, store::Database::Access::ReadWrite);
    store::HandWriter writer(conn);
    const auto rt = history::FileFormat::RoomText;
    struct Insert {
        history::HandHistory hand;
        std::string text;
        bool isNew;
    };
    const Insert inserts[] = {
        {handNumbered("A", "1"), "one", true},
        {handNumbered("A", "1"), "one again, another text", false},
        {handNumbered("B", "1"), "same number, another site", true},
        {handNumbered("A", "11"), "", true},
        {handNumbered("A1", "1"), "site and number run together", true},
        {handNumbered("A", ""), "no number", true},
        {handNumbered("A", ""), "no number", false},
        {handNumbered("B", ""), "no number", false}, // the text alone keys it
        {handNumbered("A", ""), "no number either", true},
    };
    for (const Insert& i : inserts)
        EXPECT_EQ(writer.insertHand(i.hand, i.text, rt, std::nullopt).has_value(), i.isNew) << i.text;
    store::HandStore hands(db);
    EXPECT_EQ(hands.handCount(), 6u);
}

TEST_F(StoredDecisions, DecisionsReadBackFieldByField)
{
    history::Decision full = decision("Zoë", PreflopAction::RaisedCalled, Position::Late, Verdict::Looser, -12.5);
    full.playerIndex = 4;
    full.cards = {history::Card(0, 3), history::Card(8, 0)}; // Ts 2c
    full.handIndex = engine::handIndex("T2");
    full.players = 9;
    full.seat = "HJ";
    full.limpers = 2;
    full.bigBlind = 0.25;
    full.action = history::Move::Raise;
    full.toBB = 7.5;
    full.advice = engine::BetClass::Raise;
    full.adviceLowBB = 4;
    full.adviceHighBB = 6;
    full.size = history::SizeVerdict::Above;
    history::Decision bare = decision("Bob", PreflopAction::Opened, std::nullopt, Verdict::Ungraded, std::nullopt);
    store({full, bare});

    store::HandStore hands(db);
    const auto rows = hands.decisions({});
    ASSERT_EQ(rows.size(), 2u);
    const history::Decision& a = rows[0].decision;
    EXPECT_EQ(rows[0].site, "Site");
    EXPECT_EQ(rows[0].handNumber, "1");
    EXPECT_EQ(a.playerIndex, 4);
    EXPECT_EQ(a.player, "Zoë");
    EXPECT_EQ(a.cards.text(), "Ts2c");
    EXPECT_EQ(engine::handText(a.handIndex), "T2");
    EXPECT_EQ(a.players, 9);
    EXPECT_EQ(a.seat, "HJ");
    EXPECT_EQ(a.position, Position::Late);
    EXPECT_EQ(a.before, PreflopAction::RaisedCalled);
    EXPECT_EQ(a.limpers, 2);
    EXPECT_EQ(a.bigBlind, 0.25);
    EXPECT_EQ(a.action, history::Move::Raise);
    EXPECT_EQ(a.toBB, 7.5);
    EXPECT_EQ(a.advice, engine::BetClass::Raise);
    EXPECT_EQ(a.adviceLowBB, 4.0);
    EXPECT_EQ(a.adviceHighBB, 6.0);
    EXPECT_EQ(a.size, history::SizeVerdict::Above);
    EXPECT_EQ(a.verdict, Verdict::Looser);
    EXPECT_EQ(a.reason, "");
    EXPECT_EQ(a.netBB, -12.5);

    const history::Decision& b = rows[1].decision;
    EXPECT_EQ(b.position, std::nullopt);
    EXPECT_EQ(b.adviceLowBB, std::nullopt);
    EXPECT_EQ(b.adviceHighBB, std::nullopt);
    EXPECT_EQ(b.size, std::nullopt);
    EXPECT_EQ(b.verdict, Verdict::Ungraded);
    EXPECT_EQ(b.reason, "heads-up");
    EXPECT_EQ(b.netBB, std::nullopt);

    const auto stored = hands.hand(rows[0].handId);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->text, "text");
    EXPECT_EQ(stored->format, history::FileFormat::RoomText);
    EXPECT_FALSE(hands.hand(rows[1].handId + 100));
}

TEST_F(StoredDecisions, SummarySumsEachSituationOfThePlayer)
{
    using enum Verdict;
    store({
        decision("Hero", PreflopAction::Opened, Position::Early, Follows, 10),
        decision("Hero", PreflopAction::Opened, Position::Early, Follows, -4),
        decision("Hero", PreflopAction::Opened, Position::Early, Follows, std::nullopt),
        decision("Hero", PreflopAction::Opened, Position::Early, Tighter, -1.5),
        decision("Hero", PreflopAction::Opened, Position::Early, Looser, -20),
        decision("Hero", PreflopAction::Opened, Position::Early, Ungraded, 100), // counted in hands only
        decision("Hero", PreflopAction::Raised, std::nullopt, Ungraded, 3),
        decision("Hero", PreflopAction::Raised, Position::Blinds, Looser, std::nullopt),
        decision("Villain", PreflopAction::Opened, Position::Early, Follows, 1000),
    });
    store::HandStore hands(db);
    struct Expected {
        PreflopAction before;
        std::optional<Position> position;
        std::uint64_t hands, graded, followed;
        double followedNet;
        std::uint64_t followedWithNet;
        double otherNet;
        std::uint64_t otherWithNet;
    };
    const Expected expected[] = {
        {PreflopAction::Opened, Position::Early, 6, 5, 3, 6, 2, -21.5, 2},
        {PreflopAction::Raised, Position::Blinds, 1, 1, 0, 0, 0, 0, 0},
        {PreflopAction::Raised, std::nullopt, 1, 0, 0, 0, 0, 0, 0},
    };
    const auto rows = hands.summary(std::string("Hero"));
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].before, expected[i].before);
        EXPECT_EQ(rows[i].position, expected[i].position);
        EXPECT_EQ(rows[i].hands, expected[i].hands);
        EXPECT_EQ(rows[i].graded, expected[i].graded);
        EXPECT_EQ(rows[i].followed, expected[i].followed);
        EXPECT_DOUBLE_EQ(rows[i].followedNetBB, expected[i].followedNet);
        EXPECT_EQ(rows[i].followedWithNet, expected[i].followedWithNet);
        EXPECT_DOUBLE_EQ(rows[i].otherNetBB, expected[i].otherNet);
        EXPECT_EQ(rows[i].otherWithNet, expected[i].otherWithNet);
    }
    const auto everyone = hands.summary(std::nullopt);
    ASSERT_FALSE(everyone.empty());
    EXPECT_EQ(everyone[0].hands, 7u);
    EXPECT_DOUBLE_EQ(everyone[0].followedNetBB, 1006);
}

TEST_F(StoredDecisions, PlayersMostHandsFirstAndFiltersSelectDecisions)
{
    using enum Verdict;
    store({
        decision("Ann", PreflopAction::Opened, Position::Late, Follows, 1),
        decision("Cid", PreflopAction::Limped, Position::Late, Tighter, 2),
        decision("Cid", PreflopAction::Limped, Position::Early, Looser, 3),
        decision("Cid", PreflopAction::Opened, Position::Late, Follows, 4),
        decision("Cid", PreflopAction::Opened, Position::Early, Tighter, std::nullopt),
        decision("Bea", PreflopAction::Opened, Position::Late, Looser, -5),
        decision("Bea", PreflopAction::Opened, Position::Late, Follows, 6),
    });
    store::HandStore hands(db);
    const auto players = hands.players();
    ASSERT_EQ(players.size(), 3u);
    EXPECT_EQ(players[0].name, "Cid");
    EXPECT_EQ(players[0].hands, 4u);
    EXPECT_EQ(players[1].name, "Bea");
    EXPECT_EQ(players[2].name, "Ann");

    struct Case {
        store::DecisionFilter filter;
        std::vector<double> nets; // the decisions chosen, by their nets (0 for none)
    };
    store::DecisionFilter cid;
    cid.player = "Cid";
    store::DecisionFilter cidDifferences = cid;
    cidDifferences.differencesOnly = true;
    store::DecisionFilter limpedLate;
    limpedLate.before = PreflopAction::Limped;
    limpedLate.position = Position::Late;
    store::DecisionFilter followed;
    followed.verdict = Follows;
    store::DecisionFilter costliest;
    costliest.differencesOnly = true;
    costliest.lowestNetFirst = true;
    costliest.limit = 2;
    const Case cases[] = {
        {{}, {1, 2, 3, 4, 0, -5, 6}},
        {cid, {2, 3, 4, 0}},
        {cidDifferences, {2, 3, 0}},
        {limpedLate, {2}},
        {followed, {1, 4, 6}},
        {costliest, {-5, 2}},
    };
    for (const Case& c : cases) {
        std::vector<double> nets;
        for (const auto& row : hands.decisions(c.filter))
            nets.push_back(row.decision.netBB.value_or(0));
        EXPECT_EQ(nets, c.nets);
    }
}

} // namespace
