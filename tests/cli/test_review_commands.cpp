// `tablewise import` and `tablewise review` as a user runs them: reports,
// errors and exit status, and the review's formats.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "ReplayHarness.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "tests/store/GeneratedHands.h"

namespace fs = std::filesystem;

namespace {

using clitest::RunResult;
using clitest::tablewise;
using testsupport::readFile;
using testsupport::writeFile;

// Two hands in which two players' cards are known, one of them named with a
// comma and a quote for the CSV.
constexpr const char* kTwoKnownPlayers = R"([1]
variant = 'NT'
antes = [0, 0, 0]
blinds_or_straddles = [1, 2, 0]
min_bet = 2
starting_stacks = [200, 200, 200]
actions = ['d dh p1 ????', 'd dh p2 KsKd', 'd dh p3 7c2d', 'p3 cbr 6', 'p1 f', 'p2 cbr 20', 'p3 f']
players = ['Ann', 'Smith, "J"', 'Hero']
winnings = [0, 13, 0]
venue = 'Home'
hand = 9001

[2]
variant = 'NT'
antes = [0, 0, 0]
blinds_or_straddles = [1, 2, 0]
min_bet = 2
starting_stacks = [200, 200, 200]
actions = ['d dh p1 ????', 'd dh p2 ????', 'd dh p3 AhKd', 'p3 cbr 6', 'p1 f', 'p2 f']
players = ['Ann', 'Smith, "J"', 'Hero']
winnings = [0, 0, 5]
venue = 'Home'
hand = 9002

)";

class ReviewCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
            / ("tablewise-review-" + std::to_string(::getpid()) + "-"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        db = (folder / "hands.sqlite").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs the command with --db pointing into the test's folder.
    RunResult run(const std::string& command, const std::string& args) const
    {
        return tablewise(command + " --db '" + db + "' " + args);
    }

    fs::path folder;
    std::string db;
};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

