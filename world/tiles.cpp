#include "world/tiles.h"
#include <cstdlib>
#include "toolkit/vek_surface.h"
#include "world/constants.h"

Tile::Tile(int x, int y, int solidity, int tileType) : solidity(solidity), tileType(tileType)
{
    // Tiles never move, so their one box is set here for good.
    SetBothPos(x, y);
    SetBothSize(TILE_WIDTH, TILE_HEIGHT);
    ClearBoxes();
    AddBox(x, y, TILE_WIDTH, TILE_HEIGHT);
}

Tile::~Tile() = default;

std::string Tile::GetTag() { return "Tile"; }

void Tile::Show(SDL_Surface* screen, SDL_Rect camera)
{
    Animate();
    Draw(screen, camera);
}

bool Tile::TopIsImp() const { return solidity == SOLID || solidity == PLATFORM; }
bool Tile::BottomIsImp() const { return solidity == SOLID; }
bool Tile::LeftIsImp() const { return solidity == SOLID; }
bool Tile::RightIsImp() const { return solidity == SOLID; }

InanimateTile::InanimateTile(int x, int y, int solidity, int tileType, SDL_Surface* sheet, SDL_Rect* clip)
    : Tile(x, y, solidity, tileType), spriteSheet(sheet), clip(clip)
{
}

std::string InanimateTile::GetTag() { return RecordTag(RECORD_TERRAIN); }

void InanimateTile::Draw(SDL_Surface* screen, SDL_Rect camera)
{
    // A null clip would blit the whole sheet: better to draw nothing.
    if (!spriteSheet || !clip || !screen)
        return;
    VEK_BlitSurface(spriteSheet, clip, screen, xPos - camera.x, yPos - camera.y);
}

WaterTile::WaterTile(int x, int y, int solidity, int tileType, SDL_Surface* sheet, std::vector<SDL_Rect>* clips)
    : Tile(x, y, solidity, tileType), AnimatedThing()
{
    SetSpriteSheet(sheet);
    SetClips(clips);
}

std::string WaterTile::GetTag() { return RecordTag(RECORD_WATER); }

void WaterTile::Animate()
{
    // The clips come in pairs {0,1} {2,3} {4,5} {6,7}: every fifth draw moves
    // to one clip of the next pair, and past the last pair back to clip 0.
    // Drawing uses the C library's rand() so it never disturbs the game's
    // own random numbers.
    if (spriteTimer >= 4)
    {
        currentClip = (currentClip / 2) * 2 + (rand() % 2) + 2;
        if (currentClip > 7)
            currentClip = 0;
        spriteTimer = 0;
    }
    else
    {
        spriteTimer += 1;
    }
}

void WaterTile::Draw(SDL_Surface* screen, SDL_Rect camera)
{
    DrawClip(screen, Tile::xPos - camera.x, Tile::yPos - camera.y);
}
