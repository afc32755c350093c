#include <gtest/gtest.h>
#include <memory>
#include "app/globals.h"
#include "tests/support/test_env.h"
#include "tests/world/world_test_help.h"
#include "world/cheese.h"
#include "world/rat.h"
#include "world/tiles.h"

namespace
{
// Surfaces of known colours, so that counting pixels tells which clip was
// drawn where. Their pixel values are the colours as 0xRRGGBB.
const Uint32 BACKGROUND = 0x010203, CYAN = 0x00ffff;
Uint32 ClipColour(int i) { return (i + 1) * 0x110000 + 0x4d; }

// Without clips, a stand-in for the screen filled with BACKGROUND; else a
// sheet of count square clips, clip i in ClipColour(i) below a top row of
// cyan that the colour key drops.
struct TestSurface
{
    SDL_Surface* surface;
    std::vector<SDL_Rect> clips;
    TestSurface(int count = 0, int size = 0)
        : surface(SDL_CreateRGBSurface(SDL_SWSURFACE, count ? count * size : 200, count ? size : 150, 32, 0xff0000, 0xff00, 0xff, 0))
    {
        SDL_FillRect(surface, nullptr, count ? CYAN : BACKGROUND);
        for (int i = 0; i < count; ++i)
        {
            clips.push_back(MakeRect(i * size, 0, size, size));
            SDL_Rect body = MakeRect(i * size, 1, size, size - 1);
            SDL_FillRect(surface, &body, ClipColour(i));
        }
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY, CYAN);
    }
    ~TestSurface() { SDL_FreeSurface(surface); }
    TestSurface(const TestSurface&) = delete;
};

// An animated thing of one 10 x 10 picture per clip.
struct Sprite : AnimatedThing
{
    Sprite(TestSurface& sheet, int x, int y, int clip)
    {
        SetSpriteSheet(sheet.surface);
        SetClips(&sheet.clips);
        SetBothPos(x, y);
        currentClip = clip;
    }
};
}

TEST(Drawing, ThingsAndTilesShowTheirClipAtTheirLevelPositionLessTheCamera)
{
    TestSurface sheet(4, 10), terrain(4, 32), water(8, 32);
    TestSurface screen;
    Sprite(sheet, 150, 60, 1).Show(screen.surface, CameraAt(100, 40));
    // At (50, 20) below its keyed-out top row, and nowhere else.
    EXPECT_EQ(90, CountColour(screen.surface, ClipColour(1), MakeRect(50, 21, 10, 9)));
    EXPECT_EQ(200 * 150 - 90, CountColour(screen.surface, BACKGROUND));

    InanimateTile rock(64, 32, SOLID, 2, terrain.surface, &terrain.clips[2]);
    WaterTile pool(96, 32, GHOST, 0, water.surface, &water.clips);
    srand(3);
    for (int frame = 0; frame < 5; ++frame)
        for (Tile* t : {static_cast<Tile*>(&rock), static_cast<Tile*>(&pool)})
            t->Show(screen.surface, CameraAt(32, 0));
    EXPECT_EQ(32 * 31, CountColour(screen.surface, ClipColour(2), MakeRect(32, 33, 32, 31)));
    EXPECT_GE(pool.GetCurrentClip(), 2);
    EXPECT_EQ(32 * 31, CountColour(screen.surface, ClipColour(pool.GetCurrentClip()), MakeRect(64, 33, 32, 31)));
}

TEST(Drawing, NothingIsDrawnWithoutASheetClipsOrAValidClip)
{
    TestSurface sheet(4, 10), screen;
    Sprite pastTheEnd(sheet, 0, 0, 3);
    // Clip 3 stays in memory past the end of the shorter list, so reading it
    // by mistake would draw it.
    std::vector<SDL_Rect> threeClips = sheet.clips;
    threeClips.pop_back();
    pastTheEnd.SetClips(&threeClips);
    pastTheEnd.Show(screen.surface, CameraAt(0, 0));
    Sprite(sheet, 20, 0, -1).Show(screen.surface, CameraAt(0, 0));
    Sprite noClips(sheet, 40, 0, 0), noSheet(sheet, 60, 0, 0);
    noClips.SetClips(nullptr);
    noSheet.SetSpriteSheet(nullptr);
    noClips.Show(screen.surface, CameraAt(0, 0));
    noSheet.Show(screen.surface, CameraAt(0, 0));
    InanimateTile(80, 0, SOLID, 0, sheet.surface, nullptr).Show(screen.surface, CameraAt(0, 0));
    // Cheese handed no clips stays on clip 0 as it animates.
    Cheese::default_ss = sheet.surface;
    Cheese cheese(100, 0);
    Cheese::default_ss = nullptr;
    for (int i = 0; i < 10; ++i)
        cheese.UpdateSprite();
    EXPECT_EQ(0, cheese.GetCurrentClip());
    cheese.Show(screen.surface, CameraAt(0, 0));
    // A dead rat whose clip list is too short for its dead picture.
    Rat r;
    r.SetDefaults(sheet.surface, &threeClips);
    r.Kill();
    r.UpdateSprite();
    r.Show(screen.surface, CameraAt(0, 0));
    EXPECT_EQ(200 * 150, CountColour(screen.surface, BACKGROUND));
}

// The game's own generated sheets, through the real start-up.
TEST(Drawing, TheGeneratedWorldDrawsThroughTheCameraWithoutCyan)
{
    ASSERT_TRUE(StartGame()) << "start-up failed: are the generated assets there?";
    ASSERT_GE(terrainClips.size(), 18u);
    std::unique_ptr<Tile> rock(new InanimateTile(132, 232, SOLID, 17, terrain_ts, &terrainClips[17]));
    std::unique_ptr<Tile> pool(new WaterTile(232, 232, GHOST, 0, water_ts, &waterClips));
    Cheese bit(332, 232);
    // Start-up leaves the rat drawable and sized before any level places it.
    rat.SetBothPos(150, 60);
    EXPECT_EQ((std::vector<int>{150, 60, 40, 60}), Fields(rat.GetRect()));
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 1, 2, 3));
    const SDL_Rect view = CameraAt(100, 40);
    rock->Show(screen, view);
    pool->Show(screen, view);
    bit.Show(screen, view);
    rat.Show(screen, view);

    // Each shows up inside its own screen rectangle, and nothing outside them.
    int drawn = 0;
    for (const SDL_Rect place : {MakeRect(50, 20, 40, 60), MakeRect(32, 192, 32, 32), MakeRect(132, 192, 32, 32), MakeRect(232, 192, 32, 32)})
    {
        const int here = place.w * place.h - CountColour(screen, BACKGROUND, place);
        EXPECT_GT(here, 0) << "nothing drawn at " << place.x << "," << place.y;
        drawn += here;
    }
    EXPECT_EQ(640 * 480 - drawn, CountColour(screen, BACKGROUND));
    EXPECT_EQ(0, CountColour(screen, CYAN));
}
