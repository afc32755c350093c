#include <filesystem>
#include <gtest/gtest.h>
#include "app/own_files.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;

// --record may name any file but the game's own, whether by its name in
// the game's folder or through a link to it.
TEST(OwnFiles, TheGamesOwnFilesAreKnownByNameOrThroughALink)
{
    WriteFile("levelmap1", "Rat\n1 1\n");
    fs::create_symlink("levelmap1", "shipped.replay");
    fs::create_directory("elsewhere");
    const std::string here = fs::current_path().string();
    const std::pair<std::string, bool> cases[] = {
        {"levelmap0", true},
        {here + "/hiscore", true},
        {"./levelmap0.bak", true},
        {"levelmap0.partial", true},
        {"settings", true},
        {"shipped.replay", true},
        {"mine.replay", false},
        {"lastgame.replay", false},
        {"elsewhere/levelmap0", false},
        {here + "/elsewhere/hiscore", false},
    };
    for (const auto& [path, own] : cases)
        EXPECT_EQ(own, IsGameOwnFile(path)) << path;
    fs::remove("shipped.replay");
    fs::remove("levelmap1");
    fs::remove("elsewhere");
}
