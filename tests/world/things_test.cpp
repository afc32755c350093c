#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include "tests/world/world_test_help.h"
#include "world/camera.h"
#include "world/constants.h"
#include "world/game_random.h"
#include "world/tiles.h"

namespace
{
// One "CLTRB" group per record (collided, left, top, right, bottom), '-' for unset.
std::string Flags(const std::vector<CollData>& records)
{
    std::string s;
    for (const CollData& d : records)
        s += std::string(s.empty() ? "" : ",") + (d.collided ? "C" : "-") + (d.left ? "L" : "-") + (d.top ? "T" : "-") +
             (d.right ? "R" : "-") + (d.bottom ? "B" : "-");
    return s;
}
} // namespace

TEST(Collision, ReportsOverlapAndWhichSidesOfEachBoxLieInsideItsPartners)
{
    struct Case
    {
        const char* name;
        std::vector<SDL_Rect> own, others;
        const char *ownFlags, *otherFlags;
    };
    const Case cases[] = {
        {"abut side by side", {{0, 0, 32, 32}}, {{32, 0, 32, 32}}, "-----", "-----"},
        {"abut one above the other", {{0, 0, 32, 32}}, {{0, 32, 32, 32}}, "-----", "-----"},
        {"share one column", {{0, 0, 32, 32}}, {{31, 0, 32, 32}}, "C-TRB", "CLT-B"},
        {"share one row", {{0, 0, 32, 32}}, {{0, 31, 32, 32}}, "CL-RB", "CLTR-"},
        {"wholly inside", {{10, 10, 5, 5}}, {{0, 0, 32, 32}}, "CLTRB", "C----"},
        {"crossing the partner's left edge", {{-5, 10, 10, 5}}, {{0, 0, 32, 32}}, "C-TRB", "CL---"},
        {"negative coordinates", {{-40, -40, 10, 10}}, {{-35, -35, 10, 10}}, "C--RB", "CLT--"},
        {"between two partners, beside boxes meeting nothing",
         {{10, 0, 20, 10}, {500, 500, 10, 10}},
         {{0, 0, 15, 10}, {25, 0, 15, 10}, {300, 0, 5, 5}},
         "CLTRB,-----",
         "C-TRB,CLT-B,-----"},
        {"one partner over two boxes", {{0, 0, 10, 10}, {20, 0, 10, 10}}, {{5, 0, 20, 10}}, "C-TRB,CLT-B", "CLTRB"},
        {"no own boxes", {}, {{0, 0, 5, 5}, {2, 2, 5, 5}}, "", "-----,-----"},
        {"no partners", {{0, 0, 5, 5}}, {}, "-----", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CollidableThing thing;
        for (const SDL_Rect& b : c.own)
            thing.AddBox(b);
        std::vector<SDL_Rect> others = c.others;
        // Records left over from an earlier call, of another size and all set.
        std::vector<CollData> own(4, CollData{true, true, true, true, true}), other = own;
        const bool overlaps = c.ownFlags[0] == 'C';
        EXPECT_EQ(overlaps, thing.HasCollided(others, &own, &other));
        EXPECT_EQ(c.ownFlags, Flags(own));
        EXPECT_EQ(c.otherFlags, Flags(other));
        EXPECT_EQ(overlaps, thing.HasCollided(others, nullptr, nullptr));
    }
}

TEST(Camera, FollowKeepsThePointInsideTheMarginsAndClampsOnlyWhereItMoved)
{
    struct Case
    {
        const char* name;
        int viewX, viewY, viewW, pointX, pointY, expectX, expectY;
        SDL_Rect bounds = LEVEL_RECT;
    };
    const Case cases[] = {
        {"point in the dead zone", 0, 0, 640, 300, 240, 0, 0},
        {"scrolls right by exactly what is needed", 0, 0, 640, 500, 240, 84, 0},
        {"point exactly at the left margin", 84, 0, 640, 308, 240, 84, 0},
        {"one past the left margin", 84, 0, 640, 307, 240, 83, 0},
        {"clamped at the level's right end", 5000, 0, 640, 6100, 240, 5504, 0},
        {"clamped at the bottom", 0, 0, 640, 300, 980, 0, 512},
        {"clamped at the left edge", 500, 0, 640, 100, 240, 0, 0},
        {"scrolls up", 0, 400, 640, 300, 500, 0, 308},
        {"clamped at the top", 0, 300, 640, 300, 100, 0, 0},
        {"outside the bounds, point at rest", -50, -30, 640, 300, 240, -50, -30},
        {"past the far corner, point at rest", 5600, 600, 640, 5900, 840, 5600, 600},
        {"editor view beside the panel", 0, 0, 544, 500, 240, 180, 0},
        {"bounds not at the origin, low corner", 300, 300, 640, 120, 160, 100, 150, {100, 150, 1000, 800}},
        {"bounds not at the origin, high corner", 300, 300, 640, 1090, 760, 460, 470, {100, 150, 1000, 800}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Camera cam;
        cam.SetBothPos(c.viewX, c.viewY);
        cam.SetBothSize(c.viewW, 480);
        cam.Follow(c.pointX, c.pointY, CAMERA_TIGHTNESS_X, CAMERA_TIGHTNESS_Y, c.bounds);
        EXPECT_EQ(c.expectX, cam.GetXPos());
        EXPECT_EQ(c.expectY, cam.GetYPos());
    }
}

// Each fifth draw steps to the next pair of clips; which of the pair shows
// comes from rand(), never from the game generator the replays depend on.
TEST(Water, StartsOnClipZeroThenStepsPairByPairEveryFifthDrawWithoutTheGameGenerator)
{
    SeedGameRandom(4242);
    const int firstGameNumber = GameRand();
    SeedGameRandom(4242);
    std::set<int> seen;
    for (unsigned seed : {1u, 2u, 3u, 99u, 12345u})
    {
        srand(seed);
        std::vector<SDL_Rect> clips(8, MakeRect(0, 0, 32, 32));
        WaterTile water(0, 0, GHOST, 0, nullptr, &clips);
        std::string pairs;
        int changes = 0;
        for (int draw = 1; draw <= 40; ++draw)
        {
            const int before = water.GetCurrentClip();
            // Drawn through either base, it is the same animation.
            draw % 2 ? static_cast<Tile&>(water).Show(nullptr, CameraAt(0, 0))
                     : static_cast<AnimatedThing&>(water).Show(nullptr, CameraAt(0, 0));
            pairs += char('0' + water.GetCurrentClip() / 2);
            changes += water.GetCurrentClip() != before;
            seen.insert(water.GetCurrentClip());
        }
        EXPECT_EQ(8, changes) << "the clip changes only every fifth draw; seed " << seed;
        EXPECT_EQ("0000"
                  "11111"
                  "22222"
                  "33333"
                  "00000"
                  "11111"
                  "22222"
                  "33333"
                  "0",
                  pairs)
            << seed;
    }
    EXPECT_EQ((std::set<int>{0, 2, 3, 4, 5, 6, 7}), seen);
    EXPECT_EQ(firstGameNumber, GameRand());
}
