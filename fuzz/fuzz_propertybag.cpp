// The property bag's text reader: any input is either refused with the
// platform error, or read into a bag whose text reads back to the same bag
// and the same text.

#include "fuzz/TextRoundTrip.h"
#include "platform/propertybag/BagText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return checkTextRoundTrip(data, size, platform::readBagText, platform::writeBagText);
}
