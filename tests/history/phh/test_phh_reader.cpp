// The PHH reader: the real hands of the public data set, then tables of made-up
// hands for the blinds, antes, straddles, all-in calls, nets and the action
// notation, and the streaming rules (problems skipped, a half-written last
// hand, CR LF and BOM, resuming from an offset, chunk boundaries).

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "engine/cards/CardParser.h"
#include "history/phh/PhhReader.h"
#include "history/phh/PhhStream.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using namespace history;

const fs::path kRealFile = fs::path(PHH_TEST_DATA) / "abs-100nl-2009-07-01-part.phhs";

struct Taken {
    HandHistory hand;
    std::string text;
    std::uint64_t end = 0;
};

struct Recorder final : HandSink {
    std::vector<Taken> hands;
    std::vector<ReadProblem> problems;
    std::vector<std::uint64_t> problemEnds;
    void hand(const HandHistory& h, std::string_view text, std::uint64_t end) override
    {
        hands.push_back({h, std::string(text), end});
    }
    void problem(const ReadProblem& p, std::uint64_t end) override
    {
        problems.push_back(p);
        problemEnds.push_back(end);
    }
};

engine::cards::HoleCards hole(std::string_view text) { return engine::cards::parseHoleCards(text).value; }
std::vector<Card> cards(std::string_view text) { return engine::cards::parseCards(text).value; }

// The 1-based line of the first line holding `needle`.
std::uint64_t lineOf(std::string_view text, std::string_view needle)
{
    const auto at = text.find(needle);
    EXPECT_NE(at, std::string_view::npos) << needle;
    const std::string_view before = text.substr(0, at);
    return 1 + static_cast<std::uint64_t>(std::count(before.begin(), before.end(), '\n'));
}

class TempDir {
public:
    TempDir() : dir_(fs::temp_directory_path() / ("tablewise-phh-" + std::to_string(::getpid())))
    {
        fs::create_directories(dir_);
    }
    ~TempDir() { fs::remove_all(dir_); }
    fs::path file(const std::string& name, const std::string& text) const
    {
        testsupport::writeFile(dir_ / name, text);
        return dir_ / name;
    }
    fs::path path(const std::string& name) const { return dir_ / name; }

private:
    fs::path dir_;
};

void append(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary | std::ios::app) << text;
}

ReadOptions complete()
{
    ReadOptions o;
    o.fileIsComplete = true;
    return o;
}

ReadSummary readText(const std::string& text, Recorder& sink, ReadOptions options = complete(),
                     phh::StreamLimits limits = {})
{
    return phh::readPhhBuffer(text, "mem.phhs", sink, options, limits);
}

// A three-handed hand whose fields the cases below replace or add to.
std::string hand3(const std::string& actions, const std::string& more = "")
{
    return "variant = 'NT'\n"
           "antes = [0, 0, 0]\n"
           "blinds_or_straddles = [0.5, 1, 0]\n"
           "min_bet = 1\n"
           "starting_stacks = [100, 100, 100]\n"
           "actions = [" +
           actions + "]\n" + more;
}

// ---------------------------------------------------------------------------
// The real file

TEST(PhhRealFile, EveryHandIsReadWithItsPlayersAndBlinds)
{
    Recorder sink;
    const ReadSummary s = readPhhFile(kRealFile, sink, {});
    EXPECT_EQ(s.hands, 12u);
    EXPECT_EQ(s.problems, 0u);
    EXPECT_FALSE(s.cancelled);
    EXPECT_EQ(s.endOffset, fs::file_size(kRealFile));
    ASSERT_EQ(sink.hands.size(), 12u);
    const std::size_t players[] = {3, 5, 9, 7, 6, 4, 3, 4, 4, 3, 6, 7};
    for (std::size_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(i + 1);
        const HandHistory& h = sink.hands[i].hand;
        EXPECT_EQ(h.format, Format::Phh);
        EXPECT_EQ(h.players.size(), players[i]);
        EXPECT_EQ(h.smallBlind, 0.5);
        EXPECT_EQ(h.bigBlind, 1);
        EXPECT_EQ(h.site, "Absolute Poker");
        EXPECT_EQ(h.currency, "$");
        ASSERT_GE(h.actions.size(), 2u);
        EXPECT_EQ(h.actions[0].kind, h.ante > 0 ? ActionKind::Ante : ActionKind::SmallBlind);
        // Each hand's text reads again alone, to the same hand.
        const auto again = readPhhHand(sink.hands[i].text);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->handNumber, h.handNumber);
        EXPECT_EQ(again->actions.size(), h.actions.size());
        if (i > 0) {
            EXPECT_GT(sink.hands[i].end, sink.hands[i - 1].end);
        }
    }
    EXPECT_EQ(sink.hands.back().end, fs::file_size(kRealFile));
}

