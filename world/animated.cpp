#include "world/animated.h"
#include "toolkit/vek_surface.h"

AnimatedThing::AnimatedThing() : currentClip(0), spriteTimer(0), spriteSheet(nullptr), clips(nullptr)
{
    // Creators set position, size and velocity; zero is only a safe start
    // for a part that is never placed, such as the animation of a water tile.
    xPos = yPos = xSize = ySize = 0;
    xVel = yVel = 0;
}

AnimatedThing::~AnimatedThing() = default;

void AnimatedThing::Show(SDL_Surface* screen, SDL_Rect camera) { DrawClip(screen, xPos - camera.x, yPos - camera.y); }

bool AnimatedThing::DrawClip(SDL_Surface* screen, int x, int y)
{
    // A thing whose sheet or clips were never handed out, or whose clip
    // index ran past its list, is not drawn rather than read out of bounds.
    if (!spriteSheet || !clips || !screen)
        return false;
    if (currentClip < 0 || static_cast<size_t>(currentClip) >= clips->size())
        return false;
    VEK_BlitSurface(spriteSheet, &(*clips)[currentClip], screen, x, y);
    return true;
}

void AnimatedThing::SetSpriteSheet(SDL_Surface* sheet) { spriteSheet = sheet; }

void AnimatedThing::SetClips(std::vector<SDL_Rect>* clipList) { clips = clipList; }
