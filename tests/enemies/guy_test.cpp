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

// The rat's top-left relative to the enemy's, and the rat's boxes that
// touch it. A stomp kills a burger and bounces the rat, winning over a
// flank touching too; any other touch costs one life, however many boxes
// touch. An eel is no stomp's victim, and only its box touches, not its
// picture.
TEST(Guy, ATouchKillsTheRatButAStompKillsABurger)
{
    const struct
    {
        bool eel;
        int dx, dy;
        const char* touching;
        bool enemyDies, ratDies;
    } cases[] = {
        {false, 0, -55, "feet", true, false},    {false, 28, -30, "feet and left", true, false},
        {false, 0, 45, "head", false, true},     {false, 28, 0, "left", false, true},
        {false, -35, 0, "right", false, true},   {false, 0, 20, "head, left and right", false, true},
        {false, 60, 0, "nothing", false, false}, {true, -5, -55, "feet", false, true},
        {true, -5, 65, "head", false, true},     {true, -35, 10, "right", false, true},
        {true, 25, 10, "left", false, true},     {true, EEL_WIDTH, 0, "its picture", false, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.eel ? "eel, " : "burger, ") << c.touching);
        EnemyWorld w;
        Guy* g = c.eel ? w.Add<Guy>(new Eel(), 500, 500, EEL_WIDTH, EEL_HEIGHT, 0, 12) // diving, as a level makes it
                       : w.Add<Guy>(new Burger(), 500, 500, BURGER_WIDTH, BURGER_HEIGHT, 0, 0);
        w.PlaceRat(500 + c.dx, 500 + c.dy);
        g->HandleRat(w.rat);
        EXPECT_EQ(c.enemyDies, g->IsDead());
        EXPECT_EQ(c.ratDies ? LIVES - 1 : LIVES, w.rat.GetLives());
        EXPECT_EQ(c.enemyDies, Bounced(w.rat));
    }
}

} // namespace
