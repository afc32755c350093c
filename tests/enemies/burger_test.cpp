#include <gtest/gtest.h>
#include "enemies/burger.h"
#include "tests/enemies/enemy_world.h"

namespace {

const int FLOOR_ROW = 10;
const int FLOOR_Y = FLOOR_ROW * TILE_HEIGHT; // 320
const int ON_FLOOR_Y = FLOOR_Y - BURGER_HEIGHT;

// As a level creates it: walking left at 3.
Burger* AddBurger(EnemyWorld& w, int x, int y)
{
    return w.Add(new Burger(), x, y, BURGER_WIDTH, BURGER_HEIGHT, -3, 0);
}

TEST(Burger, FallsThenPacesBetweenTwoWallsTurningInTheFrameAnEdgeEntersOne)
{
    EnemyWorld w;
    w.AddTiles(0, 12, FLOOR_ROW, FLOOR_ROW, SOLID);
    w.AddTiles(2, 2, FLOOR_ROW - 3, FLOOR_ROW - 1, SOLID);
    w.AddTiles(9, 9, FLOOR_ROW - 3, FLOOR_ROW - 1, SOLID);
    Burger* b = AddBurger(w, 241, 0);
    int turns = 0;
    for (int frame = 1; frame <= 400; frame++)
    {
        SCOPED_TRACE(frame);
        int x = b->GetXPos(), y = b->GetYPos(), vel = b->GetXVel();
        w.Frame();
        ASSERT_EQ(x + vel, b->GetXPos());
        // It falls 1, 2, 3 .. up to 12 a frame: 1 + .. + 12 = 78, and 270
        // is reached in frame 28.
        ASSERT_EQ(frame < 28 ? y + std::min(frame, TERMINAL_VEL) : ON_FLOOR_Y, b->GetYPos());
        bool inLeftWall = b->GetXPos() < 3 * TILE_WIDTH, inRightWall = b->GetXPos() + BURGER_WIDTH > 9 * TILE_WIDTH;
        // Until the first turn it keeps its -3; every turn sets 2 or -2.
        ASSERT_EQ(inLeftWall ? 2 : inRightWall ? -2 : vel, b->GetXVel());
        turns += b->GetXVel() != vel;
    }
    EXPECT_GE(turns, 4);
}

TEST(Burger, PlatformsCarryItButNeverTurnIt)
{
    EnemyWorld w;
    w.AddTiles(0, 12, FLOOR_ROW, FLOOR_ROW, PLATFORM);
    w.AddTiles(3, 3, FLOOR_ROW - 2, FLOOR_ROW - 1, PLATFORM);
    Burger* b = AddBurger(w, 200, ON_FLOOR_Y);
    for (int k = 0; k < 50; k++)
        w.Frame();
    EXPECT_EQ(-3, b->GetXVel());
    EXPECT_EQ(ON_FLOOR_Y, b->GetYPos());
    EXPECT_EQ(50, b->GetXPos());

    // On past the end of the row and off the bottom: killed, it hangs there
    // and is removed after its dying sequence.
    for (int k = 0; k < 200 && !b->IsDead(); k++)
        w.Frame();
    int hangY = b->GetYPos();
    for (int k = 1; k <= DEAD_FOR; k++)
        w.Frame();
    EXPECT_TRUE(w.Has(b) && b->IsDead());
    EXPECT_EQ(hangY, b->GetYPos());
    w.Frame();
    EXPECT_FALSE(w.Has(b));
}

TEST(Burger, StompedItShowsClip4For18UpdatesAndTheRatTakesOffAgain)
{
    EnemyWorld w;
    w.AddTiles(0, 20, FLOOR_ROW, FLOOR_ROW, SOLID);
    Burger* b = AddBurger(w, 300, ON_FLOOR_Y);
    // Dropping onto it: feet over it, flanks still above it.
    w.PlaceRat(290, ON_FLOOR_Y - RAT_HEIGHT - 4, 0, 6);
    w.Frame();
    ASSERT_TRUE(b->IsDead());
    EXPECT_EQ(RAT_GROUNDED, w.rat.GetJumpState());
    w.Frame();
    EXPECT_EQ(-12, w.rat.GetYVel()); // a fresh take-off
    for (int k = 1; k <= DEAD_FOR; k++, w.Frame())
    {
        ASSERT_TRUE(w.Has(b)) << "dying update " << k;
        EXPECT_EQ(4, b->GetCurrentClip());
        EXPECT_TRUE(b->GetCollisionBoxes().empty());
    }
    w.Frame();
    EXPECT_FALSE(w.Has(b));
    EXPECT_EQ(LIVES, w.rat.GetLives());
}

TEST(Burger, RatWalkingIntoItDiesUnlessItsFeetAreOnIt)
{
    // The rat walks at 4 into its side, into it with its feet and flank at
    // once (the stomp wins), and under it as it falls onto the rat's head.
    const struct { int x, y; bool burgerDies; } cases[] = {
        {160, FLOOR_Y - RAT_HEIGHT, false}, {170, ON_FLOOR_Y - 25, true}, {205, ON_FLOOR_Y + 45, false}};
    for (const auto& c : cases)
    {
        EnemyWorld w;
        Burger* b = AddBurger(w, 200, ON_FLOOR_Y);
        w.PlaceRat(c.x, c.y, 4);
        w.Frame();
        EXPECT_EQ(c.burgerDies ? LIVES : LIVES - 1, w.rat.GetLives()) << c.x;
        EXPECT_EQ(c.burgerDies, b->IsDead()) << c.x;
    }
}

TEST(Burger, DecidesFromTheGivenRecords)
{
    // Feet, head, left, right; the stomp wins over a flank, several flanks
    // cost one life, and too short records count what is there.
    const struct { const char* touched; bool burgerDies, ratDies; } cases[] = {
        {"1000", true, false}, {"1010", true, false}, {"0100", false, true}, {"0010", false, true},
        {"0001", false, true}, {"0111", false, true}, {"01", false, true},   {"0000", false, false},
        {"", false, false}};
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

} // namespace
