#pragma once
#include <SDL.h>
#include <ostream>
#include "tests/support/test_env.h"
#include "toolkit/vek_surface.h"

// Colours and a distinctive box image shared by the toolkit tests.
struct RGB
{
    Uint8 r, g, b;
    bool operator==(const RGB& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const RGB& o) const { return !(*this == o); }
};

inline std::ostream& operator<<(std::ostream& os, const RGB& c)
{
    return os << "(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

const int S = 30;
const RGB CYAN = {0, 255, 255};
inline RGB PieceColour(int k) { return {Uint8(20 + 25 * k), 60, Uint8(220 - 20 * k)}; }
// Each piece's own top-left pixel, so that the exact landing spot shows.
inline RGB MarkerColour(int k) { return {Uint8(230 - 10 * k), Uint8(10 * k), 10}; }
const RGB OUTSIDE = {250, 250, 0};

inline RGB Pixel(SDL_Surface* s, int x, int y)
{
    RGB c;
    GetPixelRGB(s, x, y, c.r, c.g, c.b);
    return c;
}

inline void Fill(SDL_Surface* s, int x, int y, int w, int h, RGB c)
{
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, c.r, c.g, c.b));
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
        int x = S * (k % 3), y = S * (k / 3);
        Fill(image, x, y, S, S, PieceColour(k));
        Fill(image, x, y, 1, 1, MarkerColour(k));
    }
    Fill(image, S + 12, S + 12, 3, 3, CYAN);
    return image;
}
