#include "cli/ReviewRecords.h"

#include <algorithm>

#include "cli/JsonWriter.h"
#include "engine/Hand.h"

namespace cli {

Cell Cell::textCell(std::string_view t)
{
    Cell c;
    c.kind = Kind::Text;
    c.text = t;
    return c;
}

Cell Cell::integer(std::uint64_t n)
{
    Cell c;
    c.kind = Kind::Integer;
    c.whole = n;
    return c;
}

Cell Cell::real(double d)
{
    Cell c;
    c.kind = Kind::Real;
    c.low = d;
    return c;
}

Cell Cell::pair(double lowValue, double highValue)
{
    Cell c = real(lowValue);
    c.kind = Kind::Pair;
    c.high = highValue;
    return c;
}

Cell Cell::optionalReal(const std::optional<double>& d)
{
    return d ? real(*d) : Cell{};
}

Record decisionRecord(const store::DecisionRow& row)
{
    const history::Decision& d = row.decision;
    Record r;
    r.emplace_back("site", Cell::textCell(row.site));
    r.emplace_back("hand", Cell::textCell(row.handNumber));
    r.emplace_back("player", Cell::textCell(d.player));
    r.emplace_back("cards", Cell::textCell(d.cards.text()));
    r.emplace_back("hand_class", Cell::textCell(d.handIndex >= 0 && d.handIndex < engine::kHandCount
                                                ? engine::handText(d.handIndex)
                                                : std::string_view()));
    r.emplace_back("players", Cell::integer(static_cast<std::uint64_t>(std::max(d.players, 0))));
    r.emplace_back("seat", Cell::textCell(d.seat));
    r.emplace_back("position", d.position ? Cell::textCell(engine::positionName(*d.position)) : Cell{});
    r.emplace_back("before", Cell::textCell(history::beforeName(d.before)));
    r.emplace_back("limpers", Cell::integer(static_cast<std::uint64_t>(std::max(d.limpers, 0))));
    r.emplace_back("big_blind", Cell::real(d.bigBlind));
    r.emplace_back("action", Cell::textCell(history::moveName(d.action)));
    r.emplace_back("to_bb", Cell::real(d.toBB));
    r.emplace_back("advice_class", Cell::textCell(history::adviceClassName(d.advice)));
    if (d.adviceLowBB || d.adviceHighBB) {
        const double low = d.adviceLowBB.value_or(*d.adviceHighBB);
        r.emplace_back("advice_bb", Cell::pair(low, d.adviceHighBB.value_or(low)));
    } else {
        r.emplace_back("advice_bb", Cell{});
    }
    r.emplace_back("size", d.size ? Cell::textCell(history::sizeName(*d.size)) : Cell{});
    r.emplace_back("verdict", Cell::textCell(history::verdictName(d.verdict)));
    r.emplace_back("reason", d.verdict == history::Verdict::Ungraded ? Cell::textCell(d.reason) : Cell{});
    r.emplace_back("net_bb", Cell::optionalReal(d.netBB));
    return r;
}

std::optional<double> perHundred(double sum, std::uint64_t count)
{
    if (count == 0)
        return std::nullopt;
    return sum / static_cast<double>(count) * 100.0;
}

Record situationRecord(const store::SituationSummary& s)
{
    Record r;
    r.emplace_back("before", Cell::textCell(history::beforeName(s.before)));
    r.emplace_back("position", s.position ? Cell::textCell(engine::positionName(*s.position)) : Cell{});
    r.emplace_back("hands", Cell::integer(s.hands));
    r.emplace_back("graded", Cell::integer(s.graded));
    r.emplace_back("followed", Cell::integer(s.followed));
    r.emplace_back("followed_share",
                   s.graded > 0 ? Cell::real(static_cast<double>(s.followed) / static_cast<double>(s.graded)) : Cell{});
    r.emplace_back("followed_bb_per_100", Cell::optionalReal(perHundred(s.followedNetBB, s.followedWithNet)));
    r.emplace_back("other_bb_per_100", Cell::optionalReal(perHundred(s.otherNetBB, s.otherWithNet)));
    return r;
}

namespace {

void writeJsonCell(JsonWriter& json, const Cell& c)
{
    switch (c.kind) {
    case Cell::Kind::Null: json.null(); break;
    case Cell::Kind::Integer: json.integer(c.whole); break;
    case Cell::Kind::Real: json.real(c.low); break;
    case Cell::Kind::Text: json.string(c.text); break;
    case Cell::Kind::Pair: json.beginArray().real(c.low).real(c.high).endArray(); break;
    }
}

} // namespace

void writeJsonObject(JsonWriter& json, const Record& r)
{
    json.beginObject();
    for (const auto& [name, cell] : r) {
        json.key(name);
        writeJsonCell(json, cell);
    }
    json.endObject();
}

namespace {

void appendCsvField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// A value as a CSV field holds it: empty for none.
std::string csvValue(const Cell& c)
{
    switch (c.kind) {
    case Cell::Kind::Integer: return std::to_string(c.whole);
    case Cell::Kind::Real: return shortestNumber(c.low);
    case Cell::Kind::Text: return c.text;
    case Cell::Kind::Null:
    case Cell::Kind::Pair: break;
    }
    return {};
}

} // namespace

// Records as one CSV table: the columns of all of them in the order they
// first appear (a pair as two columns), empty where a record has none.
std::string csvTable(const std::vector<Record>& records)
{
    std::vector<std::string> columns;
    const auto columnsOf = [](const std::pair<std::string, Cell>& field) {
        if (field.second.kind == Cell::Kind::Pair || field.first == "advice_bb")
            return std::vector<std::string>{field.first + "_low", field.first + "_high"};
        return std::vector<std::string>{field.first};
    };
    for (const Record& r : records)
        for (const auto& field : r)
            for (const std::string& name : columnsOf(field))
                if (std::find(columns.begin(), columns.end(), name) == columns.end())
                    columns.push_back(name);
    std::string out;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out += ",";
        appendCsvField(out, columns[i]);
    }
    out += "\r\n";
    for (const Record& r : records) {
        std::vector<std::string> values(columns.size());
        for (const auto& field : r) {
            const auto names = columnsOf(field);
            const auto at = [&](const std::string& name) {
                return static_cast<std::size_t>(std::find(columns.begin(), columns.end(), name) - columns.begin());
            };
            if (names.size() == 2) {
                if (field.second.kind == Cell::Kind::Pair) {
                    values[at(names[0])] = shortestNumber(field.second.low);
                    values[at(names[1])] = shortestNumber(field.second.high);
                }
            } else {
                values[at(names[0])] = csvValue(field.second);
            }
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0)
                out += ",";
            appendCsvField(out, values[i]);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace cli