TEST(PhhRealFile, FirstHandFields)
{
    Recorder sink;
    readPhhFile(kRealFile, sink, {});
    ASSERT_FALSE(sink.hands.empty());
    const HandHistory& h = sink.hands[0].hand;
    EXPECT_EQ(h.handNumber, "3017237436");
    EXPECT_EQ(h.table, "INDIANA ST");
    EXPECT_EQ(h.playedAt, "2009-07-01 00:00:09");
    EXPECT_EQ(h.maxSeats, 0);
    EXPECT_EQ(h.tournament, "");
    ASSERT_EQ(h.players.size(), 3u);
    EXPECT_EQ(h.players[0].name, "DeZAZcPNNQ5w+Wb+5ujZdA");
    EXPECT_EQ(h.players[2].name, "vETYfpoA+FhBercnDPJrRw");
    EXPECT_EQ(h.players[0].seat, 6);
    EXPECT_EQ(h.players[1].seat, 3);
    EXPECT_EQ(h.players[2].seat, 5);
    EXPECT_EQ(h.players[0].stack, 200.30);
    EXPECT_EQ(h.players[1].stack, 81.60);
    EXPECT_EQ(h.buttonIndex(), 2);
    EXPECT_FALSE(h.players[0].cards.has_value());
    // posts, p3 folds, p1 raises to 3, p2 folds
    ASSERT_EQ(h.actions.size(), 5u);
    EXPECT_EQ(h.actions[0].kind, ActionKind::SmallBlind);
    EXPECT_EQ(h.actions[0].player, 0);
    EXPECT_EQ(h.actions[1].kind, ActionKind::BigBlind);
    EXPECT_EQ(h.actions[1].player, 1);
    EXPECT_EQ(h.actions[2].kind, ActionKind::Fold);
    EXPECT_EQ(h.actions[2].player, 2);
    EXPECT_EQ(h.actions[3].kind, ActionKind::Raise);
    EXPECT_DOUBLE_EQ(h.actions[3].to, 3);
    EXPECT_DOUBLE_EQ(h.actions[3].added, 2.5);
    EXPECT_FALSE(h.actions[3].allIn);
    EXPECT_EQ(h.actions[4].kind, ActionKind::Fold);
    // winnings 2: the raise's uncalled 2 came back
    EXPECT_DOUBLE_EQ(*h.players[0].net, 1);
    EXPECT_DOUBLE_EQ(*h.players[1].net, -1);
    EXPECT_DOUBLE_EQ(*h.players[2].net, 0);
}

TEST(PhhRealFile, SecondHandShowdownAndBoard)
{
    Recorder sink;
    readPhhFile(kRealFile, sink, {});
    ASSERT_GE(sink.hands.size(), 2u);
    const HandHistory& h = sink.hands[1].hand;
    ASSERT_TRUE(h.players[0].cards.has_value());
    EXPECT_EQ(*h.players[0].cards, hole("8dAs"));
    EXPECT_FALSE(h.players[1].cards.has_value());
    EXPECT_FALSE(h.players[2].cards.has_value());
    EXPECT_EQ(h.board, cards("9s7h2c9d9c"));
    // no winnings: the nets are unknown
    for (const Player& p : h.players)
        EXPECT_FALSE(p.net.has_value());
    // p3 calls 1, p4 p5 fold, p1 completes, p2 checks; then checks to the river
    EXPECT_EQ(h.actions[2].kind, ActionKind::Call);
    EXPECT_DOUBLE_EQ(h.actions[2].to, 1);
    EXPECT_EQ(h.actions[5].kind, ActionKind::Call);
    EXPECT_EQ(h.actions[5].player, 0);
    EXPECT_DOUBLE_EQ(h.actions[5].added, 0.5);
    EXPECT_EQ(h.actions[6].kind, ActionKind::Check);
    EXPECT_EQ(h.actions[6].player, 1);
    EXPECT_EQ(h.actions[7].street, Street::Flop);
    EXPECT_EQ(h.actions[7].kind, ActionKind::Check);
    EXPECT_EQ(h.actions.back().street, Street::River);
}

TEST(PhhRealFile, NetsWhereWinningsAreGiven)
{
    Recorder sink;
    readPhhFile(kRealFile, sink, {});
    ASSERT_EQ(sink.hands.size(), 12u);
    auto net = [&](std::size_t hand, std::size_t player) {
        const auto& n = sink.hands[hand - 1].hand.players[player - 1].net;
        EXPECT_TRUE(n.has_value()) << hand << " p" << player;
        return n.value_or(-12345);
    };
    // hand 3: p5 bets 2, p7 raises to 6, p5 re-raises to 17 and p7 folds;
    // 11 comes back, the rake is 1.35
    EXPECT_DOUBLE_EQ(net(3, 5), 8.65);
    EXPECT_DOUBLE_EQ(net(3, 7), -7);
    EXPECT_DOUBLE_EQ(net(3, 1), -1);
    EXPECT_DOUBLE_EQ(net(3, 3), 0);
    EXPECT_DOUBLE_EQ(net(5, 4), 1.5);
    EXPECT_DOUBLE_EQ(net(5, 1), -0.5);
    // antes of 0.25
    EXPECT_DOUBLE_EQ(net(6, 3), 2.25);
    EXPECT_DOUBLE_EQ(net(6, 1), -0.75);
    EXPECT_DOUBLE_EQ(net(6, 2), -1.25);
    EXPECT_DOUBLE_EQ(net(6, 4), -0.25);
    EXPECT_DOUBLE_EQ(net(7, 2), 1);
    EXPECT_DOUBLE_EQ(net(8, 3), 2.25);
    EXPECT_DOUBLE_EQ(net(9, 2), 6.5);
    EXPECT_DOUBLE_EQ(net(9, 1), -7.25);
    EXPECT_DOUBLE_EQ(net(10, 3), 2.3);
    EXPECT_DOUBLE_EQ(net(10, 2), -2);
    EXPECT_DOUBLE_EQ(net(12, 4), 9.8);
    EXPECT_DOUBLE_EQ(net(12, 2), -7.75);
    EXPECT_DOUBLE_EQ(net(12, 7), -3);
    for (std::size_t hand : {2u, 4u, 11u})
        EXPECT_FALSE(sink.hands[hand - 1].hand.players[0].net.has_value()) << hand;
    const HandHistory& h6 = sink.hands[5].hand;
    EXPECT_EQ(h6.ante, 0.25);
    EXPECT_EQ(h6.actions[0].kind, ActionKind::Ante);
    const HandHistory& h12 = sink.hands[11].hand;
    ASSERT_FALSE(h12.actions.empty());
    EXPECT_EQ(h12.actions.back().kind, ActionKind::Fold);
    const Action& river = h12.actions[h12.actions.size() - 2];
    EXPECT_EQ(river.street, Street::River);
    EXPECT_EQ(river.kind, ActionKind::Bet);
    EXPECT_DOUBLE_EQ(river.to, 13);
}

