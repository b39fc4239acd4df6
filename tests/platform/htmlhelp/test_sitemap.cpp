// The HTML scanner and the contents and index files built on it.

#include <gtest/gtest.h>

#include "platform/htmlhelp/HtmlTokens.h"
#include "platform/htmlhelp/Sitemap.h"
#include "platform/htmlhelp/TopicSearch.h"

namespace {

using platform::chm::parseSitemap;
using platform::chm::SitemapEntry;

std::string entry(const char* name, const char* local)
{
    return std::string("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"") + name +
           "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>";
}

// The tree as text: names with their first topic, children in brackets.
std::string shape(const std::vector<SitemapEntry>& entries)
{
    std::string out;
    for (const SitemapEntry& e : entries) {
        if (!out.empty())
            out += ' ';
        out += e.name;
        if (!e.locals.empty())
            out += "=" + e.locals.front();
        if (!e.children.empty())
            out += "[" + shape(e.children) + "]";
    }
    return out;
}

struct SitemapCase {
    const char* name;
    std::string html;
    std::string expected;
};

class Sitemap : public ::testing::TestWithParam<SitemapCase> {};

TEST_P(Sitemap, Parses)
{
    EXPECT_EQ(shape(parseSitemap(GetParam().html)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sitemap,
    ::testing::Values(
        SitemapCase{"Flat", "<UL>" + entry("A", "a.htm") + entry("B", "b.htm") + "</UL>", "A=a.htm B=b.htm"},
        SitemapCase{"Nested", "<UL>" + entry("A", "a.htm") + "<UL>" + entry("A1", "a1.htm") + entry("A2", "a2.htm") +
                                  "</UL>" + entry("B", "b.htm") + "</UL>",
                    "A=a.htm[A1=a1.htm A2=a2.htm] B=b.htm"},
        SitemapCase{"UnclosedListsAndItems", "<ul>" + entry("A", "a.htm") + "<ul>" + entry("A1", "a1.htm"),
                    "A=a.htm[A1=a1.htm]"},
        SitemapCase{"CaseAndQuotesVary",
                    "<ul><li><object TYPE='text/SiteMap'><PARAM NAME=name VALUE='Fish &amp; Chips'>"
                    "<param name=LOCAL value=f.htm></object></ul>",
                    "Fish & Chips=f.htm"},
        SitemapCase{"SitePropertiesAreNoEntry",
                    "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"X\"></OBJECT><UL>" +
                        entry("A", "a.htm") + "</UL>",
                    "A=a.htm"},
        SitemapCase{"ListBeforeAnyEntryStaysFlat", "<UL><UL>" + entry("A", "a.htm") + "</UL></UL>", "A=a.htm"},
        SitemapCase{"ExtraClosingListsAreHarmless", "</UL></UL><UL>" + entry("A", "a.htm") + "</UL></UL>", "A=a.htm"},
        SitemapCase{"CommentsAreSkipped", "<UL><!-- " + entry("Hidden", "h.htm") + " -->" + entry("A", "a.htm") + "</UL>",
                    "A=a.htm"},
        SitemapCase{"ListInsideAnOpenEntry",
                    "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A\"><UL>"
                    "<param name=\"Name\" value=\"Lost\"></UL><param name=\"Local\" value=\"x.htm\">" +
                        entry("B", "b.htm") + "</UL>",
                    "A B=b.htm"},
        SitemapCase{"Garbage", "<<<>>> <UL <LI <OBJECT", ""},
        SitemapCase{"Empty", "", ""}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST(SitemapIndex, AKeywordKeepsEveryTopicAndItsFirstName)
{
    const auto entries = parseSitemap(
        "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"limpers\">"
        "<param name=\"Name\" value=\"The inputs\"><param name=\"Local\" value=\"inputs.htm#limpers\">"
        "<param name=\"Name\" value=\"Limped\"><param name=\"Local\" value=\"limped.htm\"></OBJECT></UL>");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "limpers");
    EXPECT_EQ(entries[0].locals, (std::vector<std::string>{"inputs.htm#limpers", "limped.htm"}));
}

TEST(SitemapDepth, DeepNestingIsFlattenedAtTheLimit)
{
    std::string html = "<UL>";
    for (int i = 0; i < 5000; ++i)
        html += entry("E", "e.htm") + "<UL>";
    const auto entries = parseSitemap(html);
    int depth = 0;
    for (const std::vector<SitemapEntry>* level = &entries; !level->empty(); level = &level->back().children)
        ++depth;
    EXPECT_EQ(depth, platform::chm::kMaxSitemapDepth);
}

struct EntityCase {
    const char* in;
    const char* out;
};

class Entities : public ::testing::TestWithParam<EntityCase> {};

TEST_P(Entities, Decode)
{
    EXPECT_EQ(platform::chm::decodeEntities(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Cases, Entities,
                         ::testing::Values(EntityCase{"a &amp; b", "a & b"}, EntityCase{"&lt;p&gt;", "<p>"},
                                           EntityCase{"4 &times; BB", "4 \xC3\x97 BB"},
                                           EntityCase{"&#233;&#xE9;", "\xC3\xA9\xC3\xA9"},
                                           EntityCase{"&#0;", "\xEF\xBF\xBD"}, EntityCase{"&#x110000;", "\xEF\xBF\xBD"},
                                           EntityCase{"&unknown; & &", "&unknown; & &"},
                                           EntityCase{"&#99999999999999999999;", "&#99999999999999999999;"},
                                           EntityCase{"tail &amp", "tail &amp"}));

struct PageCase {
    const char* html;
    const char* title;
    const char* text;
};

class PageText : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageText, ExtractsWhatAReaderSees)
{
    EXPECT_EQ(platform::chm::pageTitle(GetParam().html), GetParam().title);
    EXPECT_EQ(platform::chm::pageText(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageText,
    ::testing::Values(
        PageCase{"<html><head><title> The  results </title><style>h1{}</style></head><body><h1>Bet</h1>"
                 "<p>Raise&nbsp;to <b>4</b>x</p><script>var x=1;</script></body></html>",
                 "The results", "The results Bet Raise\xC2\xA0to 4 x"},
        PageCase{"no tags at all", "", "no tags at all"},
        PageCase{"<title>unclosed", "unclosed", "unclosed"}, PageCase{"a < b and c > d", "", "a < b and c > d"}));

TEST(Words, AreLowerCaseRunsOfLettersAndDigits)
{
    EXPECT_EQ(platform::chm::TopicSearch::words("The 5/10 Rule, mini-raise: AKs!"),
              (std::vector<std::string>{"the", "5", "10", "rule", "mini", "raise", "aks"}));
}

} // namespace
