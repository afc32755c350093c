#pragma once
#include <SDL.h>
#include <vector>
#include "world/things.h"
#include "world/tiles.h"

// The level's tiles by 32-pixel cell, so that a tile pass or the drawing
// visits only the few tiles that can overlap an area instead of all of
// them. Each cell lists, in list order, the tiles whose boxes or picture
// reach into it; a tile too far out for the grid is listed as everywhere.
class TileGrid
{
public:
    void Build(const std::vector<Tile*>& tiles);

    // Fills out with the list positions, ascending and each once, of every
    // tile whose boxes may overlap one of boxes (edges read as the overlap
    // test reads them) and of no tile that certainly does not.
    void Near(const std::vector<SDL_Rect>& boxes, std::vector<int>& out) const;
    // The same for tiles whose box or picture may reach into the area
    // left .. right x top .. bottom (inclusive), appended to out unsorted.
    void AddNear(int left, int top, int right, int bottom, std::vector<int>& out) const;
    // Positions of the tiles that animate as they are drawn, in list order.
    const std::vector<int>& Animated() const { return animated; }

    // Whether this grid indexes exactly the given list as it stands.
    bool Indexes(const std::vector<Tile*>& tiles) const { return tiles == indexed; }
    bool LooksLike(const std::vector<Tile*>& tiles) const;

private:
    std::vector<Tile*> indexed;
    int originCol = 0;
    int originRow = 0;
    int cols = 0;
    int rows = 0;
    std::vector<int> cellStart; // cols * rows + 1 offsets into cellTiles
    std::vector<int> cellTiles;
    std::vector<int> everywhere;
    std::vector<int> animated;
};

// The grid of the game's tile list, rebuilt when that list has visibly
// changed (another list, size or storage) or was marked as edited. Once a
// frame, the play and the drawing check the whole list instead.
TileGrid& GridOf(const std::vector<Tile*>& tiles);
TileGrid& CheckedGridOf(const std::vector<Tile*>& tiles);
// Says that a tile list was edited, so that its grid is rebuilt before its
// next use: the loader and the editor call it.
void TilesEdited();

// The tile passes' walk: visits, in list order, every tile the thing's boxes
// can overlap. When a visit moved the thing's boxes (a landing), the tiles
// after it are found anew for the boxes where they now are, so the walk
// meets exactly the tiles a pass over the whole list would find touching.
class TileWalk
{
public:
    TileWalk(const std::vector<Tile*>& tiles, CollidableThing& thing);
    ~TileWalk();
    TileWalk(const TileWalk&) = delete;
    TileWalk& operator=(const TileWalk&) = delete;
    // The next tile, or null at the end.
    Tile* Next();

private:
    void Find(int after);

    const std::vector<Tile*>& tiles;
    CollidableThing& thing;
    TileGrid* grid;
    std::vector<int>* candidates;
    std::vector<SDL_Rect>* boxesSeen;
    size_t next = 0;
    int current = -1;
};

template <typename Visit>
void ForEachTileNear(const std::vector<Tile*>& tiles, CollidableThing& thing, Visit visit)
{
    TileWalk walk(tiles, thing);
    while (Tile* t = walk.Next())
        visit(t);
}
