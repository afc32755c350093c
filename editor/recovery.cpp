#include "editor/recovery.h"
#include <sstream>
#include <string>
#include <sys/stat.h>
#include "app/globals.h"
#include "app/state_stack.h"
#include "editor/autosave.h"
#include "editor/editor.h"
#include "play/level_file.h"
#include "toolkit/safe_file.h"
#include "toolkit/vek_menu.h"
#include "toolkit/vek_signals.h"

static const int RECOVER_YES = 0;
static const int RECOVER_NO = 1;

RecoveryOffer DecideRecovery()
{
    struct stat st;
    // A link that leads nowhere is no autosave: removing one leaves that.
    if (stat(EDITOR_AUTOSAVE_FILE, &st) != 0)
        return RecoveryOffer::None;
    std::string saved;
    if (!ReadRegularFile(EDITOR_AUTOSAVE_FILE, saved))
        return RecoveryOffer::Unreadable;
    // The editor writes every autosave whole, in its own format: anything
    // else (cut short, damaged, edited by hand) is never offered as good.
    std::istringstream in(saved);
    if (!LoadLevelFrom(in).Whole() || LevelFileText() != saved)
        return RecoveryOffer::Unreadable;
    // Compared as the editor would hold each, so that a level file written
    // by hand matches the autosave of the same level.
    LoadLevel(EDITOR_LEVEL_FILE);
    return LevelFileText() == saved ? RecoveryOffer::None : RecoveryOffer::Offer;
}

void RecoverEditsState()
{
    VekMenu menu;
    menu.Reset();
    menu.AddHeader("Recover Unsaved Edits?");
    menu.AddOption("Yes");
    menu.AddOption("No");
    menu.SetOnColor(255, 0, 0);
    DrawEditorPicture();
    menu.ShowBoxed(screen, font2, font1, menuBox);
    const int choice = menu.GetChoice(event, screen, font2, font1);
    PopState();
    // A request to end the program answers nothing: the files stay as
    // they are.
    if (VEK_TerminationRequested())
        return;
    if (choice == RECOVER_YES)
    {
        // Unsaved: "levelmap0" is only written by "Save and Quit", and the
        // autosave stays until then.
        std::string saved;
        ReadRegularFile(EDITOR_AUTOSAVE_FILE, saved);
        std::istringstream in(saved);
        // What could be undone belongs to the lists the load replaces.
        TheEditHistory().Clear();
        LoadLevelFrom(in);
    }
    else if (choice == RECOVER_NO && !DiscardAutosaveFile())
    {
        // Edits the author turned down are still not written over.
        BeginAutosave(true);
        ShowEditorMessage({"Could Not Move The Unsaved Edits", "To levelmap0.discarded: Kept As They Were"}, font2);
    }
}

void UnreadableAutosaveState()
{
    ShowEditorMessage(
        {"Unsaved Edits Could Not Be Read", "levelmap0.autosave Is Kept As It Is", "And Not Autosaved Over This Time"},
        font2);
    PopState();
}
