#include <cstdio>
#include "app/hiscore.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "tests/app/app_test.h"

// The whole program, run in this process: start-up, the menus, shutdown.
// (A start-up that fails ends with status 1: the install journey runs it.)
TEST_F(AppTest, ProgramEndsWithZeroAfterQuitYesWritingTheHighScoreBare)
{
    FreeAssets(); // the program loads its own
    WriteFile(HISCORE_FILE, "  42\n");
    Press("DDDDRDR"); // Quit, Yes
    EXPECT_EQ(0, SDL_main(0, nullptr));
    EXPECT_TRUE(StateStack.empty());
    EXPECT_EQ("42", ReadFile(HISCORE_FILE));
    EXPECT_EQ(nullptr, menuBox); // freed at shutdown
    std::remove(HISCORE_FILE);
    ASSERT_TRUE(init() && load_files());
    SetGuyDefaults();
}
