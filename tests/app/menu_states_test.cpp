#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "play/play_state.h"
#include "tests/support/test_env.h"
#include "toolkit/vek_clock.h"

namespace
{
// Stand-ins for the play state and the editor, which these tests never run.
void FakePlayState() {}

std::vector<StateFunction> Stack()
{
    std::vector<StateFunction> entries;
    auto copy = StateStack;
    while (!copy.empty())
    {
        entries.insert(entries.begin(), copy.top().StatePointer);
        copy.pop();
    }
    return entries;
}

void SetStack(std::vector<StateFunction> entries)
{
    PopAll();
    for (StateFunction f : entries)
        PushState(f);
}

// Moves down n options, then chooses.
void Choose(int n)
{
    for (int i = 0; i < n; ++i)
        PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN);
}

int QueuedEvents()
{
    SDL_Event peek[16];
    SDL_PumpEvents();
    return SDL_PeepEvents(peek, 16, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

bool ScreenHasColour(Uint8 r, Uint8 g, Uint8 b)
{
    for (int y = 0; y < screen->h; y += 1)
        for (int x = 0; x < screen->w; x += 1)
        {
            Uint8 pr, pg, pb;
            GetPixelRGB(screen, x, y, pr, pg, pb);
            if (pr == r && pg == g && pb == b)
                return true;
        }
    return false;
}

class MenuStatesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
        InstallFakeClock();
        frameTimer.Start();
        lastFrame = 0;
    }
    void TearDown() override
    {
        RemoveFakeClock();
        Mix_HaltMusic();
        ResetGameState();
    }
};

// ---- main menu ----

struct MainMenuCase
{
    int downs;
    StateFunction pushed;
};

class MainMenuChoice : public MenuStatesTest, public ::testing::WithParamInterface<MainMenuCase>
{
};

TEST_P(MainMenuChoice, PushesTheChosenState)
{
    SetStack({MenuState});
    Choose(GetParam().downs);
    MenuState();
    EXPECT_EQ((std::vector<StateFunction>{MenuState, GetParam().pushed}), Stack());
}

INSTANTIATE_TEST_SUITE_P(Options, MainMenuChoice,
                         ::testing::Values(MainMenuCase{0, PlayState}, MainMenuCase{1, EditorState},
                                           MainMenuCase{2, OptionsState}, MainMenuCase{3, HelpState},
                                           MainMenuCase{4, QuitToDosState}, MainMenuCase{9, QuitToDosState}));

TEST_F(MenuStatesTest, NewGameSetsUpAGame)
{
    SetStack({MenuState});
    Choose(0);
    MenuState();
    EXPECT_TRUE(gameTimer.IsStarted()); // the level clock of the new game
    EXPECT_EQ(1, Mix_PlayingMusic());
}

TEST_F(MenuStatesTest, LevelEditorStartsTheEditorMusic)
{
    SetStack({MenuState});
    Choose(1);
    MenuState();
    EXPECT_EQ(1, Mix_PlayingMusic());
}

TEST_F(MenuStatesTest, MainMenuShowsTitleAndRedSelection)
{
    SetStack({MenuState});
    Choose(3);
    MenuState();
    EXPECT_TRUE(ScreenHasColour(0, 0, 255));
    EXPECT_TRUE(ScreenHasColour(255, 0, 0));
}

TEST_F(MenuStatesTest, EveryMenuFrameIsPaced)
{
    SetStack({MenuState});
    Choose(4); // four presses and releases, then the Return that picks "Quit"
    const Uint32 framesBefore = frameCount;
    MenuState();
    EXPECT_EQ(framesBefore + 9, frameCount); // one event per frame
    EXPECT_TRUE(IsTopState(QuitToDosState));
}

// ---- quitting ----

TEST_F(MenuStatesTest, QuitThenNoReturnsToTheMenu)
{
    SetStack({MenuState, QuitToDosState});
    Choose(0);
    QuitToDosState();
    EXPECT_EQ((std::vector<StateFunction>{MenuState}), Stack());
}

