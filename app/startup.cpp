#include "app/startup.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include "app/globals.h"
#include "app/hiscore.h"
#include "app/menu_states.h"
#include "app/options.h"
#include "app/settings.h"
#include "app/startup_checks.h"
#include "app/state_stack.h"
#include "app/video_start.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "enemies/projectile.h"
#include "enemies/scientist.h"
#include "play/draw.h"
#include "play/game_recorder.h"
#include "play/level_file.h"
#include "play/replay_run.h"
#include "toolkit/vek_clips.h"
#include "toolkit/vek_desktop.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_pad.h"
#include "toolkit/vek_signals.h"
#include "toolkit/vek_surface.h"
#include "world/cheese.h"
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
    // The remembered scale lives in the folder the game now runs in.
    Options settled = ProgramOptions();
    SettleScale(settled);
    SetProgramOptions(settled);

    frameTimer.Start();
    const time_t now = time(NULL);
    srand(static_cast<unsigned>(now));
    SeedGameRandom(static_cast<uint32_t>(now));
    if (!ProgramOptions().watch.empty())
        return WatchReplay(ProgramOptions().watch);

    // Before SDL starts, so that SDL leaves these signals to us.
    VEK_CatchTerminationSignals();
    // A failed start leaves whatever it got in place: the process ends next.
    if (!init())
        return 1;
    if (!load_files())
        return 1;
    SetClips();
    SetGuyDefaults();

    PushState(MenuState);
    RunStates();

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
        std::fprintf(stderr, "sumprun: %s: %s\n", fileName.c_str(), error.c_str());
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
// for nothing.
static Uint32 OtherSubsystemsWanted()
{
    Uint32 flags = SDL_INIT_AUDIO;
    // Game pads: add SDL_INIT_JOYSTICK here when a pad is wanted.
    return flags;
}

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

static bool LoadSounds();

// The fonts are links into the font packages. In a staged tree (DESTDIR, or
// a package unpacked with dpkg-deb -x) they lead into a /usr that the tree
// does not hold: then the font file the game was built with is taken.
static bool LeadsNowhere(const char* fileName)
{
    struct stat link;
    struct stat target;
    return lstat(fileName, &link) == 0 && S_ISLNK(link.st_mode) && stat(fileName, &target) != 0;
}

static TTF_Font* OpenGameFont(const char* fileName, const char* builtWith, int size)
{
    if (builtWith[0] != '\0' && LeadsNowhere(fileName))
        return TTF_OpenFont(builtWith, size);
    return TTF_OpenFont(fileName, size);
}

static Mix_Chunk* LoadEffect(const char* fileName)
{
    SDL_RWops* stream = SDL_RWFromFile(fileName, "rb");
    if (!stream)
        return nullptr;
    return Mix_LoadWAV_RW(stream, 1);
}

// Every file is loaded before any is judged; only the required ones stop
// the start, and the name of the first of those missing is told.
template <typename T>
struct AssetFile
{
    T** slot;
    const char* file;
    bool required;
};

// True, after naming it, when a required file of the list did not load.
template <typename T, size_t N>
static bool ReportMissing(const AssetFile<T> (&files)[N])
{
    for (const AssetFile<T>& f : files)
        if (f.required && !*f.slot)
        {
            AssetFailed(f.file);
            return true;
        }
    return false;
}

bool load_files(bool withAudio)
{
    const AssetFile<SDL_Surface> images[] = {
        {&menuBox, "menubox.bmp", true},
        {&menu_bg, "gen_bg_4gobs1.png", true},
        {&cursor_ss, "sumprun_cursor.png", false},
        {&level_bg, "sumprun_bg_1.png", false},
        {&terrain_ts, "sumprun_ts_1.png", false},
        {&water_ts, "sumprun_ts_water.png", false},
        {&cheese_ss, "sumprun_ts_cheese.png", false},
        {&burger_ss, "sumprun_ss_burger.png", false},
        {&eel_ss, "sumprun_ss_eel.png", false},
        {&scientist_ss, "sumprun_ss_scientist.png", false},
        {&projectile_ss, "sumprun_ss_pondweed.png", true},
        {&rat_ss, "sumprun_ss_rat.png", false},
    };
    for (const AssetFile<SDL_Surface>& f : images)
        *f.slot = VEK_LoadImage(f.file);
    if (ReportMissing(images))
        return false;

    if (withAudio && !LoadSounds())
        return false;

    font1 = OpenGameFont("impact.ttf", BUILT_LARGE_FONT, 50);
    font2 = OpenGameFont("verdana.ttf", BUILT_SMALL_FONT, 25);
    const AssetFile<TTF_Font> fonts[] = {{&font1, "impact.ttf", true}, {&font2, "verdana.ttf", true}};
    if (ReportMissing(fonts))
        return false;

    hiScore = ReadHiScore();
    return true;
}

