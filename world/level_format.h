#pragma once
// The level file format, everything about it that needs no pictures: the
// game's loader and the editor, the level compiler and the benchmark all
// read and write levels through what is named here, and nothing here needs
// SDL, so the compiler builds without it.
//
// A level file is a list of records, each a tag on a line of its own and
// then its numbers separated by white space:
//   Rat, Burger, Eel, Scientist, Cheese   x y (the pixel position)
//   Terrain, Water                         column row solidity type
// Tiles sit on the cell grid, rows counted up from the bottom row.
#include <initializer_list>
#include <string>

// The cell grid of a level.
const int TILE_WIDTH = 32;
const int TILE_HEIGHT = 32;
const int TILES_WIDE = 192;
const int TILES_HIGH = 31;
const int LEVEL_WIDTH = TILES_WIDE * TILE_WIDTH;
const int LEVEL_HEIGHT = TILES_HIGH * TILE_HEIGHT;

// The sizes of the things a level places, in pixels.
const int RAT_WIDTH = 40;
const int RAT_HEIGHT = 60;
const int BURGER_WIDTH = 40;
const int BURGER_HEIGHT = 50;
const int EEL_WIDTH = 30;
const int EEL_HEIGHT = 70;
const int SCIENTIST_WIDTH = 120;
const int SCIENTIST_HEIGHT = 180;
const int CHEESE_WIDTH = 32;
const int CHEESE_HEIGHT = 32;

// A tile's solidity: which of its sides stop things.
const int GHOST = 0;    // stops nothing
const int PLATFORM = 1; // only its top stops things
const int SOLID = 2;    // all four sides stop things

// Terrain types, one per picture of the terrain sheet, and the solidity
// each has unless its record says otherwise.
const int TERRAIN_TILES = 18;
extern const int TERRAIN_SOL[TERRAIN_TILES];

// The files of the level slots: 0 is the player's own, 1 and 2 ship with
// the game.
const int LEVEL_SLOTS = 3;
inline constexpr const char* LEVEL_FILES[LEVEL_SLOTS] = {"levelmap0", "levelmap1", "levelmap2"};
// The slot's file; an empty name, which no file has, for a slot that is
// not one.
std::string LevelFileName(int slot);
// The player's own level, which the editor loads and rewrites, and the copy
// of it each save keeps.
constexpr const char* EDITOR_LEVEL_FILE = LEVEL_FILES[0];
constexpr const char* EDITOR_BACKUP_FILE = "levelmap0.bak";
// The original bytes of a level the editor could read only in part: kept
// when the editor is entered on it, and replaced by no save.
constexpr const char* EDITOR_PARTIAL_FILE = "levelmap0.partial";
// The level as the editor holds it, written a moment after each change
// until the level is saved, and where a thrown-away edit is kept.
constexpr const char* EDITOR_AUTOSAVE_FILE = "levelmap0.autosave";
constexpr const char* EDITOR_DISCARDED_FILE = "levelmap0.discarded";

enum RecordKind
{
    RECORD_NONE,
    RECORD_RAT,
    RECORD_BURGER,
    RECORD_EEL,
    RECORD_SCIENTIST,
    RECORD_CHEESE,
    RECORD_TERRAIN,
    RECORD_WATER
};

// The tag a record of this kind starts with.
const char* RecordTag(RecordKind kind);
// The record a line names; only a whole line is a tag.
RecordKind KindOfTag(const std::string& line);

// One Terrain or Water record.
struct TileRecord
{
    bool water = false;
    int column = 0;
    int row = 0; // counted up from the bottom row, 0
    int solidity = GHOST;
    int type = 0;
};

// The cell a pixel position lies in, and back.
int TileColumn(int x);
int TileRow(int y);
long long TileX(long long column);
long long TileY(long long row);

// The tile the editor places at a pixel position: water as a ghost of type
// 0, terrain of the given type with that type's own solidity. The game's
// tile maker (MakeTile) turns it into a tile, as the loader does with a
// record read.
TileRecord TileAt(int x, int y, bool water, int type);

struct ThingSize
{
    int width;
    int height;
};
// The size of what a Rat, Burger, Eel, Scientist or Cheese record places.
ThingSize SizeOfThing(RecordKind kind);

// Positions further out than this are refused: the collision boxes hold
// 16-bit coordinates, and a thing placed near the edge of that range would
// wrap round to the far side once its size and speed are added. Real
// levels stay inside 0..6144 x 0..1192.
bool PositionUsable(long long x, long long y);

// Appends one record as the loader reads it: the tag on its own line, then
// the numbers on one line, separated by spaces.
void AppendLevelRecord(std::string& text, const std::string& tag, std::initializer_list<int> numbers);
void AppendTileRecord(std::string& text, const TileRecord& t);
