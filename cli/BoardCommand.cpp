// `tablewise board`: what a hand holds on the flop, turn or river.

#include <string>

#include "cli/Args.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "engine/board/BoardReader.h"
#include "engine/cards/CardParser.h"

namespace cli {

namespace {

using namespace engine;

constexpr const char* kUsage = R"(Usage: tablewise board HAND BOARD [-f text|json]

Reads a hand on the board: the made hand, the draws with their outs, and the
post-flop category of the advisor's list it fits ("none fits" and what the
hand is otherwise). The help's page on reading the board gives the rules.

  HAND            two cards with their suits: AhKh, "10s 10d"
  BOARD           the flop, and the turn and river when dealt: "Qh Jh 2c"
  -f, --format    text (default) or json
)";

enum class Format { Text, Json };

} // namespace

int boardCommand(int argc, char** argv)
{
    static const Choices<Format> formats{{"text", Format::Text}, {"json", Format::Json}};
    Format format = Format::Text;
    cards::HoleCards hand;
    std::vector<cards::Card> board;
    try {
        const Args args(argc, argv, 2, {{"--format", 'f', true}, {"--help", 'h'}});
        if (args.flag("--help")) {
            write(kUsage);
            return 0;
        }
        const auto& typed = args.positional({"HAND", "BOARD"});
        const auto h = cards::parseHoleCards(typed[0]);
        if (!h.ok())
            return usageError("board: HAND: " + h.error);
        hand = h.value;
        const auto b = cards::parseCards(typed[1]);
        if (!b.ok())
            return usageError("board: BOARD: " + b.error);
        board = b.value;
        format = chosen(args, "--format", formats).value_or(Format::Text);
    } catch (const UsageError& e) {
        return usageError("board: " + e.message);
    }

    const auto reading = board::readBoard(hand, board);
    if (!reading.ok())
        return usageError("board: " + reading.error);
    const board::BoardReading& r = reading.value;

    std::string out;
    if (format == Format::Json) {
        out += "{\"madeHand\":";
        appendJsonString(out, r.madeHand);
        out += ",\"holding\":";
        appendJsonString(out, r.holding);
        out += ",\"draws\":[";
        for (std::size_t i = 0; i < r.draws.size(); ++i) {
            out += i ? ",{\"name\":" : "{\"name\":";
            appendJsonString(out, r.draws[i].name);
            out += ",\"outs\":";
            appendJsonString(out, r.draws[i].outs.text());
            out += "}";
        }
        out += "],\"outs\":" + std::to_string(r.outCount()) + ",\"category\":";
        appendJsonString(out, r.categoryText());
        out += "}\n";
    } else {
        out += "Made hand: " + r.madeHand + "\n";
        out += "Holding:   " + r.holding + "\n";
        if (r.draws.empty())
            out += "Draws:     none\n";
        for (const board::Draw& d : r.draws) {
            out += "Draw:      " + d.name;
            if (!d.outs.empty())
                out += ", " + std::to_string(d.outs.size()) + " outs (" + d.outs.text() + ")";
            out += "\n";
        }
        out += "Outs:      " + std::to_string(r.outCount()) + "\n";
        out += "Category:  " + std::string(r.categoryText()) + "\n";
    }
    write(out);
    return 0;
}

} // namespace cli