TEST(PhhRealFile, ShownCards)
{
    Recorder sink;
    readPhhFile(kRealFile, sink, {});
    ASSERT_EQ(sink.hands.size(), 12u);
    EXPECT_EQ(sink.hands[3].hand.players[6].cards, hole("KsKc"));
    EXPECT_FALSE(sink.hands[3].hand.players[4].cards.has_value());
    EXPECT_EQ(sink.hands[10].hand.players[0].cards, hole("Jh3h"));
    EXPECT_EQ(sink.hands[10].hand.players[1].cards, hole("2s8d"));
}

// ---------------------------------------------------------------------------
// Tables of made-up hands

struct HandCase {
    const char* name;
    std::string text;
    std::function<void(const HandHistory&)> check;
};

const Action& nth(const HandHistory& h, std::size_t i)
{
    static const Action none{};
    EXPECT_LT(i, h.actions.size());
    return i < h.actions.size() ? h.actions[i] : none;
}

TEST(PhhHands, Cases)
{
    const std::vector<HandCase> cases = {
        {"heads-up: p1 the big blind, p2 the button posting the small one",
         "variant = 'NT'\nantes = [0, 0]\nblinds_or_straddles = [1, 0.5]\nmin_bet = 1\nstarting_stacks = [50, "
         "60]\nactions = ['d dh p1 AhKh', 'd dh p2 ?\?\?\?', 'p2 cbr 3', 'p1 cc', 'd db 2c3c4c', 'p1 cbr 2', 'p2 f']\n",
         [](const HandHistory& h) {
             EXPECT_EQ(h.smallBlind, 0.5);
             EXPECT_EQ(h.bigBlind, 1);
             EXPECT_EQ(h.buttonIndex(), 1);
             EXPECT_EQ(nth(h, 0).kind, ActionKind::SmallBlind);
             EXPECT_EQ(nth(h, 0).player, 1);
             EXPECT_EQ(nth(h, 1).kind, ActionKind::BigBlind);
             EXPECT_EQ(nth(h, 1).player, 0);
             EXPECT_EQ(nth(h, 2).kind, ActionKind::Raise);
             EXPECT_DOUBLE_EQ(nth(h, 2).added, 2.5);
             EXPECT_EQ(nth(h, 3).kind, ActionKind::Call);
             EXPECT_DOUBLE_EQ(nth(h, 3).added, 2);
             EXPECT_EQ(nth(h, 4).kind, ActionKind::Bet);
             EXPECT_EQ(nth(h, 4).street, Street::Flop);
             EXPECT_EQ(h.players[0].cards, hole("AhKh"));
             EXPECT_EQ(h.players[0].name, "p1");
             EXPECT_EQ(h.players[1].seat, 2);
         }},
        {"heads-up written small blind first: the lower amount is the small blind",
         "variant = 'NT'\nblinds_or_straddles = [0.5, 1]\nstarting_stacks = [50, 60]\nactions = ['p1 f']\n",
         [](const HandHistory& h) {
             EXPECT_EQ(nth(h, 0).kind, ActionKind::SmallBlind);
             EXPECT_EQ(nth(h, 0).player, 0);
             EXPECT_EQ(nth(h, 1).kind, ActionKind::BigBlind);
             EXPECT_EQ(nth(h, 1).player, 1);
         }},
        {"antes are dead money posted first",
         "variant = 'NT'\nantes = [1, 1, 1]\nblinds_or_straddles = [1, 2, 0]\nmin_bet = 2\nstarting_stacks = [100, "
         "100, 100]\nactions = ['p3 cc', 'p1 cc', 'p2 cc']\nwinnings = [0, 9, 0]\n",
         [](const HandHistory& h) {
             EXPECT_EQ(h.ante, 1);
             for (std::size_t i = 0; i < 3; ++i) {
                 EXPECT_EQ(nth(h, i).kind, ActionKind::Ante);
                 EXPECT_EQ(nth(h, i).player, i);
                 EXPECT_EQ(nth(h, i).to, 0);
                 EXPECT_EQ(nth(h, i).added, 1);
             }
             EXPECT_EQ(nth(h, 3).kind, ActionKind::SmallBlind);
             EXPECT_EQ(nth(h, 3).to, 1);
             EXPECT_EQ(nth(h, 5).kind, ActionKind::Call);
             EXPECT_EQ(nth(h, 5).to, 2);
             EXPECT_EQ(nth(h, 5).added, 2);
             EXPECT_EQ(nth(h, 6).kind, ActionKind::Call);
             EXPECT_EQ(nth(h, 6).added, 1);
             EXPECT_EQ(nth(h, 7).kind, ActionKind::Check);
             EXPECT_DOUBLE_EQ(*h.players[1].net, 6);
             EXPECT_DOUBLE_EQ(*h.players[0].net, -3);
         }},
        {"a straddle is a live blind beyond the big blind",
         "variant = 'NT'\nantes = [0, 0, 0, 0]\nblinds_or_straddles = [0.5, 1, 2, 0]\nmin_bet = 1\nstarting_stacks "
         "= [100, 100, 100, 100]\nactions = ['p4 cc', 'p1 f', 'p2 f', 'p3 cc']\n",
         [](const HandHistory& h) {
             EXPECT_EQ(h.smallBlind, 0.5);
             EXPECT_EQ(h.bigBlind, 1);
             EXPECT_EQ(nth(h, 2).kind, ActionKind::Straddle);
             EXPECT_EQ(nth(h, 2).player, 2);
             EXPECT_EQ(nth(h, 2).to, 2);
             EXPECT_EQ(nth(h, 3).kind, ActionKind::Call);
             EXPECT_EQ(nth(h, 3).to, 2);
             EXPECT_EQ(nth(h, 6).kind, ActionKind::Check);
             EXPECT_EQ(nth(h, 6).player, 2);
         }},
        {"a call is capped by the stack: all in",
         "variant = 'NT'\nantes = [0, 0, 0]\nblinds_or_straddles = [0.5, 1, 0]\nmin_bet = 1\nstarting_stacks = "
         "[10, 100, 50]\nactions = ['p3 cbr 50', 'p1 cc', 'p2 f', 'd db AsKsQs', 'd db 2d', 'd db 3d', 'p1 sm "
         "JsTs', 'p3 sm ?\?\?\?']\nwinnings = [21, 0, 0]\n",
         [](const HandHistory& h) {
             EXPECT_EQ(nth(h, 2).kind, ActionKind::Raise);
             EXPECT_TRUE(nth(h, 2).allIn);
             EXPECT_EQ(nth(h, 3).kind, ActionKind::Call);
             EXPECT_DOUBLE_EQ(nth(h, 3).to, 10);
             EXPECT_DOUBLE_EQ(nth(h, 3).added, 9.5);
             EXPECT_TRUE(nth(h, 3).allIn);
             EXPECT_EQ(h.board.size(), 5u);
             EXPECT_EQ(h.players[0].cards, hole("JsTs"));
             // p3 put 50 in; the 40 nobody matched came back
             EXPECT_DOUBLE_EQ(*h.players[0].net, 11);
             EXPECT_DOUBLE_EQ(*h.players[1].net, -1);
             EXPECT_DOUBLE_EQ(*h.players[2].net, -10);
         }},
        {"an uncalled bet comes back in the net",
         hand3("'p3 cc', 'p1 cc', 'p2 cc', 'd db 9h8h7h', 'p1 cc', 'p2 cbr 20', 'p3 f', 'p1 f'",
               "winnings = [0, 3, 0]\n"),
         [](const HandHistory& h) {
             EXPECT_EQ(nth(h, 5).kind, ActionKind::Check);
             EXPECT_EQ(nth(h, 5).street, Street::Flop);
             EXPECT_EQ(nth(h, 6).kind, ActionKind::Bet);
             EXPECT_DOUBLE_EQ(nth(h, 6).to, 20);
             EXPECT_DOUBLE_EQ(*h.players[1].net, 2);
             EXPECT_DOUBLE_EQ(*h.players[0].net, -1);
             EXPECT_DOUBLE_EQ(*h.players[2].net, -1);
         }},
        {"finishing stacks give the nets",
         hand3("'p3 f', 'p1 f'", "finishing_stacks = [99.5, 100.5, 100]\nwinnings = [0, 7, 0]\n"),
         [](const HandHistory& h) {
             EXPECT_DOUBLE_EQ(*h.players[0].net, -0.5);
             EXPECT_DOUBLE_EQ(*h.players[1].net, 0.5);
             EXPECT_DOUBLE_EQ(*h.players[2].net, 0);
         }},
        {"a raise that uses the whole stack is all in; a bet beyond it too",
         hand3("'p3 cbr 100', 'p1 cbr 250', 'p2 f'"),
         [](const HandHistory& h) {
             EXPECT_TRUE(nth(h, 2).allIn);
             EXPECT_DOUBLE_EQ(nth(h, 2).added, 100);
             EXPECT_TRUE(nth(h, 3).allIn);
             EXPECT_DOUBLE_EQ(nth(h, 3).to, 100);
             EXPECT_DOUBLE_EQ(nth(h, 3).added, 99.5);
         }},
        {"comments, other actions and the fields of the venue",
         hand3("'d dh p1 ?\?\?\?  # not seen', 'd dh p2 7c?\?', '# only a comment', 'p3 f # gone', 'p1 cc', 'p2 sd', "
               "'p2 cc', 'p1 sm', 'p2 sm -'",
               "venue = 'Home'\nhand = 12345678901234\ntable = 7\ncurrency_symbol = '€'\nseat_count = 9\n"
               "seats = [2, 5, 9]\nplayers = ['Ann', 'Bob', 'Cy']\nyear = 2024\nmonth = 2\nday = 9\n"
               "time = 21:05:00\ntournament = 42\n"),
         [](const HandHistory& h) {
             EXPECT_EQ(h.actions.size(), 5u);
             EXPECT_EQ(h.site, "Home");
             EXPECT_EQ(h.handNumber, "12345678901234");
             EXPECT_EQ(h.table, "7");
             EXPECT_EQ(h.currency, "€");
             EXPECT_EQ(h.maxSeats, 9);
             EXPECT_EQ(h.tournament, "42");
             EXPECT_EQ(h.playedAt, "2024-02-09 21:05:00");
             EXPECT_EQ(h.players[2].name, "Cy");
             EXPECT_EQ(h.players[2].seat, 9);
             EXPECT_FALSE(h.players[1].cards.has_value());
         }},
        {"integer and float amounts mix; no blinds posted gives min_bet as the big blind",
         "variant = 'NT'\nblinds_or_straddles = [0, 0, 0]\nmin_bet = 2\nstarting_stacks = [1.5, 2, 3.25]\n"
         "actions = ['p1 cbr 1', 'p2 cc', 'p3 cc']\n",
         [](const HandHistory& h) {
             EXPECT_EQ(h.bigBlind, 2);
             EXPECT_EQ(h.smallBlind, 0);
             EXPECT_EQ(nth(h, 0).kind, ActionKind::Raise);
             EXPECT_EQ(nth(h, 2).kind, ActionKind::Call);
             EXPECT_EQ(h.players[2].stack, 3.25);
         }},
    };
    for (const HandCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto hand = readPhhHand(c.text);
        ASSERT_TRUE(hand.has_value());
        c.check(*hand);
        // the same as a section of a .phhs
        Recorder sink;
        const ReadSummary s = readText("[1]\n" + c.text + "\n[2]\n" + c.text, sink);
        EXPECT_EQ(s.hands, 2u);
        ASSERT_EQ(sink.hands.size(), 2u);
        c.check(sink.hands[1].hand);
    }
}

