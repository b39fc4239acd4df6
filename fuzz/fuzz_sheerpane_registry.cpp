// The control registry's reader: any input is either refused with the
// invalid-file-format error, or read into a registry whose text reads back
// to the same registry and the same text. Registering into and unregistering
// from what was read gives back the same registry.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"
#include "sheerpane/registry/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    sheerpane::Registry registry;
    try {
        registry = sheerpane::readRegistryText(text);
    } catch (const platform::PlatformError& error) {
        if (error.number() != platform::kErrInvalidFileFormat)
            std::abort();
        return 0;
    }
    const std::string written = sheerpane::writeRegistryText(registry);
    const sheerpane::Registry again = sheerpane::readRegistryText(written);
    if (!(again == registry) || sheerpane::writeRegistryText(again) != written)
        std::abort();
    return 0;
}
