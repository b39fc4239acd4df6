// The help file as built: an independent reader lists and extracts every
// page; contents and index reach every page; links and anchors resolve; the
// group chart agrees with the advisor's own groups.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "engine/Groups.h"
#include "platform/htmlhelp/HelpFile.h"
#include "platform/htmlhelp/HtmlTokens.h"
#include "platform/htmlhelp/TopicSearch.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

const std::string kHelpFile = TABLEWISE_HELP_FILE;
const std::string kSources = TABLEWISE_HELP_SOURCES;

using testsupport::readFile;

std::string run(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> buf{};
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe))
        out.append(buf.data(), n);
    pclose(pipe);
    return out;
}

// The files the project lists, as archive paths.
std::vector<std::string> projectFiles()
{
    std::istringstream project(readFile(kSources + "/BV_Tablewise.hhp"));
    std::vector<std::string> files;
    bool inFiles = false;
    for (std::string line; std::getline(project, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[')
            inFiles = line == "[FILES]";
        else if (inFiles && !line.empty())
            files.push_back("/" + line);
    }
    return files;
}

class HelpFileAsBuilt : public ::testing::Test {
protected:
    static void SetUpTestSuite() { file_ = platform::chm::HelpFile::open(kHelpFile).release(); }
    static void TearDownTestSuite() { delete file_; }
    static platform::chm::HelpFile* file_;
};
platform::chm::HelpFile* HelpFileAsBuilt::file_ = nullptr;

TEST_F(HelpFileAsBuilt, AnIndependentReaderListsAndExtractsEveryPage)
{
    ASSERT_NE(file_, nullptr);
    const std::string listing = run("enum_chmLib '" + kHelpFile + "' 2>&1");
    std::set<std::string> listed;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);)
        if (line.find("normal file") != std::string::npos)
            listed.insert(line.substr(line.rfind('\t') + 1));
    for (const std::string& file : projectFiles())
        EXPECT_TRUE(listed.count(file)) << file << " not listed";

    const fs::path out = fs::temp_directory_path() / "tablewise-extract";
    fs::remove_all(out);
    run("extract_chmLib '" + kHelpFile + "' '" + out.string() + "' >/dev/null 2>&1");
    for (const std::string& file : projectFiles()) {
        const fs::path extracted = out / file.substr(1);
        ASSERT_TRUE(fs::exists(extracted)) << file;
        EXPECT_EQ(readFile(extracted), file_->read(file).value_or("(unreadable)")) << file << " reads the same in both";
        if (file != "/topics/groups.htm") {
            EXPECT_EQ(readFile(extracted), readFile(kSources + file)) << file << " is its source";
        }
    }
    fs::remove_all(out);
}

TEST_F(HelpFileAsBuilt, NoBuildFolderIsStoredInIt)
{
    const std::string bytes = readFile(kHelpFile);
    EXPECT_EQ(bytes.find(PROJECT_BINARY_DIR), std::string::npos);
    EXPECT_EQ(bytes.find(PROJECT_SOURCE_DIR), std::string::npos);
}

TEST_F(HelpFileAsBuilt, ContentsAndIndexReachEveryPage)
{
    std::set<std::string> inContents;
    std::set<std::string> inIndex;
    auto collect = [](auto& self, const std::vector<platform::chm::SitemapEntry>& entries, std::set<std::string>& into) -> void {
        for (const auto& e : entries) {
            for (const std::string& local : e.locals) {
                const auto found = file_->findFile(local.substr(0, local.find('#')));
                EXPECT_TRUE(found) << e.name << " -> " << local;
                if (found)
                    into.insert(*found);
            }
            self(self, e.children, into);
        }
    };
    collect(collect, file_->contents(), inContents);
    collect(collect, file_->index(), inIndex);
    for (const std::string& page : file_->topics()) {
        EXPECT_TRUE(inContents.count(page)) << page << " is not in the contents";
        EXPECT_TRUE(inIndex.count(page)) << page << " has no index keyword";
    }
    EXPECT_EQ(file_->topics().size(), 21u);
}

