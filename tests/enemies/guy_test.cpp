#include <gtest/gtest.h>
#include "enemies/burger.h"
#include "tests/enemies/enemy_world.h"

namespace {

// Every walker animates with the base update.
struct Walker : Burger
{
    using Burger::currentClip;
};

TEST(Guy, WalkingAnimation)
{
    // The clip shown after each update.
    const struct { int startClip, xVel; const char* clips; } cases[] = {
        {1, -2, "222222200000002222222"}, // a walk starts in the stride at once
        {0, 2, "333333311111113"},
        {2, 0, "0000000000"}, // stopping snaps a stride to rest
        {3, 0, "1111111111"},
        {1, 0, "1111111111"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "from clip " << c.startClip << " at " << c.xVel);
        Walker g;
        g.currentClip = c.startClip;
        g.SetXVel(c.xVel);
        for (const char* clip = c.clips; *clip; clip++)
        {
            g.UpdateSprite();
            ASSERT_EQ(*clip - '0', g.GetCurrentClip()) << "update " << clip - c.clips + 1;
        }
    }
}

} // namespace