struct RefusedCase {
    const char* name;
    std::string text;
    const char* kind;
};

TEST(PhhHands, RefusedHands)
{
    const std::vector<RefusedCase> cases = {
        {"another variant", "variant = 'FT'\nstarting_stacks = [1, 2]\n", "variant"},
        {"no variant", "antes = [0, 0]\nblinds_or_straddles = [1, 2]\nstarting_stacks = [1, 2]\nactions = []\n",
         "incomplete-data"},
        {"no actions", "variant = 'NT'\nblinds_or_straddles = [1, 2]\nstarting_stacks = [10, 20]\n",
         "incomplete-data"},
        {"no stacks", "variant = 'NT'\nblinds_or_straddles = [1, 2]\nactions = []\n", "incomplete-data"},
        {"one player", "variant = 'NT'\nblinds_or_straddles = [1]\nstarting_stacks = [10]\nactions = []\n",
         "incomplete-data"},
        {"antes of another length",
         "variant = 'NT'\nantes = [0, 0]\nblinds_or_straddles = [0.5, 1, 0]\nstarting_stacks = [100, 100, "
         "100]\nactions = []\n",
         "incomplete-data"},
        {"blinds of another length",
         "variant = 'NT'\nblinds_or_straddles = [1, 2]\nstarting_stacks = [10, 20, 30]\nactions = []\n",
         "incomplete-data"},
        {"players of another length", hand3("'p3 f'", "players = ['a', 'b']\n"), "incomplete-data"},
        {"winnings of another length", hand3("'p3 f'", "winnings = [1, 2, 3, 4]\n"), "incomplete-data"},
        {"an unknown action", hand3("'p3 fold'"), "incomplete-data"},
        {"an unknown dealer action", hand3("'d xx p1'"), "incomplete-data"},
        {"a player that is not there", hand3("'p4 f'"), "incomplete-data"},
        {"an unreadable amount", hand3("'p3 cbr lots'"), "incomplete-data"},
        {"a raise to less than the bet", hand3("'p3 cbr 2', 'p1 cbr 1'"), "incomplete-data"},
        {"a turn before the flop", hand3("'p3 cc', 'p1 cc', 'p2 cc', 'd db 2s'"), "incomplete-data"},
        {"a card twice", hand3("'d dh p1 AsAd', 'd dh p2 AsKd'"), "incomplete-data"},
        {"bad cards", hand3("'d dh p1 XsAd'"), "incomplete-data"},
        {"three hole cards", hand3("'d dh p1 AsAdAc'"), "incomplete-data"},
        {"a stack that is no number",
         "variant = 'NT'\nblinds_or_straddles = [0.5, 1, 0]\nstarting_stacks = ['a', 1, 1]\nactions = []\n",
         "incomplete-data"},
        {"a TOML error", hand3("'p3 f'") + "min_bet = = 1\n", "syntax"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(readPhhHand(c.text).has_value());
        Recorder sink;
        const std::string good = hand3("'p3 f', 'p1 f'");
        const ReadSummary s = readText("[1]\n" + c.text + "[2]\n" + good, sink);
        EXPECT_EQ(s.hands, 1u);
        EXPECT_EQ(s.problems, 1u);
        ASSERT_EQ(sink.problems.size(), 1u);
        EXPECT_EQ(sink.problems[0].kind, c.kind);
        EXPECT_FALSE(sink.problems[0].reason.empty());
        EXPECT_EQ(sink.problems[0].file, "mem.phhs");
        if (std::string_view(c.kind) != "syntax") {
            EXPECT_EQ(sink.problems[0].line, 1u);
        }
    }
}

// ---------------------------------------------------------------------------
// Streaming

TEST(PhhStream, OtherVariantSkippedAndCounted)
{
    const std::string text = "[1]\n" + hand3("'p3 f', 'p1 f'") +
                             "\n[2]\nvariant = 'FT'\nstarting_stacks = [1, 2]\n\n[3]\n" + hand3("'p3 f', 'p1 f'");
    TempDir dir;
    Recorder sink;
    const ReadSummary s = readPhhFile(dir.file("v.phhs", text), sink, complete());
    EXPECT_EQ(s.hands, 2u);
    EXPECT_EQ(s.problems, 1u);
    ASSERT_EQ(sink.problems.size(), 1u);
    EXPECT_EQ(sink.problems[0].kind, "variant");
    EXPECT_EQ(sink.problems[0].line, lineOf(text, "[2]"));
    EXPECT_EQ(sink.problemEnds[0], text.find("[3]"));
    EXPECT_EQ(s.endOffset, text.size());
}

TEST(PhhStream, SyntaxErrorGivesTheFileLineAndTheNextHandIsRead)
{
    std::string text = "# made-up hands\n\n[1]\n" + hand3("'p3 f', 'p1 f'") + "\n[2]\n" + hand3("'p3 f'");
    const std::string broken = "min_bet = @oops\n";
    text += broken + "\n[3]\n" + hand3("'p3 f', 'p1 f'", "hand = 3\n");
    TempDir dir;
    Recorder sink;
    const ReadSummary s = readPhhFile(dir.file("s.phhs", text), sink, {});
    EXPECT_EQ(s.hands, 2u);
    EXPECT_EQ(s.problems, 1u);
    ASSERT_EQ(sink.problems.size(), 1u);
    EXPECT_EQ(sink.problems[0].kind, "syntax");
    EXPECT_EQ(sink.problems[0].line, lineOf(text, broken));
    ASSERT_EQ(sink.hands.size(), 2u);
    EXPECT_EQ(sink.hands[1].hand.handNumber, "3");
    EXPECT_EQ(sink.hands[0].end, text.find("[2]"));
}

TEST(PhhStream, HalfWrittenLastHandIsTakenOnceComplete)
{
    const std::string h1 = "[1]\n" + hand3("'p3 f', 'p1 f'", "hand = 1\n") + "\n";
    const std::string h2 = "[2]\n" + hand3("'p3 f', 'p1 f'", "hand = 2\n") + "\n";
    const std::string h3 = "[3]\n" + hand3("'p3 cc', 'p1 f', 'p2 cc', 'd db 2s3s4s'", "hand = 3\n");
    struct Cut {
        const char* name;
        std::size_t at;
        std::uint64_t finalHands; // when the cut file is read as final
    };
    const std::vector<Cut> cuts = {
        {"in the middle of a line", h3.find("'p1 f'"), 2},
        {"at a line end, before the actions", h3.find("actions"), 2},
        {"just after the header", 4, 2},
        {"inside the header", 2, 2},
        // read as final it is a whole hand
        {"the whole hand but its last line end", h3.size() - 1, 3},
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.name);
        TempDir dir;
        const fs::path file = dir.file("g.phhs", h1 + h2 + h3.substr(0, cut.at));
        Recorder sink;
        const ReadSummary first = readPhhFile(file, sink, {});
        EXPECT_EQ(first.hands, 2u);
        EXPECT_EQ(first.problems, 0u);
        EXPECT_EQ(first.endOffset, (h1 + h2).size());

        // The same file final: the cut hand is a problem.
        Recorder finalSink;
        const ReadSummary final = readPhhFile(file, finalSink, complete());
        EXPECT_EQ(final.hands, cut.finalHands);
        EXPECT_EQ(final.problems, 3 - cut.finalHands);
        EXPECT_EQ(final.endOffset, fs::file_size(file));

        append(file, h3.substr(cut.at));
        ReadOptions again;
        again.startOffset = first.endOffset;
        const ReadSummary second = readPhhFile(file, sink, again);
        EXPECT_EQ(second.hands, 1u);
        EXPECT_EQ(second.problems, 0u);
        EXPECT_EQ(second.endOffset, fs::file_size(file));
        ASSERT_EQ(sink.hands.size(), 3u);
        EXPECT_EQ(sink.hands[2].hand.handNumber, "3");
        EXPECT_EQ(sink.hands[2].hand.board.size(), 3u);
    }
}

