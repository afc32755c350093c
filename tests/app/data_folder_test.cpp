#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include "app/data_folder.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;

// A game built in "built" (its data in assets/ and levels/ beside it), run
// for a player whose folder holds their own level, their high score and a
// picture copied there by an older version.
TEST(DataFolder, TheBuiltDataIsLinkedAndThePlayersOwnFilesAreKept)
{
    fs::create_directories("built/assets");
    fs::create_directories("built/levels");
    fs::create_directories("player");
    WriteFile("built/assets/menubox.bmp", "picture");
    WriteFile("built/levels/levelmap1", "shipped");
    WriteFile("player/levelmap0", "mine");
    WriteFile("player/hiscore", "7");
    WriteFile("player/menubox.bmp", "stale copy");

    EXPECT_TRUE(GameDataSources("nowhere").empty());
    const std::vector<std::string> sources = GameDataSources("built");
    ASSERT_EQ(2u, sources.size());
    EXPECT_FALSE(HoldsGameAssets("built/levels", sources)) << "levels alone are not the assets";
    std::string error;
    for (int start = 0; start < 2; ++start) // a second start finds its links in place
        ASSERT_TRUE(LinkGameData("player", sources, error)) << error;
    EXPECT_TRUE(HoldsGameAssets("player", sources));
    EXPECT_TRUE(fs::is_symlink("player/menubox.bmp"));
    EXPECT_EQ("picture", ReadFile("player/menubox.bmp"));
    EXPECT_EQ("shipped", ReadFile("player/levelmap1"));
    EXPECT_EQ("mine", ReadFile("player/levelmap0"));
    EXPECT_EQ("7", ReadFile("player/hiscore"));

    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    setenv("HOME", "/home/p", 1);
    EXPECT_EQ("/home/p/.local/share/sumprun", PlayerDataFolder());
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ("/data/sumprun", PlayerDataFolder());
}