static bool LoadSounds()
{
    const AssetFile<Mix_Music> music[] = {{&music1, "SRSong1.ogg", true}, {&music2, "SRSong2.ogg", true}};
    const AssetFile<Mix_Chunk> effects[] = {
        {&rat_jump_se, "rat_jump_se.ogg", true},    {&rat_die_se, "rat_die_se.ogg", false},
        {&eel_kill_se, "eel_kill_se.ogg", false},   {&burger_die_se, "burger_die_se.ogg", false},
        {&sci_drink_se, "sci_drink_se.ogg", false}, {&sci_throw_se, "sci_throw_se.ogg", false},
    };
    for (const AssetFile<Mix_Music>& f : music)
        *f.slot = Mix_LoadMUS(f.file);
    for (const AssetFile<Mix_Chunk>& f : effects)
        *f.slot = LoadEffect(f.file);
    return !ReportMissing(music) && !ReportMissing(effects);
}

// Clip i of a sheet laid out as a grid of cells, columns wide.
static void CutGrid(std::vector<SDL_Rect>& clips, int count, int columns, int w, int h)
{
    clips.clear();
    for (int i = 0; i < count; ++i)
    {
        SDL_Rect r;
        r.x = static_cast<Sint16>(w * (i % columns));
        r.y = static_cast<Sint16>(h * (i / columns));
        r.w = static_cast<Uint16>(w);
        r.h = static_cast<Uint16>(h);
        clips.push_back(r);
    }
}

void SetClips()
{
    // Rows of single frames are a grid as wide as the row.
    CutGrid(terrainClips, 18, 4, 32, 32);
    CutGrid(waterClips, 8, 4, 32, 32);
    CutGrid(cheeseClips, 13, 4, 32, 32);
    CutGrid(burgerClips, 5, 5, BURGER_WIDTH, BURGER_HEIGHT);
    CutGrid(eelClips, 5, 5, EEL_WIDTH, EEL_HEIGHT);
    CutGrid(scientistClips, 15, 15, SCIENTIST_WIDTH, SCIENTIST_HEIGHT);
    CutGrid(projectileClips, 2, 2, 30, 30);
    CutGrid(ratClips, 9, 9, RAT_WIDTH, RAT_HEIGHT);

    // Every clip drawn in play gets a surface of its own (same pixels).
    VEK_ForgetAllClips();
    VEK_CutClips(terrain_ts, terrainClips);
    VEK_CutClips(water_ts, waterClips);
    VEK_CutClips(cheese_ss, cheeseClips);
    VEK_CutClips(burger_ss, burgerClips);
    VEK_CutClips(eel_ss, eelClips);
    VEK_CutClips(scientist_ss, scientistClips);
    VEK_CutClips(projectile_ss, projectileClips);
    VEK_CutClips(rat_ss, ratClips);
}

// The class statics only borrow the assets, so they are handed out again
// whenever the assets change hands.
static void ShareAssets()
{
    Burger::default_ss = burger_ss;
    Burger::defaultClips = &burgerClips;
    Burger::die_se = burger_die_se;
    Eel::default_ss = eel_ss;
    Eel::defaultClips = &eelClips;
    Eel::kill_se = eel_kill_se;
    Scientist::default_ss = scientist_ss;
    Scientist::defaultClips = &scientistClips;
    Scientist::drink_se = sci_drink_se;
    Scientist::throw_se = sci_throw_se;
    Projectile::default_ss = projectile_ss;
    Projectile::defaultClips = &projectileClips;
    Cheese::default_ss = cheese_ss;
    Cheese::defaultClips = &cheeseClips;
    Rat::jump_se = rat_jump_se;
    Rat::die_se = rat_die_se;
}

void SetGuyDefaults()
{
    ShareAssets();
    rat.SetDefaults(rat_ss, &ratClips);
}

template <typename T>
static void Release(T*& asset, void (*free)(T*))
{
    if (asset)
        free(asset);
    asset = nullptr;
}

void FreeAssets()
{
    VEK_ForgetAllClips();
    ReleaseDrawCaches();
    Release(menuBox, SDL_FreeSurface);
    Release(menu_bg, SDL_FreeSurface);
    Release(cursor_ss, SDL_FreeSurface);
    Release(level_bg, SDL_FreeSurface);
    Release(terrain_ts, SDL_FreeSurface);
    Release(water_ts, SDL_FreeSurface);
    Release(cheese_ss, SDL_FreeSurface);
    Release(burger_ss, SDL_FreeSurface);
    Release(eel_ss, SDL_FreeSurface);
    Release(scientist_ss, SDL_FreeSurface);
    Release(projectile_ss, SDL_FreeSurface);
    Release(rat_ss, SDL_FreeSurface);

    Release(music1, Mix_FreeMusic);
    Release(music2, Mix_FreeMusic);

    Release(rat_jump_se, Mix_FreeChunk);
    Release(rat_die_se, Mix_FreeChunk);
    Release(eel_kill_se, Mix_FreeChunk);
    Release(burger_die_se, Mix_FreeChunk);
    Release(sci_drink_se, Mix_FreeChunk);
    Release(sci_throw_se, Mix_FreeChunk);

    Release(font1, TTF_CloseFont);
    Release(font2, TTF_CloseFont);

    // Nothing may keep pointing at what was just freed.
    ShareAssets();
    rat.SetSpriteSheet(nullptr);
}

void clean_up()
{
    EndGameRecording();
    FinishRecordingWrites();
    ClearWorld();
    FreeAssets();
    WriteHiScore(hiScore);
    TTF_Quit();
    VEK_ClosePad();
    VEK_CloseDisplay();
    // SDL_Quit takes the audio device down with everything else.
    SDL_Quit();
}
