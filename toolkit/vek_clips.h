#pragma once
#include <SDL.h>
#include <vector>

// Clips of a sprite sheet, each copied into a surface of its own. A blit of
// a clip from a colour-keyed (and RLE-accelerated) sheet has to walk every
// row of the sheet above the clip; the same pixels in a surface of the
// clip's size, with the same key and flags, draw the same picture at a
// fraction of the cost. VEK_BlitSurface uses them by itself whenever a
// registered sheet is blitted with one of its registered clips.

// Registers the clips of sheet, each cut into a surface the first time it
// is drawn. The sheet is held (its reference count raised) until
// VEK_ForgetAllClips, so its address cannot be reused by another surface
// meanwhile. A sheet that cannot be copied exactly (per surface alpha, a
// palette) and an unkeyed clip reaching out of its sheet draw from the
// sheet.
void VEK_CutClips(SDL_Surface* sheet, const std::vector<SDL_Rect>& clips);

// The surface cut for clip of sheet, or null.
SDL_Surface* VEK_ClipSurface(SDL_Surface* sheet, const SDL_Rect* clip);

// Frees every clip surface and lets go of the sheets.
void VEK_ForgetAllClips();
