#pragma once
// The folder the game runs in. Started in a folder that holds its assets,
// the game runs there, as it always has. Started anywhere else, it runs in
// the player's data folder, made when missing, where the installed assets
// and shipped levels are reachable as links: an upgrade needs no copying,
// and the player's own level and high score there are never touched.
#include <string>
#include <vector>

// Moves into the folder to run in; false, with a one-line reason in error,
// when the player's data folder cannot be made, linked or entered.
bool EnterGameFolder(std::string& error);

// The folders holding the game's data, found from the program's own
// folder: the installed data folder, or else the build tree's assets and
// levels. Empty when there are none.
std::vector<std::string> GameDataSources(const std::string& programFolder);

// True when the folder holds any of the data files other than levels.
bool HoldsGameAssets(const std::string& folder, const std::vector<std::string>& sources);

// $XDG_DATA_HOME/sumprun, or ~/.local/share/sumprun; "" without either.
std::string PlayerDataFolder();

// Points a link in the folder at every data file, replacing what stands
// under that name unless it already points there; the player's own level
// and high score are left alone.
bool LinkGameData(const std::string& folder, const std::vector<std::string>& sources, std::string& error);
