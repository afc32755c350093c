#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <tuple>
#include <vector>
#include "app/globals.h"
#include "tests/support/test_env.h"
#include "tests/toolkit/test_colours.h"
#include "toolkit/vek_clock.h"
#include "toolkit/vek_menu.h"

namespace
{
void QueueKeyDown(SDLKey key)
{
    SDL_Event e = SDL_Event();
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

class MenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        DrainEvents();
        InstallFakeClock();
    }
    void TearDown() override
    {
        RemoveFakeClock();
        DrainEvents();
    }

    VekMenu MenuOf(int optionCount)
    {
        VekMenu menu;
        menu.AddHeader("Title");
        const char* names[] = {"One", "Two", "Three", "Four"};
        for (int i = 0; i < optionCount; ++i)
            menu.AddOption(names[i]);
        return menu;
    }

    SDL_Event ev = SDL_Event();
};

// ---- keys ----

TEST_F(MenuTest, ReturnRightAfterResetChoosesTheFirstOption)
{
    VekMenu menu = MenuOf(3);
    QueueKeyDown(SDLK_DOWN);
    EXPECT_EQ(-1, menu.AcceptChoice(ev));
    menu.Reset();
    menu.AddOption("A");
    menu.AddOption("B");
    QueueKeyDown(SDLK_RETURN);
    EXPECT_EQ(0, menu.AcceptChoice(ev));
}

TEST_F(MenuTest, HighlightStopsAtBothEnds)
{
    VekMenu menu = MenuOf(3);
    QueueKeyDown(SDLK_UP);
    EXPECT_EQ(-1, menu.AcceptChoice(ev));
    EXPECT_EQ(0, menu.GetSelected());
    for (int i = 0; i < 4; ++i)
    {
        QueueKeyDown(SDLK_DOWN);
        EXPECT_EQ(-1, menu.AcceptChoice(ev));
    }
    EXPECT_EQ(2, menu.GetSelected());
    QueueKeyDown(SDLK_RETURN);
    EXPECT_EQ(2, menu.AcceptChoice(ev));
}

TEST_F(MenuTest, QueuedKeysAreTakenOnePerCallInOrder)
{
    VekMenu menu = MenuOf(4);
    QueueKeyDown(SDLK_DOWN);
    QueueKeyDown(SDLK_DOWN);
    QueueKeyDown(SDLK_UP);
    QueueKeyDown(SDLK_RETURN);
    QueueKeyDown(SDLK_DOWN);
    const int selectedAfter[] = {1, 2, 1, 1};
    const int result[] = {-1, -1, -1, 1};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(result[i], menu.AcceptChoice(ev)) << "call " << i;
        EXPECT_EQ(selectedAfter[i], menu.GetSelected()) << "call " << i;
    }
    EXPECT_EQ(SDL_KEYDOWN, ev.type);
    EXPECT_EQ(SDLK_RETURN, ev.key.keysym.sym);
    EXPECT_EQ(-1, menu.AcceptChoice(ev)); // the last Down, still queued
    EXPECT_EQ(2, menu.GetSelected());
    EXPECT_EQ(-1, menu.AcceptChoice(ev)); // nothing left
}

TEST_F(MenuTest, SingleOptionIgnoresArrowsAndReturnsZero)
{
    VekMenu menu = MenuOf(1);
    QueueKeyDown(SDLK_DOWN);
    QueueKeyDown(SDLK_UP);
    QueueKeyDown(SDLK_RETURN);
    EXPECT_EQ(-1, menu.AcceptChoice(ev));
    EXPECT_EQ(-1, menu.AcceptChoice(ev));
    EXPECT_EQ(0, menu.AcceptChoice(ev));
}

TEST_F(MenuTest, OtherKeysAndEventsAreConsumedWithoutEffect)
{
    VekMenu menu = MenuOf(3);
    QueueKeyDown(SDLK_DOWN);
    EXPECT_EQ(-1, menu.AcceptChoice(ev));
    PushQuitEvent();
    QueueKeyDown(SDLK_ESCAPE);
    PushKeyPress(SDLK_p); // a press and its release
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(-1, menu.AcceptChoice(ev));
    EXPECT_EQ(1, menu.GetSelected());
    EXPECT_EQ(SDL_KEYUP, ev.type); // the caller can still see the last event
}

