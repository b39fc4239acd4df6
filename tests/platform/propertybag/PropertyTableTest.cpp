// A control's property table: placing, loading in passes, saving without
// defaults, host-given defaults, and writes by name.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/GuardedCall.h"
#include "platform/propertybag/PropertyTable.h"

namespace {

using platform::PropertyBag;
using platform::PropertyValue;

enum class Shape : std::int32_t { Round = 0, Square = 1 };

struct Widget {
    std::int32_t size = -1;
    std::uint32_t colour = 0;
    std::string caption;
    Shape shape = Shape::Round;
    std::vector<std::string> loaded; // the order values arrived in
    Shape Form() const noexcept { return shape; }
    void setForm(Shape value)
    {
        if (value != Shape::Round && value != Shape::Square)
            throw platform::PlatformError(platform::kErrInvalidPropertyValue, "bad shape");
        shape = value;
    }
};

template <auto Field>
void record(Widget& w, const PropertyValue& value)
{
    platform::propertyPut<Field>(w, value);
    w.loaded.push_back(std::to_string(value.index()));
}

const platform::PropertyTable<Widget>& table()
{
    using platform::AmbientDefault;
    using platform::propertyGet;
    using platform::propertyPut;
    static const platform::PropertyTable<Widget> t({
        {.name = "Size", .defaultValue = 7, .get = propertyGet<&Widget::size>, .load = record<&Widget::size>,
         .readPass = 1},
        {.name = "Colour", .defaultValue = platform::OleColour{0x8000000F}, .get = propertyGet<&Widget::colour>,
         .load = record<&Widget::colour>},
        {.name = "Caption", .defaultValue = std::string(), .placedDefault = AmbientDefault::DisplayName,
         .get = propertyGet<&Widget::caption>, .load = record<&Widget::caption>},
        {.name = "Form", .defaultValue = 1, .get = propertyGet<&Widget::Form>, .set = propertyPut<&Widget::setForm>,
         .load = propertyPut<&Widget::setForm>, .placed = false},
    });
    return t;
}

platform::Ambient ambient()
{
    platform::Ambient a;
    a.displayName = "Widget1";
    return a;
}

TEST(PropertyTable, PlacingGivesThePlacedDefaultsAndLeavesTheOthers)
{
    Widget w;
    table().place(w, ambient());
    EXPECT_EQ(w.size, 7);
    EXPECT_EQ(w.colour, 0x8000000Fu);
    EXPECT_EQ(w.caption, "Widget1");
    EXPECT_EQ(w.shape, Shape::Round); // not placed
}

TEST(PropertyTable, LoadingReadsPassByPassInTableOrder)
{
    PropertyBag bag;
    bag.set("Size", 3);
    bag.set("Caption", std::string("Odds"));
    Widget w;
    table().read(w, bag, ambient());
    // Colour (a colour, index 3) and Caption (a text, 2) in pass 0, then Size (1).
    EXPECT_EQ(w.loaded, (std::vector<std::string>{"3", "2", "0"}));
    EXPECT_EQ(w.size, 3);
    EXPECT_EQ(w.caption, "Odds"); // the bag's default is empty, not the name
    EXPECT_EQ(w.shape, Shape::Square);
}

TEST(PropertyTable, SavingStoresOnlyWhatDiffersInTableOrder)
{
    Widget w;
    table().place(w, ambient());
    w.size = 9;
    PropertyBag bag;
    table().write(w, bag, ambient());
    ASSERT_EQ(bag.entries().size(), 3u);
    EXPECT_EQ(bag.entries()[0].first, "Size");
    EXPECT_EQ(bag.entries()[1].first, "Caption");
    EXPECT_EQ(bag.entries()[2].first, "Form"); // Round, its default is Square
}

TEST(PropertyTable, AStoredValueOfAnotherKindIsATypeMismatch)
{
    PropertyBag bag;
    bag.set("Size", std::string("big"));
    Widget w;
    try {
        table().read(w, bag, ambient());
        FAIL() << "loaded";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), platform::kErrTypeMismatch);
    }
}

struct WriteCase {
    const char* name;
    PropertyValue value;
    long error; // 0: none
};

class WritesByName : public testing::TestWithParam<WriteCase> {};

TEST_P(WritesByName, GoThroughTheSetterAndReportWhatItRefuses)
{
    const WriteCase& c = GetParam();
    Widget w;
    long reported = 0;
    const bool done = platform::guardedCall([&] { table().set(w, c.name, c.value); },
                                            [&](long number, const std::string&) { reported = number; });
    EXPECT_EQ(done, c.error == 0);
    EXPECT_EQ(reported, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WritesByName,
    testing::Values(WriteCase{"Form", 1, 0}, WriteCase{"Form", 4, platform::kErrInvalidPropertyValue},
                    WriteCase{"Form", std::string("x"), platform::kErrTypeMismatch},
                    WriteCase{"Size", 1, platform::kErrInvalidProcedureCall}, // no setter
                    WriteCase{"Nothing", 1, platform::kErrInvalidProcedureCall}));

TEST(GuardedCall, AnyOtherExceptionIsReportedAsAnInternalError)
{
    long reported = 0;
    std::string text;
    EXPECT_FALSE(platform::guardedCall([] { throw std::runtime_error("gone"); },
                                       [&](long number, const std::string& description) {
                                           reported = number;
                                           text = description;
                                       }));
    EXPECT_EQ(reported, platform::kErrInternal);
    EXPECT_EQ(text, "gone");
}

} // namespace
