#include "world/tile_grid.h"
#include <algorithm>
#include <deque>
#include "world/constants.h"

// The grid spans the tiles' extent but never more than the level and a
// level's size around it on every side; a tile reaching out of that is
// listed as everywhere.
static const int GRID_MIN_X = -LEVEL_WIDTH;
static const int GRID_MAX_X = 2 * LEVEL_WIDTH;
static const int GRID_MIN_Y = -LEVEL_HEIGHT;
static const int GRID_MAX_Y = 2 * LEVEL_HEIGHT;

namespace
{
struct Extent
{
    int left, top, right, bottom;
};

int FloorDiv(int v, int d) { return v >= 0 ? v / d : -((-v + d - 1) / d); }

// A box as the overlap test reads it: columns x .. x + w - 1. A box of no
// width overlaps what spans both x - 1 and x, so both ends count.
Extent ExtentOf(const SDL_Rect& r)
{
    int l = r.x, rr = r.x + r.w - 1, t = r.y, b = r.y + r.h - 1;
    return {std::min(l, rr), std::min(t, b), std::max(l, rr), std::max(t, b)};
}

void Grow(Extent& e, const Extent& o)
{
    e.left = std::min(e.left, o.left);
    e.top = std::min(e.top, o.top);
    e.right = std::max(e.right, o.right);
    e.bottom = std::max(e.bottom, o.bottom);
}

// Everything a tile can touch or cover: its boxes and its picture.
Extent TileExtent(Tile* t)
{
    Extent e = {t->GetXPos(), t->GetYPos(), t->GetXPos() + TILE_WIDTH - 1, t->GetYPos() + TILE_HEIGHT - 1};
    for (const SDL_Rect& box : t->GetCollisionBoxes())
        Grow(e, ExtentOf(box));
    return e;
}

bool Inside(const Extent& e)
{
    return e.left >= GRID_MIN_X && e.right < GRID_MAX_X && e.top >= GRID_MIN_Y && e.bottom < GRID_MAX_Y;
}

bool editedSinceBuild = true;
TileGrid theGrid;
// Scratch lists of the walks, reused so that no frame allocates; one pair
// per walk in progress (a deque, so that starting another walk inside a
// visit never moves the lists of the walk around it).
std::deque<std::vector<int>> candidateLists;
std::deque<std::vector<SDL_Rect>> boxLists;
size_t walksInProgress = 0;
} // namespace

void TileGrid::Build(const std::vector<Tile*>& tiles)
{
    indexed = tiles;
    everywhere.clear();
    animated.clear();
    std::vector<Extent> extents(tiles.size());
    bool any = false;
    Extent all = {0, 0, -1, -1};
    for (size_t i = 0; i < tiles.size(); ++i)
    {
        extents[i] = TileExtent(tiles[i]);
        if (tiles[i]->IsAnimated())
            animated.push_back(static_cast<int>(i));
        if (!Inside(extents[i]))
        {
            everywhere.push_back(static_cast<int>(i));
            continue;
        }
        if (!any)
            all = extents[i];
        Grow(all, extents[i]);
        any = true;
    }
    originCol = FloorDiv(all.left, TILE_WIDTH);
    originRow = FloorDiv(all.top, TILE_HEIGHT);
    cols = any ? FloorDiv(all.right, TILE_WIDTH) - originCol + 1 : 0;
    rows = any ? FloorDiv(all.bottom, TILE_HEIGHT) - originRow + 1 : 0;

    // Count, then place: each cell's run of cellTiles stays in list order.
    cellStart.assign(static_cast<size_t>(cols) * rows + 1, 0);
    auto forCells = [&](const Extent& e, auto each) {
        for (int r = FloorDiv(e.top, TILE_HEIGHT); r <= FloorDiv(e.bottom, TILE_HEIGHT); ++r)
            for (int c = FloorDiv(e.left, TILE_WIDTH); c <= FloorDiv(e.right, TILE_WIDTH); ++c)
                each((r - originRow) * cols + (c - originCol));
    };
    for (size_t i = 0; i < tiles.size(); ++i)
        if (Inside(extents[i]))
            forCells(extents[i], [&](int cell) { cellStart[cell + 1]++; });
    for (size_t c = 1; c < cellStart.size(); ++c)
        cellStart[c] += cellStart[c - 1];
    cellTiles.assign(cellStart.back(), 0);
    std::vector<int> fill(cellStart.begin(), cellStart.end() - 1);
    for (size_t i = 0; i < tiles.size(); ++i)
        if (Inside(extents[i]))
            forCells(extents[i], [&](int cell) { cellTiles[fill[cell]++] = static_cast<int>(i); });
}

