#include "enemies/burger.h"
#include "world/sound.h"

SDL_Surface* Burger::default_ss = nullptr;
std::vector<SDL_Rect>* Burger::defaultClips = nullptr;
Mix_Chunk* Burger::die_se = nullptr;

Burger::Burger()
{
    SetSpriteSheet(default_ss);
    SetClips(defaultClips);
}

void Burger::Update()
{
    if (dead)
        UpdateDying();
    else
        Guy::Update();
}

// Feet first: a stomp wins over a flank touching in the same frame.
void Burger::HandleRat(Rat& rat)
{
    std::vector<CollData> ratData;
    if (!TouchRat(rat, ratData))
        return;
    if (RatBoxTouched(ratData, RAT_BOX_FEET))
    {
        Kill();
        PlaySound(die_se);
        rat.Jump();
        rat.Landed();
    }
    else if (RatBoxTouched(ratData, RAT_BOX_HEAD) || RatBoxTouched(ratData, RAT_BOX_LEFT) ||
             RatBoxTouched(ratData, RAT_BOX_RIGHT))
        rat.Kill();
}

void Burger::HandleTiles(std::vector<Tile*>& tiles) { LandAndTurn(tiles); }
