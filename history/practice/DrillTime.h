#pragma once
// Times of the drill: seconds since 1970 (UTC), written as ISO dates and
// times, and the local day an answer counts for.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace practice {

std::int64_t nowSeconds();
// "2026-12-09T10:45:00Z"
std::string isoTime(std::int64_t seconds);
// Reads the form isoTime writes; none for any other text.
std::optional<std::int64_t> parseIsoTime(std::string_view text);
// The local date of the moment, "2026-12-09" (the TZ of the process).
std::string localDay(std::int64_t seconds);
// The local date `days` days before the moment's.
std::string localDayBefore(std::int64_t seconds, int days);

} // namespace practice
