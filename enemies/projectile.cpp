#include "enemies/projectile.h"
#include "world/tile_grid.h"

SDL_Surface* Projectile::default_ss = nullptr;
std::vector<SDL_Rect>* Projectile::defaultClips = nullptr;

Projectile::Projectile() : finished(true)
{
    SetSpriteSheet(default_ss);
    SetClips(defaultClips);
}

void Projectile::Update()
{
    if (yPos > PROJECTILE_LOST_Y)
    {
        ClearBoxes();
        return;
    }
    Guy::Update();
}

void Projectile::UpdateSprite()
{
    if (spriteTimer >= FRAMES_PER_SPRITE)
    {
        currentClip = currentClip == 1 ? 0 : 1;
        spriteTimer = 0;
    }
    else
        spriteTimer++;
}

// Hitting the rat does not end the flight.
void Projectile::HandleRat(Rat& rat)
{
    if (!finished && HasCollided(rat.GetCollisionBoxes(), nullptr, nullptr))
        rat.Kill();
}

// Only solid tiles stop it; platforms and water let it through.
void Projectile::HandleTiles(std::vector<Tile*>& tiles)
{
    ForEachTileNear(tiles, *this, [this](Tile* t) {
        if (t->GetSolidity() == SOLID && HasCollided(t->GetCollisionBoxes(), nullptr, nullptr))
            Finish();
    });
}
