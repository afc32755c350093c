#pragma once
#include "editor/editor_input.h"
#include "world/things.h"

// Tab in the editor: the whole level, every cell, over the editor, with the
// part the editor shows framed and the cursor marked. The arrows move the
// cursor on it (Shift: eight cells); Tab or Return closes it with the
// cursor there, Escape (or P) where it was.

// Each cell of the level is this many pixels square on the map.
const int LEVEL_MAP_CELL = 3;

void LevelMapState();
// The map's frames while LevelMapState is on top; input from source.
void RunLevelMap(EditorInput (*source)());
// The map drawn over the screen as it is, with the cursor at the given cell.
void DrawLevelMap(const LocatedThing& cursor);
