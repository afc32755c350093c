#include "app/video_start.h"
#include <SDL.h>
#include <X11/Xlib.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "toolkit/vek_clock.h"
#include "toolkit/vek_desktop.h"

// How long start-up keeps trying to reach a display that refused it.
static const int VIDEO_ATTEMPTS = 30;
static const Uint32 VIDEO_RETRY_MS = 100;

// An X server started without -noreset (xvfb-run starts one so) resets
// itself each time its last client leaves, and SDL's X11 driver first probes
// the display with a connection it closes again at once. When the game is
// the server's only client, that probe sets off a reset, and whatever SDL
// does next can meet a server that drops it: the real connection is reset
// (SDL_Init fails), or the probe itself is, and SDL moves on to the next
// driver, drawing text art in the terminal with no window at all. The reset
// is over within moments, so the X11 driver is held to and tried again for a
// while before start-up gives up.
static bool PinX11Driver()
{
    const char* display = std::getenv("DISPLAY");
    if (std::getenv("SDL_VIDEODRIVER") || !display || !*display)
        return false;
    setenv("SDL_VIDEODRIVER", "x11", 1);
    return true;
}

// Drivers that "start" with no window anywhere; only taken when asked for.
static bool ShowsNoWindow(const char* driver)
{
    const char* const windowless[] = {"offscreen", "dummy", "aalib", "caca"};
    for (const char* name : windowless)
        if (std::strcmp(driver, name) == 0)
            return true;
    return false;
}

// SDL_Init's word alone is not enough. The SDL 1.2 interface on SDL2
// (sdl12-compat) answers a second SDL_Init with success after the first
// failed, without any video driver, and later opens the window on SDL2's
// "offscreen" driver: the game would run on with nothing shown. So the
// driver that actually started is checked.
static bool VideoReallyStarted(bool pinned, bool driverChosen)
{
    char name[32];
    if (!SDL_VideoDriverName(name, sizeof name))
        return false;
    if (pinned)
        return SDL_strcasecmp(name, "x11") == 0;
    return driverChosen || !ShowsNoWindow(name);
}

// Waits, within the start-up's attempts, until the X server takes a
// connection, and holds that connection open while SDL starts: a server
// with a client left cannot reset under SDL. Null when it never answered.
// This matters most on sdl12-compat, which does not really try again after
// a failed SDL_Init, so its first attempt has to find the server ready.
static Display* HoldDisplay()
{
    for (int attempt = 1; attempt <= VIDEO_ATTEMPTS; ++attempt)
    {
        if (attempt > 1)
            VEK_Delay(VIDEO_RETRY_MS);
        if (Display* display = XOpenDisplay(nullptr))
            return display;
    }
    return nullptr;
}

// The window's class ties the running game to its menu entry
// (StartupWMClass): both libraries read it from the environment when their
// video starts. One the player set is kept.
static const char* const WINDOW_CLASS = "sumprun";

// sdl12-compat shows the game's picture through an SDL2 renderer, and SDL2
// backs even its software renderer's window with OpenGL by default. The
// picture is only ever copied pixel for pixel (the game does its own
// enlarging), which the software renderer on a plain X11 window does for a
// fraction of the processor time and memory that OpenGL costs where it runs
// in software (no GPU, a virtual X server), with the same pixels: in play
// about 3.7 % of a core and 29 MB against 10.6 % and 115 MB. What the player
// set is kept.
static void ChooseSdl2Presentation()
{
    if (!VEK_OnSdl2())
        return;
    setenv("SDL_RENDER_DRIVER", "software", 0);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
}

bool StartVideo()
{
    setenv("SDL_VIDEO_X11_WMCLASS", WINDOW_CLASS, 0);
    ChooseSdl2Presentation();
    const bool driverChosen = std::getenv("SDL_VIDEODRIVER") != nullptr;
    const bool pinned = PinX11Driver();
    Display* held = nullptr;
    if (pinned && !(held = HoldDisplay()))
    {
        unsetenv("SDL_VIDEODRIVER");
        SDL_SetError("the X server %s does not answer", std::getenv("DISPLAY"));
        return false;
    }
    bool started = false;
    std::string firstError;
    for (int attempt = 1; !started && attempt <= VIDEO_ATTEMPTS; ++attempt)
    {
        if (attempt > 1)
            VEK_Delay(VIDEO_RETRY_MS);
        started = SDL_Init(SDL_INIT_VIDEO) == 0 && VideoReallyStarted(pinned, driverChosen);
        if (!started)
        {
            // The first refusal says why; later ones may only echo it.
            if (firstError.empty())
                firstError = *SDL_GetError() ? SDL_GetError() : "no video driver started";
            SDL_Quit();
        }
    }
    if (!started)
        SDL_SetError("%s", firstError.c_str());
    // SDL has its own connection now.
    if (held)
        XCloseDisplay(held);
    // The choice was only for start-up; the environment is left as found.
    if (pinned)
        unsetenv("SDL_VIDEODRIVER");
    return started;
}
