#include "world/cheese.h"

SDL_Surface* Cheese::default_ss = nullptr;
std::vector<SDL_Rect>* Cheese::defaultClips = nullptr;

Cheese::Cheese(int x, int y) : AnimatedThing()
{
    SetBothPos(x, y);
    SetBothSize(CHEESE_WIDTH, CHEESE_HEIGHT);
    AddBox(x, y, CHEESE_WIDTH, CHEESE_HEIGHT);
    SetSpriteSheet(default_ss);
    SetClips(defaultClips);
}

void Cheese::UpdateSprite()
{
    if (spriteTimer >= 2)
    {
        currentClip += 1;
        if (!clips || static_cast<size_t>(currentClip) >= clips->size())
            currentClip = 0;
        spriteTimer = 0;
    }
    else
    {
        spriteTimer += 1;
    }
}
