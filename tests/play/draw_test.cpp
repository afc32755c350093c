#include <functional>
#include <gtest/gtest.h>
#include "play/draw.h"
#include "tests/play/play_fixture.h"

// Which column of the test background a screen pixel shows (-1: none).
static int ScreenColumnSource(int screenX, int screenY = 100)
{
    const Uint32 rgb = PixelRGB(screen, screenX, screenY);
    return (rgb & 0xFF) == 77 ? int(rgb >> 16 | (rgb & 0xFF00)) : -1;
}

static void FillScreen(Uint8 r, Uint8 g, Uint8 b) { SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, r, g, b)); }

struct HudText
{
    std::string text;
    int x;
    SDL_Color color;
};

// True when draw puts exactly these texts, in these colours and places, on a
// black screen.
static bool HudShows(const std::function<void()>& draw, const std::vector<HudText>& texts)
{
    FillScreen(0, 0, 0);
    draw();
    SDL_Surface* expected = SDL_ConvertSurface(screen, screen->format, SDL_SWSURFACE);
    SDL_FillRect(expected, nullptr, 0);
    for (const HudText& t : texts)
    {
        SDL_Surface* rendered = TTF_RenderText_Solid(font2, t.text.c_str(), t.color);
        SDL_Rect at = {Sint16(t.x), 0, 0, 0};
        SDL_BlitSurface(rendered, nullptr, expected, &at);
        SDL_FreeSurface(rendered);
    }
    const bool same = SurfaceBytes(expected) == SurfaceBytes(screen);
    SDL_FreeSurface(expected);
    return same;
}

using DrawTest = PlayTest;

TEST_F(DrawTest, BackgroundScrollsAtAThirdAndRepeatsAndAMissingOneDrawsNothing)
{
    // Each column of the picture holds its number in red and green, 77 in
    // blue; its rows from 500 on are another colour.
    SDL_PixelFormat* f = screen->format;
    SDL_Surface* picture = SDL_CreateRGBSurface(0, 800, 992, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, 0);
    for (Sint16 x = 0; x < 800; ++x)
    {
        SDL_Rect column = {x, 0, 1, 500};
        SDL_FillRect(picture, &column, SDL_MapRGB(picture->format, x & 0xff, x >> 8, 77));
    }
    std::swap(picture, level_bg);
    camera.SetBothSize(SCREEN_WIDTH, SCREEN_HEIGHT);
    rat.SetBothPos(-1000, -1000); // out of sight
    camera.SetBothPos(1500, 300);
    DrawGame();
    EXPECT_EQ((std::vector<int>{500, 799, 0, 339, 510, -1}),
              (std::vector<int>{ScreenColumnSource(0), ScreenColumnSource(299), ScreenColumnSource(300),
                                ScreenColumnSource(639), ScreenColumnSource(10, 199), ScreenColumnSource(10, 200)}));
    camera.SetBothPos(2400, 0); // three widths on: from the left edge again
    DrawGame();
    EXPECT_TRUE(ScreenColumnSource(0) == 0 && ScreenColumnSource(639) == 639);
    SDL_FreeSurface(level_bg);
    level_bg = nullptr;
    FillScreen(9, 8, 77);
    DrawGame();
    EXPECT_EQ(9 | 8 << 8, ScreenColumnSource(320));
    level_bg = picture;
    EXPECT_EQ(0, BackgroundSourceX(1500, 0)); // a picture of no width
}

TEST_F(DrawTest, HudShowsCheeseLivesAndTimeAlongTheTop)
{
    WriteFile("levelmap1", Rec("Cheese", 1, 1) + Rec("Cheese", 2, 2) + Rec("Cheese", 3, 3));
    LoadLevel("levelmap1");
    score = 9;
    rat.SetLives(4);
    frameCount = 1;
    EXPECT_TRUE(HudShows([] { DrawHUD(123456); },
                         {{"Cheese: 9/12", 20, color2}, {"Lives: 4", 240, color2}, {"Time: 277", 440, color2}}));
    // All the respawn glide shows.
    EXPECT_TRUE(HudShows(DrawHUDLives, {{"Lives: 4", 240, color2}}));
}

TEST_F(DrawTest, TimeFlickersRedFromFiftySecondsLeft)
{
    struct Case
    {
        Uint32 elapsedMs, frame;
        const char* text;
        bool red;
    };
    const Case cases[] = {{349999, 1, "Time: 51", false}, {350000, 1, "Time: 50", true}, {350000, 2, "Time: 50", true},
                          {350000, 3, "Time: 50", false}, {399999, 4, "Time: 1", true},  {400000, 5, "Time: 0", true},
                          {401000, 3, "Time: 0", false}};
    for (const Case& c : cases)
    {
        frameCount = c.frame;
        EXPECT_TRUE(
            HudShows([&] { DrawHUDTime(c.elapsedMs); }, {{c.text, 440, c.red ? SDL_Color{255, 0, 0, 0} : color2}}))
            << c.frame;
    }
}

// Here for the HUD's view of the restarted clock.
TEST_F(DrawTest, TheLevelClockCostsALifeAt401WholeSeconds)
{
    StartLevel(Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 10));
    AdvanceFakeClock(401 * 1000 - 1);
    PlayFrame(ReadLiveInput(true), false);
    EXPECT_EQ(LIVES, rat.GetLives());
    // Falling out of the world in the same frame costs a second life.
    rat.SetBothPos(100, LEVEL_HEIGHT);
    AdvanceFakeClock(1);
    PlayFrame(ReadLiveInput(true), false);
    EXPECT_EQ(LIVES - 2, rat.GetLives());
    EXPECT_TRUE(IsTopState(RespawnState));
    EXPECT_TRUE(HudShows([] { DrawHUDTime(LevelClockAfterFrame()); }, {{"Time: 400", 440, color2}}));
    // Other deaths leave the clock running.
    AdvanceFakeClock(5000);
    PlayFrame(ReadLiveInput(true), false);
    EXPECT_EQ(LIVES - 3, rat.GetLives());
    EXPECT_EQ(5000u, gameTimer.GetTicks());
}

// Every second frame is drawn, the HUD over the world.
TEST_F(DrawTest, EverySecondFrameIsDrawnHudAndAll)
{
    StartLevel(Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 10));
    FillScreen(9, 8, 7);
    const std::vector<Uint8> untouched = SurfaceBytes(screen);
    frameCount = 1;
    PlayFrame(ReadLiveInput(true), true);
    EXPECT_TRUE(SurfaceBytes(screen) == untouched) << "an odd frame was drawn";
    frameCount = 2;
    PlayFrame(ReadLiveInput(true), true);
    const std::vector<Uint8> drawn = SurfaceBytes(screen);
    DrawGame();
    EXPECT_TRUE(drawn != untouched && drawn != SurfaceBytes(screen)) << "no frame drawn, or drawn without its HUD";
}
