#include "cli/ChartFormat.h"

#include <cstdio>
#include <string_view>

#include "cli/JsonWriter.h"

namespace cli {

namespace {

using engine::BetClass;

constexpr BetClass kClasses[] = {BetClass::Raise, BetClass::Call, BetClass::Fold, BetClass::Advice};

// A class's letter in the text grid, and its key in CSV, JSON and HTML; in the
// order of BetClass.
constexpr char kClassLetters[] = {'R', 'L', 'F', 'A'};
constexpr std::string_view kClassKeys[] = {"raise", "call", "fold", "advice"};

char classLetter(BetClass c)
{
    return kClassLetters[static_cast<std::size_t>(c)];
}

std::string_view classKey(BetClass c)
{
    return kClassKeys[static_cast<std::size_t>(c)];
}

std::string shortGroup(engine::HandGroup group)
{
    return group == engine::HandGroup::NotRanked ? "-" : std::string(engine::groupText(group));
}

void appendCsv(std::string& out, std::string_view text)
{
    out.push_back('"');
    for (char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void appendHtml(std::string& out, std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r': break;
        default: out.push_back(c);
        }
    }
}

} // namespace

std::string chartTitle(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money)
{
    const auto& s = chart.situation;
    std::string t = std::string(engine::actionName(s.action)) + ", " + std::string(engine::positionName(s.position))
        + " position, ";
    if (s.inBigBlinds) {
        t += "amounts in big blinds";
    } else {
        t += "big blind " + money.amountText(s.bigBlind);
    }
    if (s.action == engine::PreflopAction::Limped)
        t += ", " + args.limpers + (args.limpers == "1" ? " limper" : " limpers");
    return t;
}

std::string chartAsText(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money)
{
    std::string out = "Strategy chart: " + chartTitle(chart, args, money) + "\n\n";
    for (int row = 0; row < 13; ++row) {
        for (int col = 0; col < 13; ++col) {
            const engine::ChartCell& c = chart.at(row, col);
            char cell[16];
            std::snprintf(cell, sizeof cell, "%-3s %-2s%c", c.hand.c_str(), shortGroup(c.group).c_str(),
                          classLetter(c.betClass));
            out += cell;
            out += col == 12 ? "\n" : " ";
        }
    }
    out += "\nEach cell: hand, group (1 strongest to 8, - not ranked), what to do:\n";
    for (BetClass c : kClasses) {
        out += "  ";
        out += classLetter(c);
        out += "  ";
        out += engine::betClassDescription(c);
        out += "\n";
    }
    out += "Suited hands above the diagonal of pairs, offsuit hands below.\n";
    return out;
}

std::string chartAsCsv(const engine::Chart& chart)
{
    std::string out = "hand,row,column,group,class,bet,advice\r\n";
    for (int i = 0; i < engine::kHandCount; ++i) {
        const engine::ChartCell& c = chart.cells[static_cast<std::size_t>(i)];
        out += c.hand + "," + std::to_string(i / 13 + 1) + "," + std::to_string(i % 13 + 1) + ",";
        appendCsv(out, engine::groupText(c.group));
        out += ",";
        out += classKey(c.betClass);
        out += ",";
        appendCsv(out, c.bet);
        out += ",";
        appendCsv(out, c.advice);
        out += "\r\n";
    }
    return out;
}

std::string chartAsJson(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money)
{
    const auto& s = chart.situation;
    JsonWriter json;
    json.beginObject()
        .member("title", chartTitle(chart, args, money))
        .member("action", engine::actionName(s.action))
        .member("position", engine::positionName(s.position))
        .member("bigBlind", args.bigBlind);
    if (s.action == engine::PreflopAction::Limped)
        json.member("limpers", args.limpers);
    json.key("legend").beginObject();
    for (BetClass c : kClasses)
        json.member(classKey(c), engine::betClassDescription(c));
    json.endObject();
    json.key("cells").beginArray(JsonWriter::Layout::LinePerItem);
    for (int i = 0; i < engine::kHandCount; ++i) {
        const engine::ChartCell& c = chart.cells[static_cast<std::size_t>(i)];
        json.beginObject()
            .member("hand", c.hand)
            .memberInteger("row", static_cast<std::uint64_t>(i / 13 + 1))
            .memberInteger("column", static_cast<std::uint64_t>(i % 13 + 1))
            .member("group", engine::groupText(c.group))
            .member("class", classKey(c.betClass))
            .member("bet", c.bet)
            .member("advice", c.advice)
            .endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

std::string chartAsHtml(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money)
{
    const std::string title = chartTitle(chart, args, money);
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    appendHtml(out, title);
    out += "</title>\n<style>\n"
           "body{font-family:\"Liberation Sans\",Arial,sans-serif;background:#057c13;color:#fff;margin:24px}\n"
           "table{border-collapse:collapse}td{width:54px;height:40px;text-align:center;border:1px solid #0a4d14;"
           "font-size:13px;line-height:1.2}\n"
           "td b{display:block;font-size:14px}\n"
           ".raise{background:#c0392b}.call{background:#d4a017;color:#000}.fold{background:#5f6b66}"
           ".advice{background:#2e6fb5}\n"
           ".legend span{display:inline-block;padding:4px 10px;margin:8px 8px 0 0}\n"
           "</style>\n</head>\n<body>\n<h1>";
    appendHtml(out, title);
    out += "</h1>\n<table>\n";
    for (int row = 0; row < 13; ++row) {
        out += "<tr>";
        for (int col = 0; col < 13; ++col) {
            const engine::ChartCell& c = chart.at(row, col);
            out += "<td class=\"";
            out += classKey(c.betClass);
            out += "\" title=\"";
            appendHtml(out, c.bet.empty() ? std::string("(no bet)") : c.bet);
            out += " - ";
            appendHtml(out, engine::firstSentence(c.advice));
            out += "\"><b>";
            appendHtml(out, c.hand);
            out += "</b>";
            appendHtml(out, shortGroup(c.group));
            out += "</td>";
        }
        out += "</tr>\n";
    }
    out += "</table>\n<p class=\"legend\">";
    for (BetClass c : kClasses) {
        out += "<span class=\"";
        out += classKey(c);
        out += "\">";
        appendHtml(out, engine::betClassDescription(c));
        out += "</span>";
    }
    out += "</p>\n<p>Each cell shows the hand and its group (1 strongest to 8, - not ranked). Suited hands lie above "
           "the diagonal of pairs, offsuit hands below. Hover a cell for the bet and the first sentence of the "
           "advice.</p>\n</body>\n</html>\n";
    return out;
}

} // namespace cli
