#include "engine/content/AdviceContent.h"

#include <array>
#include <iterator>

namespace engine {

namespace {

struct Entry {
    AdviceKey key;
    std::string_view text;
};

// Entries are written one per key, in key order, in one file per table.
// PARAGRAPH separates the paragraphs of an entry.
#define PARAGRAPH "\r\n\r\n"
#define ADVICE(key, text) Entry{AdviceKey::key, text},
constexpr Entry kEntries[] = {
#include "engine/content/opened.inc"
#include "engine/content/limped.inc"
#include "engine/content/raised.inc"
#include "engine/content/reraised.inc"
#include "engine/content/postflop.inc"
};
#undef ADVICE
#undef PARAGRAPH

constexpr std::string_view kNames[] = {
#define ADVICE_KEY(name) #name,
#include "engine/content/AdviceKeys.def"
#undef ADVICE_KEY
};

static_assert(std::size(kEntries) == kAdviceKeyCount, "every advice key needs exactly one entry");

constexpr bool entriesInKeyOrder()
{
    for (std::size_t i = 0; i < std::size(kEntries); ++i)
        if (static_cast<std::size_t>(kEntries[i].key) != i)
            return false;
    return true;
}
static_assert(entriesInKeyOrder(), "one entry per key, in key order");

constexpr bool lineBreaksAreCrLf()
{
    for (const Entry& e : kEntries) {
        const std::string_view t = e.text;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '\r' && (i + 1 == t.size() || t[i + 1] != '\n'))
                return false;
            if (t[i] == '\n' && (i == 0 || t[i - 1] != '\r'))
                return false;
        }
    }
    return true;
}
static_assert(lineBreaksAreCrLf(), "line breaks in advice texts are CR LF");

constexpr bool noEmptyEntry()
{
    for (const Entry& e : kEntries)
        if (e.text.empty())
            return false;
    return true;
}
static_assert(noEmptyEntry(), "no advice entry may be empty");

} // namespace

std::string_view adviceKeyName(AdviceKey key)
{
    return kNames[static_cast<std::size_t>(key)];
}

std::optional<AdviceKey> adviceKeyFromName(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(kNames); ++i)
        if (kNames[i] == name)
            return static_cast<AdviceKey>(i);
    return std::nullopt;
}

std::string_view adviceText(AdviceKey key)
{
    return kEntries[static_cast<std::size_t>(key)].text;
}

} // namespace engine
