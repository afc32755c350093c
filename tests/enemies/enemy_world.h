#pragma once
#include <string>
#include <vector>
#include "enemies/guy.h"
#include "world/constants.h"
#include "world/rat.h"
#include "world/tiles.h"

// A small hand-built world: a tile list, a real rat and the enemies, driven
// frame by frame in the play state's order.
struct EnemyWorld
{
    std::vector<Tile*> tiles;
    std::vector<Guy*> guys;
    std::vector<std::string> erased; // tags, in the order they were removed
    Rat rat;

    EnemyWorld()
    {
        rat.SetDefaults(nullptr, nullptr);
        rat.SetLives(LIVES);
    }
    ~EnemyWorld()
    {
        for (Tile* t : tiles)
            delete t;
        for (Guy* g : guys)
            delete g;
    }
    EnemyWorld(const EnemyWorld&) = delete;
    EnemyWorld& operator=(const EnemyWorld&) = delete;

    void AddTile(int col, int row, int solidity)
    {
        tiles.push_back(new InanimateTile(col * TILE_WIDTH, row * TILE_HEIGHT, solidity, 0, nullptr, nullptr));
    }
    void AddRow(int firstCol, int lastCol, int row, int solidity)
    {
        for (int c = firstCol; c <= lastCol; c++)
            AddTile(c, row, solidity);
    }
    void AddColumn(int col, int firstRow, int lastRow, int solidity)
    {
        for (int r = firstRow; r <= lastRow; r++)
            AddTile(col, r, solidity);
    }

    template <class T> T* Add(T* g)
    {
        guys.push_back(g);
        return g;
    }

    void PlaceRat(int x, int y, int xVel = 0, int yVel = 0)
    {
        rat.SetBothPos(x, y);
        rat.SetBothVel(xVel, yVel);
        rat.SetCollBoxes();
    }

    bool Has(Guy* g) const
    {
        for (Guy* h : guys)
            if (h == g)
                return true;
        return false;
    }

    // The rat's landing on tile tops, all this world needs of the play
    // state's rat-against-tile pass.
    void LandRat(int bottomBeforeMove)
    {
        std::vector<CollData> own;
        for (Tile* t : tiles)
        {
            rat.HasCollided(t->GetCollisionBoxes(), &own, nullptr);
            if (own[RAT_BOX_FEET].collided && t->TopIsImp() && rat.GetYVel() > 0 &&
                t->GetYPos() >= bottomBeforeMove)
            {
                rat.SetYPos(t->GetYPos() - rat.GetYSize());
                rat.SetYVel(0);
                rat.Landed();
                rat.SetCollBoxes();
            }
        }
    }

    void Frame()
    {
        for (size_t i = 0; i < guys.size();)
        {
            guys[i]->Update();
            if (guys[i]->EraseYet())
            {
                erased.push_back(guys[i]->GetTag());
                delete guys[i];
                guys.erase(guys.begin() + i);
            }
            else
                i++;
        }
        if (rat.IsAlive())
        {
            int bottom = rat.GetYPos() + rat.GetYSize();
            rat.Update();
            for (Guy* g : guys)
                g->HandleRat(rat);
            LandRat(bottom);
        }
        for (Guy* g : guys)
            g->HandleTiles(tiles);
        for (Guy* g : guys)
            if (g->GetYPos() + g->GetYSize() > LEVEL_HEIGHT)
                g->Kill();
    }
};
