#include "app/menu_states.h"
#include "app/globals.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "play/play_state.h"
#include "toolkit/vek_menu.h"
#include "toolkit/vek_surface.h"
#include "world/constants.h"

static const int BOX_PIECE_SIZE = 30;
static const char* const CONTINUE_TEXT = "Press Enter to Continue";

static void BlitCentred(SDL_Surface* surface)
{
    VEK_BlitSurface(surface, nullptr, screen, (screen->w - surface->w) / 2, (screen->h - surface->h) / 2);
}

// One picture of a looping menu: background, box, text, flip.
static void DrawMenuFrame(VekMenu& menu)
{
    VEK_BlitSurface(menu_bg, nullptr, screen, 0, 0);
    SDL_Surface* text = menu.Draw(font1, font1);
    if (text)
    {
        SDL_Surface* box = VEK_RenderBox(text->w + 20, text->h + 20, BOX_PIECE_SIZE, menuBox);
        if (box)
        {
            BlitCentred(box);
            SDL_FreeSurface(box);
        }
        BlitCentred(text);
        SDL_FreeSurface(text);
    }
    SDL_Flip(screen);
}

static void StartMenu(VekMenu& menu, const char* header)
{
    menu.Reset();
    menu.AddHeader(header);
    menu.SetOnColor(255, 0, 0);
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
    VekMenu menu;
    StartMenu(menu, "Sump Run Level");
    menu.AddOption("New Game");
    menu.AddOption("Level Editor");
    menu.AddOption("Options");
    menu.AddOption("Help");
    menu.AddOption("Quit");

    while (IsTopState(MenuState))
    {
        DrawMenuFrame(menu);
        switch (menu.AcceptChoice(event))
        {
        case MAIN_NEW_GAME:
            PushState(PlayState);
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
        CapFrameRate();
    }
}

void PauseState()
{
    VekMenu menu;
    StartMenu(menu, "Game Paused");
    menu.AddOption("Continue Game");
    menu.AddOption("Quit to Menu");

    // The level clock stands still only while this menu is on top.
    gameTimer.Pause();
    while (IsTopState(PauseState))
    {
        DrawMenuFrame(menu);
        switch (menu.AcceptChoice(event))
        {
        case 0:
            PopState();
            break;
        case 1:
            PushState(QuitToMenuState);
            break;
        default:
            break;
        }
        CapFrameRate();
    }
    gameTimer.Resume();
}

void QuitToMenuState()
{
    VekMenu menu;
    StartMenu(menu, "Quit And Lose Game Progress?");
    menu.AddOption("No");
    menu.AddOption("Yes");

    while (IsTopState(QuitToMenuState))
    {
        DrawMenuFrame(menu);
        switch (menu.AcceptChoice(event))
        {
        case 0:
            PopState();
            break;
        case 1:
            PopUntil(MenuState);
            break;
        default:
            break;
        }
        CapFrameRate();
    }
}

void QuitToDosState()
{
    VekMenu menu;
    StartMenu(menu, "Quit This Whole Program?");
    menu.AddOption("No");
    menu.AddOption("Yes");

    while (IsTopState(QuitToDosState))
    {
        DrawMenuFrame(menu);
        // A window-close request left in the shared event by the play state
        // or the editor ends the program without asking.
        if (event.type == SDL_QUIT)
            PopAll();
        // Once the stack is empty no key queued behind the close request may
        // act: there is nothing left to pop.
        const int choice = StateStack.empty() ? -1 : menu.AcceptChoice(event);
        switch (choice)
        {
        case 0:
            PopState();
            break;
        case 1:
            PopAll();
            break;
        default:
            break;
        }
        CapFrameRate();
    }
}

// Switches between window and full screen. A mode SDL refuses leaves the old
// one (and fullScreen) in place, since every drawing step reads screen.
static void ToggleFullScreen()
{
    const bool wanted = !fullScreen;
    SDL_Surface* changed = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, wanted ? SDL_FULLSCREEN : 0);
    if (changed)
    {
        screen = changed;
        fullScreen = wanted;
        return;
    }
    // A failed switch may already have dropped the old display surface.
    SDL_Surface* restored = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, fullScreen ? SDL_FULLSCREEN : 0);
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

    menu.ShowBoxed(screen, font1, font2, menuBox);
    switch (menu.GetChoice(event, screen, font1, font2))
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
    PopState();
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

    menu.ShowBoxed(screen, font2, font2, menuBox);
    menu.GetChoice(event, screen, font2, font2);
    PopState();
}

// The end-of-game message, drawn over the last picture of play.
static void EndMessage(const char* header, int r, int g, int b)
{
    VekMenu menu;
    menu.Reset();
    menu.SetHeaderColor(r, g, b);
    menu.AddHeader(header);
    menu.AddOption(CONTINUE_TEXT);
    menu.GetChoice(event, screen, font1, font2);
    PopState();
}

void WonState() { EndMessage("You Win", 20, 20, 200); }

void LostState() { EndMessage("You Are Dead", 200, 20, 20); }
