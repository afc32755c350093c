#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>
#include "world/constants.h"
#include "world/tile_grid.h"

// The grid by cell may offer more tiles than touch, never fewer.

namespace
{

struct TileList
{
    std::vector<std::unique_ptr<Tile>> owned;
    std::vector<Tile*> tiles;

    void Add(int x, int y, bool water = false)
    {
        owned.emplace_back(water ? static_cast<Tile*>(new WaterTile(x, y, SOLID, 0, nullptr, nullptr))
                                 : new InanimateTile(x, y, SOLID, 0, nullptr, nullptr));
        tiles.push_back(owned.back().get());
    }
};

class Mover : public CollidableThing
{
};

TEST(TileGrid, OffersEveryTileABoxOverlaps)
{
    // Tiles on and off the cells, far outside the level, piled on one
    // another; boxes of every size, the empty ones included.
    std::mt19937 random(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    TileList list;
    for (int i = 0; i < 400; ++i)
    {
        if (i % 4 == 0)
            list.Add(pick(-20000, 20000), pick(-20000, 20000));
        else
            list.Add(pick(-2, 30) * TILE_WIDTH + (i % 3 == 0 ? pick(0, 31) : 0), pick(-2, 12) * TILE_HEIGHT);
    }
    list.Add(0, 0, true); // water animates wherever it lies, in list order
    list.Add(pick(-20000, -10000), 0, true);
    TileGrid grid;
    grid.Build(list.tiles);
    EXPECT_EQ(std::vector<int>({400, 401}), grid.Animated());
    std::vector<int> near;
    for (int probe = 0; probe < 3000; ++probe)
    {
        Mover thing;
        thing.AddBox(pick(-200, 1100), pick(-200, 500), pick(0, 90), pick(0, 90));
        if (probe % 2)
            thing.AddBox(pick(-25000, 25000), pick(-25000, 25000), pick(0, 3), pick(0, 3));
        grid.Near(thing.GetCollisionBoxes(), near);
        ASSERT_TRUE(std::is_sorted(near.begin(), near.end()));
        ASSERT_EQ(std::adjacent_find(near.begin(), near.end()), near.end());
        for (size_t i = 0; i < list.tiles.size(); ++i)
        {
            bool overlaps = thing.HasCollided(list.tiles[i]->GetCollisionBoxes(), nullptr, nullptr);
            bool offered = std::binary_search(near.begin(), near.end(), static_cast<int>(i));
            ASSERT_TRUE(offered || !overlaps) << "tile " << i << " overlaps probe " << probe << " but was not offered";
        }
    }
}

// A visit that moves the thing's boxes: the walk goes on with the tiles
// that touch the boxes where they are now, later in the list only.
TEST(TileGrid, WalkFindsTilesAnewAfterTheBoxesMove)
{
    TileList list;
    list.Add(0, 320);   // 0: near where the thing ends up, earlier in the list
    list.Add(0, 0);     // 1: where the thing starts
    list.Add(0, 320);   // 2: where the thing ends up
    list.Add(640, 640); // 3: touched by neither
    TilesEdited();
    Mover thing;
    thing.AddBox(8, 8, 16, 16);
    std::vector<int> touching;
    ForEachTileNear(list.tiles, thing, [&](Tile* t) {
        if (!thing.HasCollided(t->GetCollisionBoxes(), nullptr, nullptr))
            return;
        touching.push_back(static_cast<int>(std::find(list.tiles.begin(), list.tiles.end(), t) - list.tiles.begin()));
        thing.ClearBoxes();
        thing.AddBox(8, 328, 16, 16);
    });
    EXPECT_EQ(touching, (std::vector<int>{1, 2}));
}

} // namespace
