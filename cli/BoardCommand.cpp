// `tablewise board`: what a hand holds on the flop, turn or river.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
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
Cards are written higher rank first, and cards of one rank spades, hearts,
diamonds, clubs: Ts Th Td Tc. In JSON each draw's "outs" lists its cards and
the reading's "outs" counts them all.
)";

struct BoardOptions {
    cards::HoleCards hand;
    std::vector<cards::Card> board;
    TextOrJson format = TextOrJson::Text;
};

std::string usage()
{
    return kUsage;
}

Asked readOptions(int argc, char** argv, BoardOptions& o)
{
    const Args args(argc, argv, 2, {kFormatOption});
    if (args.asked() != Asked::Work)
        return args.asked();
    const auto& typed = args.positional({"HAND", "BOARD"});
    const auto h = cards::parseHoleCards(typed[0]);
    if (!h.ok())
        throw UsageError{"HAND: " + h.error};
    o.hand = h.value;
    const auto b = cards::parseCards(typed[1]);
    if (!b.ok())
        throw UsageError{"BOARD: " + b.error};
    o.board = b.value;
    o.format = textOrJson(args);
    return Asked::Work;
}

int readHand(const BoardOptions& o)
{
    const auto reading = board::readBoard(o.hand, o.board);
    if (!reading.ok())
        return usageError("board: " + reading.error);
    const board::BoardReading& r = reading.value;

    if (o.format == TextOrJson::Json) {
        JsonWriter json;
        json.beginObject().member("madeHand", r.madeHand).member("holding", r.holding);
        json.key("draws").beginArray();
        for (const board::Draw& d : r.draws) {
            json.beginObject().member("name", d.name).key("outs").beginArray();
            for (const cards::Card c : d.outs.written())
                json.string(c.text());
            json.endArray().endObject();
        }
        json.endArray();
        json.memberInteger("outs", static_cast<std::uint64_t>(r.outCount())).member("category", r.categoryText());
        json.endObject();
        write(json.text() + "\n");
        return 0;
    }
    std::string out;
    out += "Made hand: " + r.madeHand + "\n";
    out += "Holding:   " + r.holding + "\n";
    if (r.draws.empty())
        out += "Draws:     none\n";
    for (const board::Draw& d : r.draws) {
        out += "Draw:      " + d.name;
        if (!d.outs.empty())
            out += ", " + std::to_string(d.outs.size()) + " outs (" + d.outs.text(" ") + ")";
        out += "\n";
    }
    out += "Outs:      " + std::to_string(r.outCount()) + "\n";
    out += "Category:  " + std::string(r.categoryText()) + "\n";
    write(out);
    return 0;
}

} // namespace

int boardCommand(int argc, char** argv)
{
    return runCommand<BoardOptions>("board", usage, argc, argv, readOptions, readHand);
}

void readBoardArguments(int argc, char** argv)
{
    BoardOptions o;
    readOptions(argc, argv, o);
}

} // namespace cli

