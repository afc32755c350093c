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
} // namespace
