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

TEST(Burger, AStompKillsItAndBouncesTheRatAnyOtherTouchKillsTheRat)
{
    // The rat's top-left relative to the burger's, and the rat's boxes that
    // touch it: the stomp wins over a flank, and several boxes touching
    // cost one life.
    const struct
    {
        int dx, dy;
        const char* touching;
        bool burgerDies, ratDies;
    } cases[] = {
        {0, -55, "feet", true, false},    {28, -30, "feet and left", true, false},
        {0, 45, "head", false, true},     {28, 0, "left", false, true},
        {-35, 0, "right", false, true},   {0, 20, "head, left and right", false, true},
        {60, 0, "nothing", false, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.touching);
        EnemyWorld w;
        Burger* b = w.Add(new Burger(), 500, 500, BURGER_WIDTH, BURGER_HEIGHT, 0, 0);
        w.PlaceRat(500 + c.dx, 500 + c.dy);
        b->HandleRat(w.rat);
        EXPECT_EQ(c.burgerDies, b->IsDead());
        EXPECT_EQ(c.ratDies ? LIVES - 1 : LIVES, w.rat.GetLives());
        EXPECT_EQ(c.burgerDies, Bounced(w.rat));
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
