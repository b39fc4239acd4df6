// `tablewise range`: a range as the advisor reads it, written back in its
// shortest form with its number of combinations; on a board, how its hands
// meet it; against a hand, which of its hand classes beat that hand.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/SeedOption.h"
#include "engine/Postflop.h"
#include "engine/board/ClassBreakdown.h"
#include "engine/board/RangeSplit.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "engine/cards/RangeText.h"
#include "engine/odds/HandRank.h"

namespace cli {

namespace {

using namespace engine;

constexpr const char* kUsage = R"(Usage: tablewise range RANGE [--board CARDS] [--vs HAND] [-d CARDS] [--seed N] [-f text|json|csv]

Reads a range of starting hands and writes it back in its shortest form,
with the number of two-card combinations it holds (and their weighted count
when some weights are below 1). On a board it shows how the range's hands
meet it; against a hand, that hand's equity against each class of the range.

  RANGE           items separated by commas or spaces:
                    QQ+  JJ-99  AKs  AQo+  A5s-A2s  T9s+  K9s+  AK  KhKs  random
                    15%                       the strongest 15 % of all hands
                    chart(raised, late):raise the hands the advisor's chart
                                              raises in that situation
                    AKs:0.5                   any item with a weight, above 0
                                              and at most 1
  --board CARDS   a flop, turn or river: the share of the range's combinations
                  in each made hand (high card to straight flush), each draw
                  (flop and turn) and each of the advisor's post-flop
                  categories, counted by weight
  --vs HAND       two cards: their win, tie and equity against each hand class
                  of the range, on the board if one is given (every deal
                  counted on a board; before the flop 20000 random deals a
                  class, with their standard error)
  -d, --dead      cards out of play; the range's combinations that hold a
                  board card, a dead card or a card of HAND are left out
  --seed N        the random deals of seed N (before the flop with --vs), 0 to
                  9007199254740991; without it every run deals others
  -f, --format    text (default), json or csv
A chart item takes the chart command's words: chart(ACTION, POSITION[,
LIMPERS]):CLASS, CLASS one of raise, call (or limp/call), fold or advice.
When two items name one combination, the later item's weight holds. The
help's page on ranges gives the whole notation and the order of the hands.
)";

enum class Format { Text, Json, Csv };

struct RangeOptions {
    cards::Range range;
    std::vector<cards::Card> board;
    cards::CardSet dead;
    std::optional<cards::HoleCards> vs;
    std::uint64_t seed = 0;
    Format format = Format::Text;
};

std::string usage()
{
    return kUsage;
}

Asked readOptions(int argc, char** argv, RangeOptions& o)
{
    static const Choices<Format> formats{{"text", Format::Text}, {"json", Format::Json}, {"csv", Format::Csv}};
    const Args args(argc, argv, 2,
                    {{"--board", 0, true}, {"--vs", 0, true}, {"--dead", 'd', true}, {"--seed", 0, true},
                     kFormatOption});
    if (args.asked() != Asked::Work)
        return args.asked();
    const auto& typed = args.positional({"RANGE"});
    auto parsed = cards::parseRange(typed[0]);
    if (!parsed.ok())
        throw UsageError{"RANGE: " + parsed.error};
    o.range = std::move(parsed.value);
    o.format = chosen(args, "--format", formats).value_or(Format::Text);

    cards::CardSet known;
    const auto readCards = [&](std::string_view option) {
        std::vector<cards::Card> cards;
        if (const auto text = args.value(option)) {
            const auto read = cards::parseCards(*text);
            if (!read.ok())
                throw UsageError{std::string(option) + ": " + read.error};
            for (const cards::Card c : read.value) {
                if (known.contains(c))
                    throw UsageError{std::string(option) + ": duplicate card \"" + c.text() + "\""};
                known.insert(c);
            }
            cards = read.value;
        }
        return cards;
    };
    o.board = readCards("--board");
    if (args.value("--board") && (o.board.size() < 3 || o.board.size() > 5))
        throw UsageError{"--board: a board is three, four or five cards"};
    if (const auto hand = args.value("--vs")) {
        const auto read = cards::parseHoleCards(*hand);
        if (!read.ok())
            throw UsageError{"--vs: " + read.error};
        if (known.intersects(read.value.set()))
            throw UsageError{"--vs: " + read.value.text() + " shares a card with the board"};
        known |= read.value.set();
        o.vs = read.value;
    }
    for (const cards::Card c : readCards("--dead"))
        o.dead.insert(c);
    o.seed = seedOption(args);
    return Asked::Work;
}

