#include <gtest/gtest.h>
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "enemies/scientist.h"
#include "tests/enemies/enemy_world.h"

namespace {

// The base behaviour, without any kind's overrides.
class PlainGuy : public Guy
{
public:
    void HandleRat(Rat&) override {}
    void SetClip(int clip) { currentClip = clip; }
};

struct WalkCase
{
    const char* name;
    int startClip;
    int xVel;
    std::vector<int> clips; // after each update
};

class WalkingAnimation : public ::testing::TestWithParam<WalkCase> {};

TEST_P(WalkingAnimation, ShowsTheExpectedClips)
{
    const WalkCase& c = GetParam();
    PlainGuy g;
    g.SetClip(c.startClip);
    g.SetXVel(c.xVel);
    for (size_t i = 0; i < c.clips.size(); i++)
    {
        g.UpdateSprite();
        ASSERT_EQ(c.clips[i], g.GetCurrentClip()) << "update " << i + 1;
    }
}

std::vector<int> Repeat(std::initializer_list<std::pair<int, int>> runs)
{
    std::vector<int> out;
    for (auto [clip, count] : runs)
        out.insert(out.end(), count, clip);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Guy, WalkingAnimation,
    ::testing::Values(
        WalkCase{"LeftFromRightRestStridesAtOnceThenHoldsSeven", 1, -2, Repeat({{2, 7}, {0, 7}, {2, 7}})},
        WalkCase{"RightFromLeftRest", 0, 2, Repeat({{3, 7}, {1, 7}, {3, 2}})},
        WalkCase{"RightFromDeadClip", 4, 3, Repeat({{3, 7}, {1, 1}})},
        WalkCase{"StoppedInLeftStrideSnapsToRest", 2, 0, Repeat({{0, 10}})},
        WalkCase{"StoppedInRightStrideSnapsToRest", 3, 0, Repeat({{1, 10}})},
        WalkCase{"StoppedAtRestStays", 1, 0, Repeat({{1, 10}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Guy, UpdateFallsOneFasterEachUpdateUpToTerminalSpeed)
{
    PlainGuy g;
    g.SetBothPos(100, 0);
    g.SetBothSize(20, 20);
    int lastY = 0;
    for (int k = 1; k <= 20; k++)
    {
        g.Update();
        EXPECT_EQ(std::min(k, TERMINAL_VEL), g.GetYPos() - lastY) << "update " << k;
        lastY = g.GetYPos();
    }
    ASSERT_EQ(1u, g.GetCollisionBoxes().size());
    SDL_Rect box = g.GetCollisionBoxes()[0];
    EXPECT_EQ(100, box.x);
    EXPECT_EQ(lastY, box.y);
    EXPECT_EQ(20, box.w);
    EXPECT_EQ(20, box.h);
}

TEST(Guy, BaseOperations)
{
    PlainGuy g;
    g.Left();
    EXPECT_EQ(-2, g.GetXVel());
    g.Right();
    EXPECT_EQ(2, g.GetXVel());
    g.Friction();
    EXPECT_EQ(1, g.GetXVel());
    g.SetXVel(-1);
    g.Friction();
    EXPECT_EQ(0, g.GetXVel());
    g.Friction();
    EXPECT_EQ(0, g.GetXVel());
    EXPECT_EQ("Guy", g.GetTag());

    g.Kill();
    g.Kill();
    EXPECT_TRUE(g.IsDead());
    EXPECT_FALSE(g.EraseYet()); // the base has no dying sequence
}

TEST(Guy, BaseIgnoresTiles)
{
    EnemyWorld w;
    w.AddRow(0, 5, 3, SOLID);
    PlainGuy g;
    g.SetBothPos(40, 80);
    g.SetBothSize(40, 40);
    g.SetBothVel(-2, 5);
    g.SetCollBoxes();
    g.HandleTiles(w.tiles);
    EXPECT_EQ(40, g.GetXPos());
    EXPECT_EQ(80, g.GetYPos());
    EXPECT_EQ(-2, g.GetXVel());
}

TEST(Guy, UnsetFieldsStartAtZero)
{
    Burger b;
    Eel e;
    Scientist s;
    for (Guy* g : std::vector<Guy*>{&b, &e, &s, &s.GetProjectile()})
    {
        EXPECT_EQ(0, g->GetXPos());
        EXPECT_EQ(0, g->GetYPos());
        EXPECT_EQ(0, g->GetXSize());
        EXPECT_EQ(0, g->GetYSize());
        EXPECT_EQ(0, g->GetXVel());
        EXPECT_EQ(0, g->GetYVel());
        EXPECT_FALSE(g->IsDead());
        EXPECT_FALSE(g->EraseYet());
    }
    EXPECT_EQ(0, e.GetUpTo());
    EXPECT_EQ(0, e.GetDownTo());
    EXPECT_TRUE(s.GetProjectile().IsFinished());
}

TEST(Guy, KindsTakeTheirSheetAndClipsFromTheClassDefaults)
{
    SDL_Surface burgerSheet{}, eelSheet{}, sciSheet{}, projSheet{};
    std::vector<SDL_Rect> burgerClips(5), eelClips(5), sciClips(15), projClips(2);
    Burger::default_ss = &burgerSheet;
    Burger::defaultClips = &burgerClips;
    Eel::default_ss = &eelSheet;
    Eel::defaultClips = &eelClips;
    Scientist::default_ss = &sciSheet;
    Scientist::defaultClips = &sciClips;
    Projectile::default_ss = &projSheet;
    Projectile::defaultClips = &projClips;
    {
        Burger b;
        Eel e;
        Scientist s;
        EXPECT_EQ(&burgerSheet, b.GetSpriteSheet());
        EXPECT_EQ(&burgerClips, b.GetClips());
        EXPECT_EQ(&eelSheet, e.GetSpriteSheet());
        EXPECT_EQ(&eelClips, e.GetClips());
        EXPECT_EQ(&sciSheet, s.GetSpriteSheet());
        EXPECT_EQ(&sciClips, s.GetClips());
        EXPECT_EQ(&projSheet, s.GetProjectile().GetSpriteSheet());
        EXPECT_EQ(&projClips, s.GetProjectile().GetClips());
    }
    Burger::default_ss = Eel::default_ss = Scientist::default_ss = Projectile::default_ss = nullptr;
    Burger::defaultClips = Eel::defaultClips = Scientist::defaultClips = Projectile::defaultClips = nullptr;
}

TEST(Guy, RatBoxRecordsShorterThanTheRatsBoxesSayNoContact)
{
    std::vector<CollData> data(2);
    data[1].collided = true;
    EXPECT_TRUE(Guy::RatBoxTouched(data, RAT_BOX_HEAD));
    EXPECT_FALSE(Guy::RatBoxTouched(data, RAT_BOX_FEET));
    EXPECT_FALSE(Guy::RatBoxTouched(data, RAT_BOX_RIGHT));
}

} // namespace
