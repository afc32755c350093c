#include "toolkit/vek_clips.h"

namespace
{
struct CutSheet
{
    SDL_Surface* sheet;
    std::vector<SDL_Rect> rects;
    std::vector<SDL_Surface*> surfaces;
};

// Never destroyed: the surfaces stay reachable until VEK_ForgetAllClips,
// even while the program's statics are torn down.
std::vector<CutSheet>& cutSheets = *new std::vector<CutSheet>();

bool SameRect(const SDL_Rect& a, const SDL_Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

bool InsideSheet(const SDL_Surface* sheet, const SDL_Rect& clip)
{
    return clip.x >= 0 && clip.y >= 0 && clip.x + clip.w <= sheet->w && clip.y + clip.h <= sheet->h;
}

// The clip's pixels over the key colour: where the sheet is keyed out the
// copy holds the key too, so the copy keys out the same pixels.
SDL_Surface* CutOne(SDL_Surface* sheet, const SDL_Rect& clip)
{
    const SDL_PixelFormat* f = sheet->format;
    const bool keyed = (sheet->flags & SDL_SRCCOLORKEY) != 0;
    if (clip.w == 0 || clip.h == 0 || (!keyed && !InsideSheet(sheet, clip)))
        return nullptr;
    SDL_Surface* cut = SDL_CreateRGBSurface(SDL_SWSURFACE, clip.w, clip.h, f->BitsPerPixel, f->Rmask, f->Gmask,
                                            f->Bmask, f->Amask);
    if (!cut)
        return nullptr;
    if (keyed)
        SDL_FillRect(cut, nullptr, f->colorkey);
    SDL_Rect source = clip;
    if (SDL_BlitSurface(sheet, &source, cut, nullptr) != 0)
    {
        SDL_FreeSurface(cut);
        return nullptr;
    }
    if (keyed)
        SDL_SetColorKey(cut, sheet->flags & (SDL_SRCCOLORKEY | SDL_RLEACCEL), f->colorkey);
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
    for (const SDL_Rect& clip : clips)
        cut.surfaces.push_back(CutOne(sheet, clip));
    ++sheet->refcount;
    cutSheets.push_back(std::move(cut));
}

SDL_Surface* VEK_ClipSurface(SDL_Surface* sheet, const SDL_Rect* clip)
{
    if (!clip)
        return nullptr;
    for (const CutSheet& c : cutSheets)
    {
        if (c.sheet != sheet)
            continue;
        for (size_t i = 0; i < c.rects.size(); ++i)
            if (SameRect(c.rects[i], *clip))
                return c.surfaces[i];
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
