#pragma once
#include <SDL.h>
#include <string>
#include <vector>
#include "world/animated.h"

class Cheese : public AnimatedThing
{
public:
    Cheese(int x, int y);
    void UpdateSprite();
    std::string GetTag() { return "Cheese"; }

    static SDL_Surface* default_ss;
    static std::vector<SDL_Rect>* defaultClips;
};
