#include "editor/level_map.h"
#include <algorithm>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "enemies/guy.h"
#include "play/draw.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_pad.h"
#include "toolkit/vek_surface.h"
#include "world/constants.h"

namespace
{

const int MAP_W = TILES_WIDE * LEVEL_MAP_CELL;
const int MAP_H = TILES_HIGH * LEVEL_MAP_CELL;
const int MAP_X = (SCREEN_WIDTH - MAP_W) / 2;
const int MAP_Y = (SCREEN_HEIGHT - MAP_H) / 2;
const int BORDER = 4;

struct Rgb
{
    Uint8 r, g, b;
};
const Rgb BACKGROUND = {16, 16, 24};
const Rgb EDGE = {255, 255, 5};                                                     // the panel's yellow
const Rgb TERRAIN_BY_SOLIDITY[] = {{70, 70, 70}, {120, 120, 120}, {185, 185, 185}}; // ghost, top only, solid
const Rgb WATER = {40, 90, 230};
const Rgb CHEESE = {250, 215, 30};
const Rgb BURGER = {215, 110, 30};
const Rgb EEL = {40, 200, 90};
const Rgb SCIENTIST = {235, 50, 235};
const Rgb RAT_START = {255, 150, 180};
const Rgb VIEW = {255, 255, 255};
const Rgb CURSOR = {255, 0, 0};

void Fill(int x, int y, int w, int h, Rgb c)
{
    SDL_Rect r = MakeRect(x, y, w, h);
    SDL_FillRect(screen, &r, SDL_MapRGB(screen->format, c.r, c.g, c.b));
}

// The map cell of a point of the level; false when the point is off it.
bool Cell(int x, int y, int& col, int& row)
{
    if (x < 0 || y < 0 || x >= LEVEL_WIDTH || y >= TILES_HIGH * TILE_HEIGHT)
        return false;
    col = x / TILE_WIDTH;
    row = y / TILE_HEIGHT;
    return true;
}

void Mark(int x, int y, Rgb c)
{
    int col, row;
    if (Cell(x, y, col, row))
        Fill(MAP_X + col * LEVEL_MAP_CELL, MAP_Y + row * LEVEL_MAP_CELL, LEVEL_MAP_CELL, LEVEL_MAP_CELL, c);
}

Rgb GuyColour(Guy* g)
{
    const std::string tag = g->GetTag();
    return tag == RecordTag(RECORD_EEL) ? EEL : tag == RecordTag(RECORD_SCIENTIST) ? SCIENTIST : BURGER;
}

// A one-pixel frame round a rectangle of the level, clipped to the map.
void Outline(int x, int y, int w, int h, Rgb c)
{
    auto px = [](int v, int size) { return std::clamp(v * LEVEL_MAP_CELL / TILE_WIDTH, 0, size - 1); };
    const int left = MAP_X + px(x, MAP_W), right = MAP_X + px(x + w - 1, MAP_W);
    const int top = MAP_Y + px(y, MAP_H), bottom = MAP_Y + px(y + h - 1, MAP_H);
    Fill(left, top, right - left + 1, 1, c);
    Fill(left, bottom, right - left + 1, 1, c);
    Fill(left, top, 1, bottom - top + 1, c);
    Fill(right, top, 1, bottom - top + 1, c);
}

} // namespace

void DrawLevelMap(const LocatedThing& cursor)
{
    if (!screen)
        return;
    Fill(MAP_X - BORDER, MAP_Y - BORDER, MAP_W + 2 * BORDER, MAP_H + 2 * BORDER, EDGE);
    Fill(MAP_X, MAP_Y, MAP_W, MAP_H, BACKGROUND);
    for (Tile* t : tile)
    {
        const bool water = t->GetTag() == "Water";
        const int solidity = std::clamp(t->GetSolidity(), GHOST, SOLID);
        Mark(t->GetXPos(), t->GetYPos(), water ? WATER : TERRAIN_BY_SOLIDITY[solidity]);
    }
    for (Cheese* c : cheese)
        Mark(c->GetXPos(), c->GetYPos(), CHEESE);
    for (Guy* g : guy)
        Mark(g->GetXPos(), g->GetYPos(), GuyColour(g));
    // The rat's start: the cell its feet stand in, marked larger.
    int col, row;
    if (Cell(rat.GetStartX(), rat.GetStartY() + rat.GetYSize() - 1, col, row))
        Fill(MAP_X + col * LEVEL_MAP_CELL - 1, MAP_Y + row * LEVEL_MAP_CELL - 1, LEVEL_MAP_CELL + 2, LEVEL_MAP_CELL + 2,
             RAT_START);
    Outline(camera.GetXPos(), camera.GetYPos(), camera.GetXSize(), camera.GetYSize(), VIEW);
    const int cx = MAP_X + cursor.GetXPos() / TILE_WIDTH * LEVEL_MAP_CELL;
    const int cy = MAP_Y + cursor.GetYPos() / TILE_HEIGHT * LEVEL_MAP_CELL;
    Fill(cx - 2, cy - 2, LEVEL_MAP_CELL + 4, LEVEL_MAP_CELL + 4, CURSOR);
}

void LevelMapState() { RunLevelMap(ReadEditorInput); }

void RunLevelMap(EditorInput (*source)())
{
    EditorSession& session = CurrentEditorSession();
    LocatedThing cursor = session.cursor;
    ResumeEditorSession();
    while (IsTopState(LevelMapState))
    {
        VEK_SetPadContext(VEK_PAD_EDITOR);
        const EditorInput input = source();
        switch (input.press)
        {
        case EditorPress::Map:
        case EditorPress::Confirm:
            session.cursor = cursor;
            FollowCursor(cursor);
            PopState();
            break;
        case EditorPress::Leave:
            PopState();
            break;
        case EditorPress::Close:
            PushState(QuitToDosState);
            break;
        default:
            MoveCursorByHeldArrows(cursor, input);
            break;
        }
        DrawEditorPicture();
        DrawLevelMap(cursor);
        if (screen)
            VEK_Present(screen);
        CapFrameRate();
    }
}
