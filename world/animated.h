#pragma once
#include <SDL.h>
#include <vector>
#include "world/things.h"

// A sprite cut from a shared sheet: everything that is drawn and animated.
class AnimatedThing : public MobileThing, public CollidableThing
{
public:
    AnimatedThing();
    virtual ~AnimatedThing();
    virtual void Show(SDL_Surface* screen, SDL_Rect camera);
    virtual void SetSpriteSheet(SDL_Surface* sheet);
    virtual void SetClips(std::vector<SDL_Rect>* clipList);

    int GetCurrentClip() const { return currentClip; }
    SDL_Surface* GetSpriteSheet() const { return spriteSheet; }
    std::vector<SDL_Rect>* GetClips() const { return clips; }

protected:
    // Draws the current clip with its top-left at screen (x, y); false, and
    // nothing drawn, without a sheet, without clips or past the clip list.
    bool DrawClip(SDL_Surface* screen, int x, int y);

    int currentClip;
    int spriteTimer;
    SDL_Surface* spriteSheet;     // shared asset, not owned
    std::vector<SDL_Rect>* clips; // shared asset, not owned
};
