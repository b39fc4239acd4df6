// `tablewise review`: a player's stored pre-flop decisions held against the
// advisor, by situation, with what following it earned.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/ReviewRecords.h"
#include "store/HandStore.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(Usage: tablewise review [--player NAME | --all-players] [--db PATH] [--hands] [-f text|json|csv] [PATH...]

Reviews the pre-flop decisions stored by `tablewise import`: for each
situation (the action before the player and his position) how often he did
what the advisor recommends, and the big blinds per 100 hands won when he
did and when he did not; then the ten costliest differences.

  PATH            files or folders imported first, as `tablewise import` does
  --player NAME   the player to review (default: the one whose cards are
                  known in the most hands; the others are named)
  --all-players   every player's decisions together
  --db PATH       the store (default: $XDG_DATA_HOME/brisvane-tablewise/hands.sqlite)
  --hands         every decision, one a line, instead of the table
  -f, --format    text (default), json or csv
Cards are written higher rank first, and a pair in the suit order spades,
hearts, diamonds, clubs: AhKd, KsKd.
)";

enum class Format { Text, Json, Csv };

constexpr std::size_t kDifferencesShown = 10;

std::string fixed(double value, int decimals, bool sign = false)
{
    char buf[48];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals).ptr;
    std::string out(buf, end);
    if (sign && value >= 0 && out != "0.0")
        out.insert(0, "+");
    return out;
}

// The text table: columns padded to their widest cell, numbers to the right.
std::string textTable(const std::vector<std::vector<std::string>>& rows, const std::vector<bool>& rightAligned)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths.push_back(0);
            widths[i] = std::max(widths[i], row[i].size());
        }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string pad(widths[i] - row[i].size(), ' ');
            if (i > 0)
                line += "  ";
            line += i < rightAligned.size() && rightAligned[i] ? pad + row[i] : row[i] + pad;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + "\n";
    }
    return out;
}

std::string dashOr(const std::optional<double>& value, int decimals, bool sign)
{
    return value ? fixed(*value, decimals, sign) : "-";
}

std::string actionText(const history::Decision& d)
{
    std::string out(history::moveName(d.action));
    if (d.toBB > 0)
        out += (d.action == history::Move::Raise ? " to " : " ") + fixed(d.toBB, 1) + " BB";
    return out;
}

std::string adviceText(const history::Decision& d)
{
    std::string out(history::adviceClassName(d.advice));
    if (d.adviceLowBB) {
        out += " " + fixed(*d.adviceLowBB, 1);
        if (d.adviceHighBB && *d.adviceHighBB != *d.adviceLowBB)
            out += "-" + fixed(*d.adviceHighBB, 1);
        out += " BB";
    }
    return out;
}

std::string handLabel(const store::DecisionRow& row)
{
    std::string out = row.site.empty() ? std::string() : row.site + " ";
    return out + (row.handNumber.empty() ? "hand " + std::to_string(row.handId) : "#" + row.handNumber);
}

std::string situationTable(const std::vector<store::SituationSummary>& rows)
{
    std::vector<std::vector<std::string>> cells{
        {"Before", "Position", "Hands", "Graded", "Followed", "BB/100 followed", "BB/100 not followed"}};
    for (const auto& s : rows) {
        const std::string share = s.graded > 0
            ? fixed(100.0 * static_cast<double>(s.followed) / static_cast<double>(s.graded), 1) + "%"
            : "-";
        cells.push_back({std::string(history::beforeName(s.before)),
                         s.position ? std::string(engine::positionName(*s.position)) : "heads-up",
                         std::to_string(s.hands), std::to_string(s.graded),
                         share,
                         dashOr(perHundred(s.followedNetBB, s.followedWithNet), 1, true),
                         dashOr(perHundred(s.otherNetBB, s.otherWithNet), 1, true)});
    }
    return textTable(cells, {false, false, true, true, true, true, true});
}

