// The sound cues play from the embedded WAVE data, also with no audio output
// and for names that do not exist, without an error reaching the caller.
#include "app/SoundCues.h"
#include "toolkit/Resources.h"

#include <gtest/gtest.h>

TEST(SoundCuesTest, CuesFoundWithoutCaseAndUnknownNamesPlayNothing)
{
    EXPECT_FALSE(FindResourceData("ZVUK1", "WAVE").isEmpty());
    EXPECT_FALSE(FindResourceData("zvuk2", "wave").isEmpty());
    for (const char* name : {"zvuk2", "zvuk1", "ZVUK1", "zvuk2", "no such sound", ""})
        EXPECT_NO_THROW(PlayResourceSound(name)) << name;
}
