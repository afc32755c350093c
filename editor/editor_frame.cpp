#include <algorithm>
#include <vector>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/autosave.h"
#include "editor/editor.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
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

static void TakePress(EditorPress press)
{
    if (press == EditorPress::Close)
        PushState(QuitToDosState);
    else if (press == EditorPress::Leave)
        PushState(QuitEditorState);
}

// One cell in one direction when the cell stays inside the level; the wait
// only follows a step that happened, so a held arrow at an edge costs
// nothing.
static void StepCursor(LocatedThing& cursor, int dx, int dy)
{
    int x = cursor.GetXPos() + dx;
    int y = cursor.GetYPos() + dy;
    if (x < 0 || x > LEVEL_WIDTH - 1 || y < 0 || y > LEVEL_HEIGHT - 1)
        return;
    cursor.SetBothPos(x, y);
    VEK_Delay(EDITOR_MOVE_WAIT_MS);
}

static void HandleHeldKeys(EditorSession& s, const EditorInput& input)
{
    if (input.left)
        StepCursor(s.cursor, -TILE_WIDTH, 0);
    if (input.right)
        StepCursor(s.cursor, TILE_WIDTH, 0);
    if (input.up)
        StepCursor(s.cursor, 0, -TILE_HEIGHT);
    if (input.down)
        StepCursor(s.cursor, 0, TILE_HEIGHT);
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

// Removes and destroys every element standing exactly on the cursor.
template <typename T>
static void RemoveAtCursor(std::vector<T*>& list, const LocatedThing& cursor)
{
    auto doomed = std::stable_partition(list.begin(), list.end(), [&](T* thing) { return !AtCursor(thing, cursor); });
    for (auto it = doomed; it != list.end(); ++it)
        delete *it;
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
    int x = s.cursor.GetXPos();
    int y = s.cursor.GetYPos();
    if (s.mode == ELEM_WATER)
        tile.push_back(new WaterTile(x, y, GHOST, 0, water_ts, &waterClips));
    else if (s.tileIndex < types)
        tile.push_back(
            new InanimateTile(x, y, TERRAIN_SOL[s.tileIndex], s.tileIndex, terrain_ts, &terrainClips[s.tileIndex]));
}

void EditorFrame(EditorSession& s, const EditorInput& input)
{
    TakePress(input.press);
    HandleHeldKeys(s, input);

    // Insert clears the cell in the current mode's list before it places,
    // so it replaces rather than stacks.
    bool insert = input.insert;
    bool remove = insert || input.remove;
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
    if (remove)
        NoteLevelChanged();

    FollowCursor(s.cursor);
}

void FollowCursor(const LocatedThing& cursor)
{
    camera.Follow(cursor.GetXPos() + TILE_WIDTH / 2, cursor.GetYPos() + TILE_HEIGHT / 2, CAMERA_TIGHTNESS_X,
                  CAMERA_TIGHTNESS_Y, LEVEL_RECT);
}
