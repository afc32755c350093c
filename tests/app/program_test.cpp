#include <gtest/gtest.h>
#include <cstdio>
#include "app/globals.h"
#include "app/hiscore.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "tests/support/test_env.h"

// The whole program, run in this process: start-up, the main menu and
// shutdown. Afterwards the libraries and assets are brought back up for the
// tests that follow.
namespace
{
class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
        FreeAssets(); // the program loads its own
        InstallFakeClock();
    }
    void TearDown() override
    {
        RemoveFakeClock();
        FreeAssets();
        ASSERT_TRUE(init());
        ASSERT_TRUE(load_files());
        SetGuyDefaults();
        ResetGameState();
        std::remove(HISCORE_FILE);
    }
};

void QueueQuitFromMainMenu()
{
    for (int i = 0; i < 4; ++i)
        PushKeyPress(SDLK_DOWN); // to "Quit"
    PushKeyPress(SDLK_RETURN);
    PushKeyPress(SDLK_DOWN); // to "Yes"
    PushKeyPress(SDLK_RETURN);
}

// The high-score file before the run (null: none) and after it.
class NormalRun : public ProgramTest, public ::testing::WithParamInterface<std::pair<const char*, const char*>>
{
};

TEST_P(NormalRun, QuitAndYesEndsWithStatusZeroAndWritesTheHighScoreBack)
{
    if (GetParam().first)
        WriteFile(HISCORE_FILE, GetParam().first);
    else
        std::remove(HISCORE_FILE);
    QueueQuitFromMainMenu();
    EXPECT_EQ(0, SDL_main(0, nullptr));
    EXPECT_TRUE(StateStack.empty());
    EXPECT_EQ(GetParam().second, ReadFile(HISCORE_FILE));
    EXPECT_EQ(nullptr, menuBox); // freed at shutdown
}

INSTANTIATE_TEST_SUITE_P(HiScoreFiles, NormalRun,
                         ::testing::Values(std::make_pair(nullptr, "0"), std::make_pair("  42\n", "42"),
                                           std::make_pair("abc", "0")));

TEST_F(ProgramTest, MissingRequiredAssetEndsWithStatusOneBeforeAnyState)
{
    std::remove(HISCORE_FILE);
    ASSERT_EQ(0, std::rename("sumprun_ss_pondweed.png", "pondweed.aside"));
    QueueQuitFromMainMenu();
    const int status = SDL_main(0, nullptr);
    std::rename("pondweed.aside", "sumprun_ss_pondweed.png");
    EXPECT_EQ(1, status);
    EXPECT_TRUE(StateStack.empty());
    EXPECT_FALSE(FileExists(HISCORE_FILE)); // no shutdown ran
}
} // namespace
