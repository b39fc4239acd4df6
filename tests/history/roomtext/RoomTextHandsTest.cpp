// Each test hand read from its file: the players in their order round the
// table, the posts and actions with what they added and the bet they went
// to, the board, the cards that were seen, the stakes, and the nets, which
// must add up to minus the rake.

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "engine/cards/CardParser.h"
#include "history/roomtext/RoomTextReader.h"
#include "tests/history/roomtext/RoomTextTestSupport.h"

namespace {

using namespace roomtexttest;

struct HandCase {
    const char* file;
    const char* handNumber;
    const char* players;  // "name#seat|..." clockwise from the small blind to the button
    const char* nets;     // in the same order
    double rake;
    const char* board;
    const char* cards;    // "name=AhKd|..." the hands known
    const char* actions;  // as actionsText writes them
    const char* stakes;   // "currency small/big/ante"
    const char* table;    // "name|maxSeats|tournament|played at"
};

std::vector<std::string> split(std::string_view text, char by)
{
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    std::size_t at = 0;
    for (;;) {
        const std::size_t stop = text.find(by, at);
        pieces.emplace_back(text.substr(at, stop - at));
        if (stop == std::string_view::npos)
            return pieces;
        at = stop + 1;
    }
}

const HandCase kHands[] = {
    {"cash_session.txt", "208871235711", "ZZ_top#4|Quinn B#5|pokkeri#6|Velkan77#1|mrs.fold#2|TightTom#3",
     "-0.5|-3|0|22|0|-20.5", 2, "Qh Jh 2c 7s Td", "Velkan77=Ah Kd|TightTom=Qs Qd",
     "0SB0.5>0.5 1BB1>1 2F 3R3>3 4F 5C3>3 0F 1C2>3 / 1X 3B5.5>5.5 5C5.5>5.5 1F / 3X 5B12>12 3C12>12 / 3X 5X",
     "$ 0.5/1/0", "Alcyone IV|6||2020/10/14 10:33:59 ET"},
    // A walk: everyone folds to the big blind, whose unmatched half comes back.
    {"cash_session.txt", "208871267002", "Quinn B#5|pokkeri#6|Velkan77#1|mrs.fold#2|TightTom#3|ZZ_top#4",
     "-0.5|0.5|0|0|0|0", 0, "", "Velkan77=7c 2d", "0SB0.5>0.5 1BB1>1 2F 3F 4F 5F 0F", "$ 0.5/1/0",
     "Alcyone IV|6||2020/10/14 10:35:12 ET"},
    // All-in re-raised, the uncalled part returned; the board run out.
    {"cash_session.txt", "208871290415", "pokkeri#6|Velkan77#1|mrs.fold#2|TightTom#3|ZZ_top#4|Quinn B#5",
     "50|-45.5|-3|0|-3|0", 1.5, "8s 4d 3h Kc 2s", "pokkeri=As Ks|Velkan77=Jc Jd",
     "0SB0.5>0.5 1BB1>1 2R3>3 3F 4C3>3 5F 0R45>45.5! 1R125.25>126.25! 2F 4F", "$ 0.5/1/0",
     "Alcyone IV|6||2020/10/14 10:36:40 ET"},
    // Antes, chips, a bounty; a seat listed as sitting out posts and so is dealt in.
    {"tournament.txt", "208871300001", "ChipMunk#2|nofear88#3|lucky lu#5|deepstack#7|Ostrava_Kid#1",
     "-30|-55|-980|1070|-5", 0, "Ts 6h 2d 4c Jh", "lucky lu=9s 9c|deepstack=Ad Td",
     "4A5>0 0A5>0 1A5>0 2A5>0 3A5>0 0SB25>25 1BB50>50 2R150>150 3C150>150 4F 0F 1F / 2B200>200 3R630>630 "
     "2C430>630 / 2X 3B195>195 2C195>195!",
     " 25/50/5", "3012345678 1|9|3012345678|2020/10/14 11:02:13 ET"},
    // Heads-up: the big blind first, the button (who posts the small blind) last.
    {"heads_up.txt", "208871400077", "kaarina#1|Bruno.M#2", "1.38|-1.5", 0.12, "9h 6h 2s Ac", "Bruno.M=Kh 5h",
     "1SB0.05>0.05 0BB0.1>0.1 1R0.25>0.3 0C0.2>0.3 / 0X 1B0.35>0.35 0R1.2>1.2 1C0.85>1.2 / 0B2.1>2.1 1F",
     "\xE2\x82\xAC 0.05/0.1/0", "Hiisi II|2||2020/10/14 12:00:01 CET"},
    // An empty button seat and a sitting-out seat; names with spaces, colons,
    // brackets, Cyrillic and CJK letters, a character beyond 16 bits (a
    // surrogate pair in UTF-16), one name the start of another; a dead
    // small blind posted with a live big one; a straddle.
    {"straddle_names.txt", "208871500123",
     "Mister \xF0\x9F\x82\xA1#6|a#8|\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2#1|a: b [c] (d)#2|"
     "\xE9\xBE\x8D\xE4\xB9\x8B\xE4\xBB\x8B#3",
     "-1|-2|-12|-5|18.5", 1.5, "Ks 7d 3c", "\xE9\xBE\x8D\xE4\xB9\x8B\xE4\xBB\x8B=Tc Th",
     "0SB1>1 1BB2>2 3DB1>0 3BB2>2 2ST4>4 3C2>4 4R12>12 0F 1F 2C8>12 3F / 2X 4B15>15 2F", "\xC2\xA3 1/2/0",
     "Gamma \"Crux\" O'Neil|9||2020/10/14 13:14:15 ET"},
    // Run twice: the first board is the hand's, both pots count in the net.
    {"run_twice.txt", "208871700555", "Ella K#2|mono#4|riverrat#1", "188|-185.5|-6", 3.5, "2h 7d Jc 4s Qd",
     "Ella K=Ad Ah|mono=Kc Kh", "0SB1>1 1BB2>2 2R6>6 0R184.5>185.5! 1C183.5>185.5 2F", "$ 1/2/0",
     "Nunki III|6||2020/10/14 14:20:00 ET"},
};

class RoomTextHand : public ::testing::TestWithParam<HandCase> {
protected:
    static const history::HandHistory* find(const KeepingSink& sink, std::string_view number)
    {
        for (const auto& h : sink.hands)
            if (h.hand.handNumber == number)
                return &h.hand;
        return nullptr;
    }
};

TEST_P(RoomTextHand, ReadsAsWritten)
{
    const HandCase& c = GetParam();
    KeepingSink sink;
    history::readRoomTextFile(dataFile(c.file), sink, {});
    EXPECT_TRUE(sink.problems.empty()) << sink.problems.front().problem.reason;
    const history::HandHistory* hand = find(sink, c.handNumber);
    ASSERT_NE(hand, nullptr);

    EXPECT_EQ(hand->format, history::Format::RoomText);
    EXPECT_EQ(hand->site, "PokerStars");
    const auto players = split(c.players, '|');
    const auto nets = split(c.nets, '|');
    ASSERT_EQ(hand->players.size(), players.size());
    double netSum = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const history::Player& p = hand->players[i];
        EXPECT_EQ(p.name + "#" + std::to_string(p.seat), players[i]);
        ASSERT_TRUE(p.net.has_value()) << p.name;
        EXPECT_NEAR(*p.net, std::stod(nets[i]), 1e-9) << p.name;
        netSum += *p.net;
    }
    EXPECT_NEAR(netSum, -c.rake, 1e-9);