TEST_F(MenuTest, MenuWithoutOptionsStaysPutAndReturnDismissesIt)
{
    VekMenu menu;
    menu.AddHeader("Only a message");
    QueueKeyDown(SDLK_DOWN);
    QueueKeyDown(SDLK_RETURN);
    EXPECT_EQ(-1, menu.AcceptChoice(ev));
    EXPECT_EQ(0, menu.GetSelected());
    EXPECT_EQ(0, menu.AcceptChoice(ev));
}

// ---- layout ----

struct Line
{
    int w, h;
};

Line Measure(TTF_Font* font, const char* text)
{
    SDL_Color white = {255, 255, 255, 0};
    SDL_Surface* s = TTF_RenderText_Solid(font, text, white);
    Line l = {s->w, s->h};
    SDL_FreeSurface(s);
    return l;
}

// Colours of the glyph pixels in rows [y0, y1), and their horizontal extent.
struct Band
{
    std::set<std::tuple<int, int, int>> colours;
    int minX = 1 << 30, maxX = -1;
};

Band Scan(SDL_Surface* s, int y0, int y1)
{
    Band band;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < s->w; ++x)
        {
            RGB c = Pixel(s, x, y);
            if (c == CYAN)
                continue;
            band.colours.insert({c.r, c.g, c.b});
            band.minX = std::min(band.minX, x);
            band.maxX = std::max(band.maxX, x);
        }
    return band;
}

void ExpectBand(SDL_Surface* s, int y0, Line line, RGB colour, const char* what)
{
    Band band = Scan(s, y0, y0 + line.h);
    ASSERT_EQ(1u, band.colours.size()) << what;
    EXPECT_EQ(std::make_tuple(int(colour.r), int(colour.g), int(colour.b)), *band.colours.begin()) << what;
    const int left = (s->w - line.w) / 2;
    EXPECT_GE(band.minX, left) << what;
    EXPECT_LT(band.maxX, left + line.w) << what;
}

TEST_F(MenuTest, HeadersStackFromTheTopAndOptionsFromTheBottom)
{
    VekMenu menu;
    menu.AddHeader("A Wide Header Line");
    menu.AddHeader("Hi");
    menu.AddOption("Go");
    menu.AddOption("Stop here");
    menu.AddOption("X");
    QueueKeyDown(SDLK_DOWN);
    menu.AcceptChoice(ev);

    const Line h0 = Measure(font1, "A Wide Header Line"), h1 = Measure(font1, "Hi");
    const Line o0 = Measure(font2, "Go"), o1 = Measure(font2, "Stop here"), o2 = Measure(font2, "X");
    ASSERT_GT(h0.h, o0.h); // the two lists really differ in height

    SDL_Surface* drawn = menu.Draw(font1, font2);
    ASSERT_NE(nullptr, drawn);
    EXPECT_EQ(std::max({h0.w, h1.w, o0.w, o1.w, o2.w}), drawn->w);
    EXPECT_EQ(h0.h + h1.h + o0.h + o1.h + o2.h, drawn->h);

    const RGB header = {0, 0, 255}, on = {255, 255, 255}, off = {115, 115, 115};
    ExpectBand(drawn, 0, h0, header, "header 0");
    ExpectBand(drawn, h0.h, h1, header, "header 1");
    ExpectBand(drawn, h0.h + h1.h, o0, off, "option 0");
    ExpectBand(drawn, h0.h + h1.h + o0.h, o1, on, "option 1 (selected)");
    ExpectBand(drawn, drawn->h - o2.h, o2, off, "option 2");
    SDL_FreeSurface(drawn);
}

TEST_F(MenuTest, ColoursCanBeChosen)
{
    VekMenu menu = MenuOf(2);
    menu.SetHeaderColor(10, 20, 30);
    menu.SetOnColor(40, 50, 60);
    menu.SetOffColor(70, 80, 90);
    SDL_Surface* drawn = menu.Draw(font2, font2);
    ASSERT_NE(nullptr, drawn);
    const Line line = Measure(font2, "Title");
    ExpectBand(drawn, 0, line, {10, 20, 30}, "header");
    ExpectBand(drawn, line.h, Measure(font2, "One"), {40, 50, 60}, "selected");
    ExpectBand(drawn, 2 * line.h, Measure(font2, "Two"), {70, 80, 90}, "other");
    SDL_FreeSurface(drawn);
}

