#include <cstdio>
#include "app/hiscore.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "tests/app/app_test.h"

// The whole program, run in this process: start-up, the menus, shutdown.
TEST_F(AppTest, ProgramEndsWithZeroAfterQuitYesAndOneWhenARequiredAssetIsMissing)
{
    // The high-score file before (null: none) and after (empty: none); the
    // asset hidden (null: none).
    struct Run { const char* before; const char* hidden; int status; const char* after; };
    const Run runs[] = {{"  42\n", nullptr, 0, "42"}, {nullptr, "sumprun_ss_pondweed.png", 1, ""}};
    for (const Run& run : runs)
    {
        SCOPED_TRACE(run.status ? run.hidden : run.before ? run.before : "no file");
        ASSERT_TRUE(init()); // a finished run shut everything down
        FreeAssets();        // the program loads its own
        std::remove(HISCORE_FILE);
        if (run.before)
            WriteFile(HISCORE_FILE, run.before);
        ASSERT_TRUE(!run.hidden || std::rename(run.hidden, "asset.aside") == 0);
        Press("DDDDRDR"); // Quit, Yes
        EXPECT_EQ(run.status, SDL_main(0, nullptr));
        if (run.hidden)
            std::rename("asset.aside", run.hidden);
        EXPECT_TRUE(StateStack.empty());
        EXPECT_EQ(run.after, ReadFile(HISCORE_FILE));
        EXPECT_EQ(run.status == 0, menuBox == nullptr); // freed at shutdown
    }
    std::remove(HISCORE_FILE);
    FreeAssets();
    ASSERT_TRUE(init() && load_files());
    SetGuyDefaults();
}
