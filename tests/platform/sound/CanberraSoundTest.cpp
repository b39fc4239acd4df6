#include <gtest/gtest.h>

#include "platform/sound/CanberraSound.h"
#include "platform/sound/SoundFlags.h"

namespace {

using namespace platform;

// Whether or not the machine has a sound server, sounds that cannot play are
// silent failures: no exception, no crash, no wait.
TEST(CanberraSound, AMissingFileIsASilentFailure)
{
    CanberraSound sound;
    EXPECT_FALSE(sound.play("/nonexistent/tablewise/ding.wav", SND_FILENAME | SND_ASYNC | SND_NODEFAULT | SND_PURGE));
    EXPECT_FALSE(sound.play("/nonexistent/tablewise/ding.wav", SND_FILENAME | SND_NODEFAULT));
}

} // namespace
