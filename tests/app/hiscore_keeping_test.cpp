#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include "app/hiscore.h"
#include "app/menu_states.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "play/game_recorder.h"
#include "play/play_state.h"
#include "tests/app/app_test.h"
#include "tests/support/file_faults.h"
#include "toolkit/vek_clock.h"
#include "toolkit/vek_signals.h"

namespace fs = std::filesystem;

namespace
{
// What a run does with the file: start-up's load, then a store of 900.
std::string LoadThenStore()
{
    testing::internal::CaptureStderr();
    const int loaded = LoadHiScore(HISCORE_FILE);
    const bool stored = StoreHiScore(900, HISCORE_FILE);
    const std::string said = testing::internal::GetCapturedStderr();
    return "loaded " + std::to_string(loaded) + (stored ? ", stored" : ", not stored") + ", lines " +
           std::to_string(std::count(said.begin(), said.end(), '\n'));
}

std::string Kept(const std::string& name)
{
    if (fs::is_symlink(name))
        return "link";
    if (fs::is_fifo(name))
        return "FIFO";
    if (fs::is_directory(name))
        return "folder";
    return fs::exists(name) ? ReadFile(name) : "none";
}

// A high score file the game cannot read is the player's and is never
// written over; one it cannot write is reported; neither stops the game.
TEST(HiScoreKeeping, AFileThatCannotBeReadIsKeptAndAFailedWriteIsTold)
{
    struct Case
    {
        const char* what;
        std::function<void()> make;
        bool asOrdinaryUser;
        const char* result;
        const char* kept;
    };
    const Case cases[] = {
        {"missing", [] {}, false, "loaded 0, stored, lines 0", "900"},
        {"readable", [] { WriteFile(HISCORE_FILE, "500"); }, false, "loaded 500, stored, lines 0", "900"},
        // Written but not readable by its owner: the 500 must survive.
        {"unreadable",
         [] {
             WriteFile(HISCORE_FILE, "500");
             fs::permissions(HISCORE_FILE, fs::perms(0200));
         },
         true, "loaded 0, not stored, lines 1", "500"},
        {"unwritable",
         [] {
             WriteFile(HISCORE_FILE, "500");
             fs::permissions(HISCORE_FILE, fs::perms(0444));
         },
         false, "loaded 500, not stored, lines 1", "500"},
        {"a FIFO", [] { mkfifo(HISCORE_FILE, 0666); }, false, "loaded 0, not stored, lines 1", "FIFO"},
        {"a folder", [] { fs::create_directory(HISCORE_FILE); }, false, "loaded 0, not stored, lines 1", "folder"},
        {"a loop of links", [] { fs::create_symlink(HISCORE_FILE, HISCORE_FILE); }, false,
         "loaded 0, not stored, lines 1", "link"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const std::string folder = std::string("hiscore_case_") + std::to_string(&c - cases);
        fs::create_directory(folder);
        ASSERT_EQ(0, chdir(folder.c_str()));
        c.make();
        if (c.asOrdinaryUser)
        {
            for (const char* name : {".", HISCORE_FILE})
                ASSERT_EQ(0, lchown(name, OrdinaryUserId(), OrdinaryUserId()));
        }
        ASSERT_EQ(0, chdir(".."));
        const std::string result = c.asOrdinaryUser ? RunAsOrdinaryUser(folder, LoadThenStore) : [&] {
            fs::current_path(folder);
            const std::string r = LoadThenStore();
            fs::current_path("..");
            return r;
        }();
        EXPECT_EQ(c.result, result);
        std::error_code ignored;
        if (!fs::is_symlink(folder + "/" + HISCORE_FILE))
            fs::permissions(folder + "/" + HISCORE_FILE, fs::perms(0644), ignored);
        EXPECT_EQ(c.kept, Kept(folder + "/" + HISCORE_FILE));
        fs::remove_all(folder);
    }
    LoadHiScore("no such file"); // nothing held back for the next test
}

// The program itself, in this process: a game takes the cheese the rat
// starts on and then loses its five lives falling; a second game is then
// ended by a closed terminal's SIGHUP.
int waits = 0;
int games = 0;
int waitsOnTop = 0;
StateFunction lastTop = nullptr;
std::string hiScoreAtLoss;

void PlayTwoGamesThenHangUp(Uint32 ms)
{
    AdvanceFakeClock(ms);
    if (++waits > 20000)
    {
        PopAll(); // never hang the test
        return;
    }
    const StateFunction top = StateStack.empty() ? nullptr : StateStack.top().StatePointer;
    const bool changed = top != lastTop;
    lastTop = top;
    waitsOnTop = changed ? 0 : waitsOnTop + 1;
    if (top == LostState && changed)
    {
        // Nothing but the game's end has written it: a kill -9, a crash or
        // a power cut from here on leaves this on disk.
        hiScoreAtLoss = ReadFile(HISCORE_FILE);
        ++games;
        PushKeyPress(SDLK_RETURN);
    }
    else if (top == MenuState && changed)
        PushKeyPress(SDLK_RETURN); // New Game
    else if (top == PlayState && games == 1 && waitsOnTop == 10)
        std::raise(SIGHUP);
}

TEST_F(AppTest, ARaisedHighScoreIsOnDiskAtTheGamesEndAndAHangUpEndsCleanlyWithTheReplay)
{
    FreeAssets(); // the program loads its own
    WriteFile("levelmap1", "Rat\n100 100\nCheese\n100 100\n");
    WriteFile(HISCORE_FILE, "0");
    fs::remove(LAST_GAME_REPLAY);
    VEK_SetDelaySink(PlayTwoGamesThenHangUp);
    EXPECT_EQ(0, SDL_main(0, nullptr));
    EXPECT_EQ(1, games);
    EXPECT_LT(waits, 20000);
    EXPECT_EQ("1", hiScoreAtLoss);
    EXPECT_EQ("1", ReadFile(HISCORE_FILE));
    // The game in progress at the hang-up was recorded as left.
    EXPECT_NE(std::string::npos, ReadFile(LAST_GAME_REPLAY).find("\nexpect running ")) << ReadFile(LAST_GAME_REPLAY);
    VEK_ForgetTerminationRequest();
    fs::remove(HISCORE_FILE);
    fs::remove("levelmap1");
    ASSERT_TRUE(init() && load_files());
    SetGuyDefaults();
}
} // namespace
