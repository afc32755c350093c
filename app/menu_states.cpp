#include "app/menu_states.h"
#include "app/globals.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "play/game_recorder.h"
#include "play/play_state.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_menu.h"
#include "toolkit/vek_pad.h"
#include "toolkit/vek_surface.h"
#include "world/constants.h"

static const int BOX_PIECE_SIZE = 30;

static void BlitCentred(SDL_Surface* surface)
{
    VEK_BlitSurface(surface, nullptr, screen, (screen->w - surface->w) / 2, (screen->h - surface->h) / 2);
}

// One picture of a looping menu: background, box, text, flip.
static void DrawMenuFrame(VekMenu& menu)
{
    VEK_BlitSurface(menu_bg, nullptr, screen, 0, 0);
    if (SDL_Surface* text = menu.Rendered(font1, font1))
    {
        if (SDL_Surface* box = menu.Box(text->w + 20, text->h + 20, BOX_PIECE_SIZE, menuBox))
            BlitCentred(box);
        BlitCentred(text);
    }
    VEK_Present(screen);
}

static void StartMenu(VekMenu& menu, const char* header)
{
    menu.Reset();
    menu.AddHeader(header);
    menu.SetOnColor(255, 0, 0);
}

// Draws, reads at most one event and paces one frame at a time for as long
// as state stays on top; a chosen option goes to act.
template <typename Act>
static void LoopMenu(VekMenu& menu, StateFunction state, Act act, bool closeEndsProgram = false)
{
    // Only a moved selection changes the picture; the screen keeps the last.
    int shown = -1;
    while (IsTopState(state))
    {
        VEK_SetPadContext(VEK_PAD_MENU);
        if (shown != menu.GetSelected())
        {
            DrawMenuFrame(menu);
            shown = menu.GetSelected();
        }
        // A window-close request left in the shared event by the play state
        // or the editor ends the program without asking.
        if (closeEndsProgram && event.type == SDL_QUIT)
            PopAll();
        // Once the stack is empty no key queued behind the close request may
        // act: there is nothing left to pop.
        const int choice = StateStack.empty() ? -1 : menu.AcceptChoice(event);
        if (choice >= 0)
            act(choice);
        CapFrameRate();
    }
}

// A looping dialog of two options: the first closes it, the second runs onSecond.
static void TwoOptionDialog(StateFunction state, const char* header, const char* first, const char* second,
                            void (*onSecond)(), bool closeEndsProgram = false)
{
    VekMenu menu;
    StartMenu(menu, header);
    menu.AddOption(first);
    menu.AddOption(second);
    auto act = [onSecond](int choice) { choice == 0 ? PopState() : onSecond(); };
    LoopMenu(menu, state, act, closeEndsProgram);
}

enum MainMenuOption
{
    MAIN_NEW_GAME,
    MAIN_LEVEL_EDITOR,
    MAIN_OPTIONS,
    MAIN_HELP,
    MAIN_QUIT
};

void MenuState()
{
    // Back at the menu, any game that was going is over.
    EndGameRecording();
    VekMenu menu;
    StartMenu(menu, "Sump Run Level");
    menu.AddOption("New Game");
    menu.AddOption("Level Editor");
    menu.AddOption("Options");
    menu.AddOption("Help");
    menu.AddOption("Quit");

    LoopMenu(menu, MenuState, [](int choice) {
        switch (choice)
        {
        case MAIN_NEW_GAME:
            PushState(PlayState);
            BeginGameRecording();
            PrePlay();
            break;
        case MAIN_LEVEL_EDITOR:
            PushState(EditorState);
            PreEdit();
            break;
        case MAIN_OPTIONS:
            PushState(OptionsState);
            break;
        case MAIN_HELP:
            PushState(HelpState);
            break;
        case MAIN_QUIT:
            PushState(QuitToDosState);
            break;
        default:
            break;
        }
    });
}

