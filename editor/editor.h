#pragma once
#include <string>
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

// The user's own level, the one slot the editor loads and rewrites.
const char* const EDITOR_LEVEL_FILE = "levelmap0";

// Waits that pace a held key: one cursor step, one mode or kind change.
const unsigned EDITOR_MOVE_WAIT_MS = 50;
const unsigned EDITOR_SELECT_WAIT_MS = 90;
// Pause after a save, before the menu comes back.
const unsigned EDITOR_SAVE_WAIT_MS = 200;

// The editor's panel takes the right of the screen; the level shows left
// of it.
const int EDITOR_PANEL_X = 544;
const int EDITOR_PANEL_WIDTH = 96;

// What one run of the editor remembers between frames. A fresh session is
// what the editor starts with every time it becomes the top state again.
struct EditorSession
{
    EditorSession();

    LocatedThing cursor;
    ELEMENTS mode;
    int tileIndex;
    GUYS guyKind;
};

void PreEdit();
void EditorState();
// One editor frame without drawing or frame pacing: at most one event, the
// held keys with their waits, the mode's insert and delete, the camera.
void EditorFrame(EditorSession& session);
void DrawEditor(LocatedThing cursor, ELEMENTS mode, int tileIndex, GUYS guyKind);
void QuitEditorState();
// Writes the level to "levelmap0"; false when it could not be written, in
// which case the old file is left as it was.
bool SaveEdit();

// The whole level in the level file format, as SaveEdit writes it.
std::string LevelFileText();

// Replaces the file name with contents so that a failure or a crash at any
// point leaves either the old file or the new one whole: the contents go to
// a temporary file beside it, which is flushed to disk and only then renamed
// over the old one. False (and no temporary file left) when that failed.
bool ReplaceFileSafely(const std::string& name, const std::string& contents);
// The temporary file ReplaceFileSafely writes for name.
std::string SafeTempName(const std::string& name);
