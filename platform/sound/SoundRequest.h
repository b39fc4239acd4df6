#pragma once
// What a sound request asks for, worked out from its name and flags before
// any sound library is involved.

#include <string>
#include <string_view>

namespace platform {

struct SoundRequest {
    enum class Source { None, File, Event };
    Source source = Source::None; // None: only stop what plays
    // The file's path, or the desktop sound theme's event name.
    std::string name;
    bool stopEarlier = false;
    bool wait = false;
    // Play the desktop's default sound when this one cannot be played.
    bool fallbackToDefault = false;
    bool operator==(const SoundRequest&) const = default;
};

// The sound theme's name for a system sound alias ("SystemAsterisk" ->
// "dialog-information", compared without regard to case); empty for an
// alias it does not know.
std::string_view themeSoundName(std::string_view alias);

// An alias names a theme sound (unknown aliases are taken as theme names
// themselves); a file name is made absolute. With neither flag, a known
// alias wins over a file. An empty name only stops earlier sounds.
SoundRequest describeSound(std::string_view fileOrAlias, unsigned flags);

// The theme's name of the desktop's default sound.
inline constexpr std::string_view kDefaultThemeSound = "bell";

} // namespace platform
