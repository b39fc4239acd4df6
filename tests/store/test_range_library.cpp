// The range library in the store: the standard ranges a new store holds and
// keeps, the player's ranges saved, replaced, renamed and deleted across
// connections, refusals that change nothing, and the upgrade of an older store.

#include <gtest/gtest.h>

#include <set>

#include "engine/cards/Range.h"
#include "store/Database.h"
#include "store/HandStore.h"
#include "store/RangeLibrary.h"
#include "store/Schema.h"
#include "tests/store/GeneratedHands.h"
#include "tests/store/StoreTestFolder.h"
#include "tests/support/TestFiles.h"

namespace {

using store::RangeLibrary;
using store::StoredRange;
using storetest::StoreTest;

constexpr std::int64_t kMonday = 1'765'281'600;
constexpr const char* kLateRaise = "Advisor raises: raised pot, late position";
constexpr std::size_t kStandardCount = 20;

using RangeLibraryTest = StoreTest;

std::vector<std::string> names(const std::vector<StoredRange>& ranges)
{
    std::vector<std::string> out;
    for (const auto& r : ranges)
        out.push_back(r.name);
    return out;
}

TEST_F(RangeLibraryTest, ANewStoreHoldsTheAdvisorsChartsAsStandardRanges)
{
    RangeLibrary library(db);
    const auto ranges = library.list();
    ASSERT_EQ(ranges.size(), kStandardCount);
    std::set<std::string> texts;
    for (const auto& r : ranges) {
        EXPECT_TRUE(r.standard) << r.name;
        EXPECT_EQ(r.name.rfind("Advisor raises: ", 0), 0u) << r.name;
        EXPECT_EQ(r.text.rfind("chart(", 0), 0u) << r.text;
        EXPECT_TRUE(r.text.ends_with("):raise")) << r.text;
        EXPECT_GT(r.createdAt, kMonday);
        texts.insert(r.text);
    }
    EXPECT_EQ(texts.size(), kStandardCount) << "every situation once";
    EXPECT_EQ(ranges.front().name, "Advisor raises: first in, early position");
    const auto late = library.load(kLateRaise);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->text, "chart(raised, late):raise");
    EXPECT_EQ(library.load("Advisor raises: one limper, the blinds")->text, "chart(limped, blinds, 1):raise");
}

// The store keeps texts; the range reader is what gives them hands, so each
// standard text must read as a range that holds some.
TEST_F(RangeLibraryTest, EveryStandardRangeReadsAsHands)
{
    RangeLibrary library(db);
    for (const auto& r : library.list()) {
        const auto range = engine::cards::parseRange(r.text);
        EXPECT_TRUE(range.ok()) << r.name << ": " << range.error;
        EXPECT_FALSE(range.value.empty()) << r.name;
    }
}

TEST_F(RangeLibraryTest, SavedRangesAreKeptReplacedRenamedAndDeleted)
{
    {
        RangeLibrary library(db);
        EXPECT_EQ(library.save("  Tight open ", "QQ+, AKs", kMonday), "");
        EXPECT_EQ(library.save("Button steal", "22+, A2s+, K9s+", kMonday + 1), "");
        EXPECT_EQ(library.save("Échelle ♠ 3-bet — 日本", "JJ+, AK", kMonday + 2), "");
    }
    RangeLibrary library(db);
    auto all = library.list();
    ASSERT_EQ(all.size(), kStandardCount + 3);
    const auto listed = names(all);
    const std::vector<std::string> own(listed.begin() + kStandardCount, listed.end());
    EXPECT_EQ(own, (std::vector<std::string>{"Button steal", "Tight open", "Échelle ♠ 3-bet — 日本"}));
    EXPECT_FALSE(all.back().standard);

    auto tight = library.load("Tight open");
    ASSERT_TRUE(tight);
    EXPECT_EQ(tight->text, "QQ+, AKs");
    EXPECT_EQ(tight->createdAt, kMonday);
    EXPECT_EQ(tight->updatedAt, kMonday);
    EXPECT_EQ(library.load("Échelle ♠ 3-bet — 日本")->text, "JJ+, AK");

    // Saving under a name in use replaces the text and keeps the first date.
    EXPECT_EQ(library.save("Tight open", "TT+, AQs+", kMonday + 100), "");
    tight = library.load("Tight open");
    EXPECT_EQ(tight->text, "TT+, AQs+");
    EXPECT_EQ(tight->createdAt, kMonday);
    EXPECT_EQ(tight->updatedAt, kMonday + 100);
    EXPECT_EQ(library.list().size(), kStandardCount + 3);

    EXPECT_EQ(library.rename("Tight open", "Early open", kMonday + 200), "");
    EXPECT_FALSE(library.load("Tight open"));
    EXPECT_EQ(library.load("Early open")->text, "TT+, AQs+");
    EXPECT_EQ(library.load("Early open")->updatedAt, kMonday + 200);

    EXPECT_EQ(library.remove("Button steal"), "");
    EXPECT_FALSE(library.load("Button steal"));
    EXPECT_EQ(library.list().size(), kStandardCount + 2);
}

