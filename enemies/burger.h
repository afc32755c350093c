#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <vector>
#include "enemies/guy.h"

// Walks straight on, turns at walls, falls off ledges, dies when stomped.
class Burger : public Guy
{
public:
    Burger();
    void Update() override;
    void HandleRat(Rat& rat) override;
    void HandleTiles(std::vector<Tile*>& tiles) override;
    std::string GetTag() override { return RecordTag(RECORD_BURGER); }

    static SDL_Surface* default_ss;
    static std::vector<SDL_Rect>* defaultClips;
    static Mix_Chunk* die_se;
};
