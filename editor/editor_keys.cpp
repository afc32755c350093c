#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "toolkit/vek_clock.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_menu.h"
#include "toolkit/vek_pad.h"

// Every key of the editor with its pad buttons (numbered as the pad reports
// them: 0 A, 1 B, 2 X, 3 Y, 4 and 5 the shoulders, 6 Back, 7 Start, 8 Guide,
// 9 and 10 the sticks' presses).
const char* const EDITOR_KEY_LINES[] = {
    "Arrows: Move  (pad: d-pad)",
    "Shift+Arrows: 8 Cells  (0+d-pad)",
    "Insert: Place  (1)      Delete: Remove  (2)",
    "Home: Cycle Mode  (3)",
    "Page Up/Down: Tile or Enemy  (5/4)",
    "Ctrl+Z: Undo  (9)",
    "Ctrl+Y, Ctrl+Shift+Z: Redo  (0+9)",
    "R: Rat Starts Here  (0+8)",
    "T: Test Play  (10)",
    "Shift+T: Test From Cursor  (0+10)",
    "Tab: Level Map  (6)      F1: Keys  (8)",
    "P, Escape: Leave  (7)",
};

void EditorKeysState()
{
    ResumeEditorSession();
    VekMenu menu;
    menu.Reset();
    menu.SetHeaderColor(100, 250, 100);
    menu.SetOnColor(150, 150, 150);
    for (const char* line : EDITOR_KEY_LINES)
        menu.AddHeader(line);
    menu.AddOption("Press Any Key");
    DrawEditorPicture();
    menu.ShowBoxed(screen, font2, font2, menuBox);
    while (IsTopState(EditorKeysState))
    {
        VEK_SetPadContext(VEK_PAD_EDITOR);
        if (SDL_PollEvent(&event) && (event.type == SDL_KEYDOWN || event.type == SDL_QUIT))
        {
            PopState();
            if (event.type == SDL_QUIT)
                PushState(QuitToDosState);
        }
        CapFrameRate();
    }
}
