#pragma once
#include <string>

// True when path names one of the game's own data files in the folder the
// game runs in (a level, its backup or partly-read copy, the high score,
// the settings), by name or through a link: --record would write a replay
// over it.
bool IsGameOwnFile(const std::string& path);
