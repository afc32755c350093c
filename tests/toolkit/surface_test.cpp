#include "tests/toolkit/test_colours.h"

TEST_F(ToolkitTest, NewSurfaceIsAllKeyColourAndBadSizesMakeNothing)
{
    SDL_Surface* fresh = VEK_NewSurface(33, 17);
    SDL_Surface* target = VEK_NewSurface(40, 40);
    ASSERT_TRUE(fresh && target);
    EXPECT_EQ(screen->format->BitsPerPixel, fresh->format->BitsPerPixel);
    EXPECT_EQ(33 * 17, CountColour(fresh, CYAN));
    Fill(target, 0, 0, 40, 40, 0x123456);
    VEK_BlitSurface(fresh, nullptr, target, 3, 5); // keyed out entirely
    VEK_BlitSurface(nullptr, nullptr, target, 0, 0);
    EXPECT_EQ(40 * 40, CountColour(target, 0x123456));
    // A negative size would be a huge allocation, a zero piece an endless box.
    EXPECT_EQ(nullptr, VEK_NewSurface(-1, 10));
    EXPECT_EQ(nullptr, VEK_NewSurface(10, -1));
    EXPECT_EQ(nullptr, VEK_RenderBox(90, 90, 0, fresh));
    SDL_FreeSurface(target);
    SDL_FreeSurface(fresh);
}

TEST_F(ToolkitTest, BoxIsTheGridAt90AndOverlapsItsLastColumnAndRowAt100x75)
{
    SDL_Surface* image = MakeBoxImage();
    SDL_Surface* box = VEK_RenderBox(90, 90, S, image);
    ASSERT_TRUE(box && box->w == 90 && box->h == 90);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 90; ++x)
            ASSERT_EQ(PixelRGB(image, x, y), PixelRGB(box, x, y)) << "at " << x << "," << y;
    SDL_FreeSurface(box);

    box = VEK_RenderBox(100, 75, S, image);
    ASSERT_TRUE(box && box->w == 100 && box->h == 75);
    const auto M = MarkerColour, P = PieceColour;
    const struct
    {
        int x, y;
        Uint32 colour;
    } table[] = {
        {0, 0, M(0)},
        {70, 0, M(2)},
        {0, 45, M(6)},
        {70, 45, M(8)},
        {99, 74, P(8)}, // corners
        // the inner column at 30, then the right-aligned one at 40
        {30, 0, M(1)},
        {40, 0, M(1)},
        {30, 30, M(4)},
        {40, 30, M(4)},
        {30, 45, M(7)},
        {40, 45, M(7)},
        {35, 50, P(7)}, // the bottom edge covers the lower part of the centre pieces
        // side edges only at y = 15, over the lower half of the top corners
        {0, 15, M(3)},
        {70, 15, M(5)},
        {29, 44, P(3)},
        {99, 44, P(5)},
        {42, 42, P(4)},
        {52, 42, P(4)}, // each centre placement fills the other's keyed hole
    };
    for (const auto& e : table)
        EXPECT_EQ(e.colour, PixelRGB(box, e.x, e.y)) << "at " << e.x << "," << e.y;
    EXPECT_EQ(0, CountColour(box, OUTSIDE)); // nothing from beyond the grid
    SDL_FreeSurface(box);
    SDL_FreeSurface(image);
}

// A picture loaded from a file shows everything but its cyan.
TEST_F(ToolkitTest, LoadedImageIsSeeThroughWhereItIsCyan)
{
    SDL_Surface* picture = VEK_NewSurface(8, 4);
    Fill(picture, 0, 0, 3, 4, 0xFF0000);
    ASSERT_EQ(0, SDL_SaveBMP(picture, "keyed.bmp"));
    SDL_Surface* loaded = VEK_LoadImage("keyed.bmp");
    ASSERT_TRUE(loaded);
    Fill(picture, 0, 0, 8, 4, BLACK);
    VEK_BlitSurface(loaded, nullptr, picture, 0, 0);
    EXPECT_EQ(12, CountColour(picture, 0xFF0000));
    EXPECT_EQ(20, CountColour(picture, BLACK));
    EXPECT_EQ(nullptr, VEK_LoadImage("no such picture.bmp"));
    SDL_FreeSurface(loaded);
    SDL_FreeSurface(picture);
}
