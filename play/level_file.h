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

// Appends one record as the loader reads it: the tag on its own line, then
// the numbers on one line, separated by spaces.
void AppendLevelRecord(std::string& text, const std::string& tag, std::initializer_list<int> numbers);

// Empties tile, guy and cheese, destroying their objects.
void ClearWorld();
