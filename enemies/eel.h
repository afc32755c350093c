#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <vector>
#include "enemies/guy.h"

// Leaps up from below the level to about where it was placed, dives back,
// for ever. Passes through every tile, never dies, kills on any contact.
class Eel : public Guy
{
public:
    Eel();
    void SetUpTo(int y) { upTo = y; }
    void SetDownTo(int y) { downTo = y; }
    int GetUpTo() const { return upTo; }
    int GetDownTo() const { return downTo; }
    void UpdateJump();

    void Update() override;
    void UpdateSprite() override;
    void HandleRat(Rat& rat) override;
    std::string GetTag() override { return RecordTag(RECORD_EEL); }

    static SDL_Surface* default_ss;
    static std::vector<SDL_Rect>* defaultClips;
    static Mix_Chunk* kill_se;

private:
    int upTo;
    int downTo;
};
