#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include "app/hiscore.h"
#include "app/menu_states.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "play/game_recorder.h"
#include "play/play_state.h"
#include "tests/app/app_test.h"
#include "toolkit/vek_clock.h"
#include "toolkit/vek_signals.h"

namespace fs = std::filesystem;

namespace
{
// Start-up's load of a high score of 500 made unreadable or unwritable (or
// reached through a link), then a store of 900: a file the game cannot read
// is the player's and is never written over; a failed write is told. Root
// reads a file of mode 0200, so a loop of links stands for the unreadable
// file (both fail the same way: there, but not read).
TEST(HiScoreKeeping, AFileThatCannotBeReadIsKeptAndAFailedWriteIsTold)
{
    const struct
    {
        void (*make)();
        const char* result;
    } cases[] = {
        {[] {}, "0 stored, 0 lines; 900"},
        {[] { fs::rename(HISCORE_FILE, "hiscore_target"), fs::create_symlink("hiscore_target", HISCORE_FILE); },
         "500 stored, 0 lines; link"},
        {[] { fs::remove(HISCORE_FILE), fs::create_symlink(HISCORE_FILE, HISCORE_FILE); }, "0 kept, 1 lines; link"},
        {[] { fs::permissions(HISCORE_FILE, fs::perms(0444)); }, "500 kept, 1 lines; 500"},
        {[] { fs::remove(HISCORE_FILE), mkfifo(HISCORE_FILE, 0666); }, "0 kept, 1 lines; FIFO"},
        {[] { fs::remove(HISCORE_FILE), fs::create_directory(HISCORE_FILE); }, "0 kept, 1 lines; folder"},
    };
    for (const auto& c : cases)
    {
        fs::remove_all(HISCORE_FILE);
        if (&c != cases)
            WriteFile(HISCORE_FILE, "500");
        c.make();
        testing::internal::CaptureStderr();
        const int loaded = LoadHiScore();
        const bool stored = StoreHiScore(900);
        const std::string said = testing::internal::GetCapturedStderr();
        const std::string kept = fs::is_symlink(HISCORE_FILE)     ? "link"
                                 : fs::is_fifo(HISCORE_FILE)      ? "FIFO"
                                 : fs::is_directory(HISCORE_FILE) ? "folder"
                                                                  : ReadFile(HISCORE_FILE);
        EXPECT_EQ(c.result, std::to_string(loaded) + (stored ? " stored, " : " kept, ") +
                                std::to_string(std::count(said.begin(), said.end(), '\n')) + " lines; " + kept);
    }
    fs::remove_all(HISCORE_FILE);
    LoadHiScore(); // nothing held back for the next test
}

// The program itself, in this process: a game takes the cheese the rat
// starts on and loses its five lives falling; a second game is ended by a
// closed terminal's SIGHUP.
int waits = 0, games = 0, waitsOnTop = 0;
StateFunction lastTop = nullptr;
std::string hiScoreAtLoss;

void PlayTwoGamesThenHangUp(Uint32 ms)
{
    AdvanceFakeClock(ms);
    if (++waits > 20000)
        return PopAll(); // never hang the test
    const StateFunction top = StateStack.empty() ? nullptr : StateStack.top().StatePointer;
    waitsOnTop = top != lastTop ? 0 : waitsOnTop + 1;
    lastTop = top;
    if (top == LostState && waitsOnTop == 0)
    {
        // Only the game's end has written it: a kill -9, a crash or a
        // power cut from here on leaves this on disk.
        hiScoreAtLoss = ReadFile(HISCORE_FILE);
        ++games;
    }
    if ((top == LostState || top == MenuState) && waitsOnTop == 0)
        PushKeyPress(SDLK_RETURN); // on to the menu, then New Game
    else if (top == PlayState && games == 1 && waitsOnTop == 10)
        std::raise(SIGHUP);
}

TEST_F(AppTest, ARaisedHighScoreIsOnDiskAtTheGamesEndAndAHangUpEndsCleanlyWithTheReplay)
{
    FreeAssets(); // the program loads its own
    WriteFile("levelmap1", "Rat\n100 100\nCheese\n100 100\n");
    WriteFile(HISCORE_FILE, "0");
    VEK_SetDelaySink(PlayTwoGamesThenHangUp);
    EXPECT_EQ(0, SDL_main(0, nullptr));
    EXPECT_TRUE(games == 1 && waits < 20000 && hiScoreAtLoss == "1" && ReadFile(HISCORE_FILE) == "1");
    // The game in progress at the hang-up was recorded as left.
    EXPECT_NE(std::string::npos, ReadFile(LAST_GAME_REPLAY).find("\nexpect running "));
    VEK_ForgetTerminationRequest();
    for (const char* made : {HISCORE_FILE, "levelmap1", LAST_GAME_REPLAY})
        fs::remove(made);
    ASSERT_TRUE(init() && load_files());
    SetGuyDefaults();
}
} // namespace
