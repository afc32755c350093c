#pragma once
#include <SDL.h>
#include <string>

// Surface helpers. Transparency is by colour key only: pure cyan everywhere.
const Uint8 VEK_KEY_R = 0;
const Uint8 VEK_KEY_G = 255;
const Uint8 VEK_KEY_B = 255;

// Blits clip (or the whole source when null) with its top-left at (x, y).
void VEK_BlitSurface(SDL_Surface* source, SDL_Rect* clip, SDL_Surface* destination, int x, int y);

// A new, fully transparent software surface in the screen's format; null
// when SDL cannot make one. The caller frees it.
SDL_Surface* VEK_NewSurface(int width, int height);

// Loads an image, converts it to the display format and keys out cyan; null
// on failure. The caller frees it.
SDL_Surface* VEK_LoadImage(std::string filename);

// A width x height framed box built from the 3 x 3 grid of pieceSize squares
// in the top-left corner of boxImage; null when no surface could be made.
SDL_Surface* VEK_RenderBox(int width, int height, int pieceSize, SDL_Surface* boxImage);