void PauseState()
{
    // The level clock stands still only while this menu is on top.
    gameTimer.Pause();
    TwoOptionDialog(PauseState, "Game Paused", "Continue Game", "Quit to Menu", [] { PushState(QuitToMenuState); });
    gameTimer.Resume();
}

void QuitToMenuState()
{
    TwoOptionDialog(QuitToMenuState, "Quit And Lose Game Progress?", "No", "Yes", [] { PopUntil(GameHome()); });
}

void QuitToDosState() { TwoOptionDialog(QuitToDosState, "Quit This Whole Program?", "No", "Yes", PopAll, true); }

// A modal dialog: shown once (boxed when asked), then redrawn until an option
// is taken; it closes itself and returns that option.
static int RunModal(VekMenu& menu, TTF_Font* headerFont, TTF_Font* optionFont, bool boxed)
{
    if (boxed)
        menu.ShowBoxed(screen, headerFont, optionFont, menuBox);
    const int choice = menu.GetChoice(event, screen, headerFont, optionFont);
    PopState();
    return choice;
}

// Switches between window and full screen. A mode SDL refuses leaves the old
// one (and fullScreen) in place, since every drawing step reads screen.
static void ToggleFullScreen()
{
    const bool wanted = !fullScreen;
    SDL_Surface* changed = VEK_SetDisplayMode(wanted);
    if (changed)
    {
        screen = changed;
        fullScreen = wanted;
        return;
    }
    // A failed switch may already have dropped the old display surface.
    SDL_Surface* restored = VEK_SetDisplayMode(fullScreen);
    if (restored)
        screen = restored;
}

enum OptionsMenuOption
{
    OPTION_RAT_ADVENTURE,
    OPTION_EEL_CHALLENGE,
    OPTION_USER_LEVEL,
    OPTION_FULL_SCREEN
};

void OptionsState()
{
    VekMenu menu;
    menu.Reset();
    menu.SetHeaderColor(0, 250, 250);
    menu.SetOnColor(0, 0, 150);
    menu.SetOffColor(220, 220, 250);
    menu.AddHeader("Options Menu");
    menu.AddOption("Play 'Rat Adventure' Level");
    menu.AddOption("Play 'Eel Challenge' Level");
    menu.AddOption("Play User Designed Level");
    menu.AddOption("Toggle Fullscreen Mode");

    switch (RunModal(menu, font1, font2, true))
    {
    case OPTION_RAT_ADVENTURE:
        level = 1;
        break;
    case OPTION_EEL_CHALLENGE:
        level = 2;
        break;
    case OPTION_USER_LEVEL:
        level = 0;
        break;
    case OPTION_FULL_SCREEN:
        ToggleFullScreen();
        break;
    default:
        break;
    }
}

void HelpState()
{
    VekMenu menu;
    menu.Reset();
    menu.SetHeaderColor(100, 250, 100);
    menu.SetOnColor(150, 150, 150);
    menu.AddHeader("Cursor Keys     =    Move Rat / Cursor");
    menu.AddHeader("Insert             =          Place (Editor)");
    menu.AddHeader("Delete             =      Remove (Editor)");
    menu.AddHeader("Home              =  Cycle Mode (Editor)");
    menu.AddHeader("Page Up/Down  =    Cycle Tile (Editor)");
    menu.AddOption(CONTINUE_TEXT);

    RunModal(menu, font2, font2, true);
}

// The end-of-game message, drawn over the last picture of play.
static void EndMessage(const char* header, int r, int g, int b)
{
    VekMenu menu;
    menu.Reset();
    menu.SetHeaderColor(r, g, b);
    menu.AddHeader(header);
    menu.AddOption(CONTINUE_TEXT);
    RunModal(menu, font1, font2, false);
}

void WonState() { EndMessage("You Win", 20, 20, 200); }

void LostState() { EndMessage("You Are Dead", 200, 20, 20); }