    const auto board = engine::cards::parseCards(c.board);
    ASSERT_TRUE(board.ok());
    EXPECT_EQ(hand->board, board.value);

    const auto known = split(c.cards, '|');
    std::size_t shown = 0;
    for (const history::Player& p : hand->players) {
        std::optional<engine::cards::HoleCards> expected;
        for (const std::string& k : known)
            if (k.substr(0, k.find('=')) == p.name)
                expected = engine::cards::parseHoleCards(k.substr(k.find('=') + 1)).value;
        EXPECT_EQ(p.cards, expected) << p.name;
        shown += p.cards.has_value();
    }
    EXPECT_EQ(shown, known.size());

    EXPECT_EQ(actionsText(*hand), c.actions);
    EXPECT_EQ(hand->currency + " " + number(hand->smallBlind) + "/" + number(hand->bigBlind) + "/" + number(hand->ante),
              c.stakes);
    EXPECT_EQ(hand->table + "|" + std::to_string(hand->maxSeats) + "|" + hand->tournament + "|" + hand->playedAt,
              c.table);
}

// The text the sink gets reads alone into the same hand.
TEST_P(RoomTextHand, ItsTextReadsAgainAlone)
{
    KeepingSink sink;
    history::readRoomTextFile(dataFile(GetParam().file), sink, {});
    for (const SunkHand& h : sink.hands) {
        if (h.hand.handNumber != GetParam().handNumber)
            continue;
        const auto again = history::readRoomTextHand(h.text);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(handText(*again), handText(h.hand));
        return;
    }
    ADD_FAILURE() << "hand not read";
}

INSTANTIATE_TEST_SUITE_P(TestFiles, RoomTextHand, ::testing::ValuesIn(kHands),
                         [](const ::testing::TestParamInfo<HandCase>& each) { return "hand_" + std::string(each.param.handNumber); });

} // namespace
