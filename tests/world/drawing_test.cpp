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
const Uint32 BACKGROUND = 0x010203, CYAN = 0x00ffff;

SDL_Surface* Filled(int w, int h, Uint32 rgb)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(s, nullptr, rgb);
    return s;
}

// An animated thing showing the given clip.
struct Sprite : AnimatedThing
{
    Sprite(SDL_Surface* sheet, std::vector<SDL_Rect>* clips, int x, int clip)
    {
        SetSpriteSheet(sheet);
        SetClips(clips);
        SetBothPos(x, 0);
        currentClip = clip;
    }
};
}

TEST(Drawing, NothingIsDrawnWithoutASheetClipsOrAValidClip)
{
    SDL_Surface *sheet = Filled(40, 10, 0x4d4d4d), *screen = Filled(200, 150, BACKGROUND);
    // Clip 3 stays in memory past the end of the shorter list, so reading it
    // by mistake would draw it.
    std::vector<SDL_Rect> threeClips(4, MakeRect(0, 0, 10, 10));
    threeClips.pop_back();
    const SDL_Rect view = CameraAt(0, 0);
    Sprite(sheet, &threeClips, 0, 3).Show(screen, view);
    Sprite(sheet, &threeClips, 20, -1).Show(screen, view);
    Sprite(sheet, nullptr, 40, 0).Show(screen, view);
    Sprite(nullptr, &threeClips, 60, 0).Show(screen, view);
    InanimateTile(80, 0, SOLID, 0, sheet, nullptr).Show(screen, view);
    // Cheese handed no clips stays on clip 0 as it animates.
    Cheese::default_ss = sheet;
    Cheese cheese(100, 0);
    Cheese::default_ss = nullptr;
    for (int i = 0; i < 10; ++i)
        cheese.UpdateSprite();
    EXPECT_EQ(0, cheese.GetCurrentClip());
    cheese.Show(screen, view);
    // A dead rat whose clip list is too short for its dead picture.
    Rat r;
    r.SetDefaults(sheet, &threeClips);
    r.Kill();
    r.UpdateSprite();
    r.Show(screen, view);
    EXPECT_EQ(200 * 150, CountColour(screen, BACKGROUND));
    SDL_FreeSurface(sheet);
    SDL_FreeSurface(screen);
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