TEST(PhhStream, LastHandWithoutLineEndWaitsUnlessTheFileIsComplete)
{
    const std::string text = "[1]\n" + hand3("'p3 f', 'p1 f'") + "\n[2]\n" + hand3("'p3 f', 'p1 f'") + "hand = 2";
    Recorder sink;
    EXPECT_EQ(readText(text, sink, {}).hands, 1u);
    Recorder sink2;
    const ReadSummary s = readText(text, sink2);
    EXPECT_EQ(s.hands, 2u);
    EXPECT_EQ(s.endOffset, text.size());
}

TEST(PhhStream, CrLfAndBom)
{
    auto crlf = [](std::string s) {
        std::string out;
        for (char c : s) {
            if (c == '\n')
                out += '\r';
            out += c;
        }
        return out;
    };
    const std::string text = "\xEF\xBB\xBF" + crlf("[1]\n" + hand3("'p3 f', 'p1 f'", "venue = 'X'\n") + "\n[2]\n" +
                                                   hand3("'p3 cbr 3', 'p1 f', 'p2 f'") + "\n[3]\n" +
                                                   hand3("'p3 f'") + "min_bet = ?\n\n[4]   # the last\n" +
                                                   hand3("'p3 f', 'p1 f'", "winnings = [0, 1.5, 0]\n"));
    TempDir dir;
    Recorder sink;
    const ReadSummary s = readPhhFile(dir.file("c.phhs", text), sink, {});
    EXPECT_EQ(s.hands, 3u);
    EXPECT_EQ(s.problems, 1u);
    EXPECT_EQ(s.endOffset, text.size());
    ASSERT_EQ(sink.hands.size(), 3u);
    EXPECT_EQ(sink.hands[0].hand.site, "X");
    EXPECT_EQ(sink.hands[0].end, text.find("[2]"));
    EXPECT_DOUBLE_EQ(*sink.hands[2].hand.players[1].net, 1);
    ASSERT_EQ(sink.problems.size(), 1u);
    EXPECT_EQ(sink.problems[0].kind, "syntax");
    EXPECT_EQ(sink.problems[0].line, lineOf(text, "min_bet = ?"));
    EXPECT_TRUE(readPhhHand(sink.hands[1].text).has_value());
    EXPECT_TRUE(looksLikePhh(text));

    // a .phh: one hand, no header, with a BOM
    Recorder one;
    const std::string phh = "\xEF\xBB\xBF" + crlf(hand3("'p3 f', 'p1 f'"));
    EXPECT_EQ(readPhhFile(dir.file("one.phh", phh), one, {}).hands, 1u);
    EXPECT_TRUE(readPhhHand(phh).has_value());
}

