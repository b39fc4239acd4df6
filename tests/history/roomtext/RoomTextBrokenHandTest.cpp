// One good hand changed in one place: each change makes the hand unreadable
// for a reason of its own kind, and the reason names what was wrong.

#include <gtest/gtest.h>

#include <string>

#include "history/roomtext/HandParser.h"
#include "history/roomtext/RoomTextReader.h"
#include "tests/history/roomtext/RoomTextTestSupport.h"

namespace {

struct BrokenCase {
    const char* name;
    const char* from; // a piece of the good hand
    const char* to;   // what it becomes
    const char* kind;
    const char* reasonHas;
};

const BrokenCase kBroken[] = {
    {"limit", "Hold'em No Limit", "Hold'em Limit", "variant", "Hold'em Limit"},
    {"omaha", "Hold'em No Limit", "Omaha Pot Limit", "variant", "Omaha"},
    {"no_summary", "*** SUMMARY ***", "", "incomplete-data", "summary"},
    {"no_collect", "kaarina collected \xE2\x82\xAC" "2.88 from pot\n", "", "incomplete-data", "collected"},
    {"bad_header", "#208871400077:", "#:", "syntax", "header"},
    {"no_table", "Table 'Hiisi II' 2-max Seat #2 is the button\n", "", "syntax", "button"},
    {"bad_seat", "Seat 2: Bruno.M (\xE2\x82\xAC" "9.60 in chips)", "Seat 2: Bruno.M", "syntax", "seat"},
    {"seat_range", "Seat 2: Bruno.M (", "Seat 12: Bruno.M (", "syntax", "seat number"},
    {"seat_twice", "Seat 2: Bruno.M (", "Seat 1: Bruno.M (", "syntax", "twice"},
    {"bad_call", "kaarina: calls \xE2\x82\xAC" "0.20", "kaarina: calls \xE2\x82\xAC" "0.2o", "syntax", "0.2o"},
    {"bad_raise", "raises \xE2\x82\xAC" "0.85 to", "raises \xE2\x82\xAC" "0.85 til", "syntax", "raise"},
    {"raise_below", "raises \xE2\x82\xAC" "0.20 to \xE2\x82\xAC" "0.30", "raises \xE2\x82\xAC" "0.20 to \xE2\x82\xAC" "0.01",
     "syntax", "less"},
    {"bad_post", "posts small blind", "posts tiny blind", "syntax", "post"},
    {"short_flop", "*** FLOP *** [9h 6h 2s]", "*** FLOP *** [9h 6h]", "syntax", "board"},
    {"bad_card", "*** FLOP *** [9h 6h 2s]", "*** FLOP *** [9h 6h 2x]", "syntax", "board"},
    {"card_twice", "Dealt to Bruno.M [Kh 5h]", "Dealt to Bruno.M [Kh 9h]", "syntax", "twice"},
    {"other_cards", "Seat 1: kaarina (big blind) collected", "Seat 1: kaarina (big blind) mucked [2c 2d] collected",
     "", ""},
    {"returned_to_nobody", "returned to kaarina", "returned to nobody", "syntax", "unknown player"},
    {"one_player", "kaarina: posts big blind \xE2\x82\xAC" "0.10\n", "", "", ""},
};

std::string heads_up()
{
    std::string text = roomtexttest::dataText("heads_up.txt");
    while (text.ends_with('\n'))
        text.pop_back();
    return text;
}

class RoomTextBrokenHand : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(RoomTextBrokenHand, IsRefusedWithItsReason)
{
    const BrokenCase& c = GetParam();
    std::string text = heads_up();
    const std::size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, std::string_view(c.from).size(), c.to);

    history::roomtext::HandParser parser;
    history::HandHistory hand;
    const bool read = parser.parse(text, hand);
    EXPECT_EQ(history::readRoomTextHand(text).has_value(), read);
    if (std::string_view(c.kind).empty()) {
        // Changes that still leave a readable hand.
        EXPECT_TRUE(read) << parser.failure().reason;
        return;
    }
    ASSERT_FALSE(read);
    EXPECT_EQ(parser.failure().kind, c.kind);
    EXPECT_NE(parser.failure().reason.find(c.reasonHas), std::string::npos) << parser.failure().reason;
}

INSTANTIATE_TEST_SUITE_P(Changes, RoomTextBrokenHand, ::testing::ValuesIn(kBroken),
                         [](const ::testing::TestParamInfo<BrokenCase>& each) { return std::string(each.param.name); });

TEST(RoomTextBrokenHand, TheGoodHandReadsWithEitherLineEnd)
{
    const auto lf = history::readRoomTextHand(heads_up());
    const auto crlf = history::readRoomTextHand(roomtexttest::withCrlf(heads_up()));
    ASSERT_TRUE(lf.has_value() && crlf.has_value());
    EXPECT_EQ(roomtexttest::handText(*crlf), roomtexttest::handText(*lf));
}

} // namespace
