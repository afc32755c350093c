#include "play/level_file.h"
#include <cstring>
#include <sstream>
#include "app/globals.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "enemies/scientist.h"
#include "toolkit/safe_file.h"
#include "world/constants.h"
#include "world/tile_grid.h"
#include "world/tiles.h"

// Eels dive to here, 200 pixels below the bottom of the level, and turn.
static const int EEL_DOWN_TO = 1192;
static const int BURGER_START_XVEL = -3;
static const int EEL_START_YVEL = 12;

template <typename T>
static void DeleteAll(std::vector<T*>& list)
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

Tile* MakeTile(const TileRecord& t)
{
    const long long x = TileX(t.column);
    const long long y = TileY(t.row);
    if (!PositionUsable(x, y))
        return nullptr;
    if (t.water)
        return new WaterTile(int(x), int(y), t.solidity, t.type, water_ts, &waterClips);
    // The type picks the tile's picture; a type with no picture is refused
    // rather than clamped, so a damaged file never shows a wrong tile.
    if (t.type < 0 || t.type >= TERRAIN_TILES || static_cast<size_t>(t.type) >= terrainClips.size())
        return nullptr;
    return new InanimateTile(int(x), int(y), t.solidity, t.type, terrain_ts, &terrainClips[t.type]);
}

// False when the tile is refused.
static bool AddTile(bool water, const int* n)
{
    Tile* made = MakeTile({water, n[0], n[1], n[2], n[3]});
    if (made)
        tile.push_back(made);
    return made != nullptr;
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

// Makes the object of a two-number record at a usable position.
static void PlaceThing(RecordKind kind, int x, int y)
{
    switch (kind)
    {
    case RECORD_CHEESE:
        cheese.push_back(new Cheese(x, y));
        break;
    case RECORD_BURGER:
        PlaceGuy(new Burger(), x, y, BURGER_WIDTH, BURGER_HEIGHT, BURGER_START_XVEL, 0);
        break;
    case RECORD_EEL:
    {
        Eel* eel = new Eel();
        eel->SetDownTo(EEL_DOWN_TO);
        eel->SetUpTo(y);
        PlaceGuy(eel, x, y, EEL_WIDTH, EEL_HEIGHT, 0, EEL_START_YVEL);
        break;
    }
    case RECORD_SCIENTIST:
        PlaceGuy(new Scientist(), x, y, SCIENTIST_WIDTH, SCIENTIST_HEIGHT, 0, 0);
        break;
    case RECORD_RAT:
        SetRat(x, y);
        break;
    default:
        break;
    }
}

// Reads the numbers of one record and makes its object, counting it in
// result when it is refused. False when the numbers could not be read,
// which ends the load.
static bool ReadRecord(std::istream& in, RecordKind kind, LevelLoad& result)
{
    int n[4];
    if (kind == RECORD_TERRAIN || kind == RECORD_WATER)
    {
        if (!ReadNumbers(in, n, 4))
            return false;
        if (!AddTile(kind == RECORD_WATER, n))
            ++result.refused;
    }
    else
    {
        if (!ReadNumbers(in, n, 2))
            return false;
        if (PositionUsable(n[0], n[1]))
            PlaceThing(kind, n[0], n[1]);
        else
            ++result.refused;
    }
    // The rat's record leaves its newline unread; the next tag read is then
    // the empty rest of its number line, which matches nothing.
    if (kind != RECORD_RAT)
        in.get();
    return true;
}

// A UTF-8 byte-order mark at the very start is skipped like the CR of a CR
// LF line end; true when there was one.
static bool SkipByteOrderMark(std::istream& in)
{
    static const char MARK[] = "\xEF\xBB\xBF";
    const std::streampos start = in.tellg();
    char first[3] = {};
    if (in.read(first, 3) && std::memcmp(first, MARK, 3) == 0)
        return true;
    in.clear();
    in.seekg(start);
    return false;
}

static bool Blank(const std::string& line) { return line.find_first_not_of(" \t\r\v\f") == std::string::npos; }

LevelLoad LoadLevelFrom(std::istream& in)
{
    ClearWorld();
    LevelLoad result;
    result.byteOrderMark = SkipByteOrderMark(in);
    std::string line;
    while (std::getline(in, line))
    {
        // Files written on systems that end lines with CR LF: the CR is
        // part of the line end. Numbers skip it anyway, as white space.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const RecordKind kind = KindOfTag(line);
        if (kind == RECORD_NONE)
        {
            // Nothing the game writes is skipped here but the empty rest
            // of the rat's number line; anything else is what a save
            // would drop.
            if (line.find('\r') != std::string::npos)
                result.carriageReturnsOnly = true;
            else if (!Blank(line))
                ++result.skippedLines;
            continue;
        }
        if (!ReadRecord(in, kind, result))
        {
            result.stoppedEarly = true;
            break;
        }
    }
    // The tiles by cell, ready before the first frame of play.
    CheckedGridOf(tile);
    return result;
}

LevelLoad LoadLevel(const std::string& fileName)
{
    std::string text, why;
    const FileRead read = ReadFileIfRegular(fileName, text, &why);
    if (read != FileRead::Read)
    {
        ClearWorld();
        LevelLoad result;
        // Something is there that could not be read: not an empty level.
        result.unreadable = read != FileRead::Missing;
        if (result.unreadable)
            result.why = fileName + " " + why;
        return result;
    }
    std::istringstream in(text);
    return LoadLevelFrom(in);
}