TEST(PhhStream, ResumeFromAnOffset)
{
    Recorder all;
    readPhhFile(kRealFile, all, {});
    ASSERT_EQ(all.hands.size(), 12u);
    ReadOptions from;
    from.startOffset = all.hands[4].end;
    Recorder rest;
    const ReadSummary s = readPhhFile(kRealFile, rest, from);
    EXPECT_EQ(s.hands, 7u);
    ASSERT_EQ(rest.hands.size(), 7u);
    EXPECT_EQ(rest.hands[0].hand.handNumber, "3017240558");
    EXPECT_EQ(rest.hands[0].end, all.hands[5].end);

    // Problems after the offset still carry the line in the file.
    const std::string text = testsupport::readFile(kRealFile) + "\n[13]\n" + hand3("'p3 f'") + "oops\n";
    Recorder tail;
    ReadOptions o = complete();
    o.startOffset = all.hands[9].end;
    const ReadSummary t = readText(text, tail, o);
    EXPECT_EQ(t.hands, 2u);
    ASSERT_EQ(tail.problems.size(), 1u);
    EXPECT_EQ(tail.problems[0].line, lineOf(text, "oops"));
    EXPECT_EQ(t.endOffset, text.size());
    // Beyond the end: nothing.
    Recorder none;
    ReadOptions past;
    past.startOffset = text.size() + 10;
    EXPECT_EQ(readText(text, none, past).hands, 0u);
}

