#pragma once
#include <string>

const char* const HISCORE_FILE = "hiscore";

// One int read from the start of text the way a formatted stream reads it;
// 0 when it does not begin with a number or the number is too large.
int ParseHiScore(const std::string& text);
// The number in decimal, nothing else: the whole file as it is written.
std::string FormatHiScore(int value);

// Replaces the file safely (see ReplaceFileSafely), so a crash or a full
// disk leaves the old value; false when it could not be written.
bool WriteHiScore(int value, const std::string& fileName = HISCORE_FILE);

// The game's own keeping of its high score. Start-up loads it; a file that
// is there but cannot be read (no read permission, a FIFO, a folder) gives
// 0 and one line on stderr, and from then on is never written over: the
// player's score in it is worth more than this run's.
int LoadHiScore(const std::string& fileName = HISCORE_FILE);
// Writes the score unless the load held the file back; a write that fails
// says so in one line on stderr. False when nothing was written.
bool StoreHiScore(int value, const std::string& fileName = HISCORE_FILE);
