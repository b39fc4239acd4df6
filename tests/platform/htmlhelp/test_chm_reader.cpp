// Reading the compiled help file: its files, system information, contents,
// index and context map; paths; and files that are not sound help files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "RealHelpFile.h"
#include "help/chm/context.h"
#include "platform/htmlhelp/ChmArchive.h"
#include "platform/htmlhelp/HelpFile.h"

namespace {

using platform::chm::ChmArchive;
using platform::chm::HelpFile;

class RealFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { file_ = HelpFile::open(helptest::kHelpFile).release(); }
    static void TearDownTestSuite() { delete file_; }
    static HelpFile* file_;
};
HelpFile* RealFile::file_ = nullptr;

TEST_F(RealFile, OpensWithTitleDefaultTopicContentsAndIndex)
{
    ASSERT_NE(file_, nullptr);
    EXPECT_EQ(file_->title(), "Brisvane Tablewise Help");
    EXPECT_EQ(file_->defaultTopic(), "/topics/main_window.htm");
    ASSERT_FALSE(file_->contents().empty());
    EXPECT_EQ(file_->contents().front().name, "The Brisvane Tablewise window");
    EXPECT_EQ(file_->contents().front().children.size(), 7u); // with the strategy chart, the review and practice
    EXPECT_GT(file_->index().size(), 40u);
}

TEST_F(RealFile, PagesReadBackAsWritten)
{
    for (const char* page : {"topics/main_window.htm", "topics/glossary.htm", "style.css"}) {
        const auto bytes = file_->read(std::string("/") + page);
        ASSERT_TRUE(bytes) << page;
        EXPECT_EQ(*bytes, helptest::readFile(helptest::kHelpSources + "/" + page)) << page;
    }
    const auto image = file_->read("/images/table_positions.png");
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, helptest::readFile(helptest::kHelpSources + "/images/table_positions.png"));
}

TEST_F(RealFile, ContextNumbersLeadToTheirTopicsWithoutTheBuildFolder)
{
    const std::pair<int, const char*> expected[] = {
        {IDH_MAIN_WINDOW, "/topics/main_window.htm"}, {IDH_QUICK_START, "/topics/quick_start.htm"},
        {IDH_INPUTS, "/topics/inputs.htm"},           {IDH_RESULTS, "/topics/results.htm"},
        {IDH_GROUPS, "/topics/groups.htm"},           {IDH_PREFLOP, "/topics/preflop.htm"},
        {IDH_BET_SIZING, "/topics/bet_sizing.htm"},   {IDH_POSTFLOP, "/topics/postflop.htm"},
        {IDH_MENUS, "/topics/menus.htm"},             {IDH_GLOSSARY, "/topics/glossary.htm"},
        {IDH_ABOUT, "/topics/about.htm"},             {IDH_STRATEGY_CHART, "/topics/strategy_chart.htm"},
        {IDH_CARDS_BOARD, "/topics/cards_board.htm"},   {IDH_REVIEW_HANDS, "/topics/review_hands.htm"},
        {IDH_PRACTICE, "/topics/practice.htm"}};
    for (const auto& [id, topic] : expected)
        EXPECT_EQ(file_->topicForContext(id).value_or("none"), topic) << id;
    EXPECT_EQ(file_->contextTopics().size(), std::size(expected));
    EXPECT_FALSE(file_->topicForContext(4711));
}

struct FindCase {
    const char* asked;
    const char* found; // null: not in the file
};

class FindFile : public RealFile, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindFile, FindsByPathLeniently)
{
    const auto found = file_->findFile(GetParam().asked);
    if (GetParam().found)
        EXPECT_EQ(found.value_or("none"), GetParam().found);
    else
        EXPECT_FALSE(found) << *found;
}

INSTANTIATE_TEST_SUITE_P(Paths, FindFile,
                         ::testing::Values(FindCase{"topics/about.htm", "/topics/about.htm"},
                                           FindCase{"/topics/about.htm", "/topics/about.htm"},
                                           FindCase{"TOPICS/About.HTM", "/topics/about.htm"},
                                           FindCase{"./topics/../topics/about.htm", "/topics/about.htm"},
                                           FindCase{"topics\\about.htm", "/topics/about.htm"},
                                           FindCase{"../../topics/about.htm", "/topics/about.htm"},
                                           FindCase{"about.htm", nullptr}, FindCase{"", nullptr},
                                           FindCase{"/", nullptr}, FindCase{"topics/", nullptr}));