TEST(PhhStream, ChunkBoundariesChangeNothing)
{
    const std::string text = "\xEF\xBB\xBF" + testsupport::readFile(kRealFile) + "\n[13]\n" + hand3("'p3 f'") +
                             "x = \n[14]\nvariant = 'NT'\n[15]\n" + hand3("'p3 f', 'p1 f'") + "[16]\n" +
                             hand3("'p3 f', 'p1");
    Recorder whole;
    const ReadSummary w = readText(text, whole, {});
    EXPECT_EQ(w.hands, 13u);
    EXPECT_EQ(w.problems, 2u);
    for (std::size_t chunk : {1u, 2u, 3u, 5u, 64u, 1000u}) {
        SCOPED_TRACE(chunk);
        Recorder small;
        phh::StreamLimits limits;
        limits.chunk = chunk;
        const ReadSummary s = readText(text, small, {}, limits);
        EXPECT_EQ(s.hands, w.hands);
        EXPECT_EQ(s.problems, w.problems);
        EXPECT_EQ(s.endOffset, w.endOffset);
        ASSERT_EQ(small.hands.size(), whole.hands.size());
        for (std::size_t i = 0; i < small.hands.size(); ++i) {
            EXPECT_EQ(small.hands[i].end, whole.hands[i].end);
            EXPECT_EQ(small.hands[i].text, whole.hands[i].text);
        }
        ASSERT_EQ(small.problems.size(), whole.problems.size());
        for (std::size_t i = 0; i < small.problems.size(); ++i)
            EXPECT_EQ(small.problems[i].line, whole.problems[i].line);
    }
}

