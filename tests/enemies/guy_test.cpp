#include <gtest/gtest.h>
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "tests/enemies/enemy_world.h"

namespace
{

// Every walker animates with the base update.
struct Walker : Burger
{
    using Burger::currentClip;
};

TEST(Guy, WalkingAnimation)
{
    // The clip shown after each update.
    const struct
    {
        int startClip, xVel;
        const char* clips;
    } cases[] = {
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

TEST(Burger, DecidesFromTheGivenRecords)
{
    // Feet, head, left, right; the stomp wins over a flank, several flanks
    // cost one life, and too short records count what is there.
    const struct
    {
        const char* touched;
        bool burgerDies, ratDies;
    } cases[] = {{"1000", true, false}, {"1010", true, false},  {"0100", false, true},
                 {"0010", false, true}, {"0001", false, true},  {"0111", false, true},
                 {"01", false, true},   {"0000", false, false}, {"", false, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.touched);
        Burger b;
        Rat rat;
        rat.SetLives(3);
        std::vector<CollData> data = Records(c.touched);
        b.HandleRatColl(rat, data);
        EXPECT_EQ(c.burgerDies, b.IsDead());
        EXPECT_EQ(c.ratDies ? 2 : 3, rat.GetLives());
        EXPECT_EQ(c.burgerDies, rat.GetJumpPressed() && rat.GetJumpState() == RAT_GROUNDED);
    }
}

TEST(Eel, AnyContactCostsOneLife)
{
    // The rat relative to the eel: a stomp, from below, from either side,
    // and touching its picture but not its box.
    const struct
    {
        int dx, dy;
        bool kills;
    } cases[] = {{-5, -55, true}, {-5, 65, true}, {-35, 10, true}, {25, 10, true}, {EEL_WIDTH, 0, false}};
    for (const auto& c : cases)
    {
        EnemyWorld w;
        Eel* e = w.Add(new Eel(), 500, 500, EEL_WIDTH, EEL_HEIGHT, 0, 12); // diving, as a level makes it
        w.PlaceRat(500 + c.dx, 500 + c.dy);
        e->HandleRat(w.rat);
        EXPECT_TRUE(w.rat.GetLives() == (c.kills ? LIVES - 1 : LIVES) && !e->IsDead()) << c.dx << "," << c.dy;
    }
}

} // namespace
