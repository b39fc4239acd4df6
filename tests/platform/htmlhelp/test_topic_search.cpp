// Full-text search over the pages of the real help file.

#include <gtest/gtest.h>

#include <algorithm>

#include "RealHelpFile.h"
#include "platform/htmlhelp/HelpFile.h"
#include "platform/htmlhelp/TopicSearch.h"

namespace {

using platform::chm::TopicSearch;

class Search : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        file_ = platform::chm::HelpFile::open(helptest::kHelpFile).release();
        search_ = new TopicSearch(*file_);
    }
    static void TearDownTestSuite()
    {
        delete search_;
        delete file_;
    }
    static std::vector<std::string> topics(const char* query)
    {
        std::vector<std::string> out;
        for (const auto& hit : search_->find(query))
            out.push_back(hit.topic);
        return out;
    }
    static bool has(const std::vector<std::string>& v, const char* topic)
    {
        return std::find(v.begin(), v.end(), topic) != v.end();
    }
    static platform::chm::HelpFile* file_;
    static TopicSearch* search_;
};
platform::chm::HelpFile* Search::file_ = nullptr;
TopicSearch* Search::search_ = nullptr;

TEST_F(Search, FindsEveryPageHoldingTheWord)
{
    const auto hits = topics("limpers");
    EXPECT_TRUE(has(hits, "/topics/preflop_limped.htm"));
    EXPECT_TRUE(has(hits, "/topics/inputs.htm"));
    EXPECT_FALSE(has(hits, "/topics/glossary.htm"));
}

TEST_F(Search, AllWordsMustBeOnThePageInAnyCase)
{
    const auto both = topics("IMPLIED odds");
    ASSERT_FALSE(both.empty());
    for (const auto& topic : both) {
        const std::string text = platform::chm::pageText(*file_->read(topic));
        std::string lower = text;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_NE(lower.find("implied"), std::string::npos) << topic;
        EXPECT_NE(lower.find("odds"), std::string::npos) << topic;
    }
    EXPECT_TRUE(has(both, "/topics/glossary.htm"));
}

TEST_F(Search, AWordFindsLongerWordsItBegins)
{
    EXPECT_TRUE(has(topics("glossar"), "/topics/glossary.htm"));
}

TEST_F(Search, TitleWordsComeFirst)
{
    const auto hits = search_->find("glossary");
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(hits.front().topic, "/topics/glossary.htm");
    EXPECT_EQ(hits.front().title, "Glossary");
}

TEST_F(Search, NothingFoundForUnknownWordsOrAnEmptyQuery)
{
    EXPECT_TRUE(topics("xylophone").empty());
    EXPECT_TRUE(topics("limpers xylophone").empty());
    EXPECT_TRUE(topics("").empty());
    EXPECT_TRUE(topics(" ,.;").empty());
}

TEST_F(Search, MarkupIsNotSearched)
{
    EXPECT_TRUE(topics("stylesheet").empty());
    EXPECT_TRUE(topics("href").empty());
}

} // namespace