std::string csvField(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string percent(double share)
{
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, share * 100.0, std::chars_format::fixed, 1).ptr;
    return std::string(buf, end) + "%";
}

std::string rounded(double value)
{
    return shortestNumber(std::round(value * 1000) / 1000);
}

std::string padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

// One line of the split: a name, its combinations and their share.
struct SplitRow {
    std::string_view part; // "made", "draw", "category"
    std::string name;
    board::SplitCount count;
};

std::vector<SplitRow> splitRows(const board::RangeSplit& split)
{
    std::vector<SplitRow> rows;
    for (board::SplitLine& line : board::splitLines(split))
        rows.push_back({board::splitPartName(line.part), std::move(line.name), line.count});
    return rows;
}

struct Answer {
    std::string text;
    std::optional<board::RangeSplit> split;
    std::optional<board::ClassBreakdown> breakdown;
};

std::string spaced(const std::vector<cards::Card>& cards)
{
    std::string out;
    for (const cards::Card c : cards)
        out += (out.empty() ? "" : " ") + c.text();
    return out;
}

void writeJson(const RangeOptions& o, const Answer& a)
{
    JsonWriter json;
    json.beginObject()
        .member("range", a.text)
        .memberInteger("combinations", o.range.combos().size())
        .memberReal("weightedCombinations", o.range.weightedCount());
    if (!o.board.empty()) {
        json.key("board").beginArray();
        for (const cards::Card c : o.board)
            json.string(c.text());
        json.endArray();
    }
    if (a.split) {
        const auto member = [&](std::string_view name, const board::SplitCount& count) {
            json.key(name).beginObject()
                .memberInteger("combinations", static_cast<std::uint64_t>(count.combos))
                .memberReal("weight", count.weight)
                .memberReal("share", a.split->share(count))
                .endObject();
        };
        json.key("split").beginObject();
        member("possible", a.split->total);
        std::string_view part;
        for (const SplitRow& row : splitRows(*a.split)) {
            if (row.part != part) {
                if (!part.empty())
                    json.endObject();
                part = row.part;
                json.key(part == "made" ? "made" : part == "draw" ? "draws" : "categories").beginObject();
            }
            member(row.name, row.count);
        }
        json.endObject().endObject();
    }
    if (a.breakdown) {
        const board::ClassBreakdown& b = *a.breakdown;
        json.key("vs").beginObject()
            .member("hand", o.vs->text())
            .member("method", b.method == odds::EquityMethod::Exact ? "exact" : "monte carlo");
        if (b.method != odds::EquityMethod::Exact)
            json.memberInteger("seed", o.seed);
        json.memberInteger("combinations", static_cast<std::uint64_t>(b.combos))
            .memberReal("weight", b.weight)
            .memberReal("win", b.win)
            .memberReal("tie", b.tie)
            .memberReal("equity", b.equity)
            .memberReal("standardError", b.standardError);
        json.key("classes").beginArray(JsonWriter::Layout::LinePerItem);
        for (const board::ClassEquity& c : b.classes)
            json.beginObject()
                .member("hand", c.hand)
                .memberInteger("combinations", static_cast<std::uint64_t>(c.combos))
                .memberReal("weight", c.weight)
                .memberReal("win", c.win)
                .memberReal("tie", c.tie)
                .memberReal("equity", c.equity)
                .memberReal("standardError", c.standardError)
                .endObject();
        json.endArray().endObject();
    }
    json.endObject();
    write(json.text() + "\n");
}

