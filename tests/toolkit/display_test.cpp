#include "tests/toolkit/test_colours.h"
#include "toolkit/vek_display.h"
#include "world/constants.h"

namespace
{
// A picture in which every pixel differs from its neighbours.
void PaintPattern(SDL_Surface* s)
{
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            Fill(s, x, y, 1, 1, Uint32(x & 255) << 16 | Uint32(y & 255) << 8 | Uint32((x * 3 + y * 5) & 255));
}

// Pixels of the display that are not the picture enlarged factor times from
// (left, top), or not black outside it.
int WrongPixels(SDL_Surface* display, SDL_Surface* picture, int factor, int left, int top)
{
    int wrong = 0;
    for (int y = 0; y < display->h; ++y)
        for (int x = 0; x < display->w; ++x)
        {
            const int px = (x - left) / factor, py = (y - top) / factor;
            const bool inside = x >= left && y >= top && px < picture->w && py < picture->h;
            wrong += PixelRGB(display, x, y) != (inside ? PixelRGB(picture, px, py) : BLACK);
        }
    return wrong;
}

VekDisplaySetup DisplayOf(int scale, bool desktopFullScreen = false, int desktopWidth = 0, int desktopHeight = 0)
{
    VekDisplaySetup setup;
    setup.width = SCREEN_WIDTH;
    setup.height = SCREEN_HEIGHT;
    setup.bpp = SCREEN_BPP;
    setup.scale = scale;
    setup.desktopFullScreen = desktopFullScreen;
    setup.desktopWidth = desktopWidth;
    setup.desktopHeight = desktopHeight;
    return setup;
}

struct DisplayTest : ToolkitTest
{
    // The game's own display comes back for whatever runs next.
    void TearDown() override
    {
        screen = VEK_OpenDisplay(DisplayOf(1));
        ToolkitTest::TearDown();
    }
};

TEST_F(DisplayTest, PresentedPictureIsItsNearestNeighbourEnlargement)
{
    for (int scale : {1, 2, 3})
    {
        SCOPED_TRACE(scale);
        SDL_Surface* picture = VEK_OpenDisplay(DisplayOf(scale));
        ASSERT_TRUE(picture);
        SDL_Surface* display = SDL_GetVideoSurface();
        EXPECT_EQ(SCREEN_WIDTH, picture->w);
        EXPECT_EQ(SCREEN_HEIGHT, picture->h);
        EXPECT_EQ(SCREEN_WIDTH * scale, display->w);
        EXPECT_EQ(SCREEN_HEIGHT * scale, display->h);
        // Unscaled, the game draws straight on the display as it always has.
        EXPECT_EQ(scale == 1, picture == display);
        PaintPattern(picture);
        VEK_Present(picture);
        EXPECT_EQ(0, WrongPixels(display, picture, scale, 0, 0));
    }
}

TEST_F(DisplayTest, ScaledFullScreenCentresTheLargestFitOnBlackAtTheDesktopSize)
{
    SDL_Surface* picture = VEK_OpenDisplay(DisplayOf(2, true, 2000, 1100));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture, VEK_SetDisplayMode(true));
    SDL_Surface* display = SDL_GetVideoSurface();
    EXPECT_EQ(2000, display->w);
    EXPECT_EQ(1100, display->h);
    EXPECT_TRUE(display->flags & SDL_FULLSCREEN);
    PaintPattern(picture);
    VEK_Present(picture);
    // 1100 high takes twice 480, not three times.
    EXPECT_EQ(0, WrongPixels(display, picture, 2, (2000 - 1280) / 2, (1100 - 960) / 2));

    ASSERT_EQ(picture, VEK_SetDisplayMode(false));
    EXPECT_EQ(1280, SDL_GetVideoSurface()->w);
    EXPECT_FALSE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
}

} // namespace
