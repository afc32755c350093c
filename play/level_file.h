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
    // the load.
    bool stoppedEarly = false;
    // Records read but not made: a position too far out, a terrain type
    // with no picture.
    int refused = 0;
    // Lines skipped that hold something but no tag the game knows: another
    // word, or a tag in another case or with spaces around it.
    int skippedLines = 0;
    // A UTF-8 byte-order mark at the start, as some text editors write:
    // skipped, so the first record is read, but never written back.
    bool byteOrderMark = false;
    // Lines ended by a CR alone: the file reads as one long line, and no
    // record in it is read.
    bool carriageReturnsOnly = false;
    // Something is there that is no regular file or cannot be read (a
    // folder, a FIFO, no permission): nothing was read. why says which.
    bool unreadable = false;
    std::string why;

    bool Whole() const
    {
        return !stoppedEarly && refused == 0 && skippedLines == 0 && !byteOrderMark && !carriageReturnsOnly &&
               !unreadable;
    }
};

// Empties the world lists and refills them, and sets the rat, from a level
// file. A missing file gives an empty level, read whole; a bad file never
// crashes it. Only a regular file is read (see ReadFileIfRegular), so a
// FIFO or a device never blocks the game.
LevelLoad LoadLevel(const std::string& fileName);
// The same from any stream of level file text.
LevelLoad LoadLevelFrom(std::istream& in);

// The tile of a record, with its picture; null when the record is refused:
// its position too far out, or a terrain type with no picture.
Tile* MakeTile(const TileRecord& record);

// Empties tile, guy and cheese, destroying their objects.
void ClearWorld();
