#include <algorithm>
#include <cstdio>
#include <iterator>
#include "app/startup.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "enemies/scientist.h"
#include "tests/app/app_test.h"
#include "toolkit/vek_menu.h"
#include "world/constants.h"
#include "world/tiles.h"

namespace
{
// How many asset globals are empty.
int MissingAssets()
{
    const void* assets[] = {menuBox,      menu_bg,      cursor_ss,   level_bg,     terrain_ts,    water_ts,
                            cheese_ss,    burger_ss,    eel_ss,      scientist_ss, projectile_ss, rat_ss,
                            music1,       music2,       rat_jump_se, rat_die_se,   eel_kill_se,   burger_die_se,
                            sci_drink_se, sci_throw_se, font1,       font2};
    return int(std::count(std::begin(assets), std::end(assets), nullptr));
}

// Every sheet is cut into clips of the size of what it pictures, in reading
// order from its top-left corner, as wide as the sheet and down to its
// bottom row.
TEST_F(AppTest, SheetsAreCutIntoGridsOfClipsAfreshEachTime)
{
    SetClips(); // again, after start-up: must replace, not add
    struct Sheet
    {
        SDL_Surface* sheet;
        std::vector<SDL_Rect>* clips;
        int w, h;
    };
    const Sheet table[] = {
        {terrain_ts, &terrainClips, TILE_WIDTH, TILE_HEIGHT},
        {water_ts, &waterClips, TILE_WIDTH, TILE_HEIGHT},
        {cheese_ss, &cheeseClips, TILE_WIDTH, TILE_HEIGHT},
        {burger_ss, &burgerClips, BURGER_WIDTH, BURGER_HEIGHT},
        {eel_ss, &eelClips, EEL_WIDTH, EEL_HEIGHT},
        {scientist_ss, &scientistClips, SCIENTIST_WIDTH, SCIENTIST_HEIGHT},
        {projectile_ss, &projectileClips, 30, 30},
        {rat_ss, &ratClips, RAT_WIDTH, RAT_HEIGHT},
    };
    for (const Sheet& s : table)
    {
        SCOPED_TRACE(&s - table);
        const int across = s.sheet->w / s.w;
        ASSERT_TRUE(!s.clips->empty() && s.sheet->w == across * s.w);
        EXPECT_EQ(s.sheet->h, s.clips->back().y + s.h); // down to the bottom row
        for (size_t i = 0; i < s.clips->size(); ++i)
        {
            const SDL_Rect c = (*s.clips)[i];
            EXPECT_TRUE(c.x == int(i) % across * s.w && c.y == int(i) / across * s.h && c.w == s.w && c.h == s.h) << i;
        }
    }
    EXPECT_EQ(size_t(TERRAIN_TILES), terrainClips.size());
}

TEST_F(AppTest, OnlyRequiredAssetsStopStartUpAndFreedOnesAreForgotten)
{
    ASSERT_EQ(0, MissingAssets());
    const std::pair<const char*, bool> files[] = {
        {"menubox.bmp", true},       {"gen_bg_4gobs1.png", true},   {"sumprun_ss_pondweed.png", true},
        {"SRSong1.ogg", true},       {"SRSong2.ogg", true},         {"rat_jump_se.ogg", true},
        {"impact.ttf", true},        {"verdana.ttf", true},         {"sumprun_cursor.png", false},
        {"sumprun_bg_1.png", false}, {"sumprun_ss_rat.png", false}, {"sumprun_ss_eel.png", false},
        {"rat_die_se.ogg", false},   {"sci_throw_se.ogg", false}};
    for (auto [name, required] : files)
    {
        SCOPED_TRACE(name);
        FreeAssets();
        ASSERT_EQ(0, std::rename(name, "asset.aside"));
        const bool loaded = load_files();
        std::rename("asset.aside", name);
        EXPECT_EQ(!required, loaded);
        EXPECT_TRUE(!loaded || MissingAssets() == 1); // only the missing one is empty
    }
    // Nothing may keep pointing at freed assets, however often they are freed.
    FreeAssets();
    FreeAssets();
    EXPECT_EQ(22, MissingAssets());
    EXPECT_TRUE(!Burger::default_ss && !Eel::kill_se && !Scientist::throw_se && !Rat::jump_se && !rat.GetSpriteSheet());
    ASSERT_TRUE(load_files());
    SetGuyDefaults();
    EXPECT_TRUE(Burger::default_ss == burger_ss && Eel::kill_se == eel_kill_se && Scientist::throw_se == sci_throw_se);
    EXPECT_TRUE(Rat::jump_se == rat_jump_se && rat.GetSpriteSheet() == rat_ss && rat.GetClips() == &ratClips);
}

TEST_F(AppTest, InitOpensTheCaptionedWindowWithoutACursor)
{
    SDL_WM_SetCaption("something else", NULL);
    SDL_ShowCursor(SDL_ENABLE);
    ASSERT_TRUE(init());
    EXPECT_EQ("Sump Run Level", Caption());
    ExpectScreen(false);
}

TEST_F(AppTest, MouseNoiseNeverDelaysAKeyInAMenu)
{
    // The noise is real: with motion events on, a warp queues one.
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
    SDL_WarpMouse(5, 5);
    SDL_Event e;
    ASSERT_TRUE(SDL_PollEvent(&e) && e.type == SDL_MOUSEMOTION);
    ASSERT_TRUE(init());
    for (int i = 0; i < 50; ++i)
        SDL_WarpMouse(i % 2 ? 10 : 20, 30);
    PushKeyPress(SDLK_RETURN);
    VekMenu menu;
    menu.AddOption("New Game");
    EXPECT_EQ(0, menu.AcceptChoice(event)); // the very next frame answers
}
} // namespace
