#include <sys/stat.h>
#include "app/settings.h"
#include "tests/app/app_test.h"

namespace
{
TEST(Settings, TheCommandLineScaleWinsAndIsRememberedWithEveryOtherLineKept)
{
    struct Case
    {
        const char* file;
        const char* given;
        int scale;
        bool automatic;
        const char* fileAfter;
    };
    const Case table[] = {
        {nullptr, nullptr, 0, false, nullptr}, // nothing anywhere: today's window, no file
        {nullptr, "3", 3, false, "scale 3\n"},
        {"keep me\nscale 2\n", nullptr, 2, false, "keep me\nscale 2\n"},
        {"# mine\nscale 2\nvolume 3\nscale 5\n", "auto", 0, true, "# mine\nscale auto\nvolume 3\n"},
        {"scale auto\n", nullptr, 0, true, "scale auto\n"},
        {"scale 9\n", nullptr, 0, false, "scale 9\n"}, // unreadable: left alone, not used
    };
    for (const Case& c : table)
    {
        std::remove(SETTINGS_FILE);
        if (c.file)
            WriteFile(SETTINGS_FILE, c.file);
        Options options;
        EXPECT_TRUE(!c.given || ReadScale(c.given, options));
        SettleScale(options);
        EXPECT_EQ(c.scale, options.scale) << c.given;
        EXPECT_EQ(c.automatic, options.scaleAuto) << c.given;
        EXPECT_EQ(c.fileAfter ? c.fileAfter : "", ReadFile(SETTINGS_FILE));
        EXPECT_EQ(c.fileAfter != nullptr, FileExists(SETTINGS_FILE));
    }
    std::remove(SETTINGS_FILE);
}

// A FIFO or a folder where the settings belong is neither waited on nor
// replaced; the command line's scale still holds.
TEST(Settings, WhatIsNoRegularFileIsLeftAloneInOneLine)
{
    for (bool fifo : {true, false})
    {
        ASSERT_EQ(0, fifo ? mkfifo(SETTINGS_FILE, 0666) : mkdir(SETTINGS_FILE, 0777));
        Options options;
        ReadScale("2", options);
        testing::internal::CaptureStderr();
        SettleScale(options);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(2, options.scale);
        EXPECT_EQ(std::string("sumprun: settings is a ") + (fifo ? "FIFO" : "folder") +
                      ", not a regular file; the scale is not remembered\n",
                  said);
        struct stat st;
        EXPECT_TRUE(stat(SETTINGS_FILE, &st) == 0 && (fifo ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode)));
        remove(SETTINGS_FILE);
    }
}
} // namespace
