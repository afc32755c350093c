#include "play/level_file.h"
#include <fstream>
#include "app/globals.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "enemies/scientist.h"
#include "world/constants.h"
#include "world/tile_grid.h"
#include "world/tiles.h"

// Eels dive to here, 200 pixels below the bottom of the level, and turn.
static const int EEL_DOWN_TO = 1192;
static const int BURGER_START_XVEL = -3;
static const int EEL_START_YVEL = 12;

// Positions further out than this are refused: the collision boxes hold
// 16-bit coordinates, and a thing placed near the edge of that range would
// wrap round to the far side once its size and speed are added. Real
// levels stay inside 0..6144 x 0..1192.
static const long long POSITION_LIMIT = 30000;

std::string LevelFileName(int slot) { return "levelmap" + std::to_string(slot); }

template <typename T> static void DeleteAll(std::vector<T*>& list)
{
    for (T* thing : list)
        delete thing;
    list.clear();
}

void ClearWorld()
{
    DeleteAll(tile);
    DeleteAll(guy);
    DeleteAll(cheese);
    TilesEdited();
}

static bool PositionUsable(long long x, long long y)
{
    return x >= -POSITION_LIMIT && x <= POSITION_LIMIT && y >= -POSITION_LIMIT && y <= POSITION_LIMIT;
}

// Reads count whitespace-separated integers. False when the file ends or
// holds something else first: the record is then not made, and the load
// ends because the stream cannot be read on.
static bool ReadNumbers(std::istream& in, int* numbers, int count)
{
    for (int i = 0; i < count; ++i)
        if (!(in >> numbers[i]))
            return false;
    return true;
}

static void AddTile(bool water, const int* n)
{
    long long x = static_cast<long long>(TILE_WIDTH) * n[0];
    long long y = static_cast<long long>(TILE_HEIGHT) * (TILES_HIGH - 1 - static_cast<long long>(n[1]));
    if (!PositionUsable(x, y))
        return;
    int solidity = n[2];
    int type = n[3];
    if (water)
    {
        tile.push_back(new WaterTile(int(x), int(y), solidity, type, water_ts, &waterClips));
        return;
    }
    // The type picks the tile's picture; a type with no picture is refused
    // rather than clamped, so a damaged file never shows a wrong tile.
    if (type < 0 || type >= TERRAIN_TILES || static_cast<size_t>(type) >= terrainClips.size())
        return;
    tile.push_back(new InanimateTile(int(x), int(y), solidity, type, terrain_ts, &terrainClips[type]));
}

static void PlaceGuy(Guy* g, int x, int y, int w, int h, int xv, int yv)
{
    g->SetBothPos(x, y);
    g->SetBothSize(w, h);
    g->SetBothVel(xv, yv);
    guy.push_back(g);
}

static void SetRat(int x, int y)
{
    rat.SetSpriteSheet(rat_ss);
    rat.SetClips(&ratClips);
    rat.SetBothPos(x, y);
    rat.SetStartPos(x, y);
    rat.SetBothVel(0, 0);
    rat.SetBothSize(RAT_WIDTH, RAT_HEIGHT);
    // Its boxes would otherwise stay where the last level left them until
    // its first update.
    rat.SetCollBoxes();
}

// Reads the numbers of one record and makes its object. False when the
// numbers could not be read, which ends the load.
static bool ReadRecord(std::istream& in, const std::string& tag)
{
    int n[4];
    if (tag == "Terrain" || tag == "Water")
    {
        if (!ReadNumbers(in, n, 4))
            return false;
        AddTile(tag == "Water", n);
    }
    else
    {
        if (!ReadNumbers(in, n, 2))
            return false;
        if (PositionUsable(n[0], n[1]))
        {
            if (tag == "Cheese")
                cheese.push_back(new Cheese(n[0], n[1]));
            else if (tag == "Burger")
                PlaceGuy(new Burger(), n[0], n[1], BURGER_WIDTH, BURGER_HEIGHT, BURGER_START_XVEL, 0);
            else if (tag == "Eel")
            {
                Eel* eel = new Eel();
                eel->SetDownTo(EEL_DOWN_TO);
                eel->SetUpTo(n[1]);
                PlaceGuy(eel, n[0], n[1], EEL_WIDTH, EEL_HEIGHT, 0, EEL_START_YVEL);
            }
            else if (tag == "Scientist")
                PlaceGuy(new Scientist(), n[0], n[1], SCIENTIST_WIDTH, SCIENTIST_HEIGHT, 0, 0);
            else if (tag == "Rat")
                SetRat(n[0], n[1]);
        }
    }
    // The rat's record leaves its newline unread; the next tag read is then
    // the empty rest of its number line, which matches nothing.
    if (tag != "Rat")
        in.get();
    return true;
}

static bool IsTag(const std::string& line)
{
    static const char* const tags[] = {"Rat", "Burger", "Eel", "Scientist", "Cheese", "Terrain", "Water"};
    for (const char* t : tags)
        if (line == t)
            return true;
    return false;
}

static void ReadLevel(const std::string& fileName)
{
    std::ifstream in(fileName);
    if (!in)
        return;
    std::string line;
    while (std::getline(in, line))
    {
        if (!IsTag(line))
            continue;
        if (!ReadRecord(in, line))
            break;
    }
}

void LoadLevel(std::string fileName)
{
    ClearWorld();
    ReadLevel(fileName);
    // The tiles by cell, ready before the first frame of play.
    CheckedGridOf(tile);
}
