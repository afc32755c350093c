#include <gtest/gtest.h>
#include <algorithm>
#include <utility>
#include "enemies/eel.h"
#include "tests/enemies/enemy_world.h"

namespace {

Eel* AddEel(EnemyWorld& w, int x, int y)
{
    Eel* e = w.Add(new Eel());
    e->SetBothPos(x, y);
    e->SetBothSize(EEL_WIDTH, EEL_HEIGHT);
    e->SetBothVel(0, 12);
    e->SetDownTo(LEVEL_HEIGHT + 200);
    e->SetUpTo(y);
    e->SetCollBoxes();
    return e;
}

TEST(EelLeap, PlacedAt600SwingsBetween522And1266Every148Updates)
{
    EnemyWorld w;
    w.PlaceRat(3000, 0);
    Eel* e = AddEel(w, 400, 600);
    std::vector<std::pair<int, int>> states;
    for (int k = 0; k < 1000; k++)
    {
        e->Update();
        states.emplace_back(e->GetYPos(), e->GetYVel());
    }
    int top = 1 << 30, bottom = -(1 << 30);
    for (auto [y, v] : states)
    {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    EXPECT_EQ(522, top);
    EXPECT_EQ(1266, bottom);

    // From the second swing on, the motion repeats with period 148 and no
    // shorter one.
    const int from = 300;
    int period = 0;
    for (int p = 1; p < 400 && !period; p++)
        if (states[from + p] == states[from])
            period = p;
    EXPECT_EQ(148, period);
    for (int k = from; k + 148 < static_cast<int>(states.size()); k++)
        ASSERT_EQ(states[k], states[k + 148]) << "update " << k;
}

TEST(EelLeap, StandsStillBetweenItsLinesWithNoSpeed)
{
    Eel e;
    e.SetBothSize(EEL_WIDTH, EEL_HEIGHT);
    e.SetBothPos(50, 700);
    e.SetUpTo(600);
    e.SetDownTo(1192);
    e.SetBothVel(0, 0);
    for (int k = 0; k < 100; k++)
        e.Update();
    EXPECT_EQ(700, e.GetYPos());
    EXPECT_EQ(0, e.GetYVel());
}

TEST(EelLeap, PassesThroughEveryTileAndNeverMovesSideways)
{
    EnemyWorld w;
    w.PlaceRat(3000, 0);
    for (int row = 10; row < 31; row++)
        w.AddTile(12, row, row % 3); // ghost, platform and solid alike
    Eel* e = AddEel(w, 12 * TILE_WIDTH, 600);
    int top = 1 << 30, bottom = 0;
    for (int frame = 0; frame < 400; frame++)
    {
        w.Frame();
        ASSERT_EQ(12 * TILE_WIDTH, e->GetXPos());
        top = std::min(top, e->GetYPos());
        bottom = std::max(bottom, e->GetYPos());
    }
    EXPECT_EQ(522, top);
    EXPECT_EQ(1266, bottom);
}

TEST(EelLeap, NeverDiesAlthoughKilledBelowTheLevel)
{
    EnemyWorld w;
    w.PlaceRat(3000, 0);
    Eel* e = AddEel(w, 400, 600);
    for (int frame = 0; frame < 500; frame++)
        w.Frame();
    EXPECT_TRUE(e->IsDead()); // every dive below the level calls Kill
    EXPECT_TRUE(w.Has(e));
    EXPECT_FALSE(e->EraseYet());
    EXPECT_FALSE(e->GetCollisionBoxes().empty());
}

TEST(EelAnimation, FallsInClip4AndRisesThroughClips0To3)
{
    Eel e;
    e.SetBothSize(EEL_WIDTH, EEL_HEIGHT);
    e.SetBothPos(0, 700);
    e.SetUpTo(600);
    e.SetDownTo(1192);
    e.SetBothVel(0, 5);
    e.UpdateSprite();
    EXPECT_EQ(4, e.GetCurrentClip());
    e.SetYVel(-5);
    std::vector<int> clips;
    for (int k = 0; k < 30; k++)
    {
        e.UpdateSprite();
        clips.push_back(e.GetCurrentClip());
    }
    std::vector<int> expected;
    for (int clip : {0, 1, 2, 3, 0})
        expected.insert(expected.end(), 7, clip);
    expected.resize(30);
    EXPECT_EQ(expected, clips);
    e.SetYVel(0);
    e.UpdateSprite();
    EXPECT_EQ(expected.back(), e.GetCurrentClip());
}

struct EelContact
{
    const char* name;
    int ratX, ratY; // relative to the eel
};

class EelKills : public ::testing::TestWithParam<EelContact> {};

TEST_P(EelKills, AnyContactCostsOneLife)
{
    const EelContact& c = GetParam();
    Eel e;
    e.SetBothSize(EEL_WIDTH, EEL_HEIGHT);
    e.SetBothPos(500, 500);
    e.SetCollBoxes();
    Rat rat;
    rat.SetDefaults(nullptr, nullptr);
    rat.SetLives(3);
    rat.SetBothPos(500 + c.ratX, 500 + c.ratY);
    rat.SetCollBoxes();
    e.HandleRat(rat);
    EXPECT_FALSE(rat.IsAlive());
    EXPECT_EQ(2, rat.GetLives());
    EXPECT_FALSE(e.IsDead());
}

INSTANTIATE_TEST_SUITE_P(Eel, EelKills,
                         ::testing::Values(EelContact{"StompFromAbove", -5, -55},
                                           EelContact{"HeadFromBelow", -5, 65},
                                           EelContact{"FromTheLeft", -35, 10},
                                           EelContact{"FromTheRight", 25, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EelContact, NoContactNoKill)
{
    Eel e;
    e.SetBothSize(EEL_WIDTH, EEL_HEIGHT);
    e.SetBothPos(500, 500);
    e.SetCollBoxes();
    Rat rat;
    rat.SetDefaults(nullptr, nullptr);
    rat.SetBothPos(500 + EEL_WIDTH, 500);
    rat.SetCollBoxes(); // its boxes are inset: the sprites touch, the boxes do not
    e.HandleRat(rat);
    EXPECT_TRUE(rat.IsAlive());
}

TEST(EelContact, RecordsKillOnAnyTouchedBox)
{
    for (int box = RAT_BOX_FEET; box <= RAT_BOX_RIGHT; box++)
    {
        Eel e;
        Rat rat;
        rat.SetLives(3);
        std::vector<CollData> data(4);
        data[box].collided = true;
        e.HandleRatColl(rat, data);
        EXPECT_EQ(2, rat.GetLives()) << "box " << box;
    }
    Eel e;
    Rat rat;
    rat.SetLives(3);
    std::vector<CollData> none(4);
    e.HandleRatColl(rat, none);
    EXPECT_EQ(3, rat.GetLives());
}

} // namespace
