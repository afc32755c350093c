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
    SDL_Surface* plain = SDL_CreateRGBSurface(SDL_SWSURFACE, 33, 17, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    Fill(plain, 0, 0, 33, 17, CYAN); // and so is the cyan of a picture loaded from a file
    ASSERT_EQ(0, SDL_SaveBMP(plain, "cyan.bmp"));
    SDL_FreeSurface(plain);
    SDL_Surface* loaded = VEK_LoadImage("cyan.bmp");
    ASSERT_TRUE(loaded);
    VEK_BlitSurface(loaded, nullptr, target, 0, 0);
    SDL_FreeSurface(loaded);
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
