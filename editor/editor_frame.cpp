#include <algorithm>
#include <vector>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/autosave.h"
#include "editor/editor.h"
#include "editor/level_map.h"
#include "editor/test_play.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "play/level_file.h"
#include "toolkit/vek_clock.h"
#include "world/constants.h"
#include "world/tile_grid.h"

EditorSession::EditorSession() : mode(ELEM_TERRAIN), tileIndex(0), guyKind(GUY_BURGER)
{
    cursor.SetBothPos(0, 0);
    cursor.SetBothSize(TILE_WIDTH, TILE_HEIGHT);
}

// The terrain types the editor offers: one per clip of the terrain sheet,
// and never more than the solidity table knows.
static int TerrainTypeCount() { return std::min(static_cast<int>(terrainClips.size()), TERRAIN_TILES); }

EditHistory& TheEditHistory()
{
    static EditHistory history({tile, cheese, guy, rat});
    return history;
}

void EditorLevelChanged()
{
    // Undo and redo change the tiles without the editor's removal.
    TilesEdited();
    NoteLevelChanged();
}

// Takes back or does again one step and shows the cell it changed.
static void StepHistory(EditorSession& s, bool back)
{
    EditHistory& history = TheEditHistory();
    history.EndStroke();
    int x = s.cursor.GetXPos(), y = s.cursor.GetYPos();
    if (!(back ? history.Undo(x, y) : history.Redo(x, y)))
        return;
    s.cursor.SetBothPos(x, y);
    EditorLevelChanged();
}

// The rat stands on the cell's bottom edge, left edges aligned, and starts
// every life there.
static void SetRatStart(const EditorSession& s)
{
    EditHistory& history = TheEditHistory();
    history.EndStroke();
    RatPlace place;
    place.x = place.startX = s.cursor.GetXPos();
    place.y = place.startY = s.cursor.GetYPos() + TILE_HEIGHT - RAT_HEIGHT;
    if (history.MoveRat(place, s.cursor.GetXPos(), s.cursor.GetYPos()))
        EditorLevelChanged();
}

static void TakePress(EditorSession& s, EditorPress press)
{
    switch (press)
    {
    case EditorPress::Close:
        PushState(QuitToDosState);
        break;
    case EditorPress::Leave:
        PushState(QuitEditorState);
        break;
    case EditorPress::Undo:
    case EditorPress::Redo:
        StepHistory(s, press == EditorPress::Undo);
        break;
    case EditorPress::RatStart:
        SetRatStart(s);
        break;
    case EditorPress::TestPlay:
    case EditorPress::TestPlayHere:
        RequestTestPlay(press == EditorPress::TestPlayHere);
        break;
    case EditorPress::Map:
        PushState(LevelMapState);
        break;
    case EditorPress::Keys:
        PushState(EditorKeysState);
        break;
    default:
        break;
    }
}

// Up to `cells` cells in one direction, stopping at the level's edge; the
// wait only follows a step that happened, so a held arrow at an edge costs
// nothing.
static void StepCursor(LocatedThing& cursor, int dx, int dy, int cells)
{
    const int x = std::clamp(cursor.GetXPos() + dx * cells, 0, (TILES_WIDE - 1) * TILE_WIDTH);
    const int y = std::clamp(cursor.GetYPos() + dy * cells, 0, (TILES_HIGH - 1) * TILE_HEIGHT);
    if (x == cursor.GetXPos() && y == cursor.GetYPos())
        return;
    cursor.SetBothPos(x, y);
    VEK_Delay(EDITOR_MOVE_WAIT_MS);
}

void MoveCursorByHeldArrows(LocatedThing& cursor, const EditorInput& input)
{
    const int cells = input.shift ? EDITOR_QUICK_CELLS : 1;
    if (input.left)
        StepCursor(cursor, -TILE_WIDTH, 0, cells);
    if (input.right)
        StepCursor(cursor, TILE_WIDTH, 0, cells);
    if (input.up)
        StepCursor(cursor, 0, -TILE_HEIGHT, cells);
    if (input.down)
        StepCursor(cursor, 0, TILE_HEIGHT, cells);
}

static void HandleHeldKeys(EditorSession& s, const EditorInput& input)
{
    MoveCursorByHeldArrows(s.cursor, input);
    if (input.home)
    {
        s.mode = static_cast<ELEMENTS>((s.mode + 1) % (ELEM_GUY + 1));
        VEK_Delay(EDITOR_SELECT_WAIT_MS);
    }
}

