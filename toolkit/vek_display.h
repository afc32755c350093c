#pragma once
#include <SDL.h>

// How the picture reaches the monitor. Everything is drawn on one picture of
// a fixed size; only its presentation may be enlarged, by a whole factor
// with nearest-neighbour sampling, so that every pixel stays a sharp square.
struct VekDisplaySetup
{
    int width = 640; // the picture everything is drawn on
    int height = 480;
    int bpp = 32;
    int scale = 1; // the window is the picture times this
    // Full screen at the desktop's own size, the largest whole enlargement
    // centred on black, instead of a mode switch to the picture's size.
    bool desktopFullScreen = false;
    int desktopWidth = 0; // as SDL reported it before the first mode set
    int desktopHeight = 0;
};

// Largest whole factor, from 1 to maxScale, at which a width x height
// picture fits inside areaWidth x areaHeight; 1 when none does.
int VEK_FitScale(int areaWidth, int areaHeight, int width, int height, int maxScale);

// Opens the window as setup asks and returns the surface to draw on; null
// when SDL refuses the mode. With scale 1 and no desktop full screen the
// surface is the display itself, exactly as a plain SDL_SetVideoMode.
SDL_Surface* VEK_OpenDisplay(const VekDisplaySetup& setup);

// Switches the open display between window and full screen; the surface to
// draw on from now, or null when SDL refuses the mode.
SDL_Surface* VEK_SetDisplayMode(bool fullScreen);

// Shows a finished picture: a drop-in for SDL_Flip(picture).
void VEK_Present(SDL_Surface* picture);

// Copies source into destination enlarged factor times with its top-left at
// (x, y). Both share one pixel format and the enlargement must fit.
void VEK_ScaleNearest(SDL_Surface* source, SDL_Surface* destination, int factor, int x, int y);

// Frees the picture surface of a scaled display.
void VEK_CloseDisplay();
