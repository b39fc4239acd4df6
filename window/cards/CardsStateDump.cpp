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
    return out;
}

} // namespace window::cards
