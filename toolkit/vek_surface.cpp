#include "toolkit/vek_surface.h"
#include <SDL_image.h>
#include "toolkit/vek_clips.h"

static const Uint32 KEY_FLAGS = SDL_SRCCOLORKEY | SDL_RLEACCEL;

static void SetCyanKey(SDL_Surface* surface)
{
    SDL_SetColorKey(surface, KEY_FLAGS, SDL_MapRGB(surface->format, VEK_KEY_R, VEK_KEY_G, VEK_KEY_B));
}

void VEK_BlitSurface(SDL_Surface* source, SDL_Rect* clip, SDL_Surface* destination, int x, int y)
{
    if (!source || !destination)
        return;
    SDL_Rect offset;
    offset.x = static_cast<Sint16>(x);
    offset.y = static_cast<Sint16>(y);
    offset.w = 0;
    offset.h = 0;
    // SDL draws inside [offset, offset + clip size) at most: wholly outside
    // the destination's clipping rectangle nothing would be drawn at all.
    const int w = clip ? clip->w : source->w;
    const int h = clip ? clip->h : source->h;
    const SDL_Rect& bounds = destination->clip_rect;
    if (offset.x >= bounds.x + bounds.w || offset.x + w <= bounds.x || offset.y >= bounds.y + bounds.h ||
        offset.y + h <= bounds.y)
        return;
    if (SDL_Surface* cut = VEK_ClipSurface(source, clip))
        SDL_BlitSurface(cut, nullptr, destination, &offset);
    else
        SDL_BlitSurface(source, clip, destination, &offset);
}

SDL_Surface* VEK_NewSurface(int width, int height)
{
    // SDL 1.2 does not check the size itself: a negative one would become a
    // huge allocation.
    SDL_Surface* display = SDL_GetVideoSurface();
    if (!display || width < 0 || height < 0)
        return nullptr;
    const SDL_PixelFormat* f = display->format;
    SDL_Surface* surface =
        SDL_CreateRGBSurface(0, width, height, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask);
    if (!surface)
        return nullptr;
    SetCyanKey(surface);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, VEK_KEY_R, VEK_KEY_G, VEK_KEY_B));
    return surface;
}

SDL_Surface* VEK_LoadImage(std::string filename)
{
    SDL_Surface* loaded = IMG_Load(filename.c_str());
    if (!loaded)
        return nullptr;
    // Converted once here so that every later blit is a plain copy.
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (converted)
        SetCyanKey(converted);
    return converted;
}

SDL_Surface* VEK_RenderBox(int width, int height, int pieceSize, SDL_Surface* boxImage)
{
    const int w = width;
    const int h = height;
    const int s = pieceSize;
    SDL_Rect piece[9];
    for (int k = 0; k < 9; ++k)
    {
        piece[k].x = static_cast<Sint16>(s * (k % 3));
        piece[k].y = static_cast<Sint16>(s * (k / 3));
        piece[k].w = static_cast<Uint16>(s);
        piece[k].h = static_cast<Uint16>(s);
    }

    // The placement loops step by the piece size and would never end on 0.
    if (s <= 0)
        return nullptr;
    SDL_Surface* box = VEK_NewSurface(w, h);
    if (!box)
        return nullptr;

    VEK_BlitSurface(boxImage, &piece[0], box, 0, 0);
    VEK_BlitSurface(boxImage, &piece[2], box, w - s, 0);
    VEK_BlitSurface(boxImage, &piece[6], box, 0, h - s);
    VEK_BlitSurface(boxImage, &piece[8], box, w - s, h - s);

    // A column of centre pieces with its top and bottom edge.
    auto column = [&](int x) {
        for (int y = s; y < h - s; y += s)
            VEK_BlitSurface(boxImage, &piece[4], box, x, y);
        VEK_BlitSurface(boxImage, &piece[1], box, x, 0);
        VEK_BlitSurface(boxImage, &piece[7], box, x, h - s);
    };
    for (int x = s; x < w - 2 * s; x += s)
        column(x);
    // The last column and row overlap their neighbours rather than run past
    // the border, so the frame always closes exactly at the edge.
    column(w - 2 * s);

    for (int y = s; y < h - 2 * s; y += s)
    {
        VEK_BlitSurface(boxImage, &piece[3], box, 0, y);
        VEK_BlitSurface(boxImage, &piece[5], box, w - s, y);
    }
    VEK_BlitSurface(boxImage, &piece[3], box, 0, h - 2 * s);
    VEK_BlitSurface(boxImage, &piece[5], box, w - s, h - 2 * s);
    return box;
}
