#include <vector>
#include "tests/toolkit/test_colours.h"
#include "toolkit/vek_clock.h"
#include "toolkit/vek_menu.h"

namespace
{
const Uint32 BLUE = 0x0000FF, GREY = 0x737373, WHITE = 0xFFFFFF, RED = 0xFF0000;

VekMenu MenuOf(int optionCount)
{
    VekMenu menu;
    menu.AddHeader("Title");
    for (const char* name : {"One", "Twenty-two", "Three", "Four"})
        if (optionCount-- > 0)
            menu.AddOption(name);
    return menu;
}

SDL_Rect Measure(TTF_Font* font, const char* text)
{
    int w, h;
    return TTF_SizeText(font, text, &w, &h), SDL_Rect{0, 0, Uint16(w), Uint16(h)};
}

// The rows of s from y0 on, as high as text, show glyphs in colour only, and
// only within the text's centred width; returns the row below them.
int ExpectLine(SDL_Surface* s, int y0, TTF_Font* font, const char* text, Uint32 colour)
{
    const SDL_Rect size = Measure(font, text);
    const int left = (s->w - size.w) / 2;
    int glyphs = 0;
    for (int y = y0; y < y0 + size.h; ++y)
        for (int x = 0; x < s->w; ++x)
            if (PixelRGB(s, x, y) != CYAN)
            {
                ++glyphs;
                EXPECT_EQ(colour, PixelRGB(s, x, y)) << text << " at " << x << "," << y;
                EXPECT_TRUE(x >= left && x < left + size.w) << text << " at " << x << "," << y;
            }
    EXPECT_GT(glyphs, 0) << text;
    return y0 + size.h;
}

TEST_F(ToolkitTest, MenuTakesOneEventPerCallAndKeepsTheHighlightOnAnOption)
{
    // Each press is a key-down and a key-up event; results: what AcceptChoice
    // returns for each key-down; selected: the highlight afterwards.
    struct KeyCase
    {
        const char* what;
        int options;
        std::vector<SDLKey> keys;
        std::vector<int> results;
        int selected;
    };
    const KeyCase table[] = {
        {"one option", 1, {SDLK_DOWN, SDLK_UP, SDLK_RETURN}, {-1, -1, 0}, 0},
        {"headers only", 0, {SDLK_DOWN, SDLK_RETURN}, {-1, 0}, 0},
        {"queued", 4, {SDLK_DOWN, SDLK_DOWN, SDLK_UP, SDLK_ESCAPE, SDLK_RETURN, SDLK_DOWN}, {-1, -1, -1, -1, 1, -1}, 2},
    };
    SDL_Event ev;
    for (const KeyCase& c : table)
    {
        SCOPED_TRACE(c.what);
        VekMenu menu = MenuOf(c.options);
        for (SDLKey key : c.keys)
            PushKeyPress(key);
        for (int result : c.results)
        {
            EXPECT_EQ(result, menu.AcceptChoice(ev));
            EXPECT_EQ(-1, menu.AcceptChoice(ev)); // the key-up
        }
        EXPECT_EQ(-1, menu.AcceptChoice(ev)); // nothing left
        EXPECT_EQ(c.selected, menu.GetSelected());
    }
}

TEST_F(ToolkitTest, MenuStacksHeadersFromTheTopAndOptionsFromTheBottom)
{
    VekMenu menu;
    menu.AddHeader("Menu");
    menu.AddHeader("Hi");
    for (const char* option : {"Go", "Stop right here", "X"})
        menu.AddOption(option);
    SDL_Event ev;
    PushKeyPress(SDLK_DOWN);
    menu.AcceptChoice(ev);
    const int widest = Measure(font2, "Stop right here").w;
    ASSERT_GT(widest, Measure(font1, "Menu").w); // an option, not a header
    SDL_Surface* drawn = menu.Draw(font1, font2);
    ASSERT_TRUE(drawn && drawn->w == widest);
    int y = ExpectLine(drawn, ExpectLine(drawn, 0, font1, "Menu", BLUE), font1, "Hi", BLUE);
    y = ExpectLine(drawn, ExpectLine(drawn, y, font2, "Go", GREY), font2, "Stop right here", WHITE);
    EXPECT_EQ(drawn->h, ExpectLine(drawn, y, font2, "X", GREY)); // the heights add up exactly
    SDL_FreeSurface(drawn);

    // Headers alone take no room below them; nor does an option that renders to nothing.
    VekMenu titleOnly = MenuOf(0);
    for (int pass = 0; pass < 2; ++pass, titleOnly.AddOption(""))
    {
        drawn = titleOnly.Draw(font1, font2);
        ASSERT_TRUE(drawn && drawn->w == Measure(font1, "Title").w);
        EXPECT_EQ(drawn->h, ExpectLine(drawn, 0, font1, "Title", BLUE));
        SDL_FreeSurface(drawn);
    }
}

TEST_F(ToolkitTest, BoxedMenuIsFramedThenRedrawnCentredEveryTwentyMillisecondsUntilChosen)
{
    VekMenu menu = MenuOf(3);
    menu.SetOnColor(255, 0, 0);
    SDL_Surface* image = MakeBoxImage();
    Fill(screen, 0, 0, screen->w, screen->h, BLACK);
    menu.ShowBoxed(screen, font1, font2, image);
    PushQuitEvent();
    for (SDLKey key : {SDLK_DOWN, SDLK_RETURN})
        PushKeyPress(key);
    SDL_Event ev;
    const Uint32 before = VEK_GetTicks();
    EXPECT_EQ(1, menu.GetChoice(ev, screen, font1, font2));
    EXPECT_EQ(80u, VEK_GetTicks() - before); // one pass per event up to the Return

    SDL_Surface* drawn = menu.Draw(font1, font2);
    EXPECT_EQ(CountColour(drawn, RED), CountColour(screen, RED)); // the new highlight
    // The box reaches 10 pixels beyond the text left and right, 5 above and below.
    const int boxW = drawn->w + 20, boxH = drawn->h + 10;
    const int left = (screen->w - boxW) / 2, top = (screen->h - boxH) / 2;
    EXPECT_EQ(MarkerColour(0), PixelRGB(screen, left, top));
    EXPECT_EQ(PieceColour(8), PixelRGB(screen, left + boxW - 1, top + boxH - 1));
    Fill(screen, left, top, boxW, boxH, BLACK);
    EXPECT_EQ(screen->w * screen->h, CountColour(screen, BLACK)); // nothing outside it
    SDL_FreeSurface(drawn);
    SDL_FreeSurface(image);
}
} // namespace
