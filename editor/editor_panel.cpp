#include <vector>
#include "app/globals.h"
#include "editor/editor.h"
#include "toolkit/vek_surface.h"
#include "world/constants.h"

// Icons sit in one column, one row per mode; the mode marker beside them.
const int PANEL_ICON_X = 576;
const int PANEL_MARKER_X = 608;
const int PANEL_ROW_Y[] = {32, 96, 160, 224}; // by ELEMENTS

// The panel's yellow.
const Uint8 PANEL_R = 255;
const Uint8 PANEL_G = 255;
const Uint8 PANEL_B = 5;

// An asset that failed to load, or a clip list too short, draws nothing.
static void BlitClip(SDL_Surface* sheet, std::vector<SDL_Rect>& clips, int index, int x, int y)
{
    if (!sheet || index < 0 || static_cast<size_t>(index) >= clips.size())
        return;
    VEK_BlitSurface(sheet, &clips[index], screen, x, y);
}

static void BlitWhole(SDL_Surface* image, int x, int y)
{
    if (image)
        VEK_BlitSurface(image, NULL, screen, x, y);
}

void DrawEditor(LocatedThing cursor, ELEMENTS mode, int tileIndex, GUYS guyKind)
{
    if (!screen)
        return;
    BlitWhole(cursor_ss, cursor.GetXPos() - camera.GetXPos(), cursor.GetYPos() - camera.GetYPos());

    SDL_Rect panel = MakeRect(EDITOR_PANEL_X, 0, EDITOR_PANEL_WIDTH, SCREEN_HEIGHT);
    SDL_FillRect(screen, &panel, SDL_MapRGB(screen->format, PANEL_R, PANEL_G, PANEL_B));

    BlitClip(terrain_ts, terrainClips, tileIndex, PANEL_ICON_X, PANEL_ROW_Y[ELEM_TERRAIN]);
    BlitClip(water_ts, waterClips, 0, PANEL_ICON_X, PANEL_ROW_Y[ELEM_WATER]);
    BlitClip(cheese_ss, cheeseClips, 0, PANEL_ICON_X, PANEL_ROW_Y[ELEM_CHEESE]);
    if (guyKind == GUY_EEL)
        BlitClip(eel_ss, eelClips, 0, PANEL_ICON_X, PANEL_ROW_Y[ELEM_GUY]);
    else
        BlitClip(burger_ss, burgerClips, 0, PANEL_ICON_X, PANEL_ROW_Y[ELEM_GUY]);

    int row = static_cast<int>(mode);
    if (row >= ELEM_TERRAIN && row <= ELEM_GUY)
        BlitWhole(cursor_ss, PANEL_MARKER_X, PANEL_ROW_Y[row]);
}
