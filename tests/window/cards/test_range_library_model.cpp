// The picker's range library on a store in a temporary folder: the advisor's
// charts listed first and loaded but never changed, the player's ranges
// saved, loaded, renamed and deleted, refusals that leave the store as it
// was, and a store that cannot be used, reported and left untouched.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/cards/Range.h"
#include "store/Database.h"
#include "store/RangeLibrary.h"
#include "store/Schema.h"
#include "tests/store/StoreTestFolder.h"
#include "tests/support/RangeContents.h"
#include "tests/support/TestFiles.h"
#include "window/cards/RangeLibraryModel.h"
#include "window/cards/RangePickerModel.h"

namespace {

namespace fs = std::filesystem;
using window::cards::RangeLibraryModel;
using window::cards::RangePickerModel;

constexpr const char* kLateRaise = "Advisor raises: raised pot, late position";

using Contents = testsupport::RangeContents;
using testsupport::contents;

// Every stored range as name, text and whether it is standard.
std::vector<std::tuple<std::string, std::string, bool>> stored(const RangeLibraryModel& library)
{
    std::vector<std::tuple<std::string, std::string, bool>> out;
    for (const auto& r : library.ranges())
        out.emplace_back(r.name, r.text, r.standard);
    return out;
}

RangePickerModel pickerWith(std::string_view text)
{
    RangePickerModel picker;
    picker.typeText(text);
    return picker;
}

using RangeLibraryModelTest = storetest::StoreTest;

TEST_F(RangeLibraryModelTest, TheAdvisorsChartsComeFirstAndLoadButDoNotChange)
{
    RangeLibraryModel library(db);
    ASSERT_TRUE(library.available()) << library.message();
    ASSERT_FALSE(library.ranges().empty());
    RangePickerModel mine = pickerWith("22");
    ASSERT_TRUE(library.saveAs("Small pairs", mine));
    EXPECT_TRUE(library.ranges().front().standard);
    EXPECT_EQ(library.ranges().back().name, "Small pairs");
    EXPECT_FALSE(library.ranges().back().standard);

    library.chooseName(kLateRaise);
    ASSERT_NE(library.chosenRange(), nullptr);
    EXPECT_TRUE(library.canLoad());
    EXPECT_FALSE(library.canChange());
    RangePickerModel picker;
    ASSERT_TRUE(library.load(picker)) << library.message();
    EXPECT_EQ(picker.text(), "chart(raised, late):raise");
    EXPECT_EQ(contents(picker.range()), contents("chart(raised, late):raise"));
    EXPECT_FALSE(picker.range().combos().empty());

    const auto before = stored(library);
    EXPECT_FALSE(library.renameChosen("Mine now"));
    EXPECT_NE(library.message().find("standard"), std::string::npos) << library.message();
    EXPECT_FALSE(library.removeChosen());
    EXPECT_NE(library.message().find("standard"), std::string::npos) << library.message();
    EXPECT_FALSE(library.saveAs(kLateRaise, mine));
    EXPECT_NE(library.message().find("standard"), std::string::npos) << library.message();
    EXPECT_TRUE(library.holdsStandard(kLateRaise));
    EXPECT_EQ(stored(library), before);
    EXPECT_EQ(stored(RangeLibraryModel(db)), before);
}

TEST_F(RangeLibraryModelTest, APlayersRangeIsSavedLoadedRenamedAndDeletedAcrossOpenings)
{
    {
        RangeLibraryModel library(db);
        RangePickerModel picker = pickerWith("QQ+, AKs:0.5");
        picker.editGrid([](window::cards::RangeGridModel& g) {
            g.press(engine::handIndex("72"));
            g.release();
        });
        ASSERT_TRUE(library.saveAs("  Opening 3-bet ", picker)) << library.message();
        ASSERT_NE(library.chosenRange(), nullptr);
        EXPECT_EQ(library.chosenRange()->name, "Opening 3-bet");
        EXPECT_TRUE(library.canChange());
    }
    RangeLibraryModel library(db);
    library.chooseName("Opening 3-bet");
    RangePickerModel picker;
    ASSERT_TRUE(library.load(picker)) << library.message();
    EXPECT_EQ(contents(picker.range()), contents("QQ+, AKs:0.5, 72o"));

    // Saved again under the same name: the text is replaced.
    ASSERT_TRUE(library.saveAs("Opening 3-bet", pickerWith("JJ+")));
    ASSERT_TRUE(library.renameChosen("Value"));
    EXPECT_FALSE(library.holds("Opening 3-bet"));
    ASSERT_NE(library.chosenRange(), nullptr);
    EXPECT_EQ(library.chosenRange()->name, "Value");
    EXPECT_EQ(library.chosenRange()->text, "JJ+");

    RangeLibraryModel again(db);
    EXPECT_TRUE(again.holds("Value"));
    again.chooseName("Value");
    ASSERT_TRUE(again.removeChosen());
    EXPECT_EQ(again.chosenRange(), nullptr);
    EXPECT_FALSE(again.holds("Value"));
    EXPECT_FALSE(RangeLibraryModel(db).holds("Value"));
}

struct Refusal {
    const char* name;
    std::function<bool(RangeLibraryModel&)> attempt;
    const char* said; // a part of the message
};

class RangeLibraryRefusal : public storetest::StoreTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RangeLibraryRefusal, SaysWhyAndChangesNothing)
{
    {
        RangeLibraryModel library(db);
        ASSERT_TRUE(library.saveAs("Mine", pickerWith("AK")));
        ASSERT_TRUE(library.saveAs("Other", pickerWith("TT")));
    }
    RangeLibraryModel library(db);
    const auto before = stored(library);
    EXPECT_FALSE(GetParam().attempt(library));
    EXPECT_NE(library.message().find(GetParam().said), std::string::npos) << library.message();
    EXPECT_EQ(stored(library), before);
    EXPECT_EQ(stored(RangeLibraryModel(db)), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeLibraryRefusal,
    ::testing::Values(
        Refusal{"TextThatDoesNotRead", [](RangeLibraryModel& l) { return l.saveAs("Mine", pickerWith("QQ+, A")); },
                "does not read"},
        Refusal{"EmptyRange", [](RangeLibraryModel& l) { return l.saveAs("New", pickerWith(" , ")); }, "empty"},
        Refusal{"NoName", [](RangeLibraryModel& l) { return l.saveAs("  ", pickerWith("AA")); }, "needs a name"},
        Refusal{"NameTaken",
                [](RangeLibraryModel& l) {
                    l.chooseName("Mine");
                    return l.renameChosen("Other");
                },
                "already exists"},
        Refusal{"RenameToNothing",
                [](RangeLibraryModel& l) {
                    l.chooseName("Mine");
                    return l.renameChosen("");
                },
                "needs a name"},
        Refusal{"NothingChosen",
                [](RangeLibraryModel& l) {
                    l.choose(-1);
                    return l.removeChosen();
                },
                "Choose a range"},
        Refusal{"ChoiceOutOfRange",
                [](RangeLibraryModel& l) {
                    l.choose(100000);
                    return l.renameChosen("X");
                },
                "Choose a range"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(RangeLibraryModelTest, AStoredTextThatDoesNotReadLeavesThePickersRangeAndSaysSo)
{
    {
        store::RangeLibrary raw(db);
        ASSERT_EQ(raw.save("Typo", "QQ+, AKx"), "");
    }
    RangeLibraryModel library(db);
    library.chooseName("Typo");
    RangePickerModel picker = pickerWith("JJ");
    EXPECT_FALSE(library.load(picker));
    EXPECT_NE(library.message().find("does not read"), std::string::npos) << library.message();
    EXPECT_EQ(contents(picker.range()), contents("JJ"));
    EXPECT_EQ(picker.text(), "QQ+, AKx"); // shown to be mended
}

struct Unusable {
    const char* name;
    std::function<void(const fs::path&)> make;
    const char* said;
};

class RangeLibraryUnusableStore : public storetest::StoreTest, public ::testing::WithParamInterface<Unusable> {};

TEST_P(RangeLibraryUnusableStore, IsReportedDisabledAndLeftAsItWas)
{
    GetParam().make(db);
    const std::string before = testsupport::readFile(db);
    RangeLibraryModel library(db);
    EXPECT_FALSE(library.available());
    EXPECT_TRUE(library.ranges().empty());
    EXPECT_NE(library.message().find(db.string()), std::string::npos) << library.message();
    EXPECT_NE(library.message().find(GetParam().said), std::string::npos) << library.message();
    EXPECT_FALSE(library.canLoad());
    EXPECT_FALSE(library.saveAs("Mine", pickerWith("AA")));
    library.choose(0);
    EXPECT_FALSE(library.removeChosen());
    EXPECT_EQ(testsupport::readFile(db), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeLibraryUnusableStore,
    ::testing::Values(
        Unusable{"Damaged",
                 [](const fs::path& db) { testsupport::writeFile(db, std::string(8192, '\x5a') + "not a database"); },
                 "damaged"},
        Unusable{"Newer",
                 [](const fs::path& db) {
                     { store::RangeLibrary made(db); }
                     store::Database raw(db, store::Database::Access::ReadWrite);
                     raw.exec(("PRAGMA user_version = " + std::to_string(store::kStoreVersion + 1)).c_str());
                 },
                 "newer version"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
