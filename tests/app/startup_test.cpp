#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include "app/globals.h"
#include "app/hiscore.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "enemies/projectile.h"
#include "enemies/scientist.h"
#include "tests/support/test_env.h"
#include "world/cheese.h"
#include "world/rat.h"

namespace
{
class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
    }
    void TearDown() override { ResetGameState(); }

    // Loads everything afresh, as start-up does.
    static void Reload()
    {
        FreeAssets();
        ASSERT_TRUE(load_files());
        SetGuyDefaults();
    }
};

bool SameRect(const SDL_Rect& r, int x, int y, int w, int h)
{
    return r.x == x && r.y == y && r.w == w && r.h == h;
}

struct ClipCase
{
    const char* name;
    std::vector<SDL_Rect>* clips;
    size_t count;
    int lastX, lastY, w, h;
};

TEST_F(StartupTest, SheetsAreCutAtTheirGridPositions)
{
    const ClipCase table[] = {
        {"terrain", &terrainClips, 18, 32, 128, 32, 32},  {"water", &waterClips, 8, 96, 32, 32, 32},
        {"cheese", &cheeseClips, 13, 0, 96, 32, 32},      {"burger", &burgerClips, 5, 160, 0, 40, 50},
        {"eel", &eelClips, 5, 120, 0, 30, 70},            {"scientist", &scientistClips, 15, 1680, 0, 120, 180},
        {"projectile", &projectileClips, 2, 30, 0, 30, 30}, {"rat", &ratClips, 9, 320, 0, 40, 60},
    };
    for (const ClipCase& c : table)
    {
        ASSERT_EQ(c.count, c.clips->size()) << c.name;
        EXPECT_TRUE(SameRect(c.clips->front(), 0, 0, c.w, c.h)) << c.name;
        EXPECT_TRUE(SameRect(c.clips->back(), c.lastX, c.lastY, c.w, c.h)) << c.name;
    }
    EXPECT_TRUE(SameRect(terrainClips[5], 32, 32, 32, 32));
    EXPECT_TRUE(SameRect(scientistClips[14], 1680, 0, 120, 180));
    EXPECT_TRUE(SameRect(ratClips[8], 320, 0, 40, 60));
}

TEST_F(StartupTest, CuttingTwiceDoesNotDoubleTheClips)
{
    SetClips();
    EXPECT_EQ(18u, terrainClips.size());
    EXPECT_EQ(9u, ratClips.size());
}

TEST_F(StartupTest, ClassesShareTheLoadedAssets)
{
    EXPECT_EQ(burger_ss, Burger::default_ss);
    EXPECT_EQ(&burgerClips, Burger::defaultClips);
    EXPECT_EQ(burger_die_se, Burger::die_se);
    EXPECT_EQ(eel_ss, Eel::default_ss);
    EXPECT_EQ(&eelClips, Eel::defaultClips);
    EXPECT_EQ(eel_kill_se, Eel::kill_se);
    EXPECT_EQ(scientist_ss, Scientist::default_ss);
    EXPECT_EQ(&scientistClips, Scientist::defaultClips);
    EXPECT_EQ(sci_drink_se, Scientist::drink_se);
    EXPECT_EQ(sci_throw_se, Scientist::throw_se);
    EXPECT_EQ(projectile_ss, Projectile::default_ss);
    EXPECT_EQ(&projectileClips, Projectile::defaultClips);
    EXPECT_EQ(cheese_ss, Cheese::default_ss);
    EXPECT_EQ(&cheeseClips, Cheese::defaultClips);
    EXPECT_EQ(rat_jump_se, Rat::jump_se);
    EXPECT_EQ(rat_die_se, Rat::die_se);
    ASSERT_NE(nullptr, rat_ss);
    EXPECT_EQ(rat_ss, rat.GetSpriteSheet());
    EXPECT_EQ(&ratClips, rat.GetClips());
    EXPECT_EQ(40, rat.GetXSize());
    EXPECT_EQ(60, rat.GetYSize());
}

