// Importing files: each hand once, a file read on from where it ended, an
// unchanged one skipped, unreadable input reported, and a file that cannot be
// stored whole not stored at all.

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "history/grading/Decision.h"
#include "history/readers/HandReader.h"
#include "store/Database.h"
#include "store/HandStore.h"
#include "store/Importer.h"
#include "tests/store/GeneratedHands.h"
#include "tests/store/StoreTestFolder.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using storetest::roomTextHand;
using storetest::roomTextHands;
using testsupport::readFile;
using testsupport::writeFile;

class Import : public storetest::StoreTest {
protected:
    store::ImportReport import(const std::vector<fs::path>& paths)
    {
        store::HandStore hands(db);
        return hands.importPaths(paths);
    }
    std::uint64_t storedHands()
    {
        store::HandStore hands(db, store::HandStore::Mode::ReadOnly);
        return hands.handCount();
    }
};

TEST_F(Import, EachHandIsStoredOnceHoweverOftenItIsImported)
{
    const fs::path a = folder / "in" / "a.txt";
    const fs::path b = folder / "in" / "sub" / "b.txt";
    writeFile(a, roomTextHands(100, 50));
    writeFile(b, roomTextHands(140, 30)); // 140 to 149 are in a.txt too
    const auto first = import({folder / "in"});
    EXPECT_EQ(first.filesRead, 2u);
    EXPECT_EQ(first.handsRead, 80u);
    EXPECT_EQ(first.handsNew, 70u);
    EXPECT_EQ(first.handsAlreadyStored, 10u);
    EXPECT_TRUE(first.problems.empty());

    const auto again = import({folder / "in", a});
    EXPECT_EQ(again.filesRead, 0u);
    EXPECT_EQ(again.filesUnchanged, 2u);
    EXPECT_EQ(again.handsRead, 0u);
    EXPECT_EQ(storedHands(), 70u);

    // The same bytes with a new time are read on from where they ended: nothing.
    fs::last_write_time(a, fs::last_write_time(a) + std::chrono::seconds(5));
    const auto touched = import({a});
    EXPECT_EQ(touched.filesRead, 1u);
    EXPECT_EQ(touched.handsRead, 0u);
}

struct FileChange {
    const char* name;
    std::string (*after)(); // the file's text at the second import; at the first it holds hands 1 to 40
    std::uint64_t handsRead, handsNew, handsAlreadyStored, filesUnchanged;
};

const FileChange kChanges[] = {
    {"unchanged", [] { return roomTextHands(1, 40); }, 0, 0, 0, 1},
    {"grown", [] { return roomTextHands(1, 60); }, 20, 20, 0, 0},
    {"grown_by_half_a_hand", [] { return roomTextHands(1, 45) + roomTextHand(46).substr(0, 300); }, 5, 5, 0, 0},
    {"shrunk", [] { return roomTextHands(1, 30); }, 30, 0, 30, 0},
    {"rewritten_longer_from_another_start", [] { return roomTextHands(501, 60); }, 60, 60, 0, 0},
    {"rewritten_keeping_later_hands", [] { return roomTextHands(21, 60); }, 60, 40, 20, 0},
};

class ChangedFile : public Import, public ::testing::WithParamInterface<FileChange> {};

