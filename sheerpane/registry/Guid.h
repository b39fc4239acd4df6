#pragma once
// Class and interface identifiers, and their text form
// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sheerpane {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};
    bool operator==(const Guid&) const = default;
};

std::string toString(const Guid& guid);
// Upper or lower case hexadecimal digits; nullopt for anything else.
std::optional<Guid> parseGuid(std::string_view text);

} // namespace sheerpane
