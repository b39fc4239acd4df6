// User input through the one input API: key filters, typed-length limits,
// caret and selection, clicks, and the end-of-input notification.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/form/Input.h"
#include "platform/text/Utf8.h"

using namespace platform;

namespace {

struct Box {
    Form form{"frm"};
    TextBox box{form, "txt"};
    int changes = 0;
    Box()
    {
        box.change.connect([this] { ++changes; });
    }
    void typeAtEnd(std::u32string_view keys)
    {
        for (char32_t k : keys) {
            box.setSelection(utf8::length(box.text()), 0);
            input::keyPress(box, static_cast<int>(k));
        }
    }
};

struct KeyCase {
    const char* name;
    const char* before;
    std::size_t selStart;
    std::size_t selLength;
    std::size_t limit;
    int key;
    const char* after;
    std::size_t caretAfter;
};

class KeyPressTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyPressTest, EditsTheTextAsTyping)
{
    const KeyCase& c = GetParam();
    Box b;
    b.box.setText(c.before);
    b.box.setMaxLength(c.limit);
    b.box.setSelection(c.selStart, c.selLength);
    b.changes = 0;
    const bool changed = input::keyPress(b.box, c.key);
    EXPECT_EQ(b.box.text(), c.after);
    EXPECT_EQ(changed, std::string(c.before) != c.after);
    EXPECT_EQ(b.changes, changed ? 1 : 0);
    EXPECT_EQ(b.box.selStart(), c.caretAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyPressTest,
    ::testing::Values(
        KeyCase{"append", "A", 1, 0, 2, 'K', "AK", 2},
        KeyCase{"insertAtCaret", "AK", 1, 0, 0, 'Q', "AQK", 2},
        KeyCase{"refusedAtLimit", "AK", 2, 0, 2, 'Q', "AK", 2},
        KeyCase{"replaceSelectionAtLimit", "AK", 1, 1, 2, 'Q', "AQ", 2},
        KeyCase{"replaceAllAtLimit", "AK", 0, 2, 2, '7', "7", 1},
        KeyCase{"backspaceDeletesBeforeCaret", "AKQ", 2, 0, 0, 8, "AQ", 1},
        KeyCase{"backspaceAtStartDoesNothing", "AK", 0, 0, 0, 8, "AK", 0},
        KeyCase{"backspaceDeletesSelection", "12345", 1, 3, 0, 8, "15", 1},
        KeyCase{"backspaceAllowedAboveLimit", "ABC", 3, 0, 2, 8, "AB", 2},
        KeyCase{"tabInsertsNothing", "A", 1, 0, 0, 9, "A", 1},
        KeyCase{"returnInSingleLineInsertsNothing", "A", 1, 0, 0, 13, "A", 1},
        KeyCase{"otherControlKeysInsertNothing", "A", 1, 0, 0, 3, "A", 1},
        KeyCase{"discardedByFilterIsZero", "A", 1, 0, 0, 0, "A", 1},
        KeyCase{"codePointCountsOnce", "\xE2\x82\xAC", 1, 0, 2, 'x', "\xE2\x82\xAC" "x", 2},
        KeyCase{"backspaceRemovesAWholeCodePoint", "a\xE2\x82\xAC", 2, 0, 0, 8, "a", 1},
        KeyCase{"nonAsciiKey", "", 0, 0, 0, 0x20AC, "\xE2\x82\xAC", 1}),
    [](const ::testing::TestParamInfo<KeyCase>& i) { return std::string(i.param.name); });

TEST(KeyPress, FilterRunsBeforeTheLimitAndMayReplaceTheKey)
{
    Box b;
    b.box.setMaxLength(2);
    std::vector<int> seen;
    b.box.keyPress.connect([&](int& key) {
        seen.push_back(key);
        if (key == 'x')
            key = 0;
        if (key == 'a')
            key = 'A';
    });
    b.typeAtEnd(U"axKQ");
    EXPECT_EQ(b.box.text(), "AK");
    // The filter saw every key, the one refused by the limit included.
    EXPECT_EQ(seen, (std::vector<int>{'a', 'x', 'K', 'Q'}));
}

TEST(KeyPress, ReturnBreaksTheLineInAMultiLineBox)
{
    Box b;
    b.box.setMultiLine(true);
    b.typeAtEnd(U"a\rb");
    EXPECT_EQ(b.box.text(), "a\r\nb");
}

TEST(KeyPress, TextSetByCodeIsNotLimitedAndPutsTheCaretAtTheEnd)
{
    Box b;
    b.box.setMaxLength(2);
    b.box.setText("$1,000.00");
    EXPECT_EQ(b.box.text(), "$1,000.00");
    EXPECT_EQ(b.box.selStart(), 9u);
}

TEST(EditRange, DeleteAndPasteBypassTheFilterButStillNotify)
{
    Box b;
    b.box.setMaxLength(2);
    b.box.keyPress.connect([](int& key) { key = 0; });
    b.box.setText("ABCD");
    b.changes = 0;
    EXPECT_TRUE(input::deleteRange(b.box, 1, 2));
    EXPECT_EQ(b.box.text(), "AD");
    EXPECT_FALSE(input::deleteRange(b.box, 1, 0));
    b.box.setSelection(1, 0);
    EXPECT_TRUE(input::insertText(b.box, "xyz"));
    EXPECT_EQ(b.box.text(), "AxyzD");
    EXPECT_EQ(b.changes, 2);
}

TEST(Click, EachKindDoesItsOwnThing)
{
    Form form("frm");
    OptionGroup g;
    OptionButton a(form, "optA", g);
    OptionButton c(form, "optC", g);
    CheckBox check(form, "chk");
    CommandButton button(form, "cmd");
    Label label(form, "lbl");
    int clicks = 0;
    a.click.connect([&] { ++clicks; });
    check.click.connect([&] { ++clicks; });
    button.click.connect([&] { ++clicks; });
    label.click.connect([&] { ++clicks; });

    input::click(a);
    input::click(a); // already selected
    input::click(check);
    input::click(check);
    input::click(button);
    input::click(label);
    EXPECT_TRUE(a.value());
    EXPECT_EQ(check.value(), 0);
    EXPECT_EQ(clicks, 5);
    input::click(c);
    EXPECT_FALSE(a.value());
}

TEST(InputDone, RaisedOnceAfterTheOutermostCall)
{
    Box b;
    TextBox mirror(b.form, "mirror");
    int done = 0;
    std::string seenAtDone;
    b.form.inputDone.connect([&] {
        ++done;
        seenAtDone = mirror.text();
    });
    // The change handler causes more input-free changes; the view hears once,
    // after all of them.
    b.box.change.connect([&] { mirror.setText("copy of " + b.box.text()); });
    b.typeAtEnd(U"ab");
    EXPECT_EQ(done, 2);
    EXPECT_EQ(seenAtDone, "copy of ab");
}

TEST(KeyDown, PreviewLetsTheFormConsumeAKey)
{
    Form form("frm");
    form.keyDown.connect([](int& code, int) {
        if (code == KeyF1)
            code = 0;
    });
    EXPECT_EQ(input::keyDown(form, KeyF1, 0), KeyF1); // no preview: the form does not see it
    form.setKeyPreview(true);
    EXPECT_EQ(input::keyDown(form, KeyF1, 0), 0);
    EXPECT_EQ(input::keyDown(form, 65, 0), 65);
}

TEST(Utf8, LengthsAndOffsetsCountCodePoints)
{
    const std::string s = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x82\xA1" "\xFF";
    EXPECT_EQ(utf8::length(s), 5u); // a, e-acute, euro, playing card, one invalid byte
    EXPECT_EQ(utf8::offsetOf(s, 2), 3u);
    EXPECT_EQ(utf8::offsetOf(s, 99), s.size());
    std::size_t pos = s.size() - 1;
    EXPECT_EQ(utf8::decode(s, pos), U'\uFFFD');
    std::string out;
    utf8::append(out, 0x1F0A1);
    EXPECT_EQ(out, "\xF0\x9F\x82\xA1");
}

} // namespace
