#pragma once
// The advice content table: every long advice paragraph, by key. The texts
// are compiled in; line breaks inside them are CR LF, and the paragraphs of a
// post-flop entry are separated by CR LF CR LF.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace engine {

enum class AdviceKey : std::uint8_t {
#define ADVICE_KEY(name) name,
#include "engine/content/AdviceKeys.def"
#undef ADVICE_KEY
};

inline constexpr std::size_t kAdviceKeyCount = 0
#define ADVICE_KEY(name) +1
#include "engine/content/AdviceKeys.def"
#undef ADVICE_KEY
    ;

// The key's name, "ADV_O_01" ...
std::string_view adviceKeyName(AdviceKey key);
std::optional<AdviceKey> adviceKeyFromName(std::string_view name);

// The entry's text.
std::string_view adviceText(AdviceKey key);

} // namespace engine
