#include <gtest/gtest.h>

#include "platform/PlatformError.h"
#include "platform/propertybag/Base64.h"
#include "platform/propertybag/PropertyBag.h"
#include "platform/propertybag/PropertyChanges.h"
#include "platform/propertybag/PropertyErrors.h"

namespace {

using namespace platform;

TEST(PropertyBag, MissingKeysReadAsTheirDefaults)
{
    const PropertyBag bag;
    EXPECT_EQ(bag.readInteger("Alignment", 3), 3);
    EXPECT_TRUE(bag.readBoolean("Enabled", true));
    EXPECT_EQ(bag.readText("Caption", "x"), "x");
    EXPECT_EQ(bag.readColour("BackColor", OleColour{0x8000000F}).value, 0x8000000Fu);
    const FontDesc font{"Tahoma", 8, true};
    EXPECT_EQ(bag.readFont("Font", font), font);
    EXPECT_TRUE(bag.readPicture("MouseIcon", {}).empty());
}

TEST(PropertyBag, ValueEqualToItsDefaultIsNotStoredAndRemovesAnEarlierOne)
{
    PropertyBag bag;
    bag.write("Alignment", std::int32_t{0}, std::int32_t{0});
    EXPECT_FALSE(bag.contains("Alignment"));
    bag.write("Alignment", std::int32_t{2}, std::int32_t{0});
    EXPECT_EQ(bag.readInteger("Alignment", 0), 2);
    // Saving again into the same bag with the default value must not leave 2.
    bag.write("Alignment", std::int32_t{0}, std::int32_t{0});
    EXPECT_FALSE(bag.contains("Alignment"));
    EXPECT_TRUE(bag.empty());
}

TEST(PropertyBag, NoPictureEqualsNoPictureWhateverItsFormat)
{
    PropertyBag bag;
    Picture none;
    none.format = "png";
    bag.write("MouseIcon", none, Picture{});
    EXPECT_TRUE(bag.empty());
}

TEST(PropertyBag, ReadingAnotherKindIsATypeMismatch)
{
    PropertyBag bag;
    bag.set("Caption", std::string("Pre-Flop"));
    try {
        bag.readInteger("Caption", 0);
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.number(), kErrTypeMismatch);
        EXPECT_NE(error.description().find("Caption"), std::string::npos);
    }
}

TEST(PropertyBag, ColoursAndIntegersReadAsEachOther)
{
    PropertyBag bag;
    bag.set("BackColor", std::int32_t{0x00137C05});
    bag.set("Number", OleColour{0x80000012});
    EXPECT_EQ(bag.readColour("BackColor", {}).value, 0x00137C05u);
    EXPECT_EQ(static_cast<std::uint32_t>(bag.readInteger("Number", 0)), 0x80000012u);
}

TEST(PropertyChanges, NamesEachChangedKeyToTheHost)
{
    PropertyChanges changes;
    std::vector<std::string> heard;
    changes.changed.connect([&](const std::string& key) { heard.push_back(key); });
    changes.mark("Caption");
    changes.mark("Alignment");
    changes.mark("Caption");
    EXPECT_EQ(heard, (std::vector<std::string>{"Caption", "Alignment", "Caption"}));
    EXPECT_EQ(changes.keys().size(), 2u);
    changes.clear();
    EXPECT_FALSE(changes.any());
}

TEST(Base64, RoundTripsEveryLengthAndRejectsNonCanonicalText)
{
    for (std::size_t n = 0; n < 12; ++n) {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < n; ++i)
            bytes.push_back(static_cast<std::uint8_t>(i * 37 + 250));
        const auto decoded = decodeBase64(encodeBase64(bytes));
        ASSERT_TRUE(decoded) << n;
        EXPECT_EQ(*decoded, bytes) << n;
    }
    EXPECT_EQ(encodeBase64({'M', 'a'}), "TWE=");
    for (const char* bad : {"TWE", "TW=E", "TWF=", "T*E=", "====", "TQ=x"})
        EXPECT_FALSE(decodeBase64(bad)) << bad;
}

} // namespace
