#pragma once
#include <istream>
#include <string>
#include "world/level_format.h"

class Tile;

// What a load could not take from the file. Play goes on with whatever was
// read; the editor warns before a save would write the level without the
// rest.
struct LevelLoad
{
    // An unreadable number or the end of the file inside a record ended
    // the load; or the file is no regular file and was not read at all.
    bool stoppedEarly = false;
    // Records read but not made: a position too far out, a terrain type
    // with no picture.
    int refused = 0;

    bool Whole() const { return !stoppedEarly && refused == 0; }
};

// Empties the world lists and refills them, and sets the rat, from a level
// file. A missing file gives an empty level, read whole; a bad file never
// crashes it. Only a regular file is read, so a FIFO or a device never
// blocks the game.
LevelLoad LoadLevel(const std::string& fileName);
// The same from any stream of level file text.
LevelLoad LoadLevelFrom(std::istream& in);

// The tile of a record, with its picture; null when the record is refused:
// its position too far out, or a terrain type with no picture.
Tile* MakeTile(const TileRecord& record);

// Empties tile, guy and cheese, destroying their objects.
void ClearWorld();