void writeCsv(const RangeOptions& o, const Answer& a)
{
    std::string out = "part,name,combinations,weight,share,win,tie,equity,standard error\n";
    out += "range," + csvField(a.text) + "," + std::to_string(o.range.combos().size()) + ","
        + shortestNumber(o.range.weightedCount()) + ",,,,,\n";
    if (a.split) {
        out += "possible,," + std::to_string(a.split->total.combos) + "," + shortestNumber(a.split->total.weight)
            + ",1,,,,\n";
        for (const SplitRow& row : splitRows(*a.split))
            out += std::string(row.part) + "," + csvField(row.name) + "," + std::to_string(row.count.combos) + ","
                + shortestNumber(row.count.weight) + "," + shortestNumber(a.split->share(row.count)) + ",,,,\n";
    }
    if (a.breakdown) {
        const auto line = [&](std::string_view part, std::string_view name, int combos, double weight, double win,
                              double tie, double equity, double error) {
            out += std::string(part) + "," + csvField(name) + "," + std::to_string(combos) + ","
                + shortestNumber(weight) + ",," + shortestNumber(win) + "," + shortestNumber(tie) + ","
                + shortestNumber(equity) + "," + shortestNumber(error) + "\n";
        };
        const board::ClassBreakdown& b = *a.breakdown;
        line("vs", o.vs->text(), b.combos, b.weight, b.win, b.tie, b.equity, b.standardError);
        for (const board::ClassEquity& c : b.classes)
            line("class", c.hand, c.combos, c.weight, c.win, c.tie, c.equity, c.standardError);
    }
    write(out);
}

void writeText(const RangeOptions& o, const Answer& a)
{
    const std::uint64_t combos = o.range.combos().size();
    const double weighted = o.range.weightedCount();
    std::string out = "Range:        " + a.text + "\n";
    out += "Combinations: " + std::to_string(combos);
    if (weighted != static_cast<double>(combos))
        out += " (weighted " + rounded(weighted) + ")";
    out += "\n";
    if (a.split) {
        const board::RangeSplit& split = *a.split;
        out += "\nOn " + spaced(o.board) + ": " + std::to_string(split.total.combos) + " combinations possible";
        if (split.total.weight != static_cast<double>(split.total.combos))
            out += " (weighted " + rounded(split.total.weight) + ")";
        out += "\n";
        std::string_view part;
        for (const SplitRow& row : splitRows(split)) {
            if (row.part != part) {
                part = row.part;
                out += part == "made" ? "Made hands:\n" : part == "draw" ? "Draws:\n" : "Post-flop categories:\n";
                if (part == "draw" && o.board.size() == 5)
                    out += "  none on the river\n";
            }
            if (row.count.combos == 0)
                continue;
            out += "  " + padded(row.name, 44) + padded(std::to_string(row.count.combos), 6)
                + percent(split.share(row.count)) + "\n";
        }
    }
    if (a.breakdown) {
        const board::ClassBreakdown& b = *a.breakdown;
        out += "\n" + o.vs->text() + " against the range";
        if (!o.board.empty())
            out += " on " + spaced(o.board);
        out += b.method == odds::EquityMethod::Exact ? " (every deal counted)" : " (random deals, seed "
            + std::to_string(o.seed) + ")";
        out += ": equity " + percent(b.equity) + ", win " + percent(b.win) + ", tie " + percent(b.tie) + "\n";
        out += "  Class  Combos  Win      Tie      Equity\n";
        for (const board::ClassEquity& c : b.classes)
            out += "  " + padded(c.hand, 7) + padded(rounded(c.weight), 8) + padded(percent(c.win), 9)
                + padded(percent(c.tie), 9) + percent(c.equity) + "\n";
    }
    write(out);
}

int describe(const RangeOptions& o)
{
    Answer a;
    a.text = cards::rangeText(o.range);
    cards::CardSet dead = o.dead;
    if (o.vs)
        dead |= o.vs->set();
    if (!o.board.empty()) {
        auto split = board::splitRange(o.range, o.board, dead);
        if (!split.ok())
            return usageError("range: " + split.error);
        a.split = std::move(split.value);
    }
    if (o.vs) {
        board::ClassBreakdownRequest request;
        request.hand = *o.vs;
        request.board = o.board;
        request.dead = o.dead;
        request.range = o.range;
        request.seed = o.seed;
        a.breakdown = board::breakdownByClass(request);
        if (a.breakdown->status == odds::EquityStatus::Invalid)
            return usageError("range: " + a.breakdown->error);
    }
    switch (o.format) {
    case Format::Json:
        writeJson(o, a);
        break;
    case Format::Csv:
        writeCsv(o, a);
        break;
    case Format::Text:
        writeText(o, a);
        break;
    }
    return 0;
}

} // namespace

int rangeCommand(int argc, char** argv)
{
    return runCommand<RangeOptions>("range", usage, argc, argv, readOptions, describe);
}

void readRangeArguments(int argc, char** argv)
{
    RangeOptions o;
    readOptions(argc, argv, o);
}

} // namespace cli
