// The property bag's text reader: any input is either refused with the
// platform error, or read into a bag whose text reads back to the same bag
// and the same text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/PlatformError.h"
#include "platform/propertybag/BagText.h"
#include "platform/propertybag/PropertyErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    platform::PropertyBag bag;
    try {
        bag = platform::readBagText(text);
    } catch (const platform::PlatformError& error) {
        if (error.number() != platform::kErrInvalidFileFormat)
            std::abort();
        return 0;
    }
    const std::string written = platform::writeBagText(bag);
    const platform::PropertyBag again = platform::readBagText(written);
    if (again.entries() != bag.entries() || platform::writeBagText(again) != written)
        std::abort();
    return 0;
}
