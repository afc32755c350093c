#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "app/globals.h"
#include "tests/support/test_env.h"
#include "tests/world/test_sheet.h"
#include "world/cheese.h"
#include "world/constants.h"
#include "world/rat.h"
#include "world/tiles.h"

namespace
{
// An animated thing of one 10 x 10 picture per clip, placed at (x, y).
struct Sprite : AnimatedThing
{
    Sprite(TestSheet& sheet, int x, int y, int clip = 0)
    {
        SetSpriteSheet(sheet.surface);
        SetClips(&sheet.clips);
        SetBothPos(x, y);
        SetBothSize(10, 10);
        currentClip = clip;
    }
};
}

TEST(Drawing, AThingLandsAtItsLevelPositionLessTheCamera)
{
    TestSheet sheet(3, 10);
    TestScreen screen;
    Sprite s(sheet, 150, 60, 1);
    s.Show(screen.surface, CameraAt(100, 40));
    EXPECT_EQ(ClipColour(1), screen.At(50 + 5, 20 + 5));
    EXPECT_EQ(ClipColour(1), screen.At(59, 29));
    EXPECT_EQ(BACKGROUND, screen.At(50, 20)) << "the cyan corner is keyed out";
    EXPECT_EQ(BACKGROUND, screen.At(49, 25));
    EXPECT_EQ(BACKGROUND, screen.At(60, 25));
    EXPECT_EQ(BACKGROUND, screen.At(55, 30));
}

TEST(Drawing, CameraCornerIsReadAsSignedAndOffScreenPartsAreClipped)
{
    TestSheet sheet(1, 10);
    TestScreen screen;
    Sprite left(sheet, 0, 0);
    left.Show(screen.surface, CameraAt(-50, -30));
    EXPECT_EQ(ClipColour(0), screen.At(55, 35));

    Sprite corner(sheet, -5, -5);
    corner.Show(screen.surface, CameraAt(0, 0));
    EXPECT_EQ(ClipColour(0), screen.At(0, 0));
    EXPECT_EQ(ClipColour(0), screen.At(4, 4));
    EXPECT_EQ(BACKGROUND, screen.At(5, 5));
}

TEST(Drawing, NothingIsDrawnWithoutASheetClipsOrAValidClip)
{
    TestSheet sheet(3, 10);
    TestScreen screen;
    Sprite past(sheet, 0, 0, 3);
    past.Show(screen.surface, CameraAt(0, 0));
    Sprite negative(sheet, 20, 0, -1);
    negative.Show(screen.surface, CameraAt(0, 0));
    Sprite noClips(sheet, 40, 0);
    noClips.SetClips(nullptr);
    noClips.Show(screen.surface, CameraAt(0, 0));
    Sprite noSheet(sheet, 60, 0);
    noSheet.SetSpriteSheet(nullptr);
    noSheet.Show(screen.surface, CameraAt(0, 0));
    for (int x = 0; x < 80; ++x)
        EXPECT_EQ(BACKGROUND, screen.At(x, 5)) << x;

    // A dead rat whose clip list is too short for its dead picture.
    Rat r;
    r.SetDefaults(sheet.surface, &sheet.clips);
    r.SetBothPos(100, 0);
    r.Kill();
    r.UpdateSprite();
    r.Show(screen.surface, CameraAt(0, 0));
    EXPECT_EQ(BACKGROUND, screen.At(105, 5));
}

TEST(Drawing, TilesDrawTheirClipAndWaterAnimatesAsItIsDrawn)
{
    TestSheet terrain(4, 32);
    TestSheet water(8, 32);
    TestScreen screen;
    InanimateTile rock(64, 32, SOLID, 2, terrain.surface, &terrain.clips[2]);
    WaterTile pool(96, 32, GHOST, 0, water.surface, &water.clips);
    Tile* tiles[] = {&rock, &pool};
    srand(3);
    for (int frame = 0; frame < 5; ++frame)
        for (Tile* t : tiles)
            t->Show(screen.surface, CameraAt(32, 0));
    EXPECT_EQ(ClipColour(2), screen.At(32 + 10, 32 + 10));
    Rgb waterShown = screen.At(64 + 10, 32 + 10);
    EXPECT_TRUE(waterShown == ClipColour(2) || waterShown == ClipColour(3));
    EXPECT_EQ(ClipColour(pool.GetCurrentClip()), waterShown);
}

namespace
{
bool AnyPixelIn(SDL_Surface* s, int x0, int y0, int w, int h, bool (*test)(Rgb))
{
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (test(PixelAt(s, x, y)))
                return true;
    return false;
}
}

// The game's own generated sheets, through the real start-up.
TEST(Drawing, TheGeneratedWorldDrawsThroughTheCameraWithoutCyan)
{
    ASSERT_TRUE(StartGame()) << "start-up failed: are the generated assets there?";
    ASSERT_NE(nullptr, screen);
    ASSERT_EQ(32, screen->format->BitsPerPixel);

    // Start-up leaves the rat drawable before any level places it.
    EXPECT_EQ(&ratClips, rat.GetClips());
    EXPECT_EQ(RAT_WIDTH, rat.GetXSize());
    EXPECT_EQ(4u, rat.GetCollisionBoxes().size());

    ASSERT_GE(terrainClips.size(), 18u);
    ASSERT_EQ(8u, waterClips.size());
    ASSERT_EQ(13u, cheeseClips.size());
    ASSERT_EQ(9u, ratClips.size());

    std::vector<std::unique_ptr<Tile>> tiles;
    tiles.emplace_back(new InanimateTile(132, 232, SOLID, 17, terrain_ts, &terrainClips[17]));
    tiles.emplace_back(new WaterTile(232, 232, GHOST, 0, water_ts, &waterClips));
    Cheese bit(332, 232);
    Rat r;
    r.SetDefaults(rat_ss, &ratClips);
    r.SetBothPos(150, 60);

    const Uint32 bg = SDL_MapRGB(screen->format, BACKGROUND.r, BACKGROUND.g, BACKGROUND.b);
    SDL_FillRect(screen, nullptr, bg);
    SDL_Rect view = CameraAt(100, 40);
    for (auto& t : tiles)
        t->Show(screen, view);
    bit.Show(screen, view);
    r.Show(screen, view);

    auto drawn = [](Rgb c) { return !(c == BACKGROUND); };
    auto cyan = [](Rgb c) { return c == CYAN; };
    // Each thing shows up inside its own screen rectangle only.
    EXPECT_TRUE(AnyPixelIn(screen, 50, 20, 40, 60, drawn)) << "rat";
    EXPECT_TRUE(AnyPixelIn(screen, 32, 192, 32, 32, drawn)) << "terrain";
    EXPECT_TRUE(AnyPixelIn(screen, 132, 192, 32, 32, drawn)) << "water";
    EXPECT_TRUE(AnyPixelIn(screen, 232, 192, 32, 32, drawn)) << "cheese";
    EXPECT_FALSE(AnyPixelIn(screen, 0, 0, 640, 20, drawn)) << "above the rat";
    EXPECT_FALSE(AnyPixelIn(screen, 0, 80, 640, 112, drawn)) << "between rat and tiles";
    EXPECT_FALSE(AnyPixelIn(screen, 0, 224, 640, 256, drawn)) << "below the tiles";
    EXPECT_FALSE(AnyPixelIn(screen, 0, 0, 640, 480, cyan)) << "cyan reached the screen";
}