TEST_F(ReviewCommands, ImportReportsWhatItReadAndSkipsItTheSecondTime)
{
    writeFile(folder / "in" / "session.txt", storetest::roomTextHands(1, 30));
    writeFile(folder / "in" / "notes.txt", "Remember to buy milk.\n");
    const RunResult first = run("import", "'" + (folder / "in").string() + "'");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("Files read:               2\n"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("New hands:                30\n"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("Skipped (not-a-hand-history): 1\n"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("  " + (folder / "in" / "notes.txt").string() + ": "), std::string::npos) << first.out;

    const RunResult again = run("import", "'" + (folder / "in").string() + "'");
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.out.find("Unchanged files skipped:  2\n"), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("New hands:                0\n"), std::string::npos) << again.out;
}

TEST_F(ReviewCommands, EachCommandExplainsItselfWithoutTouchingAStore)
{
    for (const char* cmd : {"import --help", "review -h"}) {
        const RunResult r = tablewise(std::string(cmd) + " --db '" + db + "'");
        EXPECT_EQ(r.status, 0) << cmd;
        EXPECT_TRUE(r.out.starts_with("Usage: tablewise " + std::string(cmd).substr(0, 6))) << r.out;
    }
    EXPECT_FALSE(fs::exists(db));
}

TEST_F(ReviewCommands, BadArgumentsAndAStoreThatCannotBeUsedHaveTheirStatus)
{
    struct Case {
        std::string command;
        int status;
        std::string error; // the start of what standard error says
    };
    const Case cases[] = {
        {"import", 2, "tablewise: import: missing PATH"},
        {"import --frobnicate x", 2, "tablewise: import: unknown option --frobnicate"},
        {"review --player Ann --all-players", 2, "tablewise: review: --player and --all-players go apart"},
        {"review --format xml", 2, "tablewise: review: --format \"xml\" is not text, json or csv"},
        {"review", 1, "tablewise: review: No hands are stored in " + db + " yet."},
    };
    for (const Case& c : cases) {
        const std::string verb = c.command.substr(0, c.command.find(' '));
        const std::string rest = c.command.size() > verb.size() ? c.command.substr(verb.size() + 1) : "";
        const RunResult r = run(verb, rest);
        EXPECT_EQ(r.status, c.status) << c.command;
        EXPECT_EQ(r.err.substr(0, c.error.size()), c.error) << c.command;
        EXPECT_EQ(r.out, "") << c.command;
    }
}

// Every command that opens the store refuses a newer or damaged one in the
// store's own words, after its name, and leaves the file as it was.
struct StoreCommand {
    const char* name;
    const char* args;  // after the command and its --db
    const char* input; // standard input
};

struct SpoiledStore {
    const char* name;
    std::function<void(const fs::path&)> spoil;
    std::function<std::string(const fs::path&)> says; // part of the message
};

const StoreCommand kStoreCommands[] = {
    {"import", "h.txt", ""},
    {"review", "", ""},
    {"drill", "--seed 1 --count 1", "f\n"},
};

const SpoiledStore kSpoiledStores[] = {
    {"newer",
     [](const fs::path& db) { store::Database(db, store::Database::Access::ReadWrite).exec("PRAGMA user_version = 99"); },
     [](const fs::path& db) {
         return db.string() + " was written by a newer version of Brisvane Tablewise (store version 99; this version "
             "reads up to " + std::to_string(store::kStoreVersion) + "). Nothing was changed.\n";
     }},
    {"damaged", [](const fs::path& db) { writeFile(db, std::string(8192, '\x5a')); },
     [](const fs::path& db) { return db.string() + " is not a hand store or is damaged ("; }},
};

class StoreRefusal : public ReviewCommands,
                     public ::testing::WithParamInterface<std::tuple<StoreCommand, SpoiledStore>> {};

TEST_P(StoreRefusal, IsToldInTheStoresWordsAndChangesNothing)
{
    const auto& [command, spoiled] = GetParam();
    writeFile(folder / "h.txt", storetest::roomTextHands(1, 3));
    ASSERT_EQ(run("import", "'" + (folder / "h.txt").string() + "'").status, 0);
    spoiled.spoil(db);
    const std::string before = readFile(db);

    const std::string args = std::string(command.args) == "h.txt" ? "'" + (folder / "h.txt").string() + "'"
                                                                  : std::string(command.args);
    const RunResult r = tablewise(std::string(command.name) + " --db '" + db + "' " + args, command.input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    const std::string prefix = "tablewise: " + std::string(command.name) + ": ";
    ASSERT_TRUE(r.err.starts_with(prefix)) << r.err;
    EXPECT_NE(r.err.find(spoiled.says(db), prefix.size()), std::string::npos) << r.err;
    EXPECT_TRUE(r.err.ends_with(".\n")) << r.err;
    EXPECT_EQ(readFile(db), before);
}

INSTANTIATE_TEST_SUITE_P(Commands, StoreRefusal,
                         ::testing::Combine(::testing::ValuesIn(kStoreCommands), ::testing::ValuesIn(kSpoiledStores)),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param).name) + "_" + std::get<1>(test.param).name;
                         });

