#pragma once
#include <string>
#include <vector>
#include "world/level_format.h"

// The shipped levels are drawn as character maps (levels/*.map) and turned
// into the game's level records by this compiler.
//
// A map source is text:
//   # comment                  anywhere before the line "map"
//   legend C empty             C marks nothing
//   legend C terrain T [S]     a terrain tile of type T (0-17); its
//                              solidity S defaults to the game's table
//   legend C water [S [T]]     a water tile, solidity 0 and type 0 unless given
//   legend C cheese|burger|eel|scientist|rat
//   map                        then exactly 31 rows of 192 characters, the
//                              top row of the world first; only blank lines
//                              may follow them
//
// Markers are placed in the pixels of their cell (left x = column * 32,
// top y = map row * 32):
//   cheese     fills the cell: (left, top)
//   burger     40 x 50, centred across the cell, bottom on the cell's bottom
//   rat        40 x 60, centred across the cell, bottom on the cell's bottom
//   scientist  120 x 180, centred across the cell, bottom on the cell's bottom
//   eel        30 x 70, centred across the cell, its y (the top of its leap)
//              the cell's top
// A marker cell holds no tile.

namespace levelc
{

// The map has a character for each cell of the level.
const int MAP_COLUMNS = TILES_WIDE;
const int MAP_ROWS = TILES_HIGH;

struct PlacedThing
{
    RecordKind kind = RECORD_NONE; // a rat, an enemy or cheese
    int x = 0;
    int y = 0;
};

struct CompiledLevel
{
    PlacedThing rat;
    std::vector<PlacedThing> enemies; // in reading order
    std::vector<PlacedThing> cheese;
    std::vector<TileRecord> tiles;
};

// False with a message naming the source line when the map is malformed.
bool CompileLevelMap(const std::string& source, CompiledLevel& level, std::string& error);

// The records exactly as the game's level writer puts them: the rat, then
// enemies, cheese and tiles, each "Tag\nnumbers\n".
std::string FormatLevelRecords(const CompiledLevel& level);

} // namespace levelc
