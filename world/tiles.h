#pragma once
#include <SDL.h>
#include <string>
#include <vector>
#include "world/animated.h"
#include "world/level_format.h"
#include "world/things.h"

// One square of the level grid.
class Tile : public LocatedThing, public CollidableThing
{
public:
    Tile(int x, int y, int solidity, int tileType);
    // Tiles are owned and destroyed through Tile*; this reaches the animated
    // part of a water tile (should it lose its virtual, every delete of a
    // Tile* is a -Wdelete-non-virtual-dtor warning).
    virtual ~Tile();
    virtual std::string GetTag();
    // Animates, then draws: what one frame of drawing does to a tile.
    void Show(SDL_Surface* screen, SDL_Rect camera);
    // One frame of the tile's animation, due whether or not it is in view.
    virtual void Animate() {}
    virtual bool IsAnimated() const { return false; }
    // Draws the tile as it is now, without animating it.
    virtual void Draw(SDL_Surface* screen, SDL_Rect camera) = 0;

    int GetSolidity() const { return solidity; }
    int GetTileType() const { return tileType; }
    bool TopIsImp() const;
    bool BottomIsImp() const;
    bool LeftIsImp() const;
    bool RightIsImp() const;

protected:
    int solidity;
    int tileType;
};

// A terrain tile: one clip of the terrain sheet.
class InanimateTile : public Tile
{
public:
    InanimateTile(int x, int y, int solidity, int tileType, SDL_Surface* sheet, SDL_Rect* clip);
    std::string GetTag() override;
    void Draw(SDL_Surface* screen, SDL_Rect camera) override;

private:
    SDL_Surface* spriteSheet; // shared, not owned
    SDL_Rect* clip;           // into the shared clip list, not owned
};

// Water animates as it is drawn, in play and in the editor alike.
class WaterTile : public Tile, public AnimatedThing
{
public:
    WaterTile(int x, int y, int solidity, int tileType, SDL_Surface* sheet, std::vector<SDL_Rect>* clips);
    std::string GetTag() override;
    // Both bases can show; a water tile shows as a tile.
    void Show(SDL_Surface* screen, SDL_Rect camera) override { Tile::Show(screen, camera); }
    void Animate() override;
    bool IsAnimated() const override { return true; }
    void Draw(SDL_Surface* screen, SDL_Rect camera) override;

    // The tile part holds the position, size and box; the animated part only
    // its sheet, clips and animation.
    int GetXPos() const { return Tile::GetXPos(); }
    int GetYPos() const { return Tile::GetYPos(); }
    int GetXSize() const { return Tile::GetXSize(); }
    int GetYSize() const { return Tile::GetYSize(); }
    std::vector<SDL_Rect>& GetCollisionBoxes() { return Tile::GetCollisionBoxes(); }
};
