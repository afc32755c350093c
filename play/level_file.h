#pragma once
#include <string>

// Level slots: "levelmap0" is the player's own, 1 and 2 are shipped.
std::string LevelFileName(int slot);

// Empties the world lists and refills them, and sets the rat, from a level
// file. A missing file gives an empty level; a bad file never crashes it.
void LoadLevel(std::string fileName);

// Empties tile, guy and cheese, destroying their objects.
void ClearWorld();
