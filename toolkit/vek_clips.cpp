#include "toolkit/vek_clips.h"
#include <cstring>

namespace
{
// A clip is cut the first time it is drawn, so start-up pays nothing and
// clips never drawn cost no memory.
struct CutSheet
{
    SDL_Surface* sheet;
    std::vector<SDL_Rect> rects;
    std::vector<SDL_Surface*> surfaces;
    std::vector<bool> tried;
};

// Never destroyed: the surfaces stay reachable until VEK_ForgetAllClips,
// even while the program's statics are torn down.
std::vector<CutSheet>& cutSheets = *new std::vector<CutSheet>();

bool SameRect(const SDL_Rect& a, const SDL_Rect& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

bool InsideSheet(const SDL_Surface* sheet, const SDL_Rect& clip)
{
    return clip.x >= 0 && clip.y >= 0 && clip.x + clip.w <= sheet->w && clip.y + clip.h <= sheet->h;
}

// A clip inside the sheet is a copy of its pixels row by row. One reaching
// out of a keyed sheet is drawn over the key colour, so that the copy keys
// out what lies outside as well as what the sheet keys out.
bool CopyPixels(SDL_Surface* sheet, const SDL_Rect& clip, SDL_Surface* cut)
{
    const bool keyed = (sheet->flags & SDL_SRCCOLORKEY) != 0;
    if (InsideSheet(sheet, clip))
    {
        if (SDL_LockSurface(sheet) != 0)
            return false;
        const int bpp = sheet->format->BytesPerPixel;
        for (int row = 0; row < clip.h; ++row)
            std::memcpy(static_cast<Uint8*>(cut->pixels) + row * cut->pitch,
                        static_cast<const Uint8*>(sheet->pixels) + (clip.y + row) * sheet->pitch + clip.x * bpp,
                        static_cast<size_t>(clip.w) * bpp);
        SDL_UnlockSurface(sheet);
        return true;
    }
    if (!keyed)
        return false;
    SDL_FillRect(cut, nullptr, sheet->format->colorkey);
    SDL_Rect source = clip;
    return SDL_BlitSurface(sheet, &source, cut, nullptr) == 0;
}

SDL_Surface* CutOne(SDL_Surface* sheet, const SDL_Rect& clip)
{
    const SDL_PixelFormat* f = sheet->format;
    const bool keyed = (sheet->flags & SDL_SRCCOLORKEY) != 0;
    if (clip.w == 0 || clip.h == 0)
        return nullptr;
    SDL_Surface* cut =
        SDL_CreateRGBSurface(SDL_SWSURFACE, clip.w, clip.h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask);
    if (!cut)
        return nullptr;
    if (!CopyPixels(sheet, clip, cut))
    {
        SDL_FreeSurface(cut);
        return nullptr;
    }
    if (keyed)
    {
        // A sheet asked for run-length acceleration (RLEACCELOK) gets it at
        // its first blit (RLEACCEL); the copy asks for it the same way.
        const bool accelerated = (sheet->flags & (SDL_RLEACCEL | SDL_RLEACCELOK)) != 0;
        SDL_SetColorKey(cut, SDL_SRCCOLORKEY | (accelerated ? SDL_RLEACCEL : 0), f->colorkey);
    }
    // SDL encodes a surface's runs at its first blit and then lets go of
    // its plain pixels; one blit now keeps the copies from ever holding
    // both at once.
    if (SDL_Surface* scratch =
            SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask))
    {
        SDL_BlitSurface(cut, nullptr, scratch, nullptr);
        SDL_FreeSurface(scratch);
    }
    return cut;
}
} // namespace

void VEK_CutClips(SDL_Surface* sheet, const std::vector<SDL_Rect>& clips)
{
    if (!sheet || sheet->format->palette || sheet->format->Amask || (sheet->flags & SDL_SRCALPHA))
        return;
    for (const CutSheet& c : cutSheets)
        if (c.sheet == sheet)
            return;
    CutSheet cut;
    cut.sheet = sheet;
    cut.rects = clips;
    cut.surfaces.assign(clips.size(), nullptr);
    cut.tried.assign(clips.size(), false);
    ++sheet->refcount;
    cutSheets.push_back(std::move(cut));
}

SDL_Surface* VEK_ClipSurface(SDL_Surface* sheet, const SDL_Rect* clip)
{
    if (!clip)
        return nullptr;
    for (CutSheet& c : cutSheets)
    {
        if (c.sheet != sheet)
            continue;
        for (size_t i = 0; i < c.rects.size(); ++i)
        {
            if (!SameRect(c.rects[i], *clip))
                continue;
            if (!c.tried[i])
            {
                c.surfaces[i] = CutOne(sheet, c.rects[i]);
                c.tried[i] = true;
            }
            return c.surfaces[i];
        }
        return nullptr;
    }
    return nullptr;
}

void VEK_ForgetAllClips()
{
    for (CutSheet& c : cutSheets)
    {
        for (SDL_Surface* s : c.surfaces)
            SDL_FreeSurface(s);
        SDL_FreeSurface(c.sheet);
    }
    cutSheets.clear();
}