TEST_F(ReviewCommands, ReviewChoosesThePlayerSeenMostAndNamesTheOthers)
{
    writeFile(folder / "home.phhs", kTwoKnownPlayers);
    const RunResult r = run("review", "'" + (folder / "home.phhs").string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("imported 1 files (0 unchanged): 2 new hands"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Player: Hero, 2 hands with his cards known");
    EXPECT_NE(r.out.find("Other players: Smith, \"J\" (1 hand)\n"), std::string::npos) << r.out;

    const RunResult smith = run("review", "--player 'Smith, \"J\"'");
    EXPECT_EQ(smith.status, 0) << smith.err;
    EXPECT_EQ(smith.out.substr(0, smith.out.find('\n')), "Player: Smith, \"J\", 1 hands with his cards known");
    const RunResult nobody = run("review", "--player Zed");
    EXPECT_EQ(nobody.status, 1);
    EXPECT_NE(nobody.err.find("no decision of \"Zed\" is stored"), std::string::npos) << nobody.err;
}

// The type a JSON value starts as.
std::string jsonType(const std::string& value)
{
    if (value.starts_with("null"))
        return "null";
    if (value.starts_with("\""))
        return "text";
    if (value.starts_with("["))
        return "pair";
    if (value.starts_with("true") || value.starts_with("false"))
        return "bool";
    return "number";
}

TEST_F(ReviewCommands, HandsAsJsonHaveTheirFieldsInOrderWithTheirTypes)
{
    writeFile(folder / "home.phhs", kTwoKnownPlayers);
    ASSERT_EQ(run("import", (folder / "home.phhs").string()).status, 0);
    const RunResult r = run("review", "--all-players --hands --format json");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto objects = lines(r.out);
    ASSERT_EQ(objects.size(), 3u) << r.out; // Smith and Hero in 9001, Hero in 9002

    struct Field {
        const char* name;
        std::vector<std::string> types;
    };
    const Field fields[] = {
        {"site", {"text"}},        {"hand", {"text"}},           {"player", {"text"}},
        {"cards", {"text"}},       {"hand_class", {"text"}},     {"players", {"number"}},
        {"seat", {"text"}},        {"position", {"text", "null"}}, {"before", {"text"}},
        {"limpers", {"number"}},   {"big_blind", {"number"}},    {"action", {"text"}},
        {"to_bb", {"number"}},     {"advice_class", {"text"}},   {"advice_bb", {"pair", "null"}},
        {"size", {"text", "null"}}, {"verdict", {"text"}},       {"reason", {"text", "null"}},
        {"net_bb", {"number", "null"}},
    };
    for (const std::string& object : objects) {
        ASSERT_TRUE(object.starts_with("{") && object.ends_with("}")) << object;
        std::size_t at = 1;
        for (const Field& f : fields) {
            const std::string key = std::string("\"") + f.name + "\":";
            ASSERT_EQ(object.compare(at, key.size(), key), 0) << "expected " << f.name << " at " << at << " in " << object;
            at += key.size();
            const std::string type = jsonType(object.substr(at));
            EXPECT_NE(std::find(f.types.begin(), f.types.end(), type), f.types.end()) << f.name << " is " << type;
            // Past the value: strings may hold commas, pairs hold one.
            if (type == "text") {
                at = object.find('"', at + 1);
                while (object[at - 1] == '\\')
                    at = object.find('"', at + 1);
                ++at;
            } else {
                at = object.find(type == "pair" ? ']' : ',', at);
                if (type == "pair")
                    ++at;
                if (at == std::string::npos)
                    at = object.size() - 1;
            }
            ASSERT_TRUE(object[at] == ',' || object[at] == '}') << f.name << " in " << object;
            ++at;
        }
        EXPECT_EQ(at, object.size()) << "fields past net_bb in " << object;
    }
    EXPECT_NE(objects[0].find("\"player\":\"Smith, \\\"J\\\"\",\"cards\":\"KsKd\",\"hand_class\":\"KK\""),
              std::string::npos)
        << objects[0];
    EXPECT_NE(objects[2].find("\"hand\":\"9002\",\"player\":\"Hero\",\"cards\":\"AhKd\",\"hand_class\":\"AK\""),
              std::string::npos)
        << objects[2];
    EXPECT_NE(objects[2].find("\"action\":\"raise\",\"to_bb\":3,"), std::string::npos) << objects[2];
    EXPECT_NE(objects[2].find("\"net_bb\":1.5}"), std::string::npos) << objects[2];
}

TEST_F(ReviewCommands, CsvHasAHeaderAndQuotesAsRfc4180Says)
{
    writeFile(folder / "home.phhs", kTwoKnownPlayers);
    ASSERT_EQ(run("import", (folder / "home.phhs").string()).status, 0);
    const RunResult hands = run("review", "--all-players --hands -f csv");
    ASSERT_EQ(hands.status, 0) << hands.err;
    EXPECT_EQ(hands.out.substr(0, hands.out.find("\r\n")),
              "site,hand,player,cards,hand_class,players,seat,position,before,limpers,big_blind,action,to_bb,"
              "advice_class,advice_bb_low,advice_bb_high,size,verdict,reason,net_bb");
    EXPECT_NE(hands.out.find("\r\nHome,9001,\"Smith, \"\"J\"\"\",KsKd,KK,3,"), std::string::npos) << hands.out;
    EXPECT_EQ(lines(hands.out).size(), 4u);

    const RunResult summary = run("review", "--player Hero -f csv");
    ASSERT_EQ(summary.status, 0) << summary.err;
    EXPECT_TRUE(summary.out.starts_with("kind,before,position,hands,graded,followed,followed_share,"
                                        "followed_bb_per_100,other_bb_per_100,"))
        << summary.out;
    EXPECT_NE(summary.out.find("\r\nsituation,"), std::string::npos) << summary.out;
}

} // namespace