TEST_P(ChangedFile, IsReadFromWhereItsChangeStarts)
{
    const fs::path file = folder / "hands.txt";
    writeFile(file, roomTextHands(1, 40));
    ASSERT_EQ(import({file}).handsNew, 40u);
    const auto time = fs::last_write_time(file);
    writeFile(file, GetParam().after());
    if (GetParam().filesUnchanged == 0)
        fs::last_write_time(file, time + std::chrono::seconds(1));
    else
        fs::last_write_time(file, time);
    const auto r = import({file});
    EXPECT_EQ(r.handsRead, GetParam().handsRead);
    EXPECT_EQ(r.handsNew, GetParam().handsNew);
    EXPECT_EQ(r.handsAlreadyStored, GetParam().handsAlreadyStored);
    EXPECT_EQ(r.filesUnchanged, GetParam().filesUnchanged);
    EXPECT_TRUE(r.problems.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, ChangedFile, ::testing::ValuesIn(kChanges),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(Import, AHandBeingWrittenIsTakenWholeOnceItIsDone)
{
    const fs::path file = folder / "live.txt";
    const std::string last = roomTextHand(11);
    writeFile(file, roomTextHands(1, 10) + last.substr(0, last.size() / 2));
    EXPECT_EQ(import({file}).handsNew, 10u);
    writeFile(file, roomTextHands(1, 10) + last);
    const auto r = import({file});
    EXPECT_EQ(r.handsRead, 1u);
    EXPECT_EQ(r.handsNew, 1u);
}

TEST_F(Import, UnreadableInputIsReportedAndTheRestImported)
{
    writeFile(folder / "in" / "good.txt", roomTextHands(1, 5));
    writeFile(folder / "in" / "notes.txt", "Remember to buy milk.\n");
    writeFile(folder / "in" / ".hidden" / "old.txt", roomTextHands(100, 5));
    const auto r = import({folder / "in", folder / "missing"});
    EXPECT_EQ(r.handsNew, 5u);
    EXPECT_EQ(r.skippedByReason.at("io"), 1u);
    EXPECT_EQ(r.skippedByReason.at("not-a-hand-history"), 1u);
    ASSERT_EQ(r.problems.size(), 2u);
    EXPECT_EQ(r.problems[0].file, (folder / "missing").string());
    EXPECT_NE(r.problems[1].file.find("notes.txt"), std::string::npos);
}

struct FormatCase {
    const char* name;
    const char* file;
    std::string (*hands)(std::uint64_t, int);
};

class EachFormat : public Import, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(EachFormat, DecisionsAreStoredWithAHandThatReadsAgain)
{
    writeFile(folder / GetParam().file, GetParam().hands(1, 60));
    ASSERT_EQ(import({folder / GetParam().file}).handsNew, 60u);
    store::HandStore hands(db, store::HandStore::Mode::ReadOnly);
    store::DecisionFilter hero;
    hero.player = "Hero";
    const auto rows = hands.decisions(hero);
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        const auto stored = hands.hand(row.handId);
        ASSERT_TRUE(stored);
        const auto again = history::readOneHand(stored->format, stored->text);
        ASSERT_TRUE(again) << stored->text;
        EXPECT_EQ(again->handNumber, row.handNumber);
        bool found = false;
        for (const auto& d : history::gradeHand(*again))
            if (d.player == "Hero") {
                found = true;
                EXPECT_EQ(d.verdict, row.decision.verdict);
                EXPECT_EQ(d.cards, row.decision.cards);
                EXPECT_EQ(d.netBB, row.decision.netBB);
            }
        EXPECT_TRUE(found);
    }
    ASSERT_FALSE(hands.players().empty());
    EXPECT_EQ(hands.players().front().name, "Hero");
}

INSTANTIATE_TEST_SUITE_P(Formats, EachFormat,
                         ::testing::Values(FormatCase{"RoomText", "hands.txt", roomTextHands},
                                           FormatCase{"Phh", "hands.phhs", storetest::phhHands}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(Import, ACancelLeavesTheFileBeingReadForNextTime)
{
    writeFile(folder / "in" / "1.txt", roomTextHands(1, 20));
    writeFile(folder / "in" / "2.txt", roomTextHands(21, 20));
    std::atomic<bool> cancel{false};
    {
        store::HandStore hands(db);
        const auto r = hands.importPaths(
            {folder / "in"}, [&](const store::ImportProgress& p) { cancel = p.filesDone >= 1; }, &cancel);
        EXPECT_TRUE(r.cancelled);
        EXPECT_EQ(r.filesRead, 1u);
        EXPECT_EQ(hands.handCount(), 20u);
    }
    const auto rest = import({folder / "in"});
    EXPECT_FALSE(rest.cancelled);
    EXPECT_EQ(rest.filesUnchanged, 1u);
    EXPECT_EQ(rest.handsNew, 20u);
}

TEST_F(Import, AFullDiskStoresNothingOfTheFileAndSaysSo)
{
    writeFile(folder / "small.txt", roomTextHands(1, 5));
    writeFile(folder / "big.txt", roomTextHands(100, 400));
    import({folder / "small.txt"});
    {
        store::Database conn(db, store::Database::Access::ReadWrite);
        const long long pages = conn.queryInteger("PRAGMA page_count");
        conn.exec(("PRAGMA max_page_count = " + std::to_string(pages + 4)).c_str());
        store::Importer importer(conn, {}, nullptr);
        try {
            importer.run({folder / "big.txt"});
            ADD_FAILURE() << "the import went past the disk's end";
        } catch (const store::StoreError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("is full"), std::string::npos) << message;
            EXPECT_NE(message.find("nothing of " + (folder / "big.txt").string() + " was stored"), std::string::npos)
                << message;
        }
    }
    EXPECT_EQ(storedHands(), 5u);
    EXPECT_EQ(import({folder / "big.txt"}).handsNew, 400u);
}

TEST_F(Import, AStoreOpenForReadingImportsNothing)
{
    writeFile(folder / "h.txt", roomTextHands(1, 3));
    import({});
    store::HandStore hands(db, store::HandStore::Mode::ReadOnly);
    EXPECT_THROW(hands.importPaths({folder / "h.txt"}), store::StoreError);
    EXPECT_EQ(hands.handCount(), 0u);
}

} // namespace
