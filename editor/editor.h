#pragma once
#include <SDL_ttf.h>
#include <string>
#include <vector>
#include "editor/edit_history.h"
#include "editor/editor_input.h"
#include "world/level_format.h"
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

// Waits that pace a held key: one cursor step, one mode or kind change.
const unsigned EDITOR_MOVE_WAIT_MS = 50;
const unsigned EDITOR_SELECT_WAIT_MS = 90;
// Cells the cursor goes with Shift held.
const int EDITOR_QUICK_CELLS = 8;
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

// Loads the level for editing; when it was only partly read (or not at
// all), keeps the original as "levelmap0.partial" and puts the warning
// about it on top of the stack, to be shown before editing starts.
void PreEdit();
void EditorState();
// "Level Only Partly Read" or "Level File Could Not Be Read": the warning
// PreEdit puts up.
void PartlyReadState();
// Copies "levelmap0" as it is to "levelmap0.partial"; false when it could
// not.
bool KeepPartlyReadLevel();
// The editor's frames, with their drawing and pacing, while EditorState is
// on top of the stack; each frame's input comes from source.
void RunEditor(EditorInput (*source)());
// The session the editor shows. The map, the key list and a test play ask
// for it to be kept when the editor runs again; any other return to the
// editor starts a fresh one.
EditorSession& CurrentEditorSession();
void ResumeEditorSession();
// A fresh session, as entering the editor from the menu starts.
void StartEditorSession();
// One editor frame without drawing or frame pacing: the press, the held
// keys with their waits, the mode's insert and delete, the camera.
void EditorFrame(EditorSession& session, const EditorInput& input);
// The held arrows' steps, one cell each or, with Shift, eight, each with
// its wait.
void MoveCursorByHeldArrows(LocatedThing& cursor, const EditorInput& input);
// The editor's undo and redo, on the world's lists; it lives from entering
// the editor to leaving it for the menu.
EditHistory& TheEditHistory();
// Ends the stroke going, if any, as one step.
void EndEditStroke();
// The one place every change of the level passes: the end of an edit
// step, undo, redo, a move of the rat's start.
void EditorLevelChanged();
// Moves the camera as far as the cursor needs it to.
void FollowCursor(const LocatedThing& cursor);
void DrawEditor(LocatedThing cursor, ELEMENTS mode, int tileIndex, GUYS guyKind);
void QuitEditorState();
// The editor as its last frame showed it: the level, the cursor, the panel.
void DrawEditorPicture();
// A message over the editor, boxed as the other dialogs are, until Return.
void ShowEditorMessage(const std::vector<std::string>& headers, TTF_Font* headerFont);
// F1: every editor key with its pad buttons, over the editor, until any key.
void EditorKeysState();
// Writes the level to "levelmap0", after keeping the file it replaces as
// "levelmap0.bak"; false when either could not be written, in which case
// "levelmap0" is left as it was.
bool SaveEdit();
// The same; on failure why says why in a few plain words ("The Disk Is
// Full", "A Folder Is In The Way") and a line on stderr gives the system's.
bool SaveEditSayingWhy(std::string& why);

// The whole level in the level file format, as SaveEdit writes it. The rat
// is written where it stands, unless play would kill it there at once or it
// stands outside the level's width: then at its start point.
std::string LevelFileText();

// One record of the level file: its tag and its two or four numbers.
struct LevelRecord
{
    std::string tag;
    int numbers[4];
    int count;
};
// The level's records in file order, as plain values: copying them is
// quick enough for a frame, and they can be formatted on another thread.
struct LevelSnapshot
{
    std::vector<LevelRecord> records;
};
LevelSnapshot SnapshotLevel();
std::string FormatLevel(const LevelSnapshot& level);
