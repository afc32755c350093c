#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <vector>
#include "tests/world/test_sheet.h"
#include "world/cheese.h"
#include "world/game_random.h"
#include "world/tiles.h"

TEST(Tiles, SolidityDecidesWhichSidesAreImpassable)
{
    struct Case
    {
        int solidity;
        bool top, bottom, left, right;
    };
    const Case cases[] = {
        {GHOST, false, false, false, false},
        {PLATFORM, true, false, false, false},
        {SOLID, true, true, true, true},
    };
    for (const Case& c : cases)
    {
        InanimateTile t(0, 0, c.solidity, 0, nullptr, nullptr);
        EXPECT_EQ(c.top, t.TopIsImp()) << c.solidity;
        EXPECT_EQ(c.bottom, t.BottomIsImp()) << c.solidity;
        EXPECT_EQ(c.left, t.LeftIsImp()) << c.solidity;
        EXPECT_EQ(c.right, t.RightIsImp()) << c.solidity;
    }
    // Water as the editor places it: nothing stands on it.
    WaterTile water(0, 0, GHOST, 0, nullptr, nullptr);
    EXPECT_FALSE(water.TopIsImp());
}

TEST(Tiles, TerrainTableGivesPlatformsGhostsAndSolids)
{
    std::vector<int> platforms, ghosts;
    for (int type = 0; type < TERRAIN_TILES; ++type)
    {
        if (TERRAIN_SOL[type] == PLATFORM)
            platforms.push_back(type);
        else if (TERRAIN_SOL[type] == GHOST)
            ghosts.push_back(type);
        else
            EXPECT_EQ(SOLID, TERRAIN_SOL[type]) << type;
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2, 16}), platforms);
    EXPECT_EQ((std::vector<int>{3, 8, 14, 15}), ghosts);
}

TEST(Tiles, ATileIsOneFixedSquareWithItsTypeAndTag)
{
    TestSheet sheet(3, 32);
    std::vector<std::unique_ptr<Tile>> tiles;
    tiles.emplace_back(new InanimateTile(64, 96, SOLID, 17, sheet.surface, &sheet.clips[2]));
    tiles.emplace_back(new WaterTile(128, 32, GHOST, 0, sheet.surface, &sheet.clips));
    const char* tags[] = {"Terrain", "Water"};
    const int types[] = {17, 0};
    for (size_t i = 0; i < tiles.size(); ++i)
    {
        Tile* t = tiles[i].get();
        EXPECT_EQ(tags[i], t->GetTag());
        EXPECT_EQ(types[i], t->GetTileType());
        EXPECT_EQ(32, t->GetXSize());
        EXPECT_EQ(32, t->GetYSize());
        ASSERT_EQ(1u, t->GetCollisionBoxes().size());
        SDL_Rect b = t->GetCollisionBoxes()[0];
        EXPECT_EQ(t->GetXPos(), b.x);
        EXPECT_EQ(t->GetYPos(), b.y);
        EXPECT_EQ(32, b.w);
        EXPECT_EQ(32, b.h);
    }
    EXPECT_EQ(SOLID, tiles[0]->GetSolidity());
    EXPECT_EQ(128, tiles[1]->GetXPos());
}

TEST(Tiles, AWaterTileDestroyedAsATileFreesItsAnimatedPart)
{
    // Under the leak checker, a box left in the animated part shows whether
    // deleting through Tile* reached it.
    Tile* t = new WaterTile(0, 0, GHOST, 0, nullptr, nullptr);
    static_cast<AnimatedThing*>(static_cast<WaterTile*>(t))->AddBox(1, 2, 3, 4);
    delete t;
}

namespace
{
// The clip a water tile shows on each of count draws.
std::vector<int> WaterClipsDrawn(unsigned seed, int count)
{
    srand(seed);
    std::vector<SDL_Rect> clips(8, MakeRect(0, 0, 32, 32));
    WaterTile water(0, 0, GHOST, 0, nullptr, &clips);
    std::vector<int> shown;
    for (int i = 0; i < count; ++i)
    {
        water.Show(nullptr, CameraAt(0, 0));
        shown.push_back(water.GetCurrentClip());
    }
    return shown;
}
}

TEST(Water, StartsOnClipZeroThenStepsPairByPairEveryFiveDraws)
{
    for (unsigned seed : {1u, 2u, 3u, 99u, 12345u})
    {
        std::vector<int> shown = WaterClipsDrawn(seed, 200);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(0, shown[i]) << "seed " << seed << " draw " << i + 1;
        EXPECT_TRUE(shown[4] == 2 || shown[4] == 3) << "seed " << seed;
        for (size_t i = 4; i < shown.size(); ++i)
        {
            EXPECT_NE(1, shown[i]) << "seed " << seed << " draw " << i + 1;
            size_t held = (i - 4) % 5;
            if (held != 0)
            {
                EXPECT_EQ(shown[i - 1], shown[i]) << "seed " << seed << " draw " << i + 1;
                continue;
            }
            if (i == 4)
                continue;
            int expectedPair = (shown[i - 1] / 2 + 1) % 4;
            EXPECT_EQ(expectedPair, shown[i] / 2) << "seed " << seed << " draw " << i + 1;
        }
    }
}

