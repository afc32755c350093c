#include <gtest/gtest.h>
#include "enemies/burger.h"
#include "tests/enemies/enemy_world.h"

namespace {

const int FLOOR_ROW = 10;
const int FLOOR_Y = FLOOR_ROW * TILE_HEIGHT; // 320
const int ON_FLOOR_Y = FLOOR_Y - BURGER_HEIGHT;

Burger* AddBurger(EnemyWorld& w, int x, int y)
{
    Burger* b = w.Add(new Burger());
    b->SetBothPos(x, y);
    b->SetBothSize(BURGER_WIDTH, BURGER_HEIGHT);
    b->SetBothVel(-3, 0);
    b->SetCollBoxes();
    return b;
}

// Keeps the rat out of the way, standing on its own tile.
void ParkRat(EnemyWorld& w)
{
    w.AddTile(100, FLOOR_ROW, SOLID);
    w.PlaceRat(100 * TILE_WIDTH - 10, FLOOR_Y - RAT_HEIGHT);
}

TEST(BurgerWalking, PacesBetweenTwoWallsTurningAsAnEdgeEntersAWall)
{
    EnemyWorld w;
    ParkRat(w);
    w.AddRow(0, 12, FLOOR_ROW, SOLID);
    const int leftWallCol = 2, rightWallCol = 9;
    w.AddColumn(leftWallCol, FLOOR_ROW - 3, FLOOR_ROW - 1, SOLID);
    w.AddColumn(rightWallCol, FLOOR_ROW - 3, FLOOR_ROW - 1, SOLID);
    const int leftWallRight = (leftWallCol + 1) * TILE_WIDTH - 1;
    const int rightWallLeft = rightWallCol * TILE_WIDTH;
    Burger* b = AddBurger(w, 150, ON_FLOOR_Y);

    int turns = 0;
    bool turnedOnce = false;
    for (int frame = 1; frame <= 400; frame++)
    {
        int x = b->GetXPos(), vel = b->GetXVel();
        w.Frame();
        ASSERT_EQ(x + vel, b->GetXPos()) << "frame " << frame;
        ASSERT_EQ(ON_FLOOR_Y, b->GetYPos()) << "frame " << frame;
        bool inLeftWall = b->GetXPos() <= leftWallRight;
        bool inRightWall = b->GetXPos() + BURGER_WIDTH - 1 >= rightWallLeft;
        if (inLeftWall)
            ASSERT_EQ(2, b->GetXVel()) << "frame " << frame;
        else if (inRightWall)
            ASSERT_EQ(-2, b->GetXVel()) << "frame " << frame;
        else
            ASSERT_EQ(vel, b->GetXVel()) << "frame " << frame;
        if (b->GetXVel() != vel)
        {
            turns++;
            turnedOnce = true;
        }
        if (!turnedOnce)
        {
            ASSERT_EQ(-3, b->GetXVel());
        }
        ASSERT_GT(b->GetXPos(), leftWallRight - 4);
        ASSERT_LT(b->GetXPos() + BURGER_WIDTH - 1, rightWallLeft + 4);
    }
    EXPECT_GE(turns, 4);
}

TEST(BurgerWalking, FallsOneFasterEachUpdateUntilItLands)
{
    EnemyWorld w;
    ParkRat(w);
    w.AddRow(0, 8, FLOOR_ROW, SOLID);
    Burger* b = AddBurger(w, 250, 0);
    int landedAt = 0;
    for (int frame = 1; frame <= 60 && !landedAt; frame++)
    {
        int x = b->GetXPos(), y = b->GetYPos();
        w.Frame();
        EXPECT_EQ(x - 3, b->GetXPos());
        if (b->GetYPos() == ON_FLOOR_Y)
            landedAt = frame;
        else
            ASSERT_EQ(std::min(frame, TERMINAL_VEL), b->GetYPos() - y) << "frame " << frame;
    }
    // 1 + 2 + ... + 12 = 78, then 12 a frame: 270 is reached exactly in frame 28.
    EXPECT_EQ(28, landedAt);
    for (int frame = 0; frame < 10; frame++)
    {
        w.Frame();
        ASSERT_EQ(ON_FLOOR_Y, b->GetYPos());
    }
}

TEST(BurgerWalking, PlatformsCarryItButNeverTurnIt)
{
    EnemyWorld w;
    ParkRat(w);
    w.AddRow(0, 12, FLOOR_ROW, PLATFORM);
    w.AddColumn(3, FLOOR_ROW - 2, FLOOR_ROW - 1, PLATFORM);
    Burger* b = AddBurger(w, 200, ON_FLOOR_Y);
    for (int frame = 0; frame < 50; frame++)
    {
        w.Frame();
        ASSERT_EQ(-3, b->GetXVel());
        ASSERT_EQ(ON_FLOOR_Y, b->GetYPos());
    }
    EXPECT_EQ(50, b->GetXPos());
}

TEST(BurgerWalking, WalksOffTheBottomAndIsRemovedAfterItsDyingSequence)
{
    EnemyWorld w;
    ParkRat(w);
    Burger* b = AddBurger(w, 300, LEVEL_HEIGHT - BURGER_HEIGHT - 5);
    int frame = 0;
    while (!b->IsDead() && frame < 20)
    {
        w.Frame();
        frame++;
    }
    ASSERT_TRUE(b->IsDead());
    int hangY = b->GetYPos();
    for (int k = 1; k <= DEAD_FOR; k++)
    {
        w.Frame();
        ASSERT_TRUE(w.Has(b));
        EXPECT_EQ(hangY, b->GetYPos());
        EXPECT_EQ(4, b->GetCurrentClip());
    }
    w.Frame();
    EXPECT_FALSE(w.Has(b));
    EXPECT_EQ(std::vector<std::string>{"Burger"}, w.erased);
}

TEST(BurgerContact, StompKillsItAndTheRatTakesOffAgainNextUpdate)
{
    EnemyWorld w;
    w.AddRow(0, 20, FLOOR_ROW, SOLID);
    Burger* b = AddBurger(w, 300, ON_FLOOR_Y);
    // Dropping onto the burger: feet over it, flanks still above it.
    w.PlaceRat(290, ON_FLOOR_Y - RAT_HEIGHT - 4, 0, 6);
    w.Frame();
    ASSERT_TRUE(b->IsDead());
    EXPECT_TRUE(w.rat.IsAlive());
    EXPECT_EQ(LIVES, w.rat.GetLives());
    EXPECT_EQ(RAT_GROUNDED, w.rat.GetJumpState());

    w.Frame();
    EXPECT_EQ(-12, w.rat.GetYVel()); // a fresh take-off
    EXPECT_EQ((8 - 0) / 2, w.rat.GetJumpState());
    EXPECT_TRUE(b->GetCollisionBoxes().empty());
    EXPECT_EQ(4, b->GetCurrentClip());
    for (int k = 2; k <= DEAD_FOR; k++)
    {
        w.Frame();
        ASSERT_TRUE(w.Has(b)) << "dying update " << k;
        EXPECT_EQ(4, b->GetCurrentClip());
    }
    w.Frame(); // the 19th update after the stomp
    EXPECT_FALSE(w.Has(b));
    EXPECT_TRUE(w.rat.IsAlive());
}

TEST(BurgerContact, RatWalkingIntoItDies)
{
    EnemyWorld w;
    w.AddRow(0, 20, FLOOR_ROW, SOLID);
    Burger* b = AddBurger(w, 200, ON_FLOOR_Y);
    w.PlaceRat(100, FLOOR_Y - RAT_HEIGHT, 4, 0);
    int frame = 0;
    while (w.rat.IsAlive() && frame < 50)
    {
        w.Frame();
        frame++;
    }
    EXPECT_FALSE(w.rat.IsAlive());
    EXPECT_EQ(LIVES - 1, w.rat.GetLives());
    EXPECT_FALSE(b->IsDead());
}

TEST(BurgerContact, ARatFarAwayIsUntouched)
{
    EnemyWorld w;
    w.AddRow(0, 20, FLOOR_ROW, SOLID);
    Burger* b = AddBurger(w, 200, ON_FLOOR_Y);
    w.PlaceRat(500, FLOOR_Y - RAT_HEIGHT);
    for (int frame = 0; frame < 20; frame++)
        w.Frame();
    EXPECT_TRUE(w.rat.IsAlive());
    EXPECT_FALSE(b->IsDead());
}

struct CollCase
{
    const char* name;
    std::vector<bool> touched; // per rat box
    bool burgerDies;
    bool ratDies;
};

class BurgerRecords : public ::testing::TestWithParam<CollCase> {};

TEST_P(BurgerRecords, DecidesFromTheGivenRecords)
{
    const CollCase& c = GetParam();
    Burger b;
    Rat rat;
    rat.SetDefaults(nullptr, nullptr);
    rat.SetLives(3);
    std::vector<CollData> data(c.touched.size());
    for (size_t i = 0; i < c.touched.size(); i++)
        data[i].collided = c.touched[i];
    b.HandleRatColl(rat, data);
    EXPECT_EQ(c.burgerDies, b.IsDead());
    EXPECT_EQ(c.ratDies, !rat.IsAlive());
    EXPECT_EQ(c.ratDies ? 2 : 3, rat.GetLives());
    EXPECT_EQ(c.burgerDies, rat.GetJumpPressed());
    EXPECT_EQ(c.burgerDies, rat.GetJumpState() == RAT_GROUNDED);
}

INSTANTIATE_TEST_SUITE_P(
    Burger, BurgerRecords,
    ::testing::Values(CollCase{"FeetOnly", {true, false, false, false}, true, false},
                      CollCase{"FeetWinOverFlank", {true, false, true, false}, true, false},
                      CollCase{"Head", {false, true, false, false}, false, true},
                      CollCase{"LeftFlank", {false, false, true, false}, false, true},
                      CollCase{"RightFlank", {false, false, false, true}, false, true},
                      CollCase{"AllFlanksKillOnce", {false, true, true, true}, false, true},
                      CollCase{"None", {false, false, false, false}, false, false},
                      CollCase{"NoRecords", {}, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
