#include "engine/sdl/sdlkey.h"

#include <gtest/gtest.h>

namespace {

TEST(SdlKey, StatesFollowPressAndRelease)
{
    SDLKEY keys;
    EXPECT_FALSE(keys.getkey(SDLK_F1)); // never seen: released, and not entered

    keys.setkey(SDLK_F1, true);
    keys.setkey(SDLK_F1, false);
    EXPECT_FALSE(keys.getkey(SDLK_F1));

    keys.setkey(SDLK_a, true);
    keys.setkey(SDLK_a, true);
    EXPECT_TRUE(keys.getkey(SDLK_a));

    keys.createkey(SDLK_a); // entering a pressed key again releases it
    EXPECT_FALSE(keys.getkey(SDLK_a));
    EXPECT_FALSE(keys.getkey(SDLK_F1));
}

} // namespace
