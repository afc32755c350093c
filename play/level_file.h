#pragma once
#include <initializer_list>
#include <istream>
#include <string>

// Level slots: "levelmap0" is the player's own, 1 and 2 are shipped.
std::string LevelFileName(int slot);

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

// Appends one record as the loader reads it: the tag on its own line, then
// the numbers on one line, separated by spaces.
void AppendLevelRecord(std::string& text, const std::string& tag, std::initializer_list<int> numbers);

// Empties tile, guy and cheese, destroying their objects.
void ClearWorld();
