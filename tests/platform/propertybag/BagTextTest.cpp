#include <gtest/gtest.h>

#include "platform/PlatformError.h"
#include "platform/propertybag/BagText.h"
#include "tests/support/TextReaderChecks.h"
#include "platform/propertybag/PropertyErrors.h"

namespace {

using namespace platform;

PropertyBag everyKind()
{
    PropertyBag bag;
    bag.set("Alignment", std::int32_t{-2147483647 - 1});
    bag.set("Appearance", std::int32_t{2147483647});
    bag.set("Enabled", false);
    bag.set("ClipControls", true);
    bag.set("Caption", std::string("Pre-\"Flop\"\\ \r\n\t\x01\x7F caf\xC3\xA9"));
    bag.set("Empty", std::string());
    bag.set("BackColor", OleColour{0x8000000F});
    bag.set("ForeColor", OleColour{0x00FFFFFF});
    bag.set("Font", FontDesc{"MS Sans Serif", 9.75, true, true, true, true});
    bag.set("Plain", FontDesc{"", 0.1});
    Picture picture;
    picture.format = "png";
    picture.hotX = 3;
    picture.hotY = -1;
    picture.data = {0x89, 'P', 'N', 'G', 0, 255, 10};
    bag.set("MouseIcon", picture);
    bag.set("NoIcon", Picture{});
    bag.set("FontSize", 9.75);
    bag.set("Whole", 8.0); // stays a number, not an integer
    bag.set("Tiny", -1.5e-300);
    return bag;
}

TEST(BagText, EveryKindOfValueSurvivesWritingAndReading)
{
    const PropertyBag bag = everyKind();
    const std::string text = writeBagText(bag);
    const PropertyBag read = readBagText(text);
    ASSERT_EQ(read.entries().size(), bag.entries().size());
    for (std::size_t i = 0; i < bag.entries().size(); ++i) {
        EXPECT_EQ(read.entries()[i].first, bag.entries()[i].first);
        EXPECT_EQ(read.entries()[i].second, bag.entries()[i].second) << bag.entries()[i].first;
    }
    // The text is stable: writing what was read gives the same text.
    EXPECT_EQ(writeBagText(read), text);
}

TEST(BagText, WritesOneReadableLineAnEntry)
{
    PropertyBag bag;
    bag.set("Caption", std::string("Pre-Flop"));
    bag.set("BackColor", OleColour{0x00137C05});
    bag.set("Font", FontDesc{"MS Sans Serif", 9.75, true});
    bag.set("Enabled", false);
    bag.set("FontSize", 8.25);
    EXPECT_EQ(writeBagText(bag), "property-bag 1\n"
                                 "Caption = \"Pre-Flop\"\n"
                                 "BackColor = colour 0x00137C05\n"
                                 "Font = font \"MS Sans Serif\" 9.75 bold\n"
                                 "Enabled = false\n"
                                 "FontSize = number 8.25\n");
}

TEST(BagText, AcceptsCommentsBlankLinesAndWindowsLineEnds)
{
    const PropertyBag bag = readBagText("# saved by the host\r\n\r\nproperty-bag 1\r\n  Alignment=1  \r\n\n"
                                        "Font = font \"Tahoma\" 8 italic\n");
    EXPECT_EQ(bag.readInteger("Alignment", 0), 1);
    EXPECT_TRUE(bag.readFont("Font", {}).italic);
    EXPECT_TRUE(readBagText("property-bag 1").empty());
}

struct Corrupt {
    const char* text;
    const char* mentions; // part of the description
};

class CorruptBagText : public testing::TestWithParam<Corrupt> {};

TEST_P(CorruptBagText, IsRejectedWithTheLineAndTheFault)
{
    try {
        readBagText(GetParam().text);
        FAIL() << "accepted: " << GetParam().text;
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.number(), kErrInvalidFileFormat);
        EXPECT_NE(error.description().find(GetParam().mentions), std::string::npos) << error.description();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CorruptBagText,
    testing::Values(Corrupt{"", "empty"}, Corrupt{"# only a comment\n", "empty"},
                    Corrupt{"property-bag 2\n", "line 1"}, Corrupt{"Alignment = 1\n", "expected \"property-bag 1\""},
                    Corrupt{"property-bag 1\n= 1\n", "line 2: expected a property name"},
                    Corrupt{"property-bag 1\nAlignment 1\n", "expected \"=\""},
                    Corrupt{"property-bag 1\nAlignment =\n", "expected a value"},
                    Corrupt{"property-bag 1\nAlignment = 2147483648\n", "not a 32-bit integer"},
                    Corrupt{"property-bag 1\nAlignment = 1x\n", "not a 32-bit integer"},
                    Corrupt{"property-bag 1\nAlignment = 1 2\n", "after the value"},
                    Corrupt{"property-bag 1\nEnabled = yes\n", "unknown value"},
                    Corrupt{"property-bag 1\nCaption = \"open\n", "no closing quote"},
                    Corrupt{"property-bag 1\nCaption = \"a\\q\"\n", "unknown escape"},
                    Corrupt{"property-bag 1\nCaption = \"\\x4\"\n", "two hexadecimal digits"},
                    Corrupt{"property-bag 1\nCaption = \"tab\there\"\n", "control character"},
                    Corrupt{"property-bag 1\nCaption = \"ends in \\", "escape"},
                    Corrupt{"property-bag 1\nBackColor = colour 0x123456789\n", "up to 8"},
                    Corrupt{"property-bag 1\nBackColor = colour 0xZZ\n", "hexadecimal"},
                    Corrupt{"property-bag 1\nFont = font \"A\" nan\n", "not a number"},
                    Corrupt{"property-bag 1\nFont = font \"A\" -1\n", "between 0 and 2048"},
                    Corrupt{"property-bag 1\nFont = font \"A\" 8 bold bold\n", "given twice"},
                    Corrupt{"property-bag 1\nFont = font \"A\" 8 heavy\n", "unknown font style"},
                    Corrupt{"property-bag 1\nFont = font A 8\n", "quoted"},
                    Corrupt{"property-bag 1\nMouseIcon = picture png 1 1 !!!!\n", "base64"},
                    Corrupt{"property-bag 1\nMouseIcon = picture png 1 1\n", "base64"},
                    Corrupt{"property-bag 1\nMouseIcon = picture png -2 1 TWE=\n", "hot spot"},
                    Corrupt{"property-bag 1\nMouseIcon = picture p/g 1 1 TWE=\n", "picture format"},
                    Corrupt{"property-bag 1\nFontSize = number\n", "not a number"},
                    Corrupt{"property-bag 1\nFontSize = number inf\n", "not a number"},
                    Corrupt{"property-bag 1\nFontSize = number 8,25\n", "not a number"},
                    Corrupt{"property-bag 1\nA = 1\nA = 2\n", "line 3: property A is given twice"}));

TEST(BagText, NoPrefixOfAValidTextCrashesTheReader)
{
    testsupport::expectEveryPrefixReadOrRefused(writeBagText(everyKind()), readBagText);
}

} // namespace