TEST_F(MenuTest, HeadersOnlyMenuDrawsJustTheHeaders)
{
    VekMenu menu;
    menu.AddHeader("First");
    menu.AddHeader("Second line");
    const Line a = Measure(font2, "First"), b = Measure(font2, "Second line");
    SDL_Surface* drawn = menu.Draw(font2, font1);
    ASSERT_NE(nullptr, drawn);
    EXPECT_EQ(std::max(a.w, b.w), drawn->w);
    EXPECT_EQ(a.h + b.h, drawn->h);
    ExpectBand(drawn, 0, a, {0, 0, 255}, "first");
    ExpectBand(drawn, a.h, b, {0, 0, 255}, "second");
    SDL_FreeSurface(drawn);
}

TEST_F(MenuTest, LineThatRendersToNothingTakesNoRoom)
{
    VekMenu menu;
    menu.AddHeader("Title");
    menu.AddOption("");
    menu.AddOption("Go");
    const Line title = Measure(font1, "Title"), go = Measure(font1, "Go");
    SDL_Surface* drawn = menu.Draw(font1, font1);
    ASSERT_NE(nullptr, drawn);
    EXPECT_EQ(title.w, drawn->w);
    EXPECT_EQ(title.h + go.h, drawn->h);
    ExpectBand(drawn, title.h, go, {115, 115, 115}, "option after the empty one");
    SDL_FreeSurface(drawn);
}

// ---- showing ----

TEST_F(MenuTest, GetChoiceRedrawsAndWaitsTwentyMillisecondsPerPass)
{
    VekMenu menu = MenuOf(3);
    menu.SetOnColor(255, 0, 0);
    Fill(screen, 0, 0, screen->w, screen->h, {0, 0, 0});
    PushQuitEvent();
    QueueKeyDown(SDLK_DOWN);
    QueueKeyDown(SDLK_RETURN);
    const Uint32 before = VEK_GetTicks();
    EXPECT_EQ(1, menu.GetChoice(ev, screen, font1, font2));
    EXPECT_EQ(60u, VEK_GetTicks() - before); // three events, three passes

    // The last picture shows the chosen option, centred.
    SDL_Surface* drawn = menu.Draw(font1, font2);
    const int left = (screen->w - drawn->w) / 2, top = (screen->h - drawn->h) / 2;
    bool sawRed = false;
    for (int y = 0; y < screen->h; ++y)
        for (int x = 0; x < screen->w; ++x)
        {
            RGB c = Pixel(screen, x, y);
            if (c == RGB{0, 0, 0})
                continue;
            ASSERT_TRUE(x >= left && x < left + drawn->w && y >= top && y < top + drawn->h) << x << "," << y;
            sawRed = sawRed || c == RGB{255, 0, 0};
        }
    EXPECT_TRUE(sawRed);
    SDL_FreeSurface(drawn);
}

TEST_F(MenuTest, ShowBoxedFramesTheTextTenPixelsWideAndFiveHigh)
{
    VekMenu menu = MenuOf(2);
    SDL_Surface* image = MakeBoxImage();
    Fill(screen, 0, 0, screen->w, screen->h, {0, 0, 0});
    menu.ShowBoxed(screen, font1, font2, image);

    SDL_Surface* drawn = menu.Draw(font1, font2);
    const int boxW = drawn->w + 20, boxH = drawn->h + 10;
    const int left = (screen->w - boxW) / 2, top = (screen->h - boxH) / 2;
    EXPECT_EQ(MarkerColour(0), Pixel(screen, left, top));
    EXPECT_EQ((RGB{0, 0, 0}), Pixel(screen, left - 1, top));
    EXPECT_EQ((RGB{0, 0, 0}), Pixel(screen, left, top - 1));
    EXPECT_EQ(PieceColour(8), Pixel(screen, left + boxW - 1, top + boxH - 1));
    EXPECT_EQ((RGB{0, 0, 0}), Pixel(screen, left + boxW, top + boxH - 1));
    EXPECT_EQ((RGB{0, 0, 0}), Pixel(screen, left + boxW - 1, top + boxH));
    SDL_FreeSurface(drawn);
    SDL_FreeSurface(image);
}
} // namespace