TEST(Water, PicksBothClipsOfAPairOverTime)
{
    std::vector<int> shown = WaterClipsDrawn(7, 400);
    std::vector<bool> seen(8, false);
    for (int c : shown)
        seen[c] = true;
    for (int c : {0, 2, 3, 4, 5, 6, 7})
        EXPECT_TRUE(seen[c]) << c;
}

TEST(Water, DrawingLeavesTheGameGeneratorAlone)
{
    SeedGameRandom(4242);
    int first = GameRand();
    SeedGameRandom(4242);
    WaterClipsDrawn(5, 50);
    EXPECT_EQ(first, GameRand());
}

TEST(Water, BothBasesReachTheSameAnimation)
{
    std::vector<SDL_Rect> clips(8, MakeRect(0, 0, 32, 32));
    WaterTile water(0, 0, GHOST, 0, nullptr, &clips);
    Tile* asTile = &water;
    AnimatedThing* asAnimated = &water;
    for (int i = 0; i < 2; ++i)
    {
        asTile->Show(nullptr, CameraAt(0, 0));
        asAnimated->Show(nullptr, CameraAt(0, 0));
    }
    EXPECT_EQ(0, water.GetCurrentClip());
    asTile->Show(nullptr, CameraAt(0, 0));
    EXPECT_GE(water.GetCurrentClip(), 2);
}

namespace
{
// Installs a cheese sheet and clip list for the length of a test.
struct CheeseDefaults
{
    CheeseDefaults(SDL_Surface* sheet, std::vector<SDL_Rect>* clips)
    {
        Cheese::default_ss = sheet;
        Cheese::defaultClips = clips;
    }
    ~CheeseDefaults()
    {
        Cheese::default_ss = nullptr;
        Cheese::defaultClips = nullptr;
    }
};
}

TEST(Cheese, IsASquareWithOneBoxAndTheSharedSheet)
{
    TestSheet sheet(13, 32);
    CheeseDefaults defaults(sheet.surface, &sheet.clips);
    Cheese c(64, 96);
    EXPECT_EQ("Cheese", c.GetTag());
    EXPECT_EQ(64, c.GetXPos());
    EXPECT_EQ(96, c.GetYPos());
    EXPECT_EQ(32, c.GetXSize());
    EXPECT_EQ(32, c.GetYSize());
    ASSERT_EQ(1u, c.GetCollisionBoxes().size());
    SDL_Rect b = c.GetCollisionBoxes()[0];
    EXPECT_EQ(64, b.x);
    EXPECT_EQ(96, b.y);
    EXPECT_EQ(32, b.w);
    EXPECT_EQ(32, b.h);
    EXPECT_EQ(sheet.surface, c.GetSpriteSheet());
    EXPECT_EQ(&sheet.clips, c.GetClips());
    EXPECT_EQ(0, c.GetCurrentClip());
}

TEST(Cheese, HoldsEachClipThreeUpdatesAndWrapsToZero)
{
    std::vector<SDL_Rect> clips(13, MakeRect(0, 0, 32, 32));
    CheeseDefaults defaults(nullptr, &clips);
    Cheese c(0, 0);
    std::vector<int> shown;
    for (int i = 0; i < 13 * 3 + 5; ++i)
    {
        c.UpdateSprite();
        shown.push_back(c.GetCurrentClip());
    }
    EXPECT_EQ(0, shown[0]);
    EXPECT_EQ(0, shown[1]);
    EXPECT_EQ(1, shown[2]); // the third update moves on
    for (size_t i = 2; i < shown.size(); ++i)
        EXPECT_EQ(static_cast<int>((i + 1) / 3) % 13, shown[i]) << "update " << i + 1;
    EXPECT_EQ(12, shown[36]);
    EXPECT_EQ(0, shown[38]);
}

TEST(Cheese, WithoutClipsStaysOnClipZeroAndDrawsNothing)
{
    CheeseDefaults defaults(nullptr, nullptr);
    Cheese c(10, 10);
    for (int i = 0; i < 10; ++i)
        c.UpdateSprite();
    EXPECT_EQ(0, c.GetCurrentClip());
    TestScreen screen;
    c.Show(screen.surface, CameraAt(0, 0));
    EXPECT_EQ(BACKGROUND, screen.At(20, 20));
}
