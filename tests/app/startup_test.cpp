#include <algorithm>
#include <cstdio>
#include <iterator>
#include <sys/stat.h>
#include <tuple>
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
#define ANY_ASSET(global, ...) global,
#define A_SHEET(global, file, need, clips, ...) {file, global, &clips},
#define NOT_A_SHEET(...)

// How many asset globals are empty, and how many there are.
std::pair<int, int> MissingAssets()
{
    const void* assets[] = {SUMPRUN_ASSETS(ANY_ASSET, ANY_ASSET, ANY_ASSET, ANY_ASSET, ANY_ASSET)};
    return {int(std::count(std::begin(assets), std::end(assets), nullptr)), int(std::size(assets))};
}

// Every sheet is cut into clips of one size, in reading order from its
// top-left corner, as wide as the sheet and down to its bottom row.
TEST_F(AppTest, SheetsAreCutIntoGridsOfClipsAfreshEachTime)
{
    SetClips(); // again, after start-up: must replace, not add
    const std::tuple<const char*, SDL_Surface*, std::vector<SDL_Rect>*> sheets[] = {
        SUMPRUN_ASSETS(NOT_A_SHEET, A_SHEET, NOT_A_SHEET, NOT_A_SHEET, NOT_A_SHEET)};
    for (auto [file, sheet, clips] : sheets)
    {
        SCOPED_TRACE(file);
        ASSERT_TRUE(sheet && !clips->empty());
        const int w = clips->front().w, h = clips->front().h, across = sheet->w / w;
        ASSERT_EQ(sheet->w, across * w);
        EXPECT_EQ(sheet->h, clips->back().y + h); // down to the bottom row
        for (int i = 0; i < int(clips->size()); ++i)
            EXPECT_EQ((std::vector<int>{i % across * w, i / across * h, w, h}),
                      (std::vector<int>{(*clips)[i].x, (*clips)[i].y, (*clips)[i].w, (*clips)[i].h}));
    }
    EXPECT_EQ(size_t(TERRAIN_TILES), terrainClips.size());
    EXPECT_TRUE(ratClips[0].w == RAT_WIDTH && ratClips[0].h == RAT_HEIGHT);
}

TEST_F(AppTest, OnlyRequiredAssetsStopStartUpAndFreedOnesAreForgotten)
{
    ASSERT_EQ(0, MissingAssets().first);
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
        EXPECT_TRUE(!loaded || MissingAssets().first == 1); // only the missing one is empty
    }
    // A FIFO in an asset's place is named, never opened (that would hang).
    FreeAssets();
    std::rename("menubox.bmp", "asset.aside");
    mkfifo("menubox.bmp", 0600);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(load_files());
    EXPECT_NE(testing::internal::GetCapturedStderr().find(": is a FIFO, not a regular file"), std::string::npos);
    std::remove("menubox.bmp");
    std::rename("asset.aside", "menubox.bmp");
    // Nothing may keep pointing at freed assets, however often they are freed.
    FreeAssets();
    FreeAssets();
    EXPECT_EQ(MissingAssets().second, MissingAssets().first);
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
