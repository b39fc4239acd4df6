#pragma once
// What every fuzzer of a text reader checks: any input is either refused with
// the invalid-file-format error, or read into a value whose text reads back
// to the same value and the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"

template <class Read, class Write>
int checkTextRoundTrip(const std::uint8_t* data, std::size_t size, Read read, Write write)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    decltype(read(text)) value;
    try {
        value = read(text);
    } catch (const platform::PlatformError& error) {
        if (error.number() != platform::kErrInvalidFileFormat)
            std::abort();
        return 0;
    }
    const std::string written = write(value);
    const auto again = read(written);
    if (!(again == value) || write(again) != written)
        std::abort();
    return 0;
}
