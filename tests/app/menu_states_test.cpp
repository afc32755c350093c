#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <map>
#include <vector>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "play/play_state.h"
#include "tests/app/app_test.h"
#include "toolkit/vek_clock.h"

namespace
{
void FakePlayState() {} // stands in for play, which these tests never run
const StateFunction M = MenuState, F = FakePlayState, P = PauseState, Q = QuitToMenuState, D = QuitToDosState;
const Uint32 BLACK = 0, BLUE = 0x0000FF, RED = 0xFF0000, WHITE = 0xFFFFFF;

// Each row starts with level 7 and a level clock running at 1234 ms, on a
// black screen, and runs the top state of before with keys (see Press). Then
// come the stack, the level, the colours of the header and the highlighted
// option shown, the paced frames and the events never looked at.
struct Transition
{
    Stack_t before;
    const char* keys;
    Stack_t after;
    int level;
    Uint32 header, on, frames;
    int left;
};

TEST_F(AppTest, MenusAndDialogsMoveBetweenStatesAsChosen)
{
    const Transition table[] = {
        {{M}, "R", {M, PlayState}, 7, BLUE, RED, 1, 1},
        {{M}, "CR", {M, PlayState}, 7, BLUE, RED, 2, 1}, // the close button is ignored here
        {{M}, "DR", {M, EditorState}, 7, BLUE, RED, 3, 1},
        {{M}, "DDR", {M, OptionsState}, 7, BLUE, RED, 5, 1},
        {{M}, "DDDR", {M, HelpState}, 7, BLUE, RED, 7, 1},
        {{M}, "DDDDR", {M, D}, 7, BLUE, RED, 9, 1},
        {{M}, "DDDDDDDDDR", {M, D}, 7, BLUE, RED, 19, 1},
        {{M, D}, "R", {M}, 7, BLUE, RED, 1, 1},        // Quit, No
        {{M, F, D}, "DR", {}, 7, BLUE, RED, 3, 1},     // Quit, Yes
        {{M, F, D}, "QR", {}, 7, BLUE, RED, 1, 2},     // closed in play: the Return must not act
        {{M, D}, "CDR", {}, 7, BLUE, RED, 2, 4},       // closed during the dialog
        {{M, F, P, Q}, "DR", {M}, 7, BLUE, RED, 3, 1}, // Quit to Menu, Yes
        {{M, F, P, Q}, "R", {M, F, P}, 7, BLUE, RED, 1, 1},
        {{Q}, "DR", {}, 7, BLUE, RED, 3, 1},           // found alone, it quits to nothing
        {{M, F, P}, "UR", {M, F}, 7, BLUE, RED, 3, 1}, // Continue Game
        {{M, F, P}, "EPDR", {M, F, P, Q}, 7, BLUE, RED, 7, 1},
        {{M, OptionsState}, "R", {M}, 1, 0x00FAFA, 0x000096, 0, 1},
        {{M, OptionsState}, "DR", {M}, 2, 0x00FAFA, 0x000096, 0, 1},
        {{M, OptionsState}, "DDR", {M}, 0, 0x00FAFA, 0x000096, 0, 1},
        {{M, OptionsState}, "DDDR", {M}, 7, BLACK, BLACK, 0, 1}, // full screen, on a new screen
        {{M, OptionsState}, "DDDR", {M}, 7, BLACK, BLACK, 0, 1}, // and back
        {{M, HelpState}, "DR", {M}, 7, 0x64FA64, 0x969696, 0, 1},
        {{M, WonState}, "R", {M}, 7, 0x1414C8, WHITE, 0, 1},
        {{M, LostState}, "R", {M}, 7, 0xC81414, WHITE, 0, 1},
    };
    for (size_t i = 0; i < std::size(table); ++i)
    {
        const Transition& row = table[i];
        SCOPED_TRACE(testing::Message() << "row " << i << " keys " << row.keys);
        for (StateFunction state : row.before)
            PushState(state);
        level = 7;
        gameTimer.Start();
        AdvanceFakeClock(1234);
        SDL_FillRect(screen, nullptr, 0);
        Press(row.keys);
        const Uint32 framesBefore = frameCount;
        const bool wasFull = fullScreen;
        row.before.back()();
        EXPECT_EQ(row.before.back() == OptionsState && std::strlen(row.keys) == 4, wasFull != fullScreen);
        ExpectScreen(fullScreen);
        EXPECT_EQ(row.after, Stack());
        EXPECT_EQ(row.level, level);
        EXPECT_GT(CountColour(screen, row.header), 0);
        EXPECT_GT(CountColour(screen, row.on), 0);
        EXPECT_EQ(row.frames, frameCount - framesBefore);
        SDL_Event queued[16];
        EXPECT_EQ(row.left, SDL_PeepEvents(queued, 16, SDL_PEEKEVENT, SDL_ALLEVENTS));
        // A new game and the editor start their music; the level clock stands
        // still only while the pause menu is up.
        EXPECT_EQ(IsTopState(PlayState) || IsTopState(EditorState), Mix_PlayingMusic() == 1);
        EXPECT_FALSE(gameTimer.IsPaused());
        EXPECT_TRUE(row.before.back() != P || gameTimer.GetTicks() == 1234u) << gameTimer.GetTicks();
        Mix_HaltMusic();
        ResetGameState();
    }
}

// Over the last picture of play (here one colour) only the header's and the
// line's letters appear, the header above the line, both centred on the
// screen: no box, no background.
TEST_F(AppTest, EndMessagesDrawOnlyTheirHeaderOverTheirLineCentredOverThePlayScreen)
{
    for (auto [state, header] : {std::pair<StateFunction, Uint32>{WonState, 0x1414C8}, {LostState, 0xC81414}})
    {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0x33, 0x66, 0x33));
        PushState(state);
        Press("R");
        state();
        // Where each colour shows: left, top, right, bottom.
        std::map<Uint32, std::array<int, 4>> at;
        for (int y = 0; y < screen->h; ++y)
            for (int x = 0; x < screen->w; ++x)
            {
                std::array<int, 4>& b = at.insert({PixelRGB(screen, x, y), {x, y, x, y}}).first->second;
                b = {std::min(b[0], x), b[1], std::max(b[2], x), y};
            }
        ASSERT_TRUE(at.size() == 3u && at.count(0x336633) && at.count(header) && at.count(WHITE)) << header;
        EXPECT_LT(at[header][3], at[WHITE][1]);
        // As much room on either side, but for the letters' own margins.
        for (Uint32 letters : {header, WHITE})
            EXPECT_NEAR(screen->w, at[letters][0] + at[letters][2] + 1, 8);
        EXPECT_NEAR(screen->h, at[header][1] + at[WHITE][3] + 1, 20);
    }
}
} // namespace
