#pragma once
#include <SDL.h>
#include "world/things.h"

// The view onto the level: its position is the top-left corner shown.
class Camera : public LocatedThing
{
public:
    // Keeps (x, y) at least margin pixels inside the view, scrolling in one
    // step, and clamps to bounds only on a side where the view moved.
    void Follow(int x, int y, int marginX, int marginY, SDL_Rect bounds);
};