TEST_F(MenuStatesTest, QuitThenYesEmptiesTheStack)
{
    SetStack({MenuState, FakePlayState, QuitToDosState});
    Choose(1);
    QuitToDosState();
    EXPECT_TRUE(StateStack.empty());
}

TEST_F(MenuStatesTest, CloseRequestLeftByPlayEndsTheProgramWithoutAKey)
{
    SetStack({MenuState, FakePlayState, QuitToDosState});
    event.type = SDL_QUIT; // what the play state polled
    PushKeyPress(SDLK_RETURN);
    QuitToDosState();
    EXPECT_TRUE(StateStack.empty());
    EXPECT_EQ(2, QueuedEvents()); // the key was never looked at
}

TEST_F(MenuStatesTest, CloseRequestDuringTheDialogEndsTheProgram)
{
    SetStack({MenuState, QuitToDosState});
    PushQuitEvent();
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN);
    QuitToDosState();
    EXPECT_TRUE(StateStack.empty());
    EXPECT_EQ(4, QueuedEvents());
}

TEST_F(MenuStatesTest, QuitToMenuYesLeavesTheMenuAlone)
{
    SetStack({MenuState, FakePlayState, PauseState, QuitToMenuState});
    Choose(1);
    QuitToMenuState();
    EXPECT_EQ((std::vector<StateFunction>{MenuState}), Stack());
}

TEST_F(MenuStatesTest, QuitToMenuNoReturnsToThePause)
{
    SetStack({MenuState, FakePlayState, PauseState, QuitToMenuState});
    Choose(0);
    QuitToMenuState();
    EXPECT_EQ((std::vector<StateFunction>{MenuState, FakePlayState, PauseState}), Stack());
}

TEST_F(MenuStatesTest, PoppingHelpersAreSafeOnAnEmptyStack)
{
    PopAll();
    PopState();
    PopUntil(MenuState);
    EXPECT_FALSE(IsTopState(MenuState));
    // A dialog found alone (no menu beneath) quits to an empty stack.
    SetStack({QuitToMenuState});
    Choose(1);
    QuitToMenuState();
    EXPECT_TRUE(StateStack.empty());
}

// ---- pause ----

TEST_F(MenuStatesTest, PauseStopsTheLevelClockWhileItIsUp)
{
    SetStack({MenuState, FakePlayState, PauseState});
    gameTimer.Start();
    AdvanceFakeClock(1234);
    PushKeyPress(SDLK_UP);
    PushKeyPress(SDLK_RETURN); // "Continue Game"
    const Uint32 clockBefore = VEK_GetTicks();
    PauseState();
    EXPECT_GT(VEK_GetTicks(), clockBefore); // its frames took time...
    EXPECT_EQ(1234u, gameTimer.GetTicks()); // ...that the level clock left out
    EXPECT_FALSE(gameTimer.IsPaused());
    EXPECT_EQ((std::vector<StateFunction>{MenuState, FakePlayState}), Stack());
}

TEST_F(MenuStatesTest, PauseHandsOverToQuitToMenuWithTheClockRunning)
{
    SetStack({MenuState, FakePlayState, PauseState});
    gameTimer.Start();
    PushKeyPress(SDLK_ESCAPE); // does nothing here
    PushKeyPress(SDLK_p);
    Choose(1);
    PauseState();
    EXPECT_EQ((std::vector<StateFunction>{MenuState, FakePlayState, PauseState, QuitToMenuState}), Stack());
    EXPECT_FALSE(gameTimer.IsPaused());
    const Uint32 running = gameTimer.GetTicks();
    AdvanceFakeClock(10);
    EXPECT_EQ(running + 10, gameTimer.GetTicks());
}

// ---- modal dialogs ----

struct LevelCase
{
    int downs;
    int level;
};

class OptionsLevel : public MenuStatesTest, public ::testing::WithParamInterface<LevelCase>
{
};

