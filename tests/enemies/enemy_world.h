#pragma once
#include <algorithm>
#include <string>
#include <vector>
#include "enemies/guy.h"
#include "world/constants.h"
#include "world/rat.h"
#include "world/tiles.h"

// A hand-built world: tiles, a real rat and the enemies, driven frame by
// frame in the play state's order. The rat stays where it is put: far off
// (ParkRat) or against an enemy.
struct EnemyWorld
{
    std::vector<Tile*> tiles;
    std::vector<Guy*> guys;
    Rat rat;

    EnemyWorld()
    {
        rat.SetDefaults(nullptr, nullptr);
        rat.SetLives(LIVES);
        ParkRat();
    }
    ~EnemyWorld()
    {
        for (Tile* t : tiles)
            delete t;
        for (Guy* g : guys)
            delete g;
    }
    // Tiles over the given columns and rows, both inclusive.
    void AddTiles(int col0, int col1, int row0, int row1, int solidity)
    {
        for (int c = col0; c <= col1; c++)
            for (int r = row0; r <= row1; r++)
                tiles.push_back(new InanimateTile(c * TILE_WIDTH, r * TILE_HEIGHT, solidity, 0, nullptr, nullptr));
    }
    template <class T>
    T* Add(T* g, int x, int y, int w, int h, int xVel, int yVel)
    {
        g->SetBothPos(x, y);
        g->SetBothSize(w, h);
        g->SetBothVel(xVel, yVel);
        g->SetCollBoxes();
        guys.push_back(g);
        return g;
    }
    void PlaceRat(int x, int y, int xVel = 0, int yVel = 0)
    {
        rat.SetBothPos(x, y);
        rat.SetBothVel(xVel, yVel);
        rat.SetCollBoxes();
    }
    void ParkRat() { PlaceRat(5000, 0); }
    bool Has(Guy* g) const { return std::find(guys.begin(), guys.end(), g) != guys.end(); }

    void Frame()
    {
        for (size_t i = 0; i < guys.size(); i++)
        {
            guys[i]->Update();
            if (guys[i]->EraseYet())
            {
                delete guys[i];
                guys.erase(guys.begin() + i--);
            }
        }
        if (rat.IsAlive()) // where it was put: its own moves are the rat tests' business
            for (Guy* g : guys)
                g->HandleRat(rat);
        for (Guy* g : guys)
        {
            g->HandleTiles(tiles);
            if (g->GetYPos() + g->GetYSize() > LEVEL_HEIGHT)
                g->Kill();
        }
    }
};

// Bounced off a stomp: sent up as by a jump from the ground.
inline bool Bounced(const Rat& rat) { return rat.GetJumpPressed() && rat.GetJumpState() == RAT_GROUNDED; }
