// The advice content table, checked entry by entry.
//
// A key misspelt in one of the .inc files does not compile (AdviceKey::NAME
// names no enumerator), and a missing, extra or out-of-order entry, an empty
// entry or a bare CR or LF fails the static_asserts in AdviceContent.cpp. These
// tests check what the compiler cannot: how each text begins, how it is split
// into paragraphs, the sentences some entries must hold, and that no entry has
// been cut short.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/content/AdviceContent.h"

namespace {

using engine::AdviceKey;
using engine::adviceKeyFromName;
using engine::adviceKeyName;
using engine::adviceText;
using engine::kAdviceKeyCount;

constexpr std::string_view kParagraphBreak = "\r\n\r\n";

struct Expected {
    const char* key;
    int paragraphs;
    const char* opening; // the opening words each entry must start with, spacing included
};

// Every key, in key order, with its paragraph count and its opening words.
const Expected kExpected[] = {
    {"ADV_O_01", 1, "Anytime you are first to enter the pot,"},
    {"ADV_O_02", 1, "If you first in from Short Blind, then"},
    {"ADV_O_03", 1, "Anytime you are first to enter the pot,"},
    {"ADV_O_04", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_05", 1, "Anytime you are first to enter the pot,"},
    {"ADV_O_06", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_07", 1, "Raise from any position to 4-6xBB. If you"},
    {"ADV_O_08", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_09", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_10", 1, "Raise from any position to 4-6xBB. (Sometimes limping"},
    {"ADV_O_11", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_12", 1, "Raise 4-6xBB. If you are re-raised from the"},
    {"ADV_O_13", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_14", 1, "Raise from any position to 4-6xBB. If you"},
    {"ADV_O_15", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_16", 1, "Raise 4-6xBB. If you are re-raised from the"},
    {"ADV_O_17", 1, "Raise, if you are re-raised from the button,"},
    {"ADV_O_18", 1, "Raise 4-6xBB. If you've raised and have been"},
    {"ADV_O_19", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_20", 1, "Raise 4-6xBB. If you are re-raised from the"},
    {"ADV_O_21", 1, "Mix it up from open limping to a"},
    {"ADV_O_22", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_23", 1, "Raise 4-6xBB. If you are re-raised from the"},
    {"ADV_O_24", 1, "Raise 4-6xBB. Call a re-raise from the blinds"},
    {"ADV_O_25", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_26", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_27", 1, "Raise 4-6xBB. Fold all hands to a re-raise."},
    {"ADV_O_28", 1, "Most of the time you should fold this"},
    {"ADV_O_29", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_30", 1, " Raise 4-6xBB. Call a reasonable raise if you"},
    {"ADV_O_31", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_32", 1, "Open raise, unless you have very aggressive players"},
    {"ADV_O_33", 1, "If first in from Short Blind, then raise"},
    {"ADV_O_34", 1, "Raise if you don't have very aggressive opponents"},
    {"ADV_O_35", 1, "If you are first to enter from late"},
    {"ADV_O_36", 1, "You don't want to play this hand from"},
    {"ADV_O_37", 1, "If first in from Short Blind, then mix"},
    {"ADV_L_01", 1, "When there are already people who have called"},
    {"ADV_L_02", 1, "Raise 5-6xBB +1 per limper. Always raise if"},
    {"ADV_L_03", 1, "When there are already people who have called"},
    {"ADV_L_04", 1, "Raise 5-6xBB +1 per limper. Always raise if"},
    {"ADV_L_05", 1, "When there are already people who have called"},
    {"ADV_L_06", 1, "Raise 5-6xBB +1 per limper. Always raise if"},
    {"ADV_L_07", 1, "Limp if there are already limpers in front"},
    {"ADV_L_08", 1, "Raise 4-6xBB+1BB per limper. Call a re-raise unless"},
    {"ADV_L_09", 1, "Raise 5-6xBB +1 per limper. Always raise if"},
    {"ADV_L_10", 1, "Raise 4-6xBB+1BB per limper. Call a raise if"},
    {"ADV_L_11", 1, "Raise 5-6xBB +1 per limper. Always raise if"},
    {"ADV_L_12", 1, "Raise 5-6xBB +1 per limper. Always raise if"},
    {"ADV_L_13", 1, "Raise weak (meaning bad players) limpers in position"},
    {"ADV_L_14", 1, "Raise weak (meaning bad players) limpers in position"},
    {"ADV_L_15", 1, "Raise 4xBB + 1 per limper. If re-raised"},
    {"ADV_L_16", 1, "Raise 4-6xBB+1BB per limper. If re-raised fold, unless"},
    {"ADV_L_17", 1, "Limp behind with this hand. If the players"},
    {"ADV_L_18", 1, "Limp behind with this hand, if raised then"},
    {"ADV_L_19", 1, "Limp behind with this hand and call a"},
    {"ADV_L_20", 1, "If the table is limping a lot then"},
    {"ADV_L_21", 1, "If the table is limping a lot then"},
    {"ADV_L_22", 1, "If limpers are very loose, raise  from the"},
    {"ADV_L_23", 1, "If the table behind you isn't playing very"},
    {"ADV_L_24", 1, "Fold from early position and early middle position"},
    {"ADV_R_01", 1, "Re-raise to the full size of the pot."},
    {"ADV_R_02", 1, "Re-raise to the full size of the pot."},
    {"ADV_R_03", 1, " Call with JJ in position against tight raisers,"},
    {"ADV_R_04", 1, "Re-raise if you will have position on the"},
    {"ADV_R_05", 1, "Re-raise if you will have position on the"},
    {"ADV_R_06", 1, "Call but sometimes re-raise against loose raisers. Re-raise"},
    {"ADV_R_07", 1, "Fold to a raise. Re-raise with if you"},
    {"ADV_R_08", 1, "Re-raise if you are facing an open raise"},
    {"ADV_R_09", 1, "Re-raise if you are facing an open raise"},
    {"ADV_R_10", 1, "Make a slightly larger than pot sized re-raise"},
    {"ADV_R_11", 1, "Re-raise if you are facing an open raise"},
    {"ADV_R_12", 1, "When you get more comfortable with your post"},
    {"ADV_R_13", 1, "Fold, until you develop your reads better, it"},
    {"ADV_RC_01", 1, "Re-raise to the full size of the pot."},
    {"ADV_RC_02", 1, "Call with JJ, and re-raise if the opening"},
    {"ADV_RC_03", 1, "Re-raise AKs IF you have position on the"},
    {"ADV_RC_04", 1, "Call, if the table is playing loose then"},
    {"ADV_RC_05", 1, "Call, but play cautiously if an ace flops."},
    {"ADV_RR_01", 1, "Re-raise to the full size of the pot."},
    {"ADV_RR_02", 1, "Most of the time it's best to call"},
    {"ADV_RR_03", 1, "In most games where stacks are around 100BB's,"},
    {"ADV_RR_04", 1, "Against a strict re-raising range of only TT+/AK,"},
    {"ADV_RR_05", 1, "If the re-raise comes from a player that"},
    {"ADV_RR_06", 1, "Keep in mind, that if you are facing"},
    {"ADV_RR_07", 1, "If your opponent is more aggressive, and has"},
    {"ADV_RR_08", 1, "If you don't have a good read on"},
    {"ADV_RR_09", 1, "Keep in mind, that if you are facing"},
    {"ADV_RR_10", 1, "If your opponent is more aggressive, and has"},
    {"ADV_RR_11", 1, "Call unless this commits you entirely to the"},
    {"ADV_RR_12", 1, "Typically it is best to call and use"},
    {"ADV_RR_13", 1, "It is much more profitable to make a"},
    {"ADV_RR_14", 1, "If you are facing an opponent who doesn't"},
    {"ADV_RR_15", 1, "If the raisers are real loose, and you"},
    {"ADV_F_01", 1, "Bet around 3/4 of the pot size if"},
    {"ADV_F_02", 1, "If there are any draws on the flop"},
    {"ADV_F_03", 2, "There should be very rare times that you"},
    {"ADV_F_04", 4, "If you are in this situation, you aren't"},
    {"ADV_F_05", 2, "If the action is checked to you, then"},
    {"ADV_F_06", 2, "If the action has been checked to you,"},
    {"ADV_F_07", 3, "If you are in this situation, you aren't"},
    {"ADV_F_08", 2, "If you are in this situation, you aren't"},
    {"ADV_F_09", 2, "If you are out of position, and against"},
    {"ADV_F_10", 1, "If you've flopped top pair with a weak"},
    {"ADV_F_11", 1, "Call one reasonable flop bet. If your opponent"},
    {"ADV_F_12", 1, "If it is checked to you, and there"},
    {"ADV_F_13", 3, "If your opponent is on the tight side,"},
    {"ADV_F_14", 1, "It is best to check this hand and"},
    {"ADV_F_15", 1, "If it is checked to you then make"},
    {"ADV_F_16", 1, "It is usually best to lead at the"},
    {"ADV_F_17", 1, "If there is a bet in front of"},
    {"ADV_F_18", 1, "In raised pots, make a good size raise"},
    {"ADV_F_19", 1, "If you are facing a bet from a"},
    {"ADV_F_20", 1, "Call most flop bets, unless you are drawing"},
    {"ADV_F_21", 1, "Bet at least the full size of the"},
    {"ADV_F_22", 1, "If you are facing a bet, and getting"},
    {"ADV_F_23", 1, "If it's checked to you in position, and"},
    {"ADV_F_24", 1, "It's typically best to bet your draw as"},
    {"ADV_F_25", 1, "Check the flop and see what action develops."},
    {"ADV_F_26", 1, "Bet or raise near the full size of"},
    {"ADV_F_27", 1, "Bet the full size of the pot, or"},
    {"ADV_F_28", 1, "If you have a well concealed straight draw,"},
    {"ADV_F_29", 1, "In general straight draws are more profitable to"},
    {"ADV_F_30", 1, "Bet at least 3/4 of the pot, if"},
    {"ADV_F_31", 1, "It is usually always best to bet close"},
};

// Names a case by its key in test output.
[[maybe_unused]] void PrintTo(const Expected& e, std::ostream* os)
{
    *os << e.key;
}

std::string_view textOf(const Expected& e)
{
    const auto key = adviceKeyFromName(e.key);
    return key ? adviceText(*key) : std::string_view{};
}

std::vector<std::string_view> paragraphs(std::string_view text)
{
    std::vector<std::string_view> out;
    for (;;) {
        const auto at = text.find(kParagraphBreak);
        out.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return out;
        text.remove_prefix(at + kParagraphBreak.size());
    }
}

std::size_t wordCount(std::string_view text)
{
    std::size_t words = 0;
    bool inWord = false;
    for (char c : text) {
        const bool space = c == ' ' || c == '\r' || c == '\n';
        if (!space && !inWord)
            ++words;
        inWord = !space;
    }
    return words;
}

// The last sentence of a text: what follows the last ". " (or the whole text).
std::string_view lastSentence(std::string_view text)
{
    const auto at = text.rfind(". ");
    return at == std::string_view::npos ? text : text.substr(at + 2);
}

std::string lowered(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool isLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Where `word` first stands in `text` as a whole word (or words), not inside a longer one.
std::size_t findWord(std::string_view text, std::string_view word)
{
    for (auto at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || !isLetterOrDigit(text[at - 1]);
        const auto after = at + word.size();
        const bool endsWord = after == text.size() || !isLetterOrDigit(text[after]);
        if (startsWord && endsWord)
            return at;
    }
    return std::string_view::npos;
}

bool containsWord(std::string_view text, std::string_view word)
{
    return findWord(text, word) != std::string_view::npos;
}

TEST(AdviceContentTable, ListsEveryKeyInKeyOrder)
{
    ASSERT_EQ(std::size(kExpected), kAdviceKeyCount);
    ASSERT_EQ(kAdviceKeyCount, 125u);
    for (std::size_t i = 0; i < kAdviceKeyCount; ++i)
        EXPECT_EQ(adviceKeyName(static_cast<AdviceKey>(i)), kExpected[i].key) << "position " << i;
}

class AdviceEntry : public ::testing::TestWithParam<Expected> {};

TEST_P(AdviceEntry, IsPresentAndStartsWithItsOpeningWords)
{
    const Expected& e = GetParam();
    const auto key = adviceKeyFromName(e.key);
    ASSERT_TRUE(key.has_value());
    const std::string_view text = adviceText(*key);
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(text.starts_with(e.opening)) << "begins: [" << text.substr(0, 60) << "]";
    // The opening words are a beginning, not the whole entry.
    EXPECT_GT(text.size(), std::string_view(e.opening).size() + 40);
}

TEST_P(AdviceEntry, HasItsParagraphsSeparatedByOneEmptyLineAndNoOtherBreak)
{
    const Expected& e = GetParam();
    const auto parts = paragraphs(textOf(e));
    ASSERT_EQ(parts.size(), static_cast<std::size_t>(e.paragraphs));
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view p = parts[i];
        ASSERT_FALSE(p.empty()) << "paragraph " << i;
        EXPECT_EQ(p.find_first_of("\r\n"), std::string_view::npos) << "[" << p << "]";
        EXPECT_NE(p.back(), ' ') << "[" << p << "]";
        if (i > 0) {
            EXPECT_NE(p.front(), ' ') << "[" << p << "]";
        }
    }
}

TEST_P(AdviceEntry, UsesCrLfForEveryLineBreakAndNoOtherControlCharacter)
{
    const std::string_view text = textOf(GetParam());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
        } else if (c == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        } else {
            EXPECT_FALSE(c < 0x20 || c == 0x7f) << "control character " << int(c) << " at " << i;
        }
    }
}

TEST_P(AdviceEntry, IsLongEnoughToSayItsAdviceAndNoLonger)
{
    const std::size_t words = wordCount(textOf(GetParam()));
    EXPECT_GE(words, 25u);
    EXPECT_LE(words, 200u);
}

TEST_P(AdviceEntry, EndsLikeASentence)
{
    const std::string_view text = textOf(GetParam());
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(text.ends_with('.') || text.ends_with(".)")) << "ends: [" << text.substr(text.size() - 20) << "]";
}

INSTANTIATE_TEST_SUITE_P(AllKeys, AdviceEntry, ::testing::ValuesIn(kExpected),
                         [](const ::testing::TestParamInfo<Expected>& p) { return std::string(p.param.key); });

std::string_view text(std::string_view name)
{
    const auto key = adviceKeyFromName(name);
    return key ? adviceText(*key) : std::string_view{};
}

TEST(AdviceSpecialSentences, OffTheStartingHandGuidesIsAParagraphOfItsOwn)
{
    for (const char* name : {"ADV_F_04", "ADV_F_07", "ADV_F_08"}) {
        const auto parts = paragraphs(text(name));
        ASSERT_GE(parts.size(), 2u) << name;
        EXPECT_EQ(parts.front(), "If you are in this situation, you aren't following the starting hand guides.")
            << name;
    }
}

TEST(AdviceSpecialSentences, NutFlushStartsWithRaisedPotsAndAlsoCoversLimpedPots)
{
    EXPECT_TRUE(text("ADV_F_18").starts_with("In raised pots,"));
    EXPECT_NE(text("ADV_F_18").find("limped pot"), std::string_view::npos);
}

TEST(AdviceSpecialSentences, DoubleSpacesStandOnlyWhereTheyBelong)
{
    // Two entries hold two spaces in a row, once, right after these words; no
    // other entry holds any, and none holds three.
    const std::pair<std::string_view, std::string_view> doubled[] = {
        {"ADV_RR_10", "TT+/AJ+"},
        {"ADV_L_22", "If limpers are very loose, raise"},
    };
    for (std::size_t i = 0; i < kAdviceKeyCount; ++i) {
        const auto key = static_cast<AdviceKey>(i);
        const std::string_view t = adviceText(key);
        const auto at = t.find("  ");
        EXPECT_EQ(t.find("   "), std::string_view::npos) << adviceKeyName(key);
        const auto* const d = std::find_if(std::begin(doubled), std::end(doubled),
                                           [&](const auto& c) { return c.first == adviceKeyName(key); });
        if (d == std::end(doubled)) {
            EXPECT_EQ(at, std::string_view::npos) << adviceKeyName(key);
            continue;
        }
        ASSERT_NE(at, std::string_view::npos) << adviceKeyName(key);
        EXPECT_EQ(t.substr(0, at).ends_with(d->second), true) << adviceKeyName(key);
        EXPECT_EQ(t.find("  ", at + 1), std::string_view::npos) << adviceKeyName(key);
    }
}

TEST(AdviceSpecialSentences, OnlyTwoEntriesStartWithASpace)
{
    for (std::size_t i = 0; i < kAdviceKeyCount; ++i) {
        const auto key = static_cast<AdviceKey>(i);
        const bool leading = adviceText(key).starts_with(' ');
        const bool expected = adviceKeyName(key) == "ADV_O_30" || adviceKeyName(key) == "ADV_R_03";
        EXPECT_EQ(leading, expected) << adviceKeyName(key);
    }
}

// The unopened-pot entries for the blinds also cover the big blind after a
// limp from the small blind, in one sentence that names that case.
TEST(AdviceSpecialSentences, BigBlindAfterASmallBlindLimpIsOneSentenceNamingTheLimp)
{
    constexpr std::string_view clause =
        "If instead you are in the big blind and the small blind has limped, with everyone else folded, ";
    for (const char* name : {"ADV_O_08", "ADV_O_09", "ADV_O_11", "ADV_O_13", "ADV_O_15", "ADV_O_19", "ADV_O_22",
                             "ADV_O_25", "ADV_O_26", "ADV_O_29", "ADV_O_31", "ADV_O_33", "ADV_O_37"}) {
        const std::string_view t = text(name);
        const auto at = t.find(clause);
        ASSERT_NE(at, std::string_view::npos) << name;
        EXPECT_TRUE(t.substr(0, at).ends_with(". ")) << name << ": the clause starts a sentence";
        EXPECT_EQ(t.find(clause, at + 1), std::string_view::npos) << name;
        const auto end = t.find(". ", at);
        ASSERT_NE(end, std::string_view::npos) << name;
        EXPECT_NE(t.substr(at, end - at).find("raise"), std::string_view::npos) << name << ": the sentence says raise";
    }
}

// Entries that give the same advice as another entry carry their own wording.
TEST(AdviceTwins, SameAdviceIsWordedItsOwnWay)
{
    const std::pair<const char*, const char*> twins[] = {
        {"ADV_O_26", "ADV_O_13"}, {"ADV_O_31", "ADV_O_13"}, {"ADV_O_33", "ADV_O_13"},
        {"ADV_O_26", "ADV_O_31"}, {"ADV_O_26", "ADV_O_33"}, {"ADV_O_31", "ADV_O_33"},
        {"ADV_RR_09", "ADV_RR_06"}, {"ADV_RR_10", "ADV_RR_07"},
    };
    for (const auto& [a, b] : twins) {
        const std::string_view ta = text(a), tb = text(b);
        ASSERT_FALSE(ta.empty()) << a;
        ASSERT_FALSE(tb.empty()) << b;
        EXPECT_NE(ta, tb) << a << " and " << b;
        EXPECT_NE(lastSentence(ta), lastSentence(tb)) << a << " and " << b;
        // Beyond the shared opening, the wording differs early on.
        const auto common =
            static_cast<std::size_t>(std::mismatch(ta.begin(), ta.end(), tb.begin(), tb.end()).first - ta.begin());
        EXPECT_LT(common, 80u) << a << " and " << b;
    }
}

// Every term the help explains is spelled one way in every entry.
TEST(AdviceTerms, AreSpelledOneWayEverywhere)
{
    // A spelling to avoid, and the one to write.
    const std::pair<std::string_view, std::string_view> variants[] = {
        {"cut-off", "cutoff"},
        {"minimum raise", "mini-raise"},
        {"min-raise", "mini-raise"},
        {"mini raise", "mini-raise"},
        {"minraise", "mini-raise"},
        {"4bet", "4-bet"},
        {"four-bet", "4-bet"},
        {"4 bet", "4-bet"},
        {"3-bet", "re-raise"},
        {"5-10 rule", "5/10 rule"},
        {"5/10-rule", "5/10 rule"},
        {"10/5 rule", "5/10 rule"},
        {"reraise", "re-raise"},
        {"re raise", "re-raise"},
        {"allin", "all-in"},
        {"headsup", "heads-up"},
        {"heads up", "heads-up"},
        {"multiway", "multi-way"},
        {"multi way", "multi-way"},
        {"MP 2", "MP2"},
        {"check raise", "check-raise"},
        {"semibluff", "semi-bluff"},
        {"preflop", "pre-flop"},
        {"open-limp", "open limp"},
        {"open-raise", "open raise"},
    };
    for (std::size_t i = 0; i < kAdviceKeyCount; ++i) {
        const auto key = static_cast<AdviceKey>(i);
        const std::string t = lowered(adviceText(key));
        for (const auto& [wrong, right] : variants)
            EXPECT_FALSE(containsWord(t, lowered(wrong)))
                << adviceKeyName(key) << " writes \"" << wrong << "\"; write \"" << right << "\"";
    }
}

// "CO" is an abbreviation the help explains; an entry spells out "cutoff"
// before it first writes "CO".
TEST(AdviceTerms, CutoffIsSpelledOutBeforeCO)
{
    for (std::size_t i = 0; i < kAdviceKeyCount; ++i) {
        const auto key = static_cast<AdviceKey>(i);
        const std::string_view t = adviceText(key);
        const auto co = findWord(t, "CO");
        if (co == std::string_view::npos)
            continue;
        EXPECT_LT(findWord(t, "cutoff"), co) << adviceKeyName(key);
    }
}

// The 5/10 rule is defined in one sentence, the same wherever an entry defines
// it, and named in one phrase ("when the 5/10 rule applies", or "does not
// apply") wherever an entry only applies it.
TEST(AdviceTerms, TheFiveTenRuleIsDefinedAndNamedOneWay)
{
    constexpr std::string_view definition =
        "The 5/10 rule: call when the raise is at most 5% of the smaller of your stack and the raiser's, fold "
        "when it is more than 10%, and in between call only against a player who will pay you off when you flop "
        "a set.";
    constexpr std::string_view rule = "5/10 rule";
    constexpr std::string_view applied = "when the ";
    const auto defining = {"ADV_O_14", "ADV_O_21", "ADV_R_11", "ADV_RR_15"};
    for (std::size_t i = 0; i < kAdviceKeyCount; ++i) {
        const auto key = static_cast<AdviceKey>(i);
        const std::string_view t = adviceText(key);
        const bool defines = std::find(defining.begin(), defining.end(), adviceKeyName(key)) != defining.end();
        EXPECT_EQ(t.find(definition) != std::string_view::npos, defines) << adviceKeyName(key);
        // Stakes in percent belong to the definition only.
        if (!defines) {
            EXPECT_FALSE(containsWord(t, "5%")) << adviceKeyName(key);
        }
        for (auto at = t.find(rule); at != std::string_view::npos; at = t.find(rule, at + 1)) {
            const bool inDefinition = t.substr(at - std::min<std::size_t>(at, 4)).starts_with(definition);
            const std::string_view after = t.substr(at + rule.size());
            const bool named = at >= applied.size() &&
                               lowered(t.substr(at - applied.size(), applied.size())) == applied &&
                               (after.starts_with(" applies") || after.starts_with(" does not apply"));
            EXPECT_TRUE(inDefinition || named)
                << adviceKeyName(key) << ": [" << t.substr(at - std::min<std::size_t>(at, 20), 40) << "]";
        }
    }
}

// The sentence of a text that holds `phrase`: from the end of the sentence
// before it (". ") to its own end; empty when the phrase is not there.
std::string_view sentenceWith(std::string_view text, std::string_view phrase)
{
    const auto at = text.find(phrase);
    if (at == std::string_view::npos)
        return {};
    const auto before = text.rfind(". ", at);
    const auto start = before == std::string_view::npos ? 0 : before + 2;
    const auto end = text.find(". ", at + phrase.size());
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end + 1 - start);
}

// What a revised entry advises, and why, kept from being turned around by a
// later edit: a phrase, words its sentence must hold, and words it must not.
struct Direction {
    const char* key;
    const char* phrase;
    std::vector<const char*> with;
    std::vector<const char*> without;
};

[[maybe_unused]] void PrintTo(const Direction& d, std::ostream* os)
{
    *os << d.key << " \"" << d.phrase << "\"";
}

const Direction kDirections[] = {
    // Queens: call most of the time; deep stacks make a 4-bet the better play.
    {"ADV_RR_02", "best to call", {"Most of the time"}, {"4-bet"}},
    {"ADV_RR_02", "a 4-bet is better", {"deep", "about the size of the pot"}, {"short"}},
    {"ADV_RR_02", "worse hands pay now", {"one opponent"}, {}},
    // Ace-ten over very loose limpers: from the button only; a re-raise folds it.
    {"ADV_L_22", "raise  from the button", {"4xBB plus 1BB per limper"}, {"cutoff", "CO"}},
    {"ADV_L_22", "If you are re-raised, fold", {"a blind or a limper"}, {"button"}},
    // Aces or kings in the blinds: calling a re-raise is the rule, re-raising the exception.
    {"ADV_L_02", "mostly just call", {"If you are re-raised"}, {"deep", "100"}},
    {"ADV_L_02", "push all-in", {"Only when the stacks are short", "re-raise again"}, {}},
    {"ADV_L_02", "another player calls it", {"re-raise again"}, {}},
    // Ace-queen from late: the button's re-raise is folded for its size, not its range.
    {"ADV_O_16", "re-raised from the button, fold", {}, {}},
    {"ADV_O_16", "usually large", {"out of position"}, {"wide"}},
    {"ADV_O_16", "re-raised from the blinds and the stacks are deep", {"call"}, {"fold"}},
    // Ace-queen from middle: call the button, fold to the narrower ranges between.
    {"ADV_O_17", "re-raised from the button", {"call", "reasonable size"}, {"fold"}},
    {"ADV_O_17", "Fold to re-raises from anywhere else", {"narrower range", "dominated"}, {"out of position"}},
    // King-queen from middle: a small re-raise from the blinds is called, one from behind folded.
    {"ADV_O_30", "in the blinds re-raises", {"small", "call"}, {"fold"}},
    {"ADV_O_30", "still to act behind you", {"fold", "position on you"}, {"call"}},
    // Small pairs from late: fold, not limp, with aggressive players behind.
    {"ADV_O_32", "very aggressive players behind you", {"fold"}, {"open limp instead"}},
    {"ADV_O_32", "5/10 rule applies", {"call a moderate re-raise"}, {}},
    // Ace-queen over limpers: the dangers are ace-king, bigger pairs and sets.
    {"ADV_L_15", "include ace-king", {"ace-high flop", "kicker"}, {"queen-high"}},
    {"ADV_L_15", "rarely out-kicked", {"queen-high flop", "kings and aces", "set"}, {}},
    // Jacks called all-in by a tight range: below 40%, about 36%.
    {"ADV_RR_06", "about 43%", {"TT+/AK"}, {}},
    {"ADV_RR_06", "below 40%", {"about 36%", "get called"}, {"about 40%", "or a little less"}},
    {"ADV_RR_09", "about 43%", {"TT+/AK"}, {"win about"}},
    {"ADV_RR_09", "below 40%", {"about 36%", "get called"}, {"about 40%"}},
};

class RevisedAdvice : public ::testing::TestWithParam<Direction> {};

TEST_P(RevisedAdvice, KeepsItsDirection)
{
    const Direction& d = GetParam();
    const std::string_view sentence = sentenceWith(text(d.key), d.phrase);
    ASSERT_FALSE(sentence.empty()) << d.key << " no longer says \"" << d.phrase << "\"";
    for (const char* word : d.with)
        EXPECT_NE(sentence.find(word), std::string_view::npos) << "[" << sentence << "] lacks \"" << word << "\"";
    for (const char* word : d.without)
        EXPECT_FALSE(containsWord(sentence, word)) << "[" << sentence << "] holds \"" << word << "\"";
}

INSTANTIATE_TEST_SUITE_P(Keys, RevisedAdvice, ::testing::ValuesIn(kDirections));

TEST(AdviceKeyNames, EveryNameIsFoundAndNamesItsOwnKey)
{
    for (std::size_t i = 0; i < std::size(kExpected); ++i) {
        const auto key = adviceKeyFromName(kExpected[i].key);
        ASSERT_TRUE(key.has_value()) << kExpected[i].key;
        EXPECT_EQ(static_cast<std::size_t>(*key), i);
        EXPECT_EQ(adviceKeyName(*key), kExpected[i].key);
    }
}

TEST(AdviceKeyNames, MisspeltNamesAreRejected)
{
    for (const char* name : {"", "ADV_O_00", "ADV_O_38", "ADV_L_25", "ADV_R_14", "ADV_RC_06", "ADV_RR_16",
                             "ADV_F_32", "adv_o_01", "ADV_O_1", "ADV_O_001", "ADV-O-01", "ADV_0_01", " ADV_O_01",
                             "ADV_O_01 ", "ADV_X_01", "ADV_RCC_01", "ADV_F_1O"})
        EXPECT_FALSE(adviceKeyFromName(name).has_value()) << "[" << name << "]";
}

} // namespace
