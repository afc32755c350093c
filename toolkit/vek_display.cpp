#include "toolkit/vek_display.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include "toolkit/vek_desktop.h"

static VekDisplaySetup current;
// The surface drawn on when the display is scaled; null when the game
// draws straight on the display.
static SDL_Surface* picture = nullptr;
static int presentScale = 1;
static int presentX = 0;
static int presentY = 0;

int VEK_FitScale(int areaWidth, int areaHeight, int width, int height, int maxScale)
{
    int scale = 1;
    while (scale < maxScale && width * (scale + 1) <= areaWidth && height * (scale + 1) <= areaHeight)
        ++scale;
    return scale;
}

// SDL2 under the SDL 1.2 interface shows a full-screen 640 x 480 mode by
// stretching it over the desktop, smoothed and out of proportion: there the
// game fills the desktop itself, as when scaled, with whole enlargements.
static bool DesktopFullScreen(const VekDisplaySetup& setup) { return setup.desktopFullScreen || VEK_OnSdl2(); }

static bool IsPlain(const VekDisplaySetup& setup, bool fullScreen)
{
    return setup.scale == 1 && !(fullScreen && DesktopFullScreen(setup));
}

static bool SameFormat(const SDL_PixelFormat* a, const SDL_PixelFormat* b)
{
    return a->BitsPerPixel == b->BitsPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask && a->Bmask == b->Bmask &&
           a->Amask == b->Amask;
}

SDL_Surface* VEK_OpenDisplay(const VekDisplaySetup& setup)
{
    VEK_CloseDisplay();
    current = setup;
    return VEK_SetDisplayMode(false);
}

SDL_Surface* VEK_SetDisplayMode(bool fullScreen)
{
    const Uint32 flags = fullScreen ? SDL_FULLSCREEN : 0;
    if (IsPlain(current, fullScreen))
        return SDL_SetVideoMode(current.width, current.height, current.bpp, flags);

    int width = current.width * current.scale;
    int height = current.height * current.scale;
    int scale = current.scale;
    if (fullScreen && DesktopFullScreen(current) && current.desktopWidth > 0 && current.desktopHeight > 0)
    {
        // A desktop smaller than the picture still gets all of it.
        width = std::max(current.desktopWidth, current.width);
        height = std::max(current.desktopHeight, current.height);
        scale = INT_MAX;
    }
    SDL_Surface* display = SDL_SetVideoMode(width, height, current.bpp, flags);
    // Whatever size the mode came out at, the picture must fit inside it.
    if (!display || display->w < current.width || display->h < current.height)
        return nullptr;
    // SDL2 leaves full screen to the window manager; with none, the window
    // grows to the screen's size where it stood, its far part off screen.
    if (fullScreen && VEK_OnSdl2() && !VEK_WindowManagerRunning())
        VEK_MoveWindowToOrigin();
    presentScale = VEK_FitScale(display->w, display->h, current.width, current.height, scale);
    presentX = (display->w - current.width * presentScale) / 2;
    presentY = (display->h - current.height * presentScale) / 2;
    // The border around a centred picture is painted once per mode.
    SDL_FillRect(display, nullptr, SDL_MapRGB(display->format, 0, 0, 0));
    SDL_Flip(display);

    if (!picture)
    {
        const SDL_PixelFormat* f = display->format;
        picture = SDL_CreateRGBSurface(SDL_SWSURFACE, current.width, current.height, f->BitsPerPixel, f->Rmask,
                                       f->Gmask, f->Bmask, f->Amask);
    }
    return picture;
}

// One source row written factor times across; Factor, when not 0, makes
// the repeat a constant the compiler can unroll for the common factors.
template <typename Pixel, int Factor>
static void ExpandRow(const Pixel* from, Pixel* to, int width, int factor)
{
    const int repeat = Factor ? Factor : factor;
    for (int column = 0; column < width; ++column)
    {
        const Pixel p = from[column];
        for (int copy = 0; copy < repeat; ++copy)
            to[copy] = p;
        to += repeat;
    }
}

template <typename Pixel, int Factor>
static void ScaleRows(SDL_Surface* source, SDL_Surface* destination, int factor, int x, int y)
{
    const size_t rowBytes = static_cast<size_t>(source->w) * factor * sizeof(Pixel);
    for (int row = 0; row < source->h; ++row)
    {
        const Pixel* from = reinterpret_cast<const Pixel*>(static_cast<Uint8*>(source->pixels) + row * source->pitch);
        Uint8* first = static_cast<Uint8*>(destination->pixels) + (y + row * factor) * destination->pitch +
                       x * static_cast<int>(sizeof(Pixel));
        ExpandRow<Pixel, Factor>(from, reinterpret_cast<Pixel*>(first), source->w, factor);
        // The other rows of the band are the first one again.
        for (int copy = 1; copy < factor; ++copy)
            std::memcpy(first + copy * destination->pitch, first, rowBytes);
    }
}

template <typename Pixel>
static void ScaleAny(SDL_Surface* source, SDL_Surface* destination, int factor, int x, int y)
{
    switch (factor)
    {
    case 1:
        ScaleRows<Pixel, 1>(source, destination, factor, x, y);
        break;
    case 2:
        ScaleRows<Pixel, 2>(source, destination, factor, x, y);
        break;
    case 3:
        ScaleRows<Pixel, 3>(source, destination, factor, x, y);
        break;
    case 4:
        ScaleRows<Pixel, 4>(source, destination, factor, x, y);
        break;
    default:
        ScaleRows<Pixel, 0>(source, destination, factor, x, y);
        break;
    }
}

struct Pixel24
{
    Uint8 bytes[3];
};

void VEK_ScaleNearest(SDL_Surface* source, SDL_Surface* destination, int factor, int x, int y)
{
    if (SDL_MUSTLOCK(source) && SDL_LockSurface(source) < 0)
        return;
    if (SDL_MUSTLOCK(destination) && SDL_LockSurface(destination) < 0)
    {
        if (SDL_MUSTLOCK(source))
            SDL_UnlockSurface(source);
        return;
    }
    switch (source->format->BytesPerPixel)
    {
    case 1:
        ScaleAny<Uint8>(source, destination, factor, x, y);
        break;
    case 2:
        ScaleAny<Uint16>(source, destination, factor, x, y);
        break;
    case 3:
        ScaleAny<Pixel24>(source, destination, factor, x, y);
        break;
    default:
        ScaleAny<Uint32>(source, destination, factor, x, y);
        break;
    }
    if (SDL_MUSTLOCK(destination))
        SDL_UnlockSurface(destination);
    if (SDL_MUSTLOCK(source))
        SDL_UnlockSurface(source);
}

void VEK_Present(SDL_Surface* shown)
{
    SDL_Surface* display = SDL_GetVideoSurface();
    if (!shown || !display)
        return;
    if (shown == display || shown != picture)
    {
        SDL_Flip(shown);
        return;
    }
    // A mode that came back in another format is fed a converted copy.
    SDL_Surface* converted = nullptr;
    if (!SameFormat(shown->format, display->format))
    {
        converted = SDL_ConvertSurface(shown, display->format, SDL_SWSURFACE);
        if (!converted)
            return;
        shown = converted;
    }
    VEK_ScaleNearest(shown, display, presentScale, presentX, presentY);
    SDL_UpdateRect(display, presentX, presentY, shown->w * presentScale, shown->h * presentScale);
    if (converted)
        SDL_FreeSurface(converted);
}

void VEK_CloseDisplay()
{
    if (picture)
        SDL_FreeSurface(picture);
    picture = nullptr;
}
