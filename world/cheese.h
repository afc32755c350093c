#pragma once
#include <SDL.h>
#include <string>
#include <vector>
#include "world/animated.h"
#include "world/level_format.h"

class Cheese : public AnimatedThing
{
public:
    Cheese(int x, int y);
    void UpdateSprite();
    std::string GetTag() { return RecordTag(RECORD_CHEESE); }

    static SDL_Surface* default_ss;
    static std::vector<SDL_Rect>* defaultClips;
};
