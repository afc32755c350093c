#pragma once
#include <gtest/gtest.h>
#include "app/globals.h"
#include "tests/support/test_env.h"
#include "toolkit/vek_surface.h"

// Colours as 0xRRGGBB, and a distinctive box image, for the toolkit tests.
const int S = 30;
const Uint32 CYAN = 0x00FFFF, BLACK = 0, OUTSIDE = 0xFAFA00;
inline Uint32 PieceColour(int k) { return Uint32(20 + 25 * k) << 16 | 60 << 8 | Uint32(220 - 20 * k); }
// Each piece's own top-left pixel, so that the exact landing spot shows.
inline Uint32 MarkerColour(int k) { return Uint32(230 - 10 * k) << 16 | Uint32(10 * k) << 8 | 10; }

inline void Fill(SDL_Surface* s, int x, int y, int w, int h, Uint32 rgb)
{
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb)));
}

// A keyed box image larger than the 3 x 3 grid: every piece has its own
// colour and marker, the centre piece a transparent hole, and everything
// beyond the grid a colour no box may show.
inline SDL_Surface* MakeBoxImage()
{
    SDL_Surface* image = VEK_NewSurface(3 * S + 20, 3 * S + 15);
    Fill(image, 0, 0, image->w, image->h, OUTSIDE);
    for (int k = 0; k < 9; ++k)
    {
        Fill(image, S * (k % 3), S * (k / 3), S, S, PieceColour(k));
        Fill(image, S * (k % 3), S * (k / 3), 1, 1, MarkerColour(k));
    }
    Fill(image, S + 12, S + 12, 3, 3, CYAN);
    return image;
}

// The game's window and fonts, a fake clock, and no event left over.
struct ToolkitTest : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        DrainEvents();
        InstallFakeClock();
    }
    void TearDown() override { RemoveFakeClock(); }
};