struct JoinCase {
    const char* page;
    const char* link;
    const char* expected;
};

class ResolveArchivePath : public ::testing::TestWithParam<JoinCase> {};

TEST_P(ResolveArchivePath, JoinsAndNormalises)
{
    EXPECT_EQ(platform::chm::resolveArchivePath(GetParam().page, GetParam().link), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Links, ResolveArchivePath,
                         ::testing::Values(JoinCase{"/topics/a.htm", "b.htm", "/topics/b.htm"},
                                           JoinCase{"/topics/a.htm", "../style.css", "/style.css"},
                                           JoinCase{"/topics/a.htm", "/images/x.png", "/images/x.png"},
                                           JoinCase{"/a.htm", "../../../x.htm", "/x.htm"},
                                           JoinCase{"/topics/a.htm", "./sub//c.htm", "/topics/sub/c.htm"},
                                           JoinCase{"", "x.htm", "/x.htm"}));

std::string writeTemp(const std::string& name, const std::string& bytes)
{
    const auto path = std::filesystem::temp_directory_path() / ("tablewise-reader-" + name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

TEST(UnsoundFiles, AreRefused)
{
    const std::string real = helptest::readFile(helptest::kHelpFile);
    std::string unpatched = real;
    unpatched[0x28] = 0x10; // the header as the help compiler leaves it
    std::string noSystemPages = real.substr(0, 0x60);
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"text", "<html>not a help file</html>"},
        {"magic-only", "ITSF"},
        {"header-only", noSystemPages},
        {"unpatched-header", unpatched},
        {"directory-only", real.substr(0, 4096)},
    };
    for (const auto& [name, bytes] : cases) {
        EXPECT_EQ(HelpFile::fromArchive(ChmArchive::fromBytes(bytes)), nullptr) << name;
        EXPECT_EQ(HelpFile::open(writeTemp(name, bytes)), nullptr) << name;
    }
    EXPECT_EQ(HelpFile::open("/nonexistent/BV_Tablewise.chm"), nullptr);
    EXPECT_EQ(HelpFile::open("/tmp"), nullptr) << "a folder";
}

// Damaged copies of the real file: each one opens or is refused, and what
// opens can be read through. A fixed seed makes every run the same.
TEST(UnsoundFiles, HundredsOfDamagedCopiesNeverCrashTheReader)
{
    const std::string real = helptest::readFile(helptest::kHelpFile);
    ASSERT_GT(real.size(), 4096u);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    int opened = 0;
    int refused = 0;
    for (int i = 0; i < 400; ++i) {
        std::string copy = real;
        switch (i % 5) {
        case 0: // truncated
            copy.resize(next() % copy.size());
            break;
        case 1: // bytes flipped in the headers and directory
            for (int k = 0; k < 8; ++k)
                copy[next() % std::min<std::size_t>(copy.size(), 0x1200)] ^= static_cast<char>(1u << (next() % 8));
            break;
        case 2: // bytes flipped anywhere
            for (int k = 0; k < 32; ++k)
                copy[next() % copy.size()] = static_cast<char>(next());
            break;
        case 3: { // a block zeroed
            const std::size_t at = next() % copy.size();
            std::fill(copy.begin() + static_cast<std::ptrdiff_t>(at),
                      copy.begin() + static_cast<std::ptrdiff_t>(std::min(copy.size(), at + 512)), '\0');
            break;
        }
        case 4: { // a block moved elsewhere
            const std::size_t from = next() % copy.size();
            const std::size_t to = next() % copy.size();
            const std::size_t n = std::min({std::size_t{300}, copy.size() - from, copy.size() - to});
            std::copy_n(real.begin() + static_cast<std::ptrdiff_t>(from), n, copy.begin() + static_cast<std::ptrdiff_t>(to));
            break;
        }
        }
        auto file = HelpFile::fromArchive(ChmArchive::fromBytes(std::move(copy)));
        if (!file) {
            ++refused;
            continue;
        }
        ++opened;
        for (const std::string& topic : file->topics())
            (void)file->read(topic);
        (void)file->topicForContext(IDH_MAIN_WINDOW);
    }
    EXPECT_EQ(opened + refused, 400);
    EXPECT_GT(refused, 50) << "the damage reached the parts that matter";
}

} // namespace
