#pragma once
// Base64 (RFC 4648, with padding) for the pictures in a property bag's text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::string encodeBase64(const std::vector<std::uint8_t>& bytes);
// nullopt when the text is not canonical padded base64.
std::optional<std::vector<std::uint8_t>> decodeBase64(std::string_view text);

} // namespace platform
