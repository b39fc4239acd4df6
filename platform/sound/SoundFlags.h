#pragma once
// Flags of a sound request, as SoundPort::play takes them.

namespace platform {

inline constexpr unsigned SND_SYNC = 0x0000;
inline constexpr unsigned SND_ASYNC = 0x0001;     // do not wait for the sound to end
inline constexpr unsigned SND_NODEFAULT = 0x0002; // play nothing when the sound is not found
inline constexpr unsigned SND_PURGE = 0x0040;     // stop the sounds started earlier
inline constexpr unsigned SND_ALIAS = 0x10000;    // the name is a system sound alias
inline constexpr unsigned SND_FILENAME = 0x20000; // the name is a file name

} // namespace platform
