#include <SDL_mixer.h>
#include "app/globals.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "play/draw.h"
#include "play/level_file.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_menu.h"
#include "toolkit/vek_pad.h"
#include "world/constants.h"

void PreEdit()
{
    LoadLevel(EDITOR_LEVEL_FILE);
    // A level without a rat record leaves the rat as it was; if no level
    // ever placed it, it still needs a picture to be drawn in the editor.
    if (!rat.GetSpriteSheet() || !rat.GetClips())
        rat.SetDefaults(rat_ss, &ratClips);
    if (Mix_PlayingMusic() == 1)
        Mix_HaltMusic();
    if (music2)
        Mix_PlayMusic(music2, -1);
}

void EditorState()
{
    // Every return to the editor starts a fresh session on the same level.
    EditorSession session;
    camera.SetBothSize(EDITOR_PANEL_X, SCREEN_HEIGHT);
    while (IsTopState(EditorState))
    {
        VEK_SetPadContext(VEK_PAD_EDITOR);
        EditorFrame(session);
        DrawGame();
        DrawEditor(session.cursor, session.mode, session.tileIndex, session.guyKind);
        if (screen)
            VEK_Present(screen);
        CapFrameRate();
    }
}

// The level stays in memory, so the player can try again or leave without
// saving.
static void ShowSaveFailed()
{
    VekMenu menu;
    menu.Reset();
    menu.AddHeader("Could Not Save Level");
    menu.AddOption("Press Enter to Continue");
    menu.SetOnColor(255, 0, 0);
    menu.GetChoice(event, screen, font1, font2);
}

void QuitEditorState()
{
    VekMenu menu;
    menu.Reset();
    menu.AddHeader("Quit Editor?");
    menu.AddOption("Continue Editing");
    menu.AddOption("Save and Quit");
    menu.AddOption("Quit Without Saving");
    menu.SetOnColor(255, 0, 0);
    int choice = menu.GetChoice(event, screen, font2, font1);

    switch (choice)
    {
    case 1:
        if (!SaveEdit())
        {
            ShowSaveFailed();
            PopState();
            break;
        }
        PopState();
        PopState();
        break;
    case 2:
        PopState();
        PopState();
        break;
    default:
        PopState();
        break;
    }
}