// The viewer's full-text search leads to the page of the strategy chart
// window first, for the chart and for its parts.
TEST_F(HelpFileAsBuilt, SearchingForTheChartFindsItsPageFirst)
{
    const platform::chm::TopicSearch search(*file_);
    for (const char* query : {"chart", "strategy chart", "chart limpers", "chart pick"}) {
        const auto hits = search.find(query);
        ASSERT_FALSE(hits.empty()) << query;
        EXPECT_EQ(hits.front().topic, "/topics/strategy_chart.htm") << query;
        EXPECT_EQ(hits.front().title, "The strategy chart") << query;
    }
}

TEST_F(HelpFileAsBuilt, EveryLinkAndAnchorResolves)
{
    std::map<std::string, std::set<std::string>> anchors;
    std::vector<std::pair<std::string, std::string>> links; // page, target
    for (const std::string& page : file_->topics()) {
        platform::chm::scanHtml(*file_->read(page), {nullptr, [&](const platform::chm::HtmlTag& tag) {
            if (tag.closing)
                return;
            if (tag.name == "a" && !tag.attribute("name").empty())
                anchors[page].insert(std::string(tag.attribute("name")));
            for (const char* attr : {"href", "src"}) {
                const std::string target(tag.attribute(attr));
                if (!target.empty() && target.find(':') == std::string::npos)
                    links.emplace_back(page, target);
            }
        }});
    }
    auto check = [&](const std::string& from, const std::string& target) {
        const std::string path = target.substr(0, target.find('#'));
        const std::string resolved = path.empty() ? from : platform::chm::resolveArchivePath(from, path);
        ASSERT_TRUE(file_->findFile(resolved)) << from << " -> " << target;
        if (target.find('#') != std::string::npos) {
            EXPECT_TRUE(anchors[resolved].count(target.substr(target.find('#') + 1))) << from << " -> " << target;
        }
    };
    for (const auto& [page, target] : links)
        check(page, target);
    for (const auto& entry : file_->index())
        for (const std::string& local : entry.locals)
            check("/", local);
    EXPECT_GT(links.size(), 20u);
}

TEST_F(HelpFileAsBuilt, PagesAreFinishedText)
{
    const std::regex unfinished("TODO|TBD|FIXME|lorem ipsum|@GROUP_|placeholder", std::regex::icase);
    for (const std::string& page : file_->topics()) {
        const std::string html = *file_->read(page);
        EXPECT_FALSE(std::regex_search(html, unfinished)) << page;
        EXPECT_FALSE(platform::chm::pageTitle(html).empty()) << page;
        EXPECT_GT(platform::chm::pageText(html).size(), 600u) << page << " is too short to be a real page";
    }
    EXPECT_NE(file_->read("/topics/about.htm")->find("version 1.0.8"), std::string::npos);
}

// Money is the user's own currency, in the locale's format.
TEST_F(HelpFileAsBuilt, AmountsAreInTheUsersCurrency)
{
    const std::regex dollars("dollar", std::regex::icase);
    for (const std::string& page : file_->topics())
        EXPECT_FALSE(std::regex_search(platform::chm::pageText(*file_->read(page)), dollars)) << page;
    EXPECT_NE(platform::chm::pageText(*file_->read("/topics/inputs.htm")).find("in your currency"), std::string::npos);
}

// The chart: 13 rows of 13 cells, each "<td class="gN" title="HAND">".
TEST_F(HelpFileAsBuilt, TheGroupChartAgreesWithTheAdvisorOnAll169Hands)
{
    const std::string page = *file_->read("/topics/groups.htm");
    const std::regex cell("<td class=\"(g[1-8]|nr)\" title=\"([AKQJT2-9]{2}s?)\">");
    std::set<std::string> hands;
    std::map<std::string, int> perGroup;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), cell); it != std::sregex_iterator(); ++it) {
        const std::string cls = (*it)[1];
        const std::string hand = (*it)[2];
        const std::string group(engine::groupText(engine::groupOf(hand)));
        const std::string expected = group == "Not Ranked" ? "nr" : "g" + group;
        EXPECT_EQ(cls, expected) << hand;
        hands.insert(hand);
        ++perGroup[cls];
    }
    EXPECT_EQ(hands.size(), 169u);
    EXPECT_EQ(perGroup["nr"], 84);
    EXPECT_EQ(perGroup["g1"], 5);
    EXPECT_EQ(perGroup["g5"], 19);
}

} // namespace
