// What the enlargement of one shown frame costs: the 640 x 480 picture
// scaled by nearest-neighbour into a display of each whole factor, timed
// over many frames. Prints one line per factor; never judged by a test.
// Then, on whatever video driver SDL opens (a real or virtual display, or
// the dummy one), the whole presentation at scale 3: the enlargement plus
// the hand-over of the window's pixels to the driver.
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include "toolkit/vek_display.h"
#include "world/constants.h"

static void Report(const char* what, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    double total = 0;
    for (double m : ms)
        total += m;
    const size_t n = ms.size();
    std::printf("%s  fastest %.3f  median %.3f  mean %.3f  95%% %.3f ms per frame (%zu frames)\n", what, ms[0],
                ms[n / 2], total / n, ms[n * 95 / 100], n);
}

template <typename Step>
static void Time(const char* what, int frames, Step step)
{
    std::vector<double> ms;
    for (int f = 0; f < frames; ++f)
    {
        const auto start = std::chrono::steady_clock::now();
        step();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    Report(what, ms);
}

static void Paint(SDL_Surface* s)
{
    for (int y = 0; y < s->h; ++y)
    {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x)
            row[x] = static_cast<Uint32>((y * s->w + x) * 2654435761u);
    }
}

static SDL_Surface* NewSurface(int w, int h)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
}

int main(int argc, char* argv[])
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    SDL_Surface* picture = NewSurface(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!picture)
        return 1;
    Paint(picture);
    for (int factor = 1; factor <= 4; ++factor)
    {
        SDL_Surface* display = NewSurface(SCREEN_WIDTH * factor, SCREEN_HEIGHT * factor);
        if (!display)
            return 1;
        char what[64];
        std::snprintf(what, sizeof what, "scale %d (%dx%d):", factor, display->w, display->h);
        Time(what, frames, [&] { VEK_ScaleNearest(picture, display, factor, 0, 0); });
        SDL_FreeSurface(display);
    }

    if (SDL_Init(SDL_INIT_VIDEO) == 0)
    {
        VekDisplaySetup setup;
        setup.scale = 3;
        SDL_Surface* shown = VEK_OpenDisplay(setup);
        char driver[32] = "?";
        SDL_VideoDriverName(driver, sizeof driver);
        if (shown)
        {
            Paint(shown);
            char what[64];
            std::snprintf(what, sizeof what, "present at scale 3 (%s):", driver);
            Time(what, frames, [&] { VEK_Present(shown); });
        }
        VEK_CloseDisplay();
        SDL_Quit();
    }
    SDL_FreeSurface(picture);
    return 0;
}