TEST_P(OptionsLevel, ChoosesTheLevelSlotAndCloses)
{
    level = 7;
    SetStack({MenuState, OptionsState});
    Choose(GetParam().downs);
    OptionsState();
    EXPECT_EQ(GetParam().level, level);
    EXPECT_EQ((std::vector<StateFunction>{MenuState}), Stack());
}

INSTANTIATE_TEST_SUITE_P(Slots, OptionsLevel,
                         ::testing::Values(LevelCase{0, 1}, LevelCase{1, 2}, LevelCase{2, 0}));

TEST_F(MenuStatesTest, FullScreenToggleTwiceGivesTheWindowBack)
{
    const bool startedFull = fullScreen;
    ASSERT_FALSE(startedFull);
    for (int round = 0; round < 2; ++round)
    {
        const int levelBefore = level;
        SetStack({MenuState, OptionsState});
        Choose(3);
        OptionsState();
        EXPECT_EQ((std::vector<StateFunction>{MenuState}), Stack());
        EXPECT_EQ(round == 0, fullScreen);
        ASSERT_NE(nullptr, screen);
        EXPECT_EQ(screen, SDL_GetVideoSurface());
        EXPECT_EQ(round == 0, (screen->flags & SDL_FULLSCREEN) != 0);
        EXPECT_EQ(640, screen->w);
        EXPECT_EQ(480, screen->h);
        EXPECT_EQ(32, screen->format->BitsPerPixel);
        EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
        EXPECT_EQ(levelBefore, level);
    }
}

struct DialogCase
{
    StateFunction state;
    Uint8 r, g, b; // header colour shown on the screen
};

class ModalDialog : public MenuStatesTest, public ::testing::WithParamInterface<DialogCase>
{
};

TEST_P(ModalDialog, EnterClosesItAndReturnsToTheMenu)
{
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    SetStack({MenuState, GetParam().state});
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN);
    const Uint32 framesBefore = frameCount;
    GetParam().state();
    EXPECT_EQ((std::vector<StateFunction>{MenuState}), Stack());
    EXPECT_TRUE(ScreenHasColour(GetParam().r, GetParam().g, GetParam().b));
    EXPECT_EQ(framesBefore, frameCount); // dialogs are not paced frames
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ModalDialog,
                         ::testing::Values(DialogCase{HelpState, 100, 250, 100}, DialogCase{WonState, 20, 20, 200},
                                           DialogCase{LostState, 200, 20, 20},
                                           DialogCase{OptionsState, 0, 250, 250}));

int RenderedWidth(TTF_Font* font, const char* text, int* height)
{
    SDL_Color white = {255, 255, 255, 0};
    SDL_Surface* line = TTF_RenderText_Solid(font, text, white);
    const int w = line->w;
    *height += line->h;
    SDL_FreeSurface(line);
    return w;
}

TEST_F(MenuStatesTest, WonAndLostDrawOnlyTextOverThePlayScreen)
{
    const char* headers[] = {"You Win", "You Are Dead"};
    int index = 0;
    for (StateFunction state : {WonState, LostState})
    {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 1, 2, 3));
        SetStack({MenuState, state});
        PushKeyPress(SDLK_RETURN);
        state();

        int h = 0;
        const int w = std::max(RenderedWidth(font1, headers[index++], &h),
                               RenderedWidth(font2, "Press Enter to Continue", &h));
        const int left = (screen->w - w) / 2, top = (screen->h - h) / 2;
        int inside = 0, outside = 0;
        for (int y = 0; y < screen->h; ++y)
            for (int x = 0; x < screen->w; ++x)
            {
                Uint8 r, g, b;
                GetPixelRGB(screen, x, y, r, g, b);
                if (r == 1 && g == 2 && b == 3)
                    continue;
                const bool inText = x >= left && x < left + w && y >= top && y < top + h;
                (inText ? inside : outside) += 1;
            }
        EXPECT_GT(inside, 0);
        EXPECT_EQ(0, outside); // no box, no background
    }
}
} // namespace
