#include <gtest/gtest.h>
#include "enemies/scientist.h"
#include "play/draw.h"
#include "tests/play/play_fixture.h"

// A background picture whose every column has its own colour: red and green
// hold the column number, blue is fixed.
static SDL_Surface* ColumnCodedPicture(int width, int height)
{
    SDL_PixelFormat* f = screen->format;
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, f->BitsPerPixel, f->Rmask, f->Gmask,
                                                f->Bmask, f->Amask);
    for (int x = 0; x < width; ++x)
    {
        SDL_Rect column = {Sint16(x), 0, 1, Uint16(height)};
        SDL_FillRect(picture, &column, SDL_MapRGB(picture->format, x & 0xff, x >> 8, 77));
    }
    return picture;
}

static int ScreenColumnSource(int screenX, int screenY = 100)
{
    Uint8 r, g, b;
    GetPixelRGB(screen, screenX, screenY, r, g, b);
    if (b != 77)
        return -1;
    return r | g << 8;
}

static void FillScreen(Uint8 r, Uint8 g, Uint8 b) { SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, r, g, b)); }

class DrawTest : public PlayTest
{
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        realBackground = level_bg;
        camera.SetBothSize(SCREEN_WIDTH, SCREEN_HEIGHT);
        // Out of sight, so that only the background is on screen.
        rat.SetBothPos(-1000, -1000);
    }
    void TearDown() override
    {
        if (level_bg != realBackground)
            SDL_FreeSurface(level_bg);
        level_bg = realBackground;
        PlayTest::TearDown();
    }
    SDL_Surface* realBackground = nullptr;
};

TEST(BackgroundSourceXTest, ScrollsAtAThirdAndWraps)
{
    struct Case
    {
        int cameraX, width, sourceX;
    } cases[] = {{0, 800, 0}, {2, 800, 0}, {3, 800, 1}, {1500, 800, 500}, {2400, 800, 0}, {2403, 800, 1},
                 {5504, 800, 234}, {1500, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.sourceX, BackgroundSourceX(c.cameraX, c.width)) << c.cameraX << " " << c.width;
}

TEST_F(DrawTest, BackgroundRepeatsAfterItsRightEnd)
{
    level_bg = ColumnCodedPicture(800, 992);
    camera.SetBothPos(1500, 0);
    DrawGame();
    EXPECT_EQ(500, ScreenColumnSource(0));
    EXPECT_EQ(799, ScreenColumnSource(299));
    EXPECT_EQ(0, ScreenColumnSource(300));
    EXPECT_EQ(339, ScreenColumnSource(639));
}

TEST_F(DrawTest, BackgroundStartsAtItsLeftEdgeEveryThreeWidths)
{
    level_bg = ColumnCodedPicture(800, 992);
    for (int cameraX : {0, 2400})
    {
        FillScreen(0, 0, 0);
        camera.SetBothPos(cameraX, 0);
        DrawGame();
        EXPECT_EQ(0, ScreenColumnSource(0)) << cameraX;
        EXPECT_EQ(639, ScreenColumnSource(639)) << cameraX;
    }
}

TEST_F(DrawTest, BackgroundMovesWithTheCameraVertically)
{
    level_bg = ColumnCodedPicture(800, 992);
    // Rows below 500 of the picture are a different colour.
    SDL_Rect lower = {0, 500, 800, 492};
    SDL_FillRect(level_bg, &lower, SDL_MapRGB(level_bg->format, 1, 2, 3));
    camera.SetBothPos(0, 300);
    DrawGame();
    EXPECT_EQ(10, ScreenColumnSource(10, 199));
    EXPECT_EQ(-1, ScreenColumnSource(10, 200));
}

TEST_F(DrawTest, MissingBackgroundLeavesTheScreenAlone)
{
    level_bg = nullptr;
    FillScreen(9, 8, 7);
    DrawGame();
    Uint8 r, g, b;
    GetPixelRGB(screen, 320, 240, r, g, b);
    EXPECT_EQ(9, r);
    EXPECT_EQ(7, b);
    level_bg = realBackground;
}

TEST_F(DrawTest, WorldIsDrawnOverTheBackgroundInItsOrder)
{
    level_bg = ColumnCodedPicture(800, 992);
    // A terrain tile at the top-left of the view, with cheese over it.
    WriteFile("levelmap1", TileRec("Terrain", 0, 30, SOLID, 4) + Rec("Cheese", 0, 0));
    LoadLevel("levelmap1");
    rat.SetBothPos(-1000, -1000);
    camera.SetBothPos(0, 0);
    DrawGame();
    // Under the cheese's first picture, a tile pixel or a cheese pixel: in
    // no case the background any more.
    EXPECT_EQ(-1, ScreenColumnSource(16, 16));
    EXPECT_EQ(40, ScreenColumnSource(40, 16));
}

// Compares the screen with the text rendered at (x, 0) in the given colour:
// every pixel of the text's box is that colour exactly where the glyphs are.
static void ExpectText(const std::string& text, int x, SDL_Color color)
{
    SDL_Surface* expected = TTF_RenderText_Solid(font2, text.c_str(), SDL_Color{255, 255, 255, 0});
    ASSERT_NE(nullptr, expected);
    int mismatches = 0;
    int glyphPixels = 0;
    for (int y = 0; y < expected->h; ++y)
        for (int i = 0; i < expected->w && x + i < screen->w; ++i)
        {
            Uint8 er, eg, eb;
            GetPixelRGB(expected, i, y, er, eg, eb);
            bool glyph = er == 255;
            glyphPixels += glyph;
            Uint8 r, g, b;
            GetPixelRGB(screen, x + i, y, r, g, b);
            bool coloured = r == color.r && g == color.g && b == color.b;
            mismatches += glyph != coloured;
        }
    // Nothing written beyond the text's end.
    for (int y = 0; y < expected->h && x + expected->w + 2 < screen->w; ++y)
    {
        Uint8 r, g, b;
        GetPixelRGB(screen, x + expected->w + 2, y, r, g, b);
        mismatches += r != 0 || g != 0 || b != 0;
    }
    SDL_FreeSurface(expected);
    EXPECT_GT(glyphPixels, 20) << text;
    EXPECT_EQ(0, mismatches) << text;
}

static int CountColour(int x0, int x1, SDL_Color c)
{
    int count = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = x0; x < x1; ++x)
        {
            Uint8 r, g, b;
            GetPixelRGB(screen, x, y, r, g, b);
            count += r == c.r && g == c.g && b == c.b;
        }
    return count;
}