struct Refusal {
    const char* what;
    std::function<std::string(RangeLibrary&)> act;
    std::string answer;
};

TEST_F(RangeLibraryTest, RefusalsSayWhyAndChangeNothing)
{
    const std::string longName(201, 'x');
    const std::vector<Refusal> refusals = {
        {"a standard range overwritten", [](RangeLibrary& l) { return l.save(kLateRaise, "AA"); },
         "\u201cAdvisor raises: raised pot, late position\u201d is one of the standard ranges and cannot be changed; "
         "save it under another name."},
        {"a standard range renamed", [](RangeLibrary& l) { return l.rename(kLateRaise, "Mine"); },
         "\u201cAdvisor raises: raised pot, late position\u201d is one of the standard ranges and cannot be renamed."},
        {"a standard range deleted", [](RangeLibrary& l) { return l.remove(kLateRaise); },
         "\u201cAdvisor raises: raised pot, late position\u201d is one of the standard ranges and cannot be deleted."},
        {"a range renamed to a standard name", [](RangeLibrary& l) { return l.rename("Mine", kLateRaise); },
         "A range named \u201cAdvisor raises: raised pot, late position\u201d already exists."},
        {"a range renamed to a name in use", [](RangeLibrary& l) { return l.rename("Mine", "Other"); },
         "A range named \u201cOther\u201d already exists."},
        {"an empty name", [](RangeLibrary& l) { return l.save("   ", "AA"); }, "A range needs a name."},
        {"a rename to an empty name", [](RangeLibrary& l) { return l.rename("Mine", ""); }, "A range needs a name."},
        {"a name too long", [&](RangeLibrary& l) { return l.save(longName, "AA"); },
         "A range's name takes at most 200 characters."},
        {"an empty text", [](RangeLibrary& l) { return l.save("Mine", " "); },
         "The range \u201cMine\u201d has no hands to save."},
        {"a missing range renamed", [](RangeLibrary& l) { return l.rename("Nobody's", "New"); },
         "There is no range named \u201cNobody's\u201d."},
        {"a missing range deleted", [](RangeLibrary& l) { return l.remove("Nobody's"); },
         "There is no range named \u201cNobody's\u201d."},
    };
    RangeLibrary library(db);
    ASSERT_EQ(library.save("Mine", "KK+", kMonday), "");
    ASSERT_EQ(library.save("Other", "QQ", kMonday), "");
    const auto before = library.list();
    for (const Refusal& r : refusals) {
        EXPECT_EQ(r.act(library), r.answer) << r.what;
        const auto after = library.list();
        ASSERT_EQ(after.size(), before.size()) << r.what;
        for (std::size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(after[i].name, before[i].name) << r.what;
            EXPECT_EQ(after[i].text, before[i].text) << r.what;
            EXPECT_EQ(after[i].updatedAt, before[i].updatedAt) << r.what;
        }
    }
    // Renaming a range to its own name changes nothing and is no mistake.
    EXPECT_EQ(library.rename("Mine", "Mine"), "");
}

// A store of the third version, made before the library, takes its table and
// the standard ranges, and keeps its hands.
TEST_F(RangeLibraryTest, AnOlderStoreTakesTheLibraryAndKeepsItsHands)
{
    testsupport::writeFile(folder / "h.txt", storetest::roomTextHands(1, 20));
    std::uint64_t stored = 0;
    {
        store::HandStore hands(db);
        hands.importPaths({folder / "h.txt"});
        stored = hands.handCount();
        ASSERT_GT(stored, 0u);
    }
    {
        store::Database raw(db, store::Database::Access::ReadWrite);
        raw.exec("DROP TABLE ranges");
        raw.exec("PRAGMA user_version = 3");
    }
    {
        RangeLibrary library(db);
        EXPECT_EQ(library.list().size(), kStandardCount);
        EXPECT_EQ(library.save("Mine", "AA", kMonday), "");
    }
    store::Database raw(db, store::Database::Access::ReadOnly);
    EXPECT_EQ(raw.queryInteger("PRAGMA user_version"), store::kStoreVersion);
    EXPECT_EQ(raw.queryInteger("SELECT count(*) FROM ranges"), static_cast<long long>(kStandardCount + 1));
    store::HandStore hands(db, store::HandStore::Mode::ReadOnly);
    EXPECT_EQ(hands.handCount(), stored);
}

} // namespace