TEST(PhhStream, HugeSectionIsSkippedNotHeld)
{
    const std::string padding = "# " + std::string(5000, 'x') + "\n";
    const std::string noLines(20000, 'y');
    const std::string text = "[1]\n" + hand3("'p3 f', 'p1 f'") + "[2]\n" + padding + hand3("'p3 f', 'p1 f'") +
                             "[3]\n" + hand3("'p3 f', 'p1 f'") + "[4]\n" + noLines + "\n[5]\n" +
                             hand3("'p3 f', 'p1 f'");
    phh::StreamLimits limits;
    limits.chunk = 256;
    limits.maxSection = 2048;
    Recorder sink;
    const ReadSummary s = readText(text, sink, complete(), limits);
    EXPECT_EQ(s.hands, 3u);
    ASSERT_EQ(sink.problems.size(), 2u);
    EXPECT_EQ(sink.problems[0].kind, "too-large");
    EXPECT_EQ(sink.problems[0].line, lineOf(text, "[2]"));
    EXPECT_EQ(sink.problems[1].line, lineOf(text, "[4]"));
    EXPECT_EQ(sink.problemEnds[1], text.find("[5]"));
    EXPECT_EQ(s.endOffset, text.size());
}

TEST(PhhStream, CancelAndUnreadableFile)
{
    std::atomic<bool> cancel{true};
    ReadOptions o;
    o.cancel = &cancel;
    Recorder sink;
    const ReadSummary s = readPhhFile(kRealFile, sink, o);
    EXPECT_TRUE(s.cancelled);
    EXPECT_EQ(s.hands, 0u);
    EXPECT_EQ(s.endOffset, 0u);

    Recorder missing;
    const ReadSummary m = readPhhFile("/nonexistent/hands.phhs", missing, {});
    EXPECT_EQ(m.problems, 1u);
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_EQ(missing.problems[0].kind, "io");
    EXPECT_EQ(missing.problems[0].line, 0u);

    TempDir dir;
    fs::create_directories(dir.path("folder.phhs"));
    Recorder folder;
    const ReadSummary f = readPhhFile(dir.path("folder.phhs"), folder, complete());
    EXPECT_EQ(f.hands, 0u);
    ASSERT_EQ(folder.problems.size(), 1u);
    EXPECT_EQ(folder.problems[0].kind, "io");
}

TEST(PhhStream, BlankAndCommentOnlyDataIsNoHand)
{
    Recorder sink;
    const ReadSummary s = readText("\n# nothing yet\n\n", sink, {});
    EXPECT_EQ(s.hands + s.problems, 0u);
    EXPECT_EQ(s.endOffset, 16u);
    Recorder empty;
    EXPECT_EQ(readText("", empty).hands, 0u);
}

TEST(PhhDetect, LooksLikePhh)
{
    EXPECT_TRUE(looksLikePhh("[1]\nvariant = 'NT'\n"));
    EXPECT_TRUE(looksLikePhh("# comment\n\n[12]  \nantes = [0, 0]\n"));
    EXPECT_TRUE(looksLikePhh("antes = [0, 0]\nvariant = \"NT\"\n"));
    EXPECT_TRUE(looksLikePhh("\xEF\xBB\xBFvariant='NT'"));
    EXPECT_FALSE(looksLikePhh(""));
    EXPECT_FALSE(looksLikePhh("PokerStars Hand #1234: Hold'em No Limit ($0.50/$1.00)\nTable 'X' 6-max\n"));
    EXPECT_FALSE(looksLikePhh("[section]\nkey = 1\n"));
    EXPECT_FALSE(looksLikePhh("variants = 3\n"));
}

TEST(PhhHand, OneSectionAloneOrWithItsHeader)
{
    const std::string body = hand3("'p3 f', 'p1 f'", "hand = 9\n");
    ASSERT_TRUE(readPhhHand(body).has_value());
    EXPECT_EQ(readPhhHand(body)->handNumber, "9");
    ASSERT_TRUE(readPhhHand("\n[7]\n" + body).has_value());
    EXPECT_EQ(readPhhHand("[7]\n" + body)->players.size(), 3u);
    EXPECT_FALSE(readPhhHand("").has_value());
    EXPECT_FALSE(readPhhHand("[7]\n").has_value());
    EXPECT_FALSE(readPhhHand("variant = 'NT").has_value());
}

} // namespace
