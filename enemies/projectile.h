#pragma once
#include <SDL.h>
#include <vector>
#include "enemies/guy.h"
#include "world/constants.h"

// A projectile that misses every solid tile falls out of the world. Its boxes
// are 16-bit, so left falling it would wrap round after a few minutes and
// come back over the arena still in flight. Past this line it stops and has
// no boxes: it can neither come back, hit the rat nor end on a tile, and
// stays unfinished, so its scientist throws no more.
const int PROJECTILE_LOST_Y = LEVEL_HEIGHT + 200;

// The scientist's thrown pond weed. Owned by its scientist, never in the
// enemy list.
class Projectile : public Guy
{
public:
    Projectile();
    void Start() { finished = false; }
    void Finish() { finished = true; }
    bool IsFinished() const { return finished; }

    // The enemy update, except once lost below the level (see
    // PROJECTILE_LOST_Y).
    void Update() override;
    void UpdateSprite() override;
    void HandleRat(Rat& rat) override;
    void HandleTiles(std::vector<Tile*>& tiles) override;

    static SDL_Surface* default_ss;
    static std::vector<SDL_Rect>* defaultClips;

private:
    bool finished;
};