const SDL_Color RED = {255, 0, 0, 0};

TEST_F(DrawTest, HudShowsCheeseLivesAndTimeAlongTheTop)
{
    WriteFile("levelmap1", Rec("Cheese", 1, 1) + Rec("Cheese", 2, 2) + Rec("Cheese", 3, 3));
    LoadLevel("levelmap1");
    score = 9;
    rat.SetLives(4);
    gameTimer.Start();
    AdvanceFakeClock(123456);
    frameCount = 1;
    FillScreen(0, 0, 0);
    DrawHUD();
    ExpectText("Cheese: 9/12", 20, color2);
    ExpectText("Lives: 4", 240, color2);
    ExpectText("Time: 277", 440, color2);
}

TEST_F(DrawTest, AllCheeseCollectedReadsTheSameOnBothSides)
{
    score = 12;
    FillScreen(0, 0, 0);
    DrawHUDScore();
    ExpectText("Cheese: 12/12", 20, color2);
}

TEST_F(DrawTest, TimeFlickersRedFromFiftySecondsLeft)
{
    gameTimer.Start();
    struct Case
    {
        Uint32 elapsedMs;
        Uint32 frame;
        bool red;
    } cases[] = {{349999, 1, false}, {350000, 1, true}, {350000, 2, true}, {350000, 3, false},
                 {399999, 4, true},  {399999, 6, false}, {400000, 5, true}};
    for (const Case& c : cases)
    {
        gameTimer.Start();
        AdvanceFakeClock(c.elapsedMs);
        frameCount = c.frame;
        FillScreen(0, 0, 0);
        DrawHUDTime();
        int red = CountColour(440, 640, RED);
        int usual = CountColour(440, 640, color2);
        if (c.red)
        {
            EXPECT_GT(red, 20) << c.elapsedMs << " frame " << c.frame;
            EXPECT_EQ(0, usual) << c.elapsedMs << " frame " << c.frame;
        }
        else
        {
            EXPECT_EQ(0, red) << c.elapsedMs << " frame " << c.frame;
            EXPECT_GT(usual, 20) << c.elapsedMs << " frame " << c.frame;
        }
    }
}

TEST_F(DrawTest, TimeIsWrittenUnsigned)
{
    gameTimer.Start();
    AdvanceFakeClock(400 * 1000);
    frameCount = 3;
    FillScreen(0, 0, 0);
    DrawHUDTime();
    ExpectText("Time: 0", 440, color2);

    gameTimer.Start();
    AdvanceFakeClock(401 * 1000);
    FillScreen(0, 0, 0);
    DrawHUDTime();
    ExpectText("Time: 4294967295", 440, color2);
}

TEST_F(DrawTest, RespawnShowsOnlyTheLives)
{
    rat.SetLives(3);
    FillScreen(0, 0, 0);
    DrawHUDLives();
    ExpectText("Lives: 3", 240, color2);
    EXPECT_EQ(0, CountColour(0, 230, color2));
    EXPECT_EQ(0, CountColour(430, 640, color2));
}

TEST_F(DrawTest, DrawingDoesNotChangeTheGame)
{
    // Water animates with rand() as it is drawn; a scientist throws with the
    // game's own generator. Draw one run on every frame with a different
    // rand() seed each time, the other never, and compare the worlds.
    const std::string lvl = Rec("Rat", 5300, STANDING_Y) + Floor(FLOOR_ROW, 160, 191) +
                            TileRec("Water", 170, FLOOR_ROW + 1, GHOST, 0) +
                            Rec("Scientist", 5700, FLOOR_Y - SCIENTIST_HEIGHT) + Rec("Burger", 5200, 700);
    auto run = [&](bool draw) {
        ResetGameState();
        InstallFakeClock();
        rat = Rat();
        rat.SetDefaults(rat_ss, &ratClips);
        frameCount = 0;
        SeedAll(99);
        StartLevel(lvl);
        std::ostringstream trace;
        for (int i = 0; i < 400 && IsTopState(PlayState); ++i)
        {
            Frame();
            if (draw)
            {
                srand(i * 7919u);
                DrawGame();
                DrawHUD();
            }
            for (Guy* g : guy)
            {
                trace << g->GetXPos() << "," << g->GetYPos() << " ";
                if (Scientist* sci = dynamic_cast<Scientist*>(g))
                    trace << sci->GetProjectile().GetXPos() << "," << sci->GetProjectile().GetYPos() << " ";
            }
            trace << rat.GetLives() << " ";
            trace << rat.GetXPos() << "," << rat.GetYPos() << "\n";
        }
        return trace.str();
    };
    std::string plain = run(false);
    EXPECT_EQ(plain, run(true));
}
