#pragma once
#include "world/things.h"

enum ELEMENTS
{
    ELEM_TERRAIN = 0,
    ELEM_WATER = 1,
    ELEM_CHEESE = 2,
    ELEM_GUY = 3
};

enum GUYS
{
    GUY_BURGER = 0,
    GUY_EEL = 1
};

void PreEdit();
void EditorState();
void DrawEditor(LocatedThing cursor, ELEMENTS mode, int tileIndex, GUYS guyKind);
void QuitEditorState();
// Writes the level to "levelmap0"; false when it could not be written, in
// which case the old file is left as it was.
bool SaveEdit();
