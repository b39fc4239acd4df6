#include "window/cards/CardsStateDump.h"

#include "window/cards/CardsText.h"
#include "window/model/StateDump.h"

namespace window::cards {

std::string cardsStateDump(const CardsBoardModel& model, const engine::odds::EquityResult* equity)
{
    static constexpr const char* names[] = {"hole", "flop", "turn", "river"};
    std::string out;
    const auto line = [&out](std::string_view name, std::string_view value) { appendDumpLine(out, name, value); };
    for (CardBox box : kCardBoxes) {
        line(names[static_cast<std::size_t>(box)], model.input().text(box));
        line(std::string(names[static_cast<std::size_t>(box)]) + " message", model.reading().box(box).message);
    }
    line("opponents", std::to_string(model.input().opponents));
    const auto& reading = model.reading().boardReading;
    line("category", reading ? reading->categoryText() : "");
    line("outs", reading ? std::to_string(reading->outCount()) : "");
    line("equity", equity ? equityLine(*equity) : "");
    line("method", equity ? methodLine(*equity) : "");

    // Only what is in use, so that a dump of the hand against random hands
    // reads as it always has.
    const CardsInput& input = model.input();
    bool anyRange = false;
    for (int i = 0; i < input.opponents; ++i)
        anyRange = anyRange || !input.ranges[static_cast<std::size_t>(i)].empty();
    if (anyRange) {
        for (int i = 0; i < input.opponents; ++i) {
            const std::string name = "opponent " + std::to_string(i + 1) + " range";
            line(name, input.ranges[static_cast<std::size_t>(i)]);
            line(name + " message", model.opponentReading(i).message);
        }
    }
    if (!input.dead.empty()) {
        line("dead", input.dead);
        line("dead message", model.reading().box(CardBox::Dead).message);
    }
    if (equity) {
        for (std::size_t i = 0; i < equity->players.size(); ++i)
            line("player " + std::to_string(i + 1) + " equity", equityLine(equity->players[i], equity->method));
    }
    return out;
}

} // namespace window::cards
