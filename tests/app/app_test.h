#pragma once
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include "app/globals.h"
#include "tests/support/test_env.h"

// The game started once; no state, event or music left over; a fake clock.
struct AppTest : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
        InstallFakeClock();
    }
    void TearDown() override
    {
        RemoveFakeClock();
        Mix_HaltMusic();
        ResetGameState();
    }
};

// Presses keys in order: U, D, R, E, P for Up, Down, Return, Escape and p.
// C queues a window-close request; Q leaves one in the shared event, as play
// and the editor do.
inline void Press(const char* keys)
{
    const char* const letters = "UDREP";
    const SDLKey sym[] = {SDLK_UP, SDLK_DOWN, SDLK_RETURN, SDLK_ESCAPE, SDLK_p};
    for (; *keys; ++keys)
        if (*keys == 'Q')
            event.type = SDL_QUIT;
        else
            *keys == 'C' ? PushQuitEvent() : PushKeyPress(sym[std::strchr(letters, *keys) - letters]);
}

inline std::string Caption()
{
    char* caption = nullptr;
    SDL_WM_GetCaption(&caption, NULL);
    return caption ? caption : "";
}

// The screen is the game's 640 x 480 x 32 video surface, with no cursor.
inline void ExpectScreen(bool fullScreen)
{
    ASSERT_TRUE(screen && screen == SDL_GetVideoSurface());
    EXPECT_EQ(fullScreen, (screen->flags & SDL_FULLSCREEN) != 0);
    EXPECT_TRUE(screen->w == 640 && screen->h == 480 && screen->format->BitsPerPixel == 32);
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
}
