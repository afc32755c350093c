#include <gtest/gtest.h>
#include "tests/support/test_env.h"
#include "tests/toolkit/test_colours.h"
#include "toolkit/vek_surface.h"

namespace
{
class SurfaceTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(StartGame()); }
};

TEST_F(SurfaceTest, NewSurfaceIsAllKeyColourAndBlitsAsNothing)
{
    SDL_Surface* fresh = VEK_NewSurface(33, 17);
    ASSERT_NE(nullptr, fresh);
    EXPECT_EQ(SDL_GetVideoSurface()->format->BitsPerPixel, fresh->format->BitsPerPixel);
    for (int y = 0; y < fresh->h; ++y)
        for (int x = 0; x < fresh->w; ++x)
            ASSERT_EQ(CYAN, Pixel(fresh, x, y)) << x << "," << y;

    SDL_Surface* target = VEK_NewSurface(40, 40);
    Fill(target, 0, 0, 40, 40, {12, 34, 56});
    VEK_BlitSurface(fresh, nullptr, target, 3, 5);
    for (int y = 0; y < target->h; ++y)
        for (int x = 0; x < target->w; ++x)
            ASSERT_EQ((RGB{12, 34, 56}), Pixel(target, x, y)) << x << "," << y;
    SDL_FreeSurface(target);
    SDL_FreeSurface(fresh);
}

TEST_F(SurfaceTest, NewSurfaceRefusesANegativeSize)
{
    EXPECT_EQ(nullptr, VEK_NewSurface(-1, 10));
    EXPECT_EQ(nullptr, VEK_NewSurface(10, -1));
}

TEST_F(SurfaceTest, BlitPlacesClipAtPosition)
{
    SDL_Surface* image = MakeBoxImage();
    SDL_Surface* target = VEK_NewSurface(100, 100);
    SDL_Rect clip = {Sint16(2 * S), Sint16(S), Uint16(S), Uint16(S)}; // piece 5
    VEK_BlitSurface(image, &clip, target, 50, 7);
    EXPECT_EQ(MarkerColour(5), Pixel(target, 50, 7));
    EXPECT_EQ(PieceColour(5), Pixel(target, 79, 36));
    EXPECT_EQ(CYAN, Pixel(target, 49, 7));
    EXPECT_EQ(CYAN, Pixel(target, 80, 7));
    VEK_BlitSurface(nullptr, nullptr, target, 0, 0); // ignored, no crash
    SDL_FreeSurface(target);
    SDL_FreeSurface(image);
}

TEST_F(SurfaceTest, BoxOfThreePiecesIsTheGridItself)
{
    SDL_Surface* image = MakeBoxImage();
    SDL_Surface* box = VEK_RenderBox(90, 90, S, image);
    ASSERT_NE(nullptr, box);
    ASSERT_EQ(90, box->w);
    ASSERT_EQ(90, box->h);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 90; ++x)
            ASSERT_EQ(Pixel(image, x, y), Pixel(box, x, y)) << x << "," << y;
    SDL_FreeSurface(box);
    SDL_FreeSurface(image);
}

TEST_F(SurfaceTest, BoxOfOddSizeOverlapsItsLastColumnAndRow)
{
    SDL_Surface* image = MakeBoxImage();
    SDL_Surface* box = VEK_RenderBox(100, 75, S, image);
    ASSERT_NE(nullptr, box);
    ASSERT_EQ(100, box->w);
    ASSERT_EQ(75, box->h);

    struct Expect
    {
        int x, y;
        RGB colour;
    };
    const Expect table[] = {
        // corners
        {0, 0, MarkerColour(0)}, {70, 0, MarkerColour(2)}, {0, 45, MarkerColour(6)}, {70, 45, MarkerColour(8)},
        {99, 74, PieceColour(8)}, {99, 0, PieceColour(2)}, {0, 74, PieceColour(6)},
        // the inner column at 30, then the right-aligned one at 40
        {30, 0, MarkerColour(1)}, {40, 0, MarkerColour(1)}, {69, 29, PieceColour(1)},
        {30, 30, MarkerColour(4)}, {40, 30, MarkerColour(4)}, {69, 44, PieceColour(4)},
        {30, 45, MarkerColour(7)}, {40, 45, MarkerColour(7)}, {69, 74, PieceColour(7)},
        // the bottom edge covers the lower part of the centre pieces
        {35, 50, PieceColour(7)},
        // side edges only at y = 15, over the lower half of the top corners
        {0, 15, MarkerColour(3)}, {70, 15, MarkerColour(5)}, {29, 44, PieceColour(3)}, {99, 44, PieceColour(5)},
        {29, 14, PieceColour(0)}, {99, 14, PieceColour(2)},
        // the hole of each centre placement is filled by the other one: a
        // keyed pixel leaves what is already there
        {42, 42, PieceColour(4)}, {52, 42, PieceColour(4)}, {54, 44, PieceColour(4)},
    };
    for (const Expect& e : table)
        EXPECT_EQ(e.colour, Pixel(box, e.x, e.y)) << "at " << e.x << "," << e.y;
    // Nothing from beyond the grid is ever used.
    for (int y = 0; y < 75; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_FALSE(Pixel(box, x, y) == OUTSIDE) << x << "," << y;
    SDL_FreeSurface(box);
    SDL_FreeSurface(image);
}
} // namespace
