#include <gtest/gtest.h>
#include <set>
#include <utility>
#include "enemies/eel.h"
#include "tests/enemies/enemy_world.h"

namespace {

// As a level creates it: diving at 12, turning below the level.
Eel* AddEel(EnemyWorld& w, int x, int y)
{
    Eel* e = w.Add(new Eel(), x, y, EEL_WIDTH, EEL_HEIGHT, 0, 12);
    e->SetDownTo(LEVEL_HEIGHT + 200);
    e->SetUpTo(y);
    return e;
}

TEST(Eel, PlacedAt600SwingsBetween522And1266Every148UpdatesThroughAnyTile)
{
    EnemyWorld w;
    w.AddTiles(12, 12, 10, 12, GHOST);
    w.AddTiles(12, 12, 13, 15, PLATFORM);
    w.AddTiles(12, 12, 16, 30, SOLID);
    Eel* e = AddEel(w, 12 * TILE_WIDTH, 600);
    // One with no speed between its lines stays where it is.
    Eel* still = AddEel(w, 50, 700);
    still->SetUpTo(600);
    still->SetYVel(0);
    std::vector<std::pair<int, int>> states;
    std::set<int> risingClips;
    for (int k = 0; k < 1000; k++)
    {
        w.Frame();
        ASSERT_EQ(12 * TILE_WIDTH, e->GetXPos());
        states.emplace_back(e->GetYPos(), e->GetYVel());
        ASSERT_TRUE(e->GetYVel() <= 0 || e->GetCurrentClip() == 4) << "falling, update " << k;
        if (e->GetYVel() < 0)
            risingClips.insert(e->GetCurrentClip());
    }
    EXPECT_EQ(522, std::min_element(states.begin(), states.end())->first);
    EXPECT_EQ(1266, std::max_element(states.begin(), states.end())->first);
    EXPECT_EQ((std::set<int>{0, 1, 2, 3}), risingClips);
    // From the second swing on the motion repeats every 148 updates, and no
    // sooner.
    for (int p = 1; p < 148; p++)
        ASSERT_NE(states[300], states[300 + p]) << "period " << p;
    for (int k = 300; k + 148 < 1000; k++)
        ASSERT_EQ(states[k], states[k + 148]) << "update " << k;
    // Every dive below the level calls Kill, to no effect.
    EXPECT_TRUE(w.Has(e) && !e->GetCollisionBoxes().empty());
    EXPECT_EQ(700, still->GetYPos());
    EXPECT_EQ(0, still->GetYVel());
    EXPECT_EQ(0, still->GetCurrentClip()); // resting, not diving
}

TEST(Eel, AnyContactCostsOneLife)
{
    // The rat relative to the eel: a stomp, from below, from either side,
    // and touching its picture but not its box.
    const struct { int dx, dy; bool kills; } cases[] = {
        {-5, -55, true}, {-5, 65, true}, {-35, 10, true}, {25, 10, true}, {EEL_WIDTH, 0, false}};
    for (const auto& c : cases)
    {
        EnemyWorld w;
        Eel* e = AddEel(w, 500, 500);
        w.PlaceRat(500 + c.dx, 500 + c.dy);
        e->HandleRat(w.rat);
        EXPECT_EQ(c.kills ? LIVES - 1 : LIVES, w.rat.GetLives()) << c.dx << "," << c.dy;
        EXPECT_FALSE(e->IsDead());
    }
    for (const char* touched : {"1000", "0100", "0010", "0001", "0000"})
    {
        Eel e;
        Rat rat;
        std::vector<CollData> data = Records(touched);
        e.HandleRatColl(rat, data);
        EXPECT_EQ(std::string(touched) != "0000", !rat.IsAlive()) << touched;
    }
}

} // namespace