TEST_F(StartupTest, EveryAssetLoadsFromTheGeneratedFiles)
{
    SDL_Surface* images[] = {menuBox, menu_bg, cursor_ss, level_bg, terrain_ts, water_ts,
                             cheese_ss, burger_ss, eel_ss, scientist_ss, projectile_ss, rat_ss};
    for (SDL_Surface* image : images)
        EXPECT_NE(nullptr, image);
    Mix_Chunk* effects[] = {rat_jump_se, rat_die_se, eel_kill_se, burger_die_se, sci_drink_se, sci_throw_se};
    for (Mix_Chunk* effect : effects)
        EXPECT_NE(nullptr, effect);
    EXPECT_NE(nullptr, music1);
    EXPECT_NE(nullptr, music2);
    EXPECT_NE(nullptr, font1);
    EXPECT_NE(nullptr, font2);
    EXPECT_GT(TTF_FontHeight(font1), TTF_FontHeight(font2));
    // Cyan is transparent in every loaded image.
    EXPECT_TRUE(menuBox->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(SDL_MapRGB(menuBox->format, 0, 255, 255), menuBox->format->colorkey);
}

TEST_F(StartupTest, FreeAssetsLeavesNothingPointingAtFreedMemory)
{
    FreeAssets();
    EXPECT_EQ(nullptr, menuBox);
    EXPECT_EQ(nullptr, rat_ss);
    EXPECT_EQ(nullptr, music1);
    EXPECT_EQ(nullptr, sci_throw_se);
    EXPECT_EQ(nullptr, font2);
    EXPECT_EQ(nullptr, Burger::default_ss);
    EXPECT_EQ(nullptr, Rat::jump_se);
    EXPECT_EQ(nullptr, rat.GetSpriteSheet());
    FreeAssets(); // twice is harmless
    Reload();
}

class MissingAsset : public StartupTest, public ::testing::WithParamInterface<std::pair<const char*, bool>>
{
};

TEST_P(MissingAsset, OnlyRequiredAssetsStopStartUp)
{
    const std::string name = GetParam().first;
    const bool required = GetParam().second;
    const std::string aside = name + ".aside";
    FreeAssets();
    ASSERT_EQ(0, std::rename(name.c_str(), aside.c_str()));
    const bool loaded = load_files();
    std::rename(aside.c_str(), name.c_str());
    EXPECT_EQ(!required, loaded) << name;
    if (loaded)
    {
        // Whatever did load is usable; the missing one is simply absent.
        EXPECT_NE(nullptr, menuBox);
        EXPECT_NE(nullptr, font2);
    }
    Reload();
}

INSTANTIATE_TEST_SUITE_P(
    Files, MissingAsset,
    ::testing::Values(std::make_pair("menubox.bmp", true), std::make_pair("gen_bg_4gobs1.png", true),
                      std::make_pair("sumprun_ss_pondweed.png", true), std::make_pair("SRSong1.ogg", true),
                      std::make_pair("SRSong2.ogg", true), std::make_pair("rat_jump_se.ogg", true),
                      std::make_pair("impact.ttf", true), std::make_pair("verdana.ttf", true),
                      std::make_pair("sumprun_cursor.png", false), std::make_pair("sumprun_bg_1.png", false),
                      std::make_pair("sumprun_ss_rat.png", false), std::make_pair("rat_die_se.ogg", false),
                      std::make_pair("sci_throw_se.ogg", false)));

TEST_F(StartupTest, MissingOptionalImageLeavesItsGlobalEmpty)
{
    FreeAssets();
    ASSERT_EQ(0, std::rename("sumprun_ss_eel.png", "eel.aside"));
    const bool loaded = load_files();
    std::rename("eel.aside", "sumprun_ss_eel.png");
    EXPECT_TRUE(loaded);
    EXPECT_EQ(nullptr, eel_ss);
    SetGuyDefaults();
    EXPECT_EQ(nullptr, Eel::default_ss);
    Reload();
}

TEST_F(StartupTest, InitCaptionsTheWindowAndHidesTheCursor)
{
    SDL_WM_SetCaption("something else", NULL);
    SDL_ShowCursor(SDL_ENABLE);
    ASSERT_TRUE(init());
    char* caption = nullptr;
    SDL_WM_GetCaption(&caption, NULL);
    ASSERT_NE(nullptr, caption);
    EXPECT_STREQ("Sump Run Level", caption);
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
    ASSERT_NE(nullptr, screen);
    EXPECT_EQ(640, screen->w);
    EXPECT_EQ(480, screen->h);
    EXPECT_EQ(32, screen->format->BitsPerPixel);
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
}

TEST(GlobalsTest, HudColourIsTheGamesGold)
{
    EXPECT_EQ(220, color2.r);
    EXPECT_EQ(190, color2.g);
    EXPECT_EQ(60, color2.b);
}
} // namespace
