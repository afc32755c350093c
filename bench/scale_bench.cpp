// What the enlargement of one shown frame costs: the 640 x 480 picture
// scaled by nearest-neighbour into a display of each whole factor, timed
// over many frames. Prints one line per factor; never judged by a test.
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include "toolkit/vek_display.h"
#include "world/constants.h"

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
    Uint32* pixels = static_cast<Uint32*>(picture->pixels);
    for (int i = 0; i < SCREEN_WIDTH * SCREEN_HEIGHT; ++i)
        pixels[i] = static_cast<Uint32>(i * 2654435761u);

    for (int factor = 1; factor <= 4; ++factor)
    {
        SDL_Surface* display = NewSurface(SCREEN_WIDTH * factor, SCREEN_HEIGHT * factor);
        if (!display)
            return 1;
        std::vector<double> ms;
        for (int f = 0; f < frames; ++f)
        {
            const auto start = std::chrono::steady_clock::now();
            VEK_ScaleNearest(picture, display, factor, 0, 0);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(ms.begin(), ms.end());
        double total = 0;
        for (double m : ms)
            total += m;
        std::printf("scale %d: %dx%d  fastest %.3f  median %.3f  mean %.3f  95%% %.3f ms per frame (%d frames)\n",
                    factor, display->w, display->h, ms[0], ms[frames / 2], total / frames, ms[frames * 95 / 100],
                    frames);
        SDL_FreeSurface(display);
    }
    SDL_FreeSurface(picture);
    return 0;
}