bool TileGrid::LooksLike(const std::vector<Tile*>& tiles) const
{
    return tiles.size() == indexed.size() &&
           (tiles.empty() || (tiles.front() == indexed.front() && tiles.back() == indexed.back()));
}

void TileGrid::AddNear(int left, int top, int right, int bottom, std::vector<int>& out) const
{
    out.insert(out.end(), everywhere.begin(), everywhere.end());
    int c0 = std::max(FloorDiv(left, TILE_WIDTH) - originCol, 0);
    int c1 = std::min(FloorDiv(right, TILE_WIDTH) - originCol, cols - 1);
    int r0 = std::max(FloorDiv(top, TILE_HEIGHT) - originRow, 0);
    int r1 = std::min(FloorDiv(bottom, TILE_HEIGHT) - originRow, rows - 1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
        {
            int cell = r * cols + c;
            out.insert(out.end(), cellTiles.begin() + cellStart[cell], cellTiles.begin() + cellStart[cell + 1]);
        }
}

void TileGrid::Near(const std::vector<SDL_Rect>& boxes, std::vector<int>& out) const
{
    out.clear();
    for (const SDL_Rect& box : boxes)
    {
        Extent e = ExtentOf(box);
        AddNear(e.left, e.top, e.right, e.bottom, out);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

TileGrid& GridOf(const std::vector<Tile*>& tiles)
{
    if (editedSinceBuild || !theGrid.LooksLike(tiles))
    {
        theGrid.Build(tiles);
        editedSinceBuild = false;
    }
    return theGrid;
}

TileGrid& CheckedGridOf(const std::vector<Tile*>& tiles)
{
    if (editedSinceBuild || !theGrid.Indexes(tiles))
    {
        theGrid.Build(tiles);
        editedSinceBuild = false;
    }
    return theGrid;
}

void TilesEdited() { editedSinceBuild = true; }

TileWalk::TileWalk(const std::vector<Tile*>& tiles, CollidableThing& thing)
    : tiles(tiles), thing(thing), grid(&GridOf(tiles))
{
    if (walksInProgress == candidateLists.size())
    {
        candidateLists.emplace_back();
        boxLists.emplace_back();
    }
    candidates = &candidateLists[walksInProgress];
    boxesSeen = &boxLists[walksInProgress];
    ++walksInProgress;
    Find(-1);
}

TileWalk::~TileWalk() { --walksInProgress; }

void TileWalk::Find(int after)
{
    *boxesSeen = thing.GetCollisionBoxes();
    grid->Near(*boxesSeen, *candidates);
    next = std::upper_bound(candidates->begin(), candidates->end(), after) - candidates->begin();
}

static bool SameBoxes(const std::vector<SDL_Rect>& a, const std::vector<SDL_Rect>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].w != b[i].w || a[i].h != b[i].h)
            return false;
    return true;
}

Tile* TileWalk::Next()
{
    if (current >= 0 && !SameBoxes(*boxesSeen, thing.GetCollisionBoxes()))
        Find(current);
    if (next >= candidates->size())
        return nullptr;
    current = (*candidates)[next++];
    return tiles[current];
}
