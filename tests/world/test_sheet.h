#pragma once
// Small surfaces with known colours, so that a test can tell from one pixel
// which clip of a sheet was drawn where.
#include <SDL.h>
#include <vector>
#include "toolkit/vek_surface.h"

struct Rgb
{
    Uint8 r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

inline Rgb ClipColour(int i) { return {Uint8(10 + i * 20), Uint8(200 - i * 10), 77}; }
const Rgb BACKGROUND = {1, 2, 3};
const Rgb CYAN = {0, 255, 255};

inline SDL_Surface* NewRgbSurface(int w, int h)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0x00ff00, 0x0000ff, 0);
}

inline void Fill(SDL_Surface* s, SDL_Rect* r, Rgb c) { SDL_FillRect(s, r, SDL_MapRGB(s->format, c.r, c.g, c.b)); }

inline Rgb PixelAt(SDL_Surface* s, int x, int y)
{
    Uint32 p = static_cast<Uint32*>(s->pixels)[y * (s->pitch / 4) + x];
    Rgb c;
    SDL_GetRGB(p, s->format, &c.r, &c.g, &c.b);
    return c;
}

// A row of count square clips of the given size, clip i filled with
// ClipColour(i) except its top-left pixel, which is cyan and keyed out.
struct TestSheet
{
    SDL_Surface* surface = nullptr;
    std::vector<SDL_Rect> clips;

    TestSheet(int count, int size)
    {
        surface = NewRgbSurface(count * size, size);
        for (int i = 0; i < count; ++i)
        {
            SDL_Rect r = {Sint16(i * size), 0, Uint16(size), Uint16(size)};
            clips.push_back(r);
            Fill(surface, &r, ClipColour(i));
            SDL_Rect corner = {Sint16(i * size), 0, 1, 1};
            Fill(surface, &corner, CYAN);
        }
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY, SDL_MapRGB(surface->format, 0, 255, 255));
    }
    ~TestSheet() { SDL_FreeSurface(surface); }
    TestSheet(const TestSheet&) = delete;
    TestSheet& operator=(const TestSheet&) = delete;
};

// A screen-like target filled with BACKGROUND.
struct TestScreen
{
    SDL_Surface* surface;
    TestScreen(int w = 200, int h = 150) : surface(NewRgbSurface(w, h)) { Fill(surface, nullptr, BACKGROUND); }
    ~TestScreen() { SDL_FreeSurface(surface); }
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;
    Rgb At(int x, int y) const { return PixelAt(surface, x, y); }
};

inline SDL_Rect CameraAt(int x, int y, int w = 640, int h = 480)
{
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    return r;
}
