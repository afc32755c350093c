#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include "play/level_file.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;

static std::string testDir;

const std::string& TestDir() { return testDir; }

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/sumprun-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        return 2;
    testDir = pattern;
    std::error_code err;
    for (const auto& entry : fs::directory_iterator(ASSET_DIR, err))
        fs::copy(entry.path(), testDir + "/" + entry.path().filename().string(), err);
    if (err || chdir(testDir.c_str()) != 0)
        return 2;

    int result = RUN_ALL_TESTS();
    // The world lists own what the last test left in them.
    ClearWorld();

    fs::current_path("/", err);
    fs::remove_all(testDir, err);
    return result;
}
