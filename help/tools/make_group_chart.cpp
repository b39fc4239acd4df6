// Writes the help page of the hand groups from its template, filling in the
// 13 x 13 chart and the list of each group from the advisor's own group
// table, so the page and the program cannot disagree.
//
//   help_group_chart TEMPLATE OUTPUT
//
// The template holds the lines <!--@GROUP_CHART@--> and <!--@GROUP_LISTS@-->.

#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Groups.h"

namespace {

constexpr std::string_view kRanks = "AKQJT98765432";
const std::array<std::string, 9> kGroupNames = {"1", "2", "3", "4", "5", "6", "7", "8", "Not Ranked"};

// Row r, column c of the chart: the pair on the diagonal, suited hands above
// it (higher rank in the row), offsuit hands below it.
std::string handAt(std::size_t r, std::size_t c)
{
    if (r == c)
        return {kRanks[r], kRanks[c]};
    if (r < c)
        return std::string{kRanks[r], kRanks[c]} + "s";
    return {kRanks[c], kRanks[r]};
}

std::string cssClass(const std::string& group)
{
    return group == "Not Ranked" ? "nr" : "g" + group;
}

int combinations(const std::string& hand)
{
    return hand.size() == 3 ? 4 : hand[0] == hand[1] ? 6 : 12;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: help_group_chart TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "help_group_chart: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string page = buffer.str();

    std::map<std::string, std::vector<std::string>> members;
    std::ostringstream chart;
    chart << "<table class=\"chart\" cellspacing=\"1\" cellpadding=\"3\" summary=\"Hand groups\">\n";
    for (std::size_t r = 0; r < kRanks.size(); ++r) {
        chart << "<tr>";
        for (std::size_t c = 0; c < kRanks.size(); ++c) {
            const std::string hand = handAt(r, c);
            const std::string group(engine::groupText(engine::groupOf(hand)));
            members[group].push_back(hand);
            const std::string label = group == engine::kNotRanked ? "&ndash;" : group;
            chart << "<td class=\"" << cssClass(group) << "\" title=\"" << hand << "\">" << hand
                  << "<br><small>" << label << "</small></td>";
        }
        chart << "</tr>\n";
    }
    chart << "</table>\n";

    std::ostringstream lists;
    lists << "<table class=\"grid\" cellspacing=\"0\" cellpadding=\"4\">\n"
          << "<tr><th>Group</th><th>Hands</th><th>Hands in group</th><th>Card combinations</th></tr>\n";
    for (const std::string& group : kGroupNames) {
        const std::vector<std::string>& hands = members[group];
        int combos = 0;
        std::string joined;
        for (const std::string& hand : hands) {
            combos += combinations(hand);
            joined += (joined.empty() ? "" : ", ") + hand;
        }
        lists << "<tr><td class=\"" << cssClass(group) << "\">" << group << "</td><td>" << joined << "</td><td>"
              << hands.size() << "</td><td>" << combos << "</td></tr>\n";
    }
    lists << "</table>\n";

    for (const auto& [marker, text] : {std::pair<std::string, std::string>{"<!--@GROUP_CHART@-->", chart.str()},
                                       {"<!--@GROUP_LISTS@-->", lists.str()}}) {
        const std::size_t at = page.find(marker);
        if (at == std::string::npos) {
            std::cerr << "help_group_chart: the template lacks " << marker << '\n';
            return 1;
        }
        page.replace(at, marker.size(), text);
    }
    std::ofstream out(argv[2]);
    out << page;
    if (!out) {
        std::cerr << "help_group_chart: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
