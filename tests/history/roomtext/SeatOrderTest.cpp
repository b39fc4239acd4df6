// The order of the players from the button, the seats given in any order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/roomtext/SeatOrder.h"

namespace {

struct OrderCase {
    const char* name;
    std::vector<int> seats; // the dealt-in players' seats, as the file lists them
    int button;
    std::vector<int> expected;
};

class SeatOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SeatOrder, RunsClockwiseFromTheButton)
{
    const OrderCase& c = GetParam();
    std::vector<std::size_t> players;
    for (std::size_t i = 0; i < c.seats.size(); ++i)
        players.push_back(i);
    history::roomtext::orderClockwiseFromButton(players, c.button, [&c](std::size_t i) { return c.seats[i]; });
    std::vector<int> seats;
    for (const std::size_t i : players)
        seats.push_back(c.seats[i]);
    EXPECT_EQ(seats, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SeatOrder,
    ::testing::Values(OrderCase{"six_max", {1, 2, 3, 4, 5, 6}, 3, {4, 5, 6, 1, 2, 3}},
                      OrderCase{"button_last_seat", {1, 2, 3, 4, 5, 6}, 6, {1, 2, 3, 4, 5, 6}},
                      OrderCase{"listed_out_of_order", {6, 2, 4, 1}, 2, {4, 6, 1, 2}},
                      OrderCase{"heads_up_big_blind_first", {1, 2}, 2, {1, 2}},
                      OrderCase{"heads_up_wrapping", {3, 7}, 3, {7, 3}},
                      OrderCase{"empty_button_seat", {1, 2, 3, 6, 8}, 4, {6, 8, 1, 2, 3}},
                      OrderCase{"button_beyond_every_seat", {2, 5, 7}, 9, {2, 5, 7}},
                      OrderCase{"gaps", {1, 5, 9}, 5, {9, 1, 5}}),
    [](const ::testing::TestParamInfo<OrderCase>& each) { return std::string(each.param.name); });

} // namespace
