#include <SDL_mixer.h>
#include <string>
#include <vector>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/autosave.h"
#include "editor/editor.h"
#include "editor/recovery.h"
#include "play/draw.h"
#include "play/level_file.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_menu.h"
#include "toolkit/vek_pad.h"
#include "world/constants.h"

// What the editor shows, kept so that its messages can be drawn over the
// editor itself rather than over whatever dialog came before them.
static EditorSession shown;

void DrawEditorPicture()
{
    DrawGame();
    DrawEditor(shown.cursor, shown.mode, shown.tileIndex, shown.guyKind);
}

// A message over the editor, boxed as the other dialogs are, until Return.
void ShowEditorMessage(const std::vector<std::string>& headers, TTF_Font* headerFont)
{
    VekMenu menu;
    menu.Reset();
    for (const std::string& header : headers)
        menu.AddHeader(header.c_str());
    menu.AddOption(CONTINUE_TEXT);
    menu.SetOnColor(255, 0, 0);
    DrawEditorPicture();
    menu.ShowBoxed(screen, headerFont, font2, menuBox);
    menu.GetChoice(event, screen, headerFont, font2);
}

// What PartlyReadState shows about the level PreEdit loaded.
static std::vector<std::string> loadWarning;

// A level read only in part would lose the rest at its first save, and
// the .bak that keeps it at the second: the whole file is kept at once
// under a name no save touches.
static std::vector<std::string> LoadWarning(const LevelLoad& load)
{
    if (load.unreadable)
        return {"Level File Could Not Be Read", load.why};
    if (KeepPartlyReadLevel())
        return {"Level Only Partly Read", std::string("Original Kept As ") + EDITOR_PARTIAL_FILE,
                "No Save Will Replace That Copy"};
    return {"Level Only Partly Read", std::string("Could Not Keep ") + EDITOR_PARTIAL_FILE,
            std::string("Saving Keeps The Old File As ") + EDITOR_BACKUP_FILE};
}

void PreEdit()
{
    // What could be undone belongs to the lists the load replaces.
    TheEditHistory().Clear();
    const RecoveryOffer recovery = DecideRecovery();
    const LevelLoad load = LoadLevel(EDITOR_LEVEL_FILE);
    const bool whole = load.Whole();
    if (!whole)
        loadWarning = LoadWarning(load);
    // A level without a rat record leaves the rat where it was. Drawing it
    // needs its sheet and clips; its place is the level's business, and a
    // missing sheet must not move it.
    rat.SetSpriteSheet(rat_ss);
    rat.SetClips(&ratClips);
    if (Mix_PlayingMusic() == 1)
        Mix_HaltMusic();
    if (music2)
        Mix_PlayMusic(music2, -1);
    shown = EditorSession();
    StartEditorSession();
    camera.SetBothSize(EDITOR_PANEL_X, SCREEN_HEIGHT);
    FollowCursor(shown.cursor);
    BeginAutosave(recovery == RecoveryOffer::Unreadable);
    // Pushed last, shown first: unsaved edits come before the warning.
    if (!whole)
        PushState(PartlyReadState);
    if (recovery == RecoveryOffer::Offer)
        PushState(RecoverEditsState);
    else if (recovery == RecoveryOffer::Unreadable)
        PushState(UnreadableAutosaveState);
}

void PartlyReadState()
{
    ShowEditorMessage(loadWarning, font2);
    PopState();
}

void EditorState() { RunEditor(ReadEditorInput); }

// The session the editor runs on; it is kept while the map, the key list or
// a test play is over the editor.
static EditorSession session;
static bool resumeSession = false;

EditorSession& CurrentEditorSession() { return session; }

void ResumeEditorSession() { resumeSession = true; }

void StartEditorSession()
{
    session = EditorSession();
    resumeSession = false;
}

void RunEditor(EditorInput (*source)())
{
    // Every other return to the editor starts a fresh session on the same
    // level.
    if (!resumeSession)
        session = EditorSession();
    resumeSession = false;
    camera.SetBothSize(EDITOR_PANEL_X, SCREEN_HEIGHT);
    while (IsTopState(EditorState))
    {
        VEK_SetPadContext(VEK_PAD_EDITOR);
        EditorFrame(session, source());
        shown = session;
        DrawEditorPicture();
        if (screen)
            VEK_Present(screen);
        CapFrameRate();
        // After the pacing, which empties the stack when the program is
        // asked to end: the level of this frame is then handed over.
        AutosaveEditorFrame();
    }
    // A dialog over the editor ends the stroke going.
    EndEditStroke();
}

// Leaving for the menu ends what can be undone.
static void LeaveEditor()
{
    TheEditHistory().Clear();
    PopState();
    PopState();
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
    {
        std::string why;
        if (!SaveEditSayingWhy(why))
        {
            // The level stays in memory, so the player can try again or
            // leave without saving.
            ShowEditorMessage({"Could Not Save Level", why}, font1);
            PopState();
            break;
        }
        EndAutosaveSaved();
        LeaveEditor();
        break;
    }
    case 2:
        EndAutosaveDiscarded();
        LeaveEditor();
        break;
    default:
        PopState();
        break;
    }
}
