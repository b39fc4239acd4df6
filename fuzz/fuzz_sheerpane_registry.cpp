// The control registry's reader: any input is either refused with the
// invalid-file-format error, or read into a registry whose text reads back
// to the same registry and the same text.

#include "fuzz/TextRoundTrip.h"
#include "sheerpane/registry/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return checkTextRoundTrip(data, size, sheerpane::readRegistryText, sheerpane::writeRegistryText);
}
