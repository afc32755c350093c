#include "app/settings.h"
#include "tests/app/app_test.h"

namespace
{
TEST(Settings, SettingAKeyKeepsEveryOtherLine)
{
    const std::string text = "# mine\nvolume 3\nscale 2\nscale 5\nfuture thing here\n";
    EXPECT_EQ("2", SettingValue(text, "scale"));
    EXPECT_EQ("thing here", SettingValue(text, "future"));
    EXPECT_EQ("", SettingValue(text, "missing"));
    EXPECT_EQ("# mine\nvolume 3\nscale auto\nfuture thing here\n", WithSetting(text, "scale", "auto"));
    EXPECT_EQ("volume 3\nscale 4\n", WithSetting("volume 3", "scale", "4"));
    EXPECT_EQ("scale 4\n", WithSetting("", "scale", "4"));
}

TEST(Settings, TheCommandLineScaleWinsAndIsRememberedForNextTime)
{
    struct Case { const char* file; const char* given; int scale; bool automatic; const char* fileAfter; };
    const Case table[] = {
        {nullptr, nullptr, 0, false, nullptr},          // nothing anywhere: today's window, no file
        {nullptr, "3", 3, false, "scale 3\n"},
        {"keep me\nscale 2\n", nullptr, 2, false, "keep me\nscale 2\n"},
        {"keep me\nscale 2\n", "auto", 0, true, "keep me\nscale auto\n"},
        {"scale auto\n", nullptr, 0, true, "scale auto\n"},
        {"scale 9\n", nullptr, 0, false, "scale 9\n"},  // unreadable: left alone, not used
    };
    for (const Case& c : table)
    {
        std::remove(SETTINGS_FILE);
        if (c.file)
            WriteFile(SETTINGS_FILE, c.file);
        Options options;
        if (c.given)
        {
            ASSERT_TRUE(ReadScale(c.given, options));
        }
        SettleScale(options);
        EXPECT_EQ(c.scale, options.scale) << c.given;
        EXPECT_EQ(c.automatic, options.scaleAuto) << c.given;
        EXPECT_EQ(c.fileAfter != nullptr, FileExists(SETTINGS_FILE));
        EXPECT_EQ(c.fileAfter ? c.fileAfter : "", ReadFile(SETTINGS_FILE));
    }
    std::remove(SETTINGS_FILE);
}
} // namespace