std::string differenceTable(const std::vector<store::DecisionRow>& rows)
{
    std::vector<std::vector<std::string>> cells{
        {"Hand", "Cards", "Seat", "Before", "Action", "Advice", "Verdict", "Net BB"}};
    for (const auto& row : rows) {
        const history::Decision& d = row.decision;
        cells.push_back({handLabel(row), d.cards.text(), std::string(d.seat), std::string(history::beforeName(d.before)),
                         actionText(d), adviceText(d), std::string(history::verdictName(d.verdict)),
                         dashOr(d.netBB, 1, true)});
    }
    return textTable(cells, {false, false, false, false, false, false, false, true});
}

std::string decisionTable(const std::vector<store::DecisionRow>& rows)
{
    std::vector<std::vector<std::string>> cells{
        {"Hand", "Player", "Cards", "Seat", "Before", "Action", "Advice", "Verdict", "Net BB"}};
    for (const auto& row : rows) {
        const history::Decision& d = row.decision;
        std::string verdict(history::verdictName(d.verdict));
        if (d.verdict == history::Verdict::Ungraded && !d.reason.empty())
            verdict += " (" + std::string(d.reason) + ")";
        cells.push_back({handLabel(row), d.player, d.cards.text(), std::string(d.seat),
                         std::string(history::beforeName(d.before)), actionText(d), adviceText(d), verdict,
                         dashOr(d.netBB, 1, true)});
    }
    return textTable(cells, {false, false, false, false, false, false, false, false, true});
}

std::string importSummary(const store::ImportReport& r)
{
    std::uint64_t skipped = 0;
    for (const auto& [kind, count] : r.skippedByReason)
        skipped += count;
    std::string out = "tablewise: review: imported " + std::to_string(r.filesRead) + " files ("
        + std::to_string(r.filesUnchanged) + " unchanged): " + std::to_string(r.handsNew) + " new hands, "
        + std::to_string(r.handsAlreadyStored) + " already stored, " + std::to_string(skipped) + " skipped";
    if (!r.problems.empty()) {
        const auto& p = r.problems.front();
        out += " (first: " + p.file + (p.line > 0 ? ":" + std::to_string(p.line) : std::string()) + ": " + p.reason
            + ")";
    }
    return out + "\n";
}

std::string othersLine(const std::vector<store::PlayerCount>& players, const std::string& chosen)
{
    std::string out;
    for (const auto& p : players) {
        if (p.name == chosen)
            continue;
        out += (out.empty() ? "" : ", ") + p.name + " (" + std::to_string(p.hands) + (p.hands == 1 ? " hand)" : " hands)");
    }
    return out;
}

struct ReviewRequest {
    std::optional<std::string> player;
    bool allPlayers = false;
    bool hands = false;
    Format format = Format::Text;
    std::filesystem::path db;
    std::vector<std::filesystem::path> paths;
};