template <typename T>
static bool AtCursor(T* thing, const LocatedThing& cursor)
{
    return thing->GetXPos() == cursor.GetXPos() && thing->GetYPos() == cursor.GetYPos();
}

// Takes every element standing exactly on the cursor out of its list,
// keeping the order of the rest; the history keeps them for undo.
template <typename T>
static void RemoveAtCursor(std::vector<T*>& list, const LocatedThing& cursor)
{
    auto doomed = std::stable_partition(list.begin(), list.end(), [&](T* thing) { return !AtCursor(thing, cursor); });
    for (auto it = doomed; it != list.end(); ++it)
        TheEditHistory().Discard(*it);
    list.erase(doomed, list.end());
}

static void GuyActions(EditorSession& s, const EditorInput& input, bool insert, bool remove)
{
    if (input.pageUp)
    {
        s.guyKind = s.guyKind == GUY_BURGER ? GUY_EEL : GUY_BURGER;
        VEK_Delay(EDITOR_SELECT_WAIT_MS);
    }
    if (input.pageDown)
    {
        s.guyKind = s.guyKind == GUY_BURGER ? GUY_EEL : GUY_BURGER;
        VEK_Delay(EDITOR_SELECT_WAIT_MS);
    }
    if (remove)
        RemoveAtCursor(guy, s.cursor);
    if (insert)
    {
        Guy* g = s.guyKind == GUY_EEL ? static_cast<Guy*>(new Eel()) : static_cast<Guy*>(new Burger());
        g->SetBothPos(s.cursor.GetXPos(), s.cursor.GetYPos());
        guy.push_back(g);
    }
}

static void CheeseActions(EditorSession& s, bool insert, bool remove)
{
    if (remove)
        RemoveAtCursor(cheese, s.cursor);
    if (insert)
        cheese.push_back(new Cheese(s.cursor.GetXPos(), s.cursor.GetYPos()));
}

static void TileActions(EditorSession& s, const EditorInput& input, bool insert, bool remove)
{
    int types = TerrainTypeCount();
    if (input.pageUp)
    {
        s.tileIndex = types > 0 ? (s.tileIndex + 1) % types : 0;
        VEK_Delay(EDITOR_SELECT_WAIT_MS);
    }
    if (input.pageDown)
    {
        s.tileIndex = s.tileIndex > 0 ? s.tileIndex - 1 : std::max(types - 1, 0);
        VEK_Delay(EDITOR_SELECT_WAIT_MS);
    }
    if (remove)
    {
        RemoveAtCursor(tile, s.cursor);
        TilesEdited();
    }
    if (!insert)
        return;
    if (Tile* made = MakeTile(TileAt(s.cursor.GetXPos(), s.cursor.GetYPos(), s.mode == ELEM_WATER, s.tileIndex)))
        tile.push_back(made);
}

void EditorFrame(EditorSession& s, const EditorInput& input)
{
    TakePress(s, input.press);
    HandleHeldKeys(s, input);

    // Insert clears the cell in the current mode's list before it places,
    // so it replaces rather than stacks.
    bool insert = input.insert;
    bool remove = insert || input.remove;
    // One step from pressing Insert or Delete to releasing both.
    EditHistory& history = TheEditHistory();
    if (remove)
        history.BeginStroke(s.cursor.GetXPos(), s.cursor.GetYPos());
    switch (s.mode)
    {
    case ELEM_GUY:
        GuyActions(s, input, insert, remove);
        break;
    case ELEM_CHEESE:
        CheeseActions(s, insert, remove);
        break;
    case ELEM_TERRAIN:
    case ELEM_WATER:
        TileActions(s, input, insert, remove);
        break;
    }
    // Every frame of a stroke changes the level: the autosave hears of it
    // at once, not only when the stroke ends.
    if (remove)
        NoteLevelChanged();
    else
        EndEditStroke();

    FollowCursor(s.cursor);
}

void EndEditStroke()
{
    if (TheEditHistory().EndStroke())
        EditorLevelChanged();
}

void FollowCursor(const LocatedThing& cursor)
{
    camera.Follow(cursor.GetXPos() + TILE_WIDTH / 2, cursor.GetYPos() + TILE_HEIGHT / 2, CAMERA_TIGHTNESS_X,
                  CAMERA_TIGHTNESS_Y, LEVEL_RECT);
}
