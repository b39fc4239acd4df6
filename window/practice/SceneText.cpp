#include "window/practice/SceneText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace window::practice {

namespace {

using ::practice::Scene;
using ::practice::SceneAction;

// Pre-flop the player left of the big blind acts first, the blinds last.
std::vector<int> actingOrder(int players)
{
    std::vector<int> order;
    for (int i = 2; i < players; ++i)
        order.push_back(i);
    order.push_back(0);
    order.push_back(1);
    return order;
}

std::string amountWithBigBlinds(double bb, const Scene& scene, const platform::Money& money)
{
    return money.amountText(bb * scene.bigBlind) + " (" + bigBlindsText(bb) + " BB)";
}

std::string cardText(engine::cards::Card card)
{
    static constexpr std::array<const char*, 4> kSuits{"\u2660", "\u2665", "\u2666", "\u2663"};
    std::string text(1, engine::cards::rankChar(card.rank()));
    if (card.rank() == engine::cards::kTen)
        text = "10";
    return text + kSuits[static_cast<std::size_t>(card.suit())];
}

} // namespace

std::string bigBlindsText(double bb)
{
    // Hundredths at most: the amounts the scenes draw are whole or halves.
    const double rounded = std::round(bb * 100) / 100;
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded);
    if (error != std::errc())
        return "?";
    return std::string(buffer.data(), end);
}

std::vector<SeatRow> seatRows(const Scene& scene, const platform::Money& money)
{
    std::vector<std::string> actions(static_cast<std::size_t>(scene.players));
    std::vector<bool> acted(static_cast<std::size_t>(scene.players), false);
    int raises = 0;
    for (const SceneAction& a : scene.before) {
        if (a.seatIndex < 0 || a.seatIndex >= scene.players)
            continue;
        std::string text;
        switch (a.move) {
        case history::Move::Fold: text = "folds"; break;
        case history::Move::Check: text = "checks"; break;
        case history::Move::Call:
            text = raises == 0 ? "limps" : "calls " + amountWithBigBlinds(a.toBB, scene, money);
            break;
        case history::Move::Raise:
            text = (raises == 0 ? "raises to " : "re-raises to ") + amountWithBigBlinds(a.toBB, scene, money);
            ++raises;
            break;
        }
        actions[static_cast<std::size_t>(a.seatIndex)] = text;
        acted[static_cast<std::size_t>(a.seatIndex)] = true;
    }

    std::vector<SeatRow> rows;
    for (int seat : actingOrder(scene.players)) {
        const auto i = static_cast<std::size_t>(seat);
        SeatRow row;
        row.seat = std::string(scene.seatName(seat));
        row.stack = i < scene.stacks.size() ? money.amountText(scene.stacks[i]) : std::string();
        row.hero = seat == scene.heroIndex;
        if (row.hero)
            row.action = "your turn";
        else if (acted[i])
            row.action = actions[i];
        else if (seat == 0)
            row.action = "small blind " + money.amountText(scene.bigBlind / 2);
        else if (seat == 1)
            row.action = "big blind " + money.amountText(scene.bigBlind);
        else
            row.action = "to act";
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string callCaption(const Scene& scene)
{
    return scene.heroCanCheck() ? "Check" : "Call";
}

std::string sceneLine(const Scene& scene, const platform::Money& money)
{
    return "You are " + std::string(scene.heroSeat()) + " of " + std::to_string(scene.players) + " with "
        + cardText(scene.cards.high) + " " + cardText(scene.cards.low) + "; big blind "
        + money.amountText(scene.bigBlind) + ".";
}

} // namespace window::practice