int review(const ReviewRequest& request)
{
    using Mode = store::HandStore::Mode;
    store::HandStore hands(request.db, request.paths.empty() ? Mode::ReadOnly : Mode::ReadWrite);
    if (!request.paths.empty())
        std::fputs(importSummary(hands.importPaths(request.paths)).c_str(), stderr);

    const std::vector<store::PlayerCount> players = hands.players();
    if (players.empty()) {
        std::fprintf(stderr, "tablewise: review: %s holds no decision to review (no hand with a player's cards known)\n",
                     request.db.c_str());
        return 1;
    }
    std::optional<std::string> player;
    std::uint64_t playerHands = 0;
    if (!request.allPlayers) {
        const auto it = request.player
            ? std::find_if(players.begin(), players.end(), [&](const auto& p) { return p.name == *request.player; })
            : players.begin();
        if (it == players.end()) {
            std::fprintf(stderr, "tablewise: review: no decision of \"%s\" is stored; the players are %s\n",
                         request.player->c_str(), othersLine(players, "").c_str());
            return 1;
        }
        player = it->name;
        playerHands = it->hands;
    }
    const std::string others = player ? othersLine(players, *player) : std::string();
    if (!others.empty() && request.format != Format::Text && !request.player)
        std::fprintf(stderr, "tablewise: review: reviewing %s; other players: %s\n", player->c_str(), others.c_str());

    store::DecisionFilter filter;
    filter.player = player;
    std::string out;
    if (request.hands) {
        const auto rows = hands.decisions(filter);
        if (request.format == Format::Json) {
            // JSON Lines: one object a line.
            for (const auto& row : rows) {
                JsonWriter json;
                writeJsonObject(json, decisionRecord(row));
                out += json.text() + "\n";
            }
        } else if (request.format == Format::Csv) {
            std::vector<Record> records;
            for (const auto& row : rows)
                records.push_back(decisionRecord(row));
            if (records.empty())
                records.push_back(decisionRecord(store::DecisionRow{})); // for the header
            out = csvTable(records);
            if (rows.empty())
                out.resize(out.find("\r\n") + 2);
        } else {
            out = decisionTable(rows);
        }
        write(out);
        return 0;
    }

    const auto situations = hands.summary(player);
    filter.differencesOnly = true;
    filter.lowestNetFirst = true;
    filter.limit = kDifferencesShown;
    const auto differences = hands.decisions(filter);
    if (request.format == Format::Json) {
        JsonWriter json;
        json.beginObject().key("player");
        if (player)
            json.string(*player);
        else
            json.null();
        json.key("situations").beginArray();
        for (const auto& s : situations)
            writeJsonObject(json, situationRecord(s));
        json.endArray().key("differences").beginArray();
        for (const auto& d : differences)
            writeJsonObject(json, decisionRecord(d));
        json.endArray().endObject();
        out = json.text() + "\n";
    } else if (request.format == Format::Csv) {
        std::vector<Record> records;
        for (const auto& s : situations) {
            records.push_back(situationRecord(s));
            records.back().insert(records.back().begin(), {"kind", Cell::textCell("situation")});
        }
        for (const auto& d : differences) {
            records.push_back(decisionRecord(d));
            records.back().insert(records.back().begin(), {"kind", Cell::textCell("difference")});
        }
        out = csvTable(records);
    } else {
        if (player) {
            out += "Player: " + *player + ", " + std::to_string(playerHands) + " hands with his cards known\n";
            if (!others.empty())
                out += "Other players: " + others + "\n";
        } else {
            out += "All players: " + std::to_string(players.size()) + "\n";
        }
        out += "\n" + situationTable(situations);
        out += "\nCostliest differences from the advice:\n";
        out += differences.empty() ? std::string("none\n") : differenceTable(differences);
    }
    write(out);
    return 0;
}

std::string usage()
{
    return kUsage;
}

Asked readOptions(int argc, char** argv, ReviewRequest& request)
{
    static const Choices<Format> formats{{"text", Format::Text}, {"json", Format::Json}, {"csv", Format::Csv}};
    const Args args(argc, argv, 2,
                    {{"--player", 0, true}, {"--all-players", 0}, {"--db", 0, true}, {"--hands", 0},
                     {"--format", 'f', true}});
    if (args.asked() != Asked::Work)
        return args.asked();
    request.player = args.value("--player");
    request.allPlayers = args.flag("--all-players");
    if (request.player && request.allPlayers)
        throw UsageError{"--player and --all-players go apart"};
    if (request.player && request.player->empty())
        throw UsageError{"--player needs a name"};
    request.hands = args.flag("--hands");
    request.format = chosen(args, "--format", formats).value_or(Format::Text);
    request.db = args.value("--db").value_or(store::defaultStorePath().string());
    if (request.db.empty())
        throw UsageError{"--db needs a file name"};
    for (const auto& p : args.positional())
        request.paths.emplace_back(p);
    return Asked::Work;
}

int reviewStored(const ReviewRequest& request)
{
    try {
        return review(request);
    } catch (const store::StoreError& e) {
        std::fprintf(stderr, "tablewise: review: %s\n", e.what());
        return 1;
    }
}

} // namespace

int reviewCommand(int argc, char** argv)
{
    return runCommand<ReviewRequest>("review", usage, argc, argv, readOptions, reviewStored);
}

void readReviewArguments(int argc, char** argv)
{
    ReviewRequest request;
    readOptions(argc, argv, request);
}

} // namespace cli
