#include "app/startup.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include "app/assets.h"
#include "app/globals.h"
#include "app/hiscore.h"
#include "app/menu_states.h"
#include "app/options.h"
#include "app/own_files.h"
#include "app/settings.h"
#include "app/startup_checks.h"
#include "app/state_stack.h"
#include "app/video_start.h"
#include "editor/autosave.h"
#include "editor/editor.h"
#include "play/game_recorder.h"
#include "play/level_file.h"
#include "play/replay_run.h"
#include "toolkit/printable.h"
#include "toolkit/vek_desktop.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_pad.h"
#include "toolkit/vek_signals.h"
#include "world/constants.h"
#include "world/game_random.h"
#include "world/rat.h"

static const char* const WINDOW_CAPTION = "Sump Run Level";
static const char* const WINDOW_ICON_FILE = "sumprun_icon.png";

static int WatchReplay(const std::string& fileName);

int SDL_main(int argc, char* argv[])
{
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error))
    {
        std::fprintf(stderr, "sumprun: %s\n%s", error.c_str(), UsageText().c_str());
        return 2;
    }
    if (options.help)
    {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (options.version)
    {
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    }
    SetProgramOptions(WithAbsolutePaths(options));
    if (!PrepareToStart())
        return 1;
    if (!ProgramOptions().record.empty() && IsGameOwnFile(ProgramOptions().record))
    {
        std::fprintf(stderr, "sumprun: --record %s: that is one of the game's own files; choose another name\n",
                     Printable(ProgramOptions().record).c_str());
        return 2;
    }
    // The remembered scale lives in the folder the game now runs in.
    Options settled = ProgramOptions();
    SettleScale(settled);
    SetProgramOptions(settled);

    frameTimer.Start();
    const time_t now = time(NULL);
    srand(static_cast<unsigned>(now));
    SeedGameRandom(static_cast<uint32_t>(now));
    // Before SDL starts, so that SDL leaves these signals to us; watching
    // a replay ends on them as cleanly as playing does.
    VEK_CatchTerminationSignals();
    if (!ProgramOptions().watch.empty())
        return WatchReplay(ProgramOptions().watch);
    // A failed start leaves whatever it got in place: the process ends next.
    // SDL itself is stopped first: on sdl12-compat its threads, left running
    // while the process exits, could crash it after the message.
    if (!init())
        return 1;
    if (!load_files())
    {
        SDL_Quit();
        return 1;
    }
    SetClips();
    SetGuyDefaults();

    PushState(MenuState);
    RunStates();

    // The editor's last edits are on disk before anything else goes.
    FinishAutosave();
    clean_up();
    return 0;
}

// The window the options ask for. The desktop's size is what SDL reports
// before any mode is set.
static VekDisplaySetup ChooseDisplay(const Options& options)
{
    VekDisplaySetup setup;
    setup.width = SCREEN_WIDTH;
    setup.height = SCREEN_HEIGHT;
    setup.bpp = SCREEN_BPP;
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    if (desktop)
    {
        setup.desktopWidth = desktop->current_w;
        setup.desktopHeight = desktop->current_h;
    }
    setup.scale = options.scaleAuto
                      ? VEK_FitScale(setup.desktopWidth, setup.desktopHeight, SCREEN_WIDTH, SCREEN_HEIGHT, MAX_SCALE)
                      : std::max(options.scale, 1);
    setup.desktopFullScreen = options.scaleAuto || setup.scale > 1;
    return setup;
}

void IgnoreUnreadEvents()
{
    // No state reads these; left queued, each would cost a frame of the
    // one-event-per-frame rule before a key or a close request is seen.
    // Joystick events stay: pad support reads them.
    const Uint8 unread[] = {SDL_ACTIVEEVENT, SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP,
                            SDL_VIDEORESIZE, SDL_VIDEOEXPOSE, SDL_SYSWMEVENT};
    // Each change of state also empties SDL's whole queue, so only changes
    // are made: a second call keeps the events already queued.
    for (Uint8 type : unread)
        if (SDL_EventState(type, SDL_QUERY) != SDL_IGNORE)
            SDL_EventState(type, SDL_IGNORE);
}

// --watch FILE: the replay drawn in the window at the game's pace, then
// back to the shell. The high score is left alone.
static int WatchReplay(const std::string& fileName)
{
    Replay replay;
    std::string error;
    if (!LoadReplay(fileName, replay, &error) || !ReplayLevelMatches(replay, &error))
    {
        std::fprintf(stderr, "sumprun: %s: %s\n", Printable(fileName).c_str(), error.c_str());
        return 1;
    }
    // Both say why they failed.
    if (!init() || !load_files())
        return 1;
    SetClips();
    SetGuyDefaults();
    const ReplayOutcome outcome = RunReplay(replay, ReplayMode::Watched);
    std::printf("outcome: %s\n", DescribeOutcome(outcome).c_str());
    ClearWorld();
    FreeAssets();
    TTF_Quit();
    SDL_Quit();
    return 0;
}

// Beside the video, only what the game uses: no timer subsystem, since
// nothing sets an SDL timer (SDL_GetTicks and SDL_Delay work without it)
// and its thread would wake the machine about a thousand times a second
// for nothing. The joystick subsystem is the pad support's to start
// (VEK_OpenPad, once the window is open), and it stops it again when no pad
// is attached.
static Uint32 OtherSubsystemsWanted() { return SDL_INIT_AUDIO; }

bool init(bool withAudio)
{
    if (!StartVideo())
        return SubsystemFailed("cannot open the display");
    if (withAudio && SDL_InitSubSystem(OtherSubsystemsWanted()) == -1)
        return SubsystemFailed("cannot start SDL");
    IgnoreUnreadEvents();
    // Optional: without it the desktop shows its generic icon.
    VEK_SetWindowIcon(WINDOW_ICON_FILE);
    screen = VEK_OpenDisplay(ChooseDisplay(ProgramOptions()));
    if (!screen)
        return SubsystemFailed("cannot open the window");
    // The tools without audio take no input either.
    if (withAudio)
        VEK_OpenPad();
    if (withAudio && Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 4096) == -1)
        return SubsystemFailed("cannot open the audio device");
    if (TTF_Init() == -1)
        return SubsystemFailed("cannot start the font library");
    SDL_WM_SetCaption(WINDOW_CAPTION, NULL);
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

bool load_files(bool withAudio)
{
    if (!LoadAssets(withAudio))
        return false;

    // The tools keep no high score.
    hiScore = withAudio ? LoadHiScore() : 0;
    return true;
}

void clean_up()
{
    EndGameRecording();
    FinishRecordingWrites();
    // A stroke still held at the end would otherwise be settled against
    // lists ClearWorld has emptied, and its elements freed twice.
    TheEditHistory().Clear();
    ClearWorld();
    FreeAssets();
    StoreHiScore(hiScore);
    TTF_Quit();
    VEK_ClosePad();
    VEK_CloseDisplay();
    // SDL_Quit takes the audio device down with everything else.
    SDL_Quit();
}
