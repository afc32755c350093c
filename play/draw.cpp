#include "play/draw.h"
#include <algorithm>
#include <sstream>
#include <string>
#include "app/globals.h"
#include "enemies/guy.h"
#include "toolkit/vek_surface.h"
#include "world/constants.h"
#include "world/tile_grid.h"

static const int HUD_SCORE_X = 20;
static const int HUD_LIVES_X = 240;
static const int HUD_TIME_X = 440;
// From this many seconds left the time flickers red.
static const int HUD_HURRY_SECONDS = 50;
static const SDL_Color HUD_HURRY_COLOR = {255, 0, 0, 0};
// The background scrolls at a third of the camera's speed.
static const int BACKGROUND_SLOWDOWN = 3;

int BackgroundSourceX(int cameraX, int width)
{
    if (width <= 0)
        return 0;
    return (cameraX / BACKGROUND_SLOWDOWN) % width;
}

// Two copies side by side: the second starts where the picture's right end
// leaves off, so the background repeats endlessly to the side. A source
// rectangle left of the picture is shortened and drawn further right by the
// blit itself.
static void DrawBackground(SDL_Rect view)
{
    if (!level_bg)
        return;
    int width = level_bg->w;
    SDL_Rect source = view;
    source.x = static_cast<Sint16>(BackgroundSourceX(view.x, width));
    SDL_Rect first = source;
    VEK_BlitSurface(level_bg, &first, screen, 0, 0);
    SDL_Rect second = source;
    second.x = static_cast<Sint16>(source.x - width);
    VEK_BlitSurface(level_bg, &second, screen, 0, 0);
}

void DrawGame()
{
    if (!screen)
        return;
    SDL_Rect view = camera.GetRect();
    DrawBackground(view);
    // Every water tile animates each drawn frame, in view or not, in list
    // order (the animation draws random numbers); then only the tiles that
    // can reach the screen are drawn, in list order.
    TileGrid& grid = CheckedGridOf(tile);
    for (int i : grid.Animated())
        tile[i]->Animate();
    static std::vector<int> shown;
    shown.clear();
    grid.AddNear(view.x, view.y, view.x + screen->w - 1, view.y + screen->h - 1, shown);
    std::sort(shown.begin(), shown.end());
    shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
    for (int i : shown)
        tile[i]->Draw(screen, view);
    for (Cheese* c : cheese)
        c->Show(screen, view);
    for (Guy* g : guy)
        g->Show(screen, view);
    rat.Show(screen, view);
}

namespace
{
// One HUD text as last rendered: rendered again only when its words, its
// colour or the font change.
struct HUDText
{
    std::string text;
    SDL_Color color = {0, 0, 0, 0};
    TTF_Font* font = nullptr;
    SDL_Surface* rendered = nullptr;

    void Release()
    {
        if (rendered)
            SDL_FreeSurface(rendered);
        rendered = nullptr;
        font = nullptr;
    }

    SDL_Surface* Get(TTF_Font* f, const std::string& t, SDL_Color c)
    {
        if (!rendered || font != f || text != t || color.r != c.r || color.g != c.g || color.b != c.b)
        {
            Release();
            rendered = TTF_RenderText_Solid(f, t.c_str(), c);
            font = f;
            text = t;
            color = c;
        }
        return rendered;
    }
};

HUDText hudScore, hudLives, hudTime;
} // namespace

void ReleaseDrawCaches()
{
    hudScore.Release();
    hudLives.Release();
    hudTime.Release();
}

// A text that cannot be rendered is simply missing from this frame.
static void DrawHUDText(HUDText& cache, const std::string& text, int x, SDL_Color color)
{
    if (!font2 || !screen)
        return;
    SDL_Surface* rendered = cache.Get(font2, text, color);
    if (!rendered)
        return;
    VEK_BlitSurface(rendered, nullptr, screen, x, 0);
}

void DrawHUD(Uint32 levelClockMs)
{
    DrawHUDScore();
    DrawHUDLives();
    DrawHUDTime(levelClockMs);
}

void DrawHUDScore()
{
    std::ostringstream text;
    // Collected pieces leave the list, so score plus what is left is the
    // number the level started with.
    text << "Cheese: " << score << "/" << score + static_cast<int>(cheese.size());
    DrawHUDText(hudScore, text.str(), HUD_SCORE_X, color2);
}

void DrawHUDLives()
{
    std::ostringstream text;
    text << "Lives: " << rat.GetLives();
    DrawHUDText(hudLives, text.str(), HUD_LIVES_X, color2);
}

void DrawHUDTime(Uint32 levelClockMs)
{
    const Uint32 seconds = levelClockMs / 1000;
    // A reading past the limit (from a frame that drew before play's own
    // check, say) shows 0 left instead of wrapping round.
    const long long left = std::max(0LL, static_cast<long long>(LEVEL_TIME) - seconds);
    std::ostringstream text;
    text << "Time: " << left;
    bool flickerRed = left <= HUD_HURRY_SECONDS && frameCount % 3 != 0;
    DrawHUDText(hudTime, text.str(), HUD_TIME_X, flickerRed ? HUD_HURRY_COLOR : color2);
}
