#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "history/practice/DrillTime.h"

namespace {

using namespace practice;

TEST(DrillTime, IsoTimesAreWrittenAndReadBack)
{
    const struct {
        std::int64_t seconds;
        const char* text;
    } cases[] = {{0, "1970-01-01T00:00:00Z"},
                 {951782400, "2000-02-29T00:00:00Z"},
                 {1798761599, "2026-12-31T23:59:59Z"},
                 {1765276200, "2025-12-09T10:30:00Z"}};
    for (const auto& c : cases) {
        EXPECT_EQ(isoTime(c.seconds), c.text);
        EXPECT_EQ(parseIsoTime(c.text), c.seconds) << c.text;
    }
}

TEST(DrillTime, OtherTextsAreNoTime)
{
    for (const char* text : {"", "2026-12-09", "2026-12-09T10:30:00", "2026-02-30T10:30:00Z", "2026-12-09T24:00:00Z",
                             "2026-12-09 10:30:00Z", "2026-1x-09T10:30:00Z", "+026-12-09T10:30:00Z"})
        EXPECT_FALSE(parseIsoTime(text).has_value()) << text;
}

TEST(DrillTime, DaysAreCountedInLocalTime)
{
    ::setenv("TZ", "Australia/Brisbane", 1); // ten hours ahead of UTC, no summer time
    ::tzset();
    const auto t = *parseIsoTime("2026-12-09T15:00:00Z");
    EXPECT_EQ(localDay(t), "2026-12-10");
    EXPECT_EQ(localDayBefore(t, 0), "2026-12-10");
    EXPECT_EQ(localDayBefore(t, 10), "2026-11-30");
    EXPECT_EQ(localDayBefore(t, 29), "2026-11-11");
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(localDay(t), "2026-12-09");
    EXPECT_EQ(localDayBefore(*parseIsoTime("2024-03-01T00:30:00Z"), 1), "2024-02-29");
}

} // namespace
